#include "ui/MainWindow.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QUrl>

#include <algorithm>

#include "files/InnReader.h"
#include "files/ListFile.h"
#include "files/UserSceneFile.h"
#include "generators/WordLists.h"
#include "output/print/QtText.h"
#include "platform/TextEditor.h"
#include "ui/dialogs/ErrorBox.h"
#include "ui/InnExport.h"
#include "ui/InnForm.h"
#include "ui/controls/ObjectNames.h"
#include "ui/controls/WindowLook.h"

namespace brewick {

namespace names = objectNames;

namespace {
std::string sceneFileProblem(const std::filesystem::path& sceneFile, const std::string& reason)
{
    return "Cannot read scene file " + sceneFile.string() + ": " + reason;
}

std::string wordListProblem(const WordFileProblem& problem)
{
    return "Cannot use word list " + problem.file.string() + ": " + problem.reason;
}

// What a new word folder holds: the README and the built-in lists to copy from.
std::vector<FolderFile> wordFolderFiles()
{
    std::vector<FolderFile> files = {{kWordFolderReadme, wordFolderReadme()}};
    for (const NamedWordList& named : kNamedWordLists)
        files.push_back(
            {std::filesystem::path("built-in") / (std::string(named.name) + ".txt"), builtInListFile(named)});
    return files;
}

// The platform's key for Quit, or Ctrl+Q where it names none: the Windows key
// scheme, which Qt's offscreen screen uses too, leaves closing to the window
// manager.
QKeySequence quitKey()
{
    const QKeySequence standard(QKeySequence::Quit);
    return standard.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : standard;
}
}  // namespace

MainWindow::MainWindow(std::uint32_t seed, std::filesystem::path sceneFile, std::filesystem::path wordFolder,
                       QWidget* parent)
    : QMainWindow(parent),
      seed_(seed),
      windowId_(uniqueWindowId()),
      random_(seed_),
      sceneFile_(std::move(sceneFile)),
      wordFolder_(std::move(wordFolder)),
      generator_(random_, readListFile(sceneFile_)),
      history_(seed_, innJsonPacking(), windowId_),
      errorBox_(this),
      exportDialog_(exportFileTypes())
{
    setObjectName(QString::fromLatin1(names::mainWindow));
    sceneFileWatcher_.setObjectName(QString::fromLatin1(names::sceneFileWatcher));
    wordFolderWatcher_.setObjectName(QString::fromLatin1(names::wordFolderWatcher));
    setUpFixedWindow(this, Qt::Window, QStringLiteral("Brewick"), {57, 34});
    form_ = new InnForm(generator_.sheet(), this);
    setCentralWidget(form_);
    form_->showParts(generator_.parts());
    createActions();
    connectForm();
    // The window takes the size of its fixed client area and menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (const auto& error = generator_.sceneFileError())
        reportError(sceneFileProblem(sceneFile_, *error));
    if (!wordFolder_.empty())
        wordFolderWatcher_.watch(wordFolder_);
    updateWordLists();
}

void MainWindow::setCompanions(QDialog* about, QDialog* closing)
{
    about_ = about;
    closing_ = closing;
}

void MainWindow::createActions()
{
    const auto addAction = [this](QMenu* menu, const char* name, const QString& text, auto run,
                                  const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(text, shortcut, this, run);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QString::fromLatin1(names::fileMenu));
    actions_.fileOpen =
        addAction(file, names::openAction, QStringLiteral("&Open…"), &MainWindow::openInn, QKeySequence::Open);
    actions_.fileSave =
        addAction(file, names::saveAction, QStringLiteral("&Save"), &MainWindow::saveInn, QKeySequence::Save);
    actions_.fileExport = addAction(file, names::exportAction, QStringLiteral("E&xport…"), [this] { exportInn(); });
    actions_.filePrint =
        addAction(file, names::printAction, QStringLiteral("&Print"), &MainWindow::printInn, QKeySequence::Print);
    actions_.filePrintPreview =
        addAction(file, names::printPreviewAction, QStringLiteral("Print Pre&view…"), &MainWindow::previewPrintedInn);
    actions_.fileAbout = addAction(file, names::aboutAction, QStringLiteral("&About"), &MainWindow::showAbout);
    file->addSeparator();
    // One more close request: the closing window comes first, as for "Exit".
    actions_.fileQuit = addAction(file, names::quitAction, QStringLiteral("&Quit"), &MainWindow::close, quitKey());

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QString::fromLatin1(names::editMenu));
    // A command that cannot apply says why in its tooltip.
    edit->setToolTipsVisible(true);
    actions_.editCopyInn = addAction(edit, names::copyInnAction, QStringLiteral("&Copy Inn"), &MainWindow::copyInn,
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    actions_.editCopyTable =
        addAction(edit, names::copyTableAction, QStringLiteral("Cop&y Table"), &MainWindow::copyTable);
    actions_.editPreviousInn = addAction(edit, names::previousInnAction, QStringLiteral("Pre&vious Inn"),
                                         &MainWindow::showPreviousInn, QKeySequence(Qt::ALT | Qt::Key_Left));
    actions_.editNextInn = addAction(edit, names::nextInnAction, QStringLiteral("&Next Inn"), &MainWindow::showNextInn,
                                     QKeySequence(Qt::ALT | Qt::Key_Right));
    enableHistorySteps();
    actions_.editKeepInn = addAction(edit, names::keepInnAction, QStringLiteral("&Keep This Inn"),
                                     &MainWindow::toggleKeepInn, QKeySequence(Qt::CTRL | Qt::Key_D));
    actions_.editKeepInn->setCheckable(true);
    actions_.editHistory = addAction(edit, names::historyAction, QStringLiteral("&History…"),
                                     &MainWindow::showHistoryList, QKeySequence(Qt::CTRL | Qt::Key_H));
    edit->addSeparator();
    actions_.editRerollTable = addAction(edit, names::rerollTableAction, QStringLiteral("Re-roll Tab&le"),
                                         &MainWindow::rerollTable, QKeySequence(Qt::CTRL | Qt::Key_R));
    // Named for the line it draws again, by enableTableCommands.
    actions_.editRerollPatron = addAction(edit, names::rerollPatronAction, QString(), &MainWindow::rerollTableLine,
                                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    form_->setTableActions({actions_.editRerollTable, actions_.editRerollPatron, actions_.editCopyTable});
    enableTableCommands();
    edit->addSeparator();
    actions_.editBarScenes =
        addAction(edit, names::barScenesAction, QStringLiteral("&Bar Scenes"), &MainWindow::editBarScenes);
    actions_.editWordLists =
        addAction(edit, names::wordListsAction, QStringLiteral("&Word Lists…"), &MainWindow::editWordLists);
}

void MainWindow::connectForm()
{
    connect(form_, &InnForm::generateClicked, this, &MainWindow::generateInn);
    connect(form_, &InnForm::exitClicked, this, &MainWindow::close);
    connect(form_, &InnForm::locationChosen, this,
            [this](InnLocation location) { changeShownInn([&] { history_.selectLocation(generator_, location); }); });
    connect(form_, &InnForm::qualityChosen, this,
            [this](InnQuality quality) { changeShownInn([&] { history_.selectQuality(generator_, quality); }); });
    connect(form_, &InnForm::tableChosen, this,
            [this](int index) { changeShownInn([&] { generator_.chooseTable(index); }); });
    connect(form_, &InnForm::tableCursorMoved, this, &MainWindow::enableTableCommands);
    connect(form_, &InnForm::partTicked, this, [this](InnPart part, bool ticked) {
        generator_.setPart(part, ticked);
        form_->showParts(generator_.parts());
    });
    connect(&sceneFileWatcher_, &EditedFileWatcher::changed, this, &MainWindow::updateSceneList);
    connect(&wordFolderWatcher_, &EditedFileWatcher::changed, this, &MainWindow::updateWordLists);
    // After the change is on the screen, and once for a burst of them;
    // typing is kept a second after it began, however long it goes on.
    sessionKeeping_.setSingleShot(true);
    sessionKeeping_.setInterval(100);
    typingKeeping_.setSingleShot(true);
    typingKeeping_.setInterval(1000);
    connect(&sessionKeeping_, &QTimer::timeout, this, &MainWindow::keepSession);
    connect(&typingKeeping_, &QTimer::timeout, this, &MainWindow::keepSession);
    connect(form_, &InnForm::edited, this, [this] {
        if (sessionKeeper_ && !typingKeeping_.isActive())
            typingKeeping_.start();
    });
}

// The first showing makes the first inn, with the focus on "Generate".
void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (history_.shownPlace().number == 0) {
        generateInn();
        form_->focusGenerate();
    }
}

InnSheet MainWindow::shownInn() const { return form_->sheetAsShown(); }

void MainWindow::changeShownInn(const std::function<void()>& change)
{
    form_->commitEdits();
    change();
    form_->showSheet();
    enableHistorySteps();
    enableTableCommands();
    showKeptState();
    keepSessionSoon();
}

void MainWindow::generateInn()
{
    if (!generator_.parts().anyTicked()) {
        reportError("Nothing is ticked to regenerate: tick \"All\" or the parts to regenerate");
        return;
    }
    changeShownInn([this] { history_.generate(generator_); });
}

void MainWindow::showPreviousInn()
{
    restoreSession(true);
    changeShownInn([this] { history_.goBack(generator_); });
}

void MainWindow::showNextInn()
{
    changeShownInn([this] { history_.goForward(generator_); });
}

void MainWindow::enableHistorySteps()
{
    // While the inns of earlier runs are read, a step back waits for them.
    actions_.editPreviousInn->setEnabled(history_.canGoBack() || sessionRestoring_);
    actions_.editNextInn->setEnabled(history_.canGoForward());
}

void MainWindow::copyInn()
{
    QGuiApplication::clipboard()->setMimeData(clipboardInn(shownInn(), history_.shownPlace()));
}

void MainWindow::showAbout()
{
    if (about_ != nullptr)
        about_->exec();
}

void MainWindow::editBarScenes()
{
    if (const auto problem = createSceneFile(sceneFile_)) {
        reportError(*problem);
        return;
    }
    // The list follows the file, not the editor: an editor may hand the file
    // to a running instance or be started by D-Bus, and then there is no
    // process to wait for.
    sceneFileWatcher_.watch(sceneFile_);
    if (const auto problem = openInTextEditor(sceneFile_.string()))
        reportError(*problem + ". Open the scene file in a text editor yourself: " + sceneFile_.string());
    // Changes made since the last build, by any means, count too.
    updateSceneList();
}

void MainWindow::updateSceneList()
{
    // The generator keeps the error before it is shown: showing it runs
    // events, and with them maybe another update, which must find this
    // error already known.
    const WordListFile read = readListFile(sceneFile_);
    if (generator_.updateSceneList(read) && read.error)
        reportError(sceneFileProblem(sceneFile_, *read.error));
}

void MainWindow::editWordLists()
{
    if (const auto problem = createWordFolder(wordFolder_, wordFolderFiles())) {
        reportError(*problem);
        return;
    }
    // The folder may be new, and is followed from now on.
    wordFolderWatcher_.watch(wordFolder_);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(wordFolder_.c_str()))))
        reportError("No file manager could open the folder of the word lists, " + wordFolder_.string());
    updateWordLists();
}

