// The main window: the inn form under the File and Edit menus. It runs the
// commands on the inn the form shows, keeps the run's inns for Previous,
// Next and the history list, keeps the inns the user stars, and answers every
// close request with the closing window.
#pragma once

#include <QMainWindow>
#include <QTimer>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/RandomSource.h"
#include "core/TableText.h"
#include "cycle/InnGenerator.h"
#include "keeping/InnHistory.h"
#include "files/InnFile.h"
#include "keeping/SessionKeeper.h"
#include "files/WordFolder.h"
#include "output/formats/InnFormat.h"
#include "output/print/SheetPrinter.h"
#include "platform/EditedFileWatcher.h"
#include "ui/dialogs/ErrorBox.h"
#include "ui/InnExport.h"
#include "ui/dialogs/InnOpenDialog.h"
#include "ui/dialogs/InnPrintDialogs.h"
#include "ui/dialogs/InnSaveDialog.h"

class QDialog;

namespace brewick {

class InnForm;

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

    const InnGenerator& generator() const { return generator_; }
    // The inn as the user sees it, for the commands that read it: with what
    // is typed in an open cell editor, whose edit can still be given up.
    InnSheet shownInn() const;

    // The about window of File > About, and the closing window every close
    // request shows before the main window closes.
    void setCompanions(QDialog* about, QDialog* closing);

    // File > Print prints there from now on, and asks in the print dialog
    // where it tells of a problem that another printer may not have; the
    // system's default printer of the moment until then.
    void usePrinter(std::unique_ptr<SheetPrinter> printer) { printer_ = std::move(printer); }

    // The session ends: closes, with the closing window only when the session
    // manager lets the program ask the user.
    void closeForLogout(bool mayAsk);

    // Keeps the window's inns in the session folder `folder` and its
    // starred inns in `starredFile` from now on, and puts the inns kept
    // there by earlier runs before the first inn of this one, once they are
    // read: they are read beside the window once its first inn is painted,
    // and the window does not wait for them but to step back to them.
    void keepInnsIn(const std::filesystem::path& folder, const std::filesystem::path& starredFile);

    // Opens the inn files in order, as File > Open does: they are read
    // beside the window, which goes on as ever, and then their inns join the
    // history after the shown one, the first of them shown.
    void openInnFiles(const std::vector<std::filesystem::path>& paths);

signals:
    // The files of an openInnFiles call were read and their inns shown.
    void innFilesOpened();
    // The inns of earlier runs joined the history.
    void sessionRestored();

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
        QAction* editRerollTable = nullptr;
        QAction* editRerollPatron = nullptr;
        QAction* editBarScenes = nullptr;
        QAction* editWordLists = nullptr;
    };

    void createActions();
    void connectForm();

    // Runs a change of the shown inn on the sheet as the user sees it, then
    // shows the changed sheet and where the history can step.
    void changeShownInn(const std::function<void()>& change);

    struct OpenedFile {
        std::filesystem::path path;
        InnFileRead read;
    };

    void generateInn();
    void openInn();
    void showOpenedInns(std::vector<OpenedFile> files);
    // What to tell of a file opened, if anything: none of its inns read, or some.
    static std::optional<std::string> openingProblem(const std::filesystem::path& path, const InnFileRead& read);
    // Whether the inns may be opened where the history must drop inns for them.
    bool mayMakeRoomFor(const std::vector<PlacedInn>& inns);
    void showPreviousInn();
    void showNextInn();
    // Previous Inn and Next Inn, where there is an inn to step to.
    void enableHistorySteps();
    // The table commands (MainWindowTables.cpp).
    void rerollTable();
    void rerollTableLine();
    void copyTable();
    // Re-roll Table and Copy Table where a table is shown, Re-roll Patron
    // where the cursor of the table's box is on a line it draws again, named
    // for that line; each says why where it cannot apply.
    void enableTableCommands();
    // What the line of the shown table at the box's cursor holds.
    TableLine shownTableLine() const;
    // The starred inns and the history list (MainWindowHistory.cpp).
    void toggleKeepInn();
    void showHistoryList();
    // Makes the changes to the starred inns as the window sees them, and to
    // their file.
    void changeStars(const std::vector<StarChange>& changes);
    void useStarred(std::vector<KeptInn> starred);
    // Keep This Inn ticked, and a star in the title, when the shown inn is starred.
    void showKeptState();
    // The changes of starred inns since they were starred or last updated.
    std::vector<StarChange> starredUpdates(const std::vector<KeptInn>& inns) const;
    void saveInn();
    // File > Export, with the file type of `format` chosen when one is given.
    void exportInn(std::optional<ExportFormat> format = std::nullopt);
    void printInn();
    void previewPrintedInn();
    void copyInn();
    void showAbout();
    void editBarScenes();
    void updateSceneList();
    void editWordLists();
    void updateWordLists();
    void answerCloseRequest(bool mayAsk);
    // Writes the session after the change being made, once for a burst.
    void keepSessionSoon();
    void keepSession();
    // Takes what the session keeper has for the window: the inns of earlier
    // runs, once read, and messages for the user.
    void takeSessionNews();
    // Puts the inns of earlier runs into the history, once they are read;
    // waits for them when `wait`.
    void restoreSession(bool wait);
    // Takes the starred inns, once read or changed; waits for them to be
    // read when `wait`.
    void takeStarred(bool wait);
    void reportError(const std::string& message);
    void reportErrors(std::span<const std::string> messages);

    // Created in this order: the start-up sequence.
    const std::uint32_t seed_;
    const std::string windowId_;
    LcgRandom random_;
    const std::filesystem::path sceneFile_;
    const std::filesystem::path wordFolder_;
    InnGenerator generator_;
    InnHistory history_;
    ErrorBox errorBox_;

    InnForm* form_ = nullptr;
    Actions actions_;
    InnOpenDialog openDialog_;
    InnSaveDialog saveDialog_;
    InnSaveDialog exportDialog_;
    std::unique_ptr<SheetPrinter> printer_ = std::make_unique<DefaultPrinter>();
    InnPrintDialogs printDialogs_;
    EditedFileWatcher sceneFileWatcher_{this};
    EditedFileWatcher wordFolderWatcher_{this};
    UserWords userWords_;  // as the generator draws from them
    QDialog* about_ = nullptr;
    QDialog* closing_ = nullptr;
    CloseState closeState_ = CloseState::Open;
    QTimer sessionKeeping_;                         // after a change of the history
    QTimer typingKeeping_;                          // after typing
    std::unique_ptr<SessionKeeper> sessionKeeper_;  // none: no session kept
    bool sessionRestoring_ = false;                 // the inns of earlier runs are being read
    bool painted_ = false;                          // the first inn is on the screen
    std::vector<KeptInn> starred_;                  // as their file holds them, with the changes asked for
    // Last: the window waits for the files being read before it goes.
    std::vector<std::future<void>> fileReads_;
};

}  // namespace brewick
