// The main window's File menu: the inn to and from files, and to the printer.
#include <QApplication>
#include <QFile>

#include <chrono>

#include "files/InnFile.h"
#include "files/SafeFileWriter.h"
#include "output/formats/InnSheetText.h"
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
    std::erase_if(fileReads_, [](const std::future<void>& read) {
        return read.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    });
    QApplication::setOverrideCursor(Qt::BusyCursor);
    fileReads_.push_back(std::async(std::launch::async, [this, paths] {
        auto files = std::make_shared<std::vector<OpenedFile>>();
        for (const std::filesystem::path& path : paths)
            files->push_back({path, readInnFile(path)});
        QMetaObject::invokeMethod(
            this, [this, files] { showOpenedInns(std::move(*files)); }, Qt::QueuedConnection);
    }));
}

void MainWindow::showOpenedInns(std::vector<OpenedFile> files)
{
    QApplication::restoreOverrideCursor();
    std::vector<PlacedInn> inns;
    std::string problems;
    const auto tell = [&problems](const std::string& problem) {
        problems += (problems.empty() ? "" : ".\n") + problem;
    };
    for (OpenedFile& file : files) {
        std::move(file.read.inns.begin(), file.read.inns.end(), std::back_inserter(inns));
        if (file.read.error)
            tell("Cannot open inn file " + file.path.string() + ": " + *file.read.error +
                 (file.read.unread > 1 ? "; " + std::to_string(file.read.unread - 1) + " more could not be read either"
                                       : std::string()));
    }
    std::size_t dropped = 0;
    if (!inns.empty())
        changeShownInn([&] { dropped = history_.open(generator_, std::move(inns)); });
    if (dropped > 0)
        tell("To make room for the inns opened, the " + std::to_string(dropped) +
             " oldest inns of the history were dropped: it keeps the last " + std::to_string(kMostKeptInns) +
             " inns and " + std::to_string(kMostKeptBytes >> 20) + " MiB of them");
    if (!problems.empty())
        reportError(problems);
    emit innFilesOpened();
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
        exportDialog_.ask(this, format ? std::optional<qsizetype>(static_cast<qsizetype>(*format)) : std::nullopt);
    if (!choice)
        return;
    const ExportFormat written = exportFormatFor(choice->path, choice->fileType);
    const std::optional<std::string> bytes = exportedInn(written, inn, history_.shownPlace());
    if (!bytes)
        reportError("Cannot create file " + choice->path.toStdString());
    else if (const auto error = writeFileSafely(localPath(choice->path), *bytes))
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
