// The main window's File menu: the inn to and from files, and to the printer.
#include <QApplication>
#include <QFile>
#include <QMessageBox>

#include "files/InnFile.h"
#include "files/SafeFileWriter.h"
#include "output/formats/InnSheetText.h"
#include "output/print/SheetPdf.h"
#include "ui/InnExport.h"
#include "ui/MainWindow.h"

namespace brewick {

namespace {
// File names are bytes; Qt's strings for them come from the file dialog.
std::filesystem::path localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
}  // namespace

void MainWindow::openInn()
{
    std::vector<std::filesystem::path> paths;
    for (const QString& path : openDialog_.ask(this))
        paths.push_back(localPath(path));
    openInnFiles(paths);
}

void MainWindow::openInnFiles(const std::vector<std::filesystem::path>& paths)
{
    if (paths.empty())
        return;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    desk_.openInnFiles(paths);
}

bool MainWindow::mayDrop(std::size_t opened, std::size_t drops)
{
    QMessageBox question(QMessageBox::Question, QStringLiteral("Brewick"),
                         QStringLiteral("Opening %1 inns drops the %2 oldest inns of the history to make room: it "
                                        "keeps the last %3 inns and %4 MiB of them, and never drops a starred inn.")
                             .arg(opened)
                             .arg(drops)
                             .arg(kMostKeptInns)
                             .arg(kMostKeptBytes >> 20),
                         QMessageBox::Cancel, this);
    question.addButton(QStringLiteral("&Open Them"), QMessageBox::AcceptRole);
    question.setDefaultButton(QMessageBox::Cancel);
    return question.exec() != QMessageBox::Cancel;
}

void MainWindow::saveInn()
{
    // The text is taken before the dialog opens: the file holds the inn as
    // it stood when Save was chosen.
    std::string bytes;
    appendInnSheetText(shownInn(), "\r\n", bytes);
    const std::optional<QString> path = saveDialog_.askPath(this);
    if (!path)
        return;
    if (const auto error = writeFileSafely(localPath(*path), bytes))
        reportError(*error);
}

void MainWindow::exportInn(std::optional<ExportFormat> format)
{
    // As for Save, the file holds the inn as it stood when Export was chosen.
    const InnSheet inn = shownInn();
    const std::optional<InnSaveDialog::Choice> choice =
        exportDialog_.ask(this, exportFileName(inn.innName),
                          format ? std::optional<qsizetype>(static_cast<qsizetype>(*format)) : std::nullopt);
    if (!choice)
        return;
    const ExportFormat written = exportFormatFor(choice->path, choice->fileType);
    writeExported(choice->path, exportedInn(written, inn, desk_.shownPlace()));
}

void MainWindow::exportHandout(std::vector<InnSheet> inns)
{
    if (inns.empty())
        return;
    const std::optional<InnSaveDialog::Choice> choice = handoutDialog_.ask(this, exportFileName(handoutTitle(inns)));
    if (choice)
        writeExported(choice->path, exportedHandout(inns, choice->fileType));
}

void MainWindow::writeExported(const QString& path, const std::optional<std::string>& bytes)
{
    if (!bytes)
        reportError("Cannot create file " + path.toStdString());
    else if (const auto error = writeFileSafely(localPath(path), *bytes))
        reportError(*error);
}

// At once on the default printer of the moment. Where there is none, or it
// failed, the print dialog asks for another printer, after a word on what
// failed.
void MainWindow::printInn()
{
    TextLines lines;
    buildInnSheetText(shownInn(), lines);
    const std::optional<PrintProblem> problem = printer_->print(lines);
    if (!problem)
        return;
    if (!problem->message.empty())
        reportError(problem->message);
    if (!problem->anotherPrinter)
        return;
    if (const auto error = printDialogs_.print(this, lines, [this] { exportInn(ExportFormat::Pdf); }))
        reportError(*error);
}

void MainWindow::previewPrintedInn()
{
    TextLines lines;
    buildInnSheetText(shownInn(), lines);
    if (const auto error = printDialogs_.preview(this, lines))
        reportError(*error);
}

}  // namespace brewick
