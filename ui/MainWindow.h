// The main window: the inn form under the File and Edit menus, showing the
// inns of its desk. Its commands run the desk's operations on the inn the
// form shows and ask the user where they need an answer; the files, the
// printer and the clipboard are the window's. It answers every close request
// with the closing window.
#pragma once

#include <QMainWindow>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "desk/InnDesk.h"
#include "output/formats/InnFormat.h"
#include "output/print/SheetPrinter.h"
#include "ui/InnExport.h"
#include "ui/dialogs/ErrorBox.h"
#include "ui/dialogs/InnOpenDialog.h"
#include "ui/dialogs/InnPrintDialogs.h"
#include "ui/dialogs/InnSaveDialog.h"

class QDialog;

namespace brewick {

class InnForm;
class InnNotesDialog;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Runs the start-up sequence from the random state `seed`. `sceneFile` is
    // the scene file read at start and opened by Edit > Bar Scenes, and
    // `wordFolder` the folder of the user's word lists, followed from the
    // start and opened by Edit > Word Lists; either is empty when the user
    // has none.
    MainWindow(std::uint32_t seed, std::filesystem::path sceneFile, std::filesystem::path wordFolder = {},
               QWidget* parent = nullptr);

    InnDesk& desk() { return desk_; }
    const InnGenerator& generator() const { return desk_.generator(); }
    // The inn as the user sees it, for the commands that read it: with what
    // is typed in an open cell editor or the notes window, whose edit can
    // still be given up.
    InnSheet shownInn() const;

    // The about window of File > About, and the closing window every close
    // request shows before the main window closes.
    void setCompanions(QDialog* about, QDialog* closing);

    // File > Print prints there from now on, and asks in the print dialog
    // where it tells of a problem that another printer may not have; the
    // system's default printer of the moment until then.
    void usePrinter(std::unique_ptr<SheetPrinter> printer) { printer_ = std::move(printer); }

    // File > Export Handout: asks for a PDF file, of the sheets or of the
    // players' cards, and writes the inns to it, each from a new page. The
    // history hands its chosen inns here.
    void exportHandout(std::vector<InnSheet> inns);

    // The session ends: closes, with the closing window only when the session
    // manager lets the program ask the user.
    void closeForLogout(bool mayAsk);

    // Keeps the window's inns in the session folder `folder` and its
    // starred inns in `starredFile` from now on, and puts the inns kept
    // there by earlier runs before the first inn of this one, once they are
    // read: they are read beside the window once its first inn is painted,
    // and the window does not wait for them but to step back to them.
    void keepInnsIn(const std::filesystem::path& folder, const std::filesystem::path& starredFile)
    {
        desk_.keepInnsIn(folder, starredFile);
    }

    // Opens the inn files in order, as File > Open does: they are read
    // beside the window, which goes on as ever, and then their inns join the
    // history after the shown one, the first of them shown.
    void openInnFiles(const std::vector<std::filesystem::path>& paths);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // A close request is answered once, by the closing window, and then
    // every close goes ahead.
    enum class CloseState { Open, Asked, Answering, Answered };

    struct Actions {
        QAction* fileOpen = nullptr;
        QAction* fileSave = nullptr;
        QAction* fileExport = nullptr;
        QAction* fileExportHandout = nullptr;
        QAction* filePrint = nullptr;
        QAction* filePrintPreview = nullptr;
        QAction* fileAbout = nullptr;
        QAction* fileQuit = nullptr;
        QAction* editCopyInn = nullptr;
        QAction* editCopyTable = nullptr;  // also in the table lines' context menu
        QAction* editPreviousInn = nullptr;
        QAction* editNextInn = nullptr;
        QAction* editKeepInn = nullptr;
        QAction* editHistory = nullptr;
        QAction* editInnNotes = nullptr;  // checked when the shown inn has notes
        QAction* editRerollTable = nullptr;
        QAction* editRerollPatron = nullptr;
        QAction* editFleshOutPatron = nullptr;
        QAction* editFleshOutTable = nullptr;
        QAction* editPinLine = nullptr;  // named for what it does to the line, by showCommands
        QAction* editBarScenes = nullptr;
        QAction* editWordLists = nullptr;
    };

    void createActions();
    void connectForm();
    void connectDesk();

    // The desk's shown inn, and what applies to it, in the form and the menus.
    void showInn();
    void showCommands();
    void showPinCommand(const InnDesk::Commands& commands);
    void openInn();
    // Whether the inns may be opened where the history must drop inns for them.
    bool mayDrop(std::size_t opened, std::size_t drops);
    void copyTable();
    void showHistoryList();
    void editNotes();
    // Puts what is typed in the open cell editor or notes window into the
    // shown inn, the notes window closed, before a change of it.
    void commitEdits();
    void showNotesMark();
    void saveInn();
    // File > Export, with the file type of `format` chosen when one is given.
    void exportInn(std::optional<ExportFormat> format = std::nullopt);
    // Writes the file of File > Export or Export Handout, or tells what failed.
    void writeExported(const QString& path, const std::optional<std::string>& bytes);
    void printInn();
    void previewPrintedInn();
    void copyInn();
    void showAbout();
    void editBarScenes();
    void editWordLists();
    void answerCloseRequest(bool mayAsk);
    void reportError(const std::string& message);
    void reportErrors(std::span<const std::string> messages);

    InnDesk desk_;
    ErrorBox errorBox_;

    InnForm* form_ = nullptr;
    Actions actions_;
    InnOpenDialog openDialog_;
    InnSaveDialog saveDialog_;
    InnSaveDialog exportDialog_;
    InnSaveDialog handoutDialog_;
    std::unique_ptr<SheetPrinter> printer_ = std::make_unique<DefaultPrinter>();
    InnPrintDialogs printDialogs_;
    QDialog* about_ = nullptr;
    QDialog* closing_ = nullptr;
    InnNotesDialog* notesDialog_ = nullptr;  // while Edit > Inn Notes… is open
    CloseState closeState_ = CloseState::Open;
    bool painted_ = false;  // the first inn is on the screen
};

}  // namespace brewick
