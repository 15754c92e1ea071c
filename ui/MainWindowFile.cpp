// The main window's File menu and the kept session: the inn to and from
// files, and to the printer.
#include <QFile>

#include <iostream>

#include "files/InnFile.h"
#include "files/SafeFileWriter.h"
#include "files/SessionFile.h"
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
    std::vector<PlacedInn> inns;
    for (const std::filesystem::path& path : paths) {
        InnFileRead read = readInnFile(path);
        std::move(read.inns.begin(), read.inns.end(), std::back_inserter(inns));
        if (read.error)
            reportError("Cannot open inn file " + path.string() + ": " + *read.error);
    }
    if (!inns.empty())
        changeShownInn([&] { history_.open(generator_, std::move(inns)); });
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

void MainWindow::exportInn()
{
    // As for Save, the file holds the inn as it stood when Export was chosen.
    const InnSheet inn = shownInn();
    const std::optional<InnSaveDialog::Choice> choice = exportDialog_.ask(this);
    if (!choice)
        return;
    const ExportFormat format = exportFormatFor(choice->path, choice->fileType);
    const std::optional<std::string> bytes = exportedInn(format, inn, history_.shownPlace());
    if (!bytes)
        reportError("Cannot create file " + choice->path.toStdString());
    else if (const auto error = writeFileSafely(localPath(choice->path), *bytes))
        reportError(*error);
}

// At once on the default printer, as ever; without one, the print dialog
// asks for a printer.
void MainWindow::printInn()
{
    TextLines lines;
    buildInnSheetText(shownInn(), lines);
    if (const auto error = printer_->hasPrinter() ? printer_->print(lines) : printDialogs_.print(this, lines))
        reportError(*error);
}

void MainWindow::previewPrintedInn()
{
    TextLines lines;
    buildInnSheetText(shownInn(), lines);
    if (const auto error = printDialogs_.preview(this, lines))
        reportError(*error);
}

void MainWindow::keepSessionIn(std::filesystem::path path)
{
    sessionFile_ = std::move(path);
    history_.restore(restoreSession(sessionFile_, std::cerr));
    enableHistorySteps();
}

void MainWindow::keepSessionSoon()
{
    if (!sessionFile_.empty())
        sessionKeeping_.start();
}

void MainWindow::keepSession()
{
    if (sessionFile_.empty())
        return;
    sessionKeeping_.stop();
    SessionWriter session;
    history_.forEachInn(generator_,
                        [&session](const InnSheet& sheet, const InnPlace& place) { session.add(sheet, place); });
    const std::optional<std::string> error = writeSession(sessionFile_, session.bytes());
    // A box at every change would make the window unusable on a full disk.
    if (error && error != sessionError_)
        reportError("Cannot keep the session: " + *error);
    sessionError_ = error;
}

}  // namespace brewick