// Each problem is shown once: one that stays through later changes is known.
void MainWindow::updateWordLists()
{
    UserWords read = readWordFolder(wordFolder_, wordListNames());
    if (read == userWords_)
        return;
    std::vector<std::string> news;
    for (const WordFileProblem& problem : read.problems)
        if (std::ranges::find(userWords_.problems, problem) == userWords_.problems.end())
            news.push_back(wordListProblem(problem));
    // Kept before the box shows, as for the scene file.
    userWords_ = std::move(read);
    generator_.useWordLists(userWords_.lists);
    reportErrors(news);
}

// Every close request, whatever its source, is answered by the closing window
// and then goes ahead. The answer comes from the event loop, not from inside
// this event: a request that arrives while the closing window is up, from the
// window manager say, must find the window not yet closing, so that it can
// be turned down here like any other request already being answered.
void MainWindow::closeEvent(QCloseEvent* event)
{
    if (closeState_ == CloseState::Answered) {
        event->accept();
        return;
    }
    event->ignore();
    if (closeState_ == CloseState::Open) {
        closeState_ = CloseState::Asked;
        QMetaObject::invokeMethod(
            this, [this] { answerCloseRequest(true); }, Qt::QueuedConnection);
    }
}

void MainWindow::closeForLogout(bool mayAsk)
{
    if (closeState_ != CloseState::Answering)
        answerCloseRequest(mayAsk);
    else if (!mayAsk)
        closing_->reject();  // the answer goes on as if given
}

void MainWindow::answerCloseRequest(bool mayAsk)
{
    if (closeState_ == CloseState::Answered)
        return;
    // Whatever way the program ends, the session keeps the inns as they stand.
    keepSession();
    if (sessionKeeper_)
        sessionKeeper_->finish();
    if (closing_ != nullptr && mayAsk) {
        closeState_ = CloseState::Answering;
        closing_->exec();
    }
    closeState_ = CloseState::Answered;
    close();
}

void MainWindow::reportError(const std::string& message) { errorBox_.show(message); }

void MainWindow::reportErrors(std::span<const std::string> messages) { errorBox_.show(messages); }

}  // namespace brewick
