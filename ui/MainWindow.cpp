#include "ui/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QLayout>
#include <QMenuBar>
#include <QUrl>

#include "platform/TextEditor.h"
#include "ui/InnExport.h"
#include "ui/InnForm.h"
#include "ui/controls/ObjectNames.h"
#include "ui/controls/WindowLook.h"
#include "ui/dialogs/ErrorBox.h"
#include "ui/dialogs/InnNotesDialog.h"

namespace brewick {

namespace names = objectNames;

namespace {
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
      desk_(seed, std::move(sceneFile), std::move(wordFolder), this),
      errorBox_(this),
      exportDialog_(exportFileTypes()),
      handoutDialog_(handoutFileTypes())
{
    setObjectName(QString::fromLatin1(names::mainWindow));
    setUpFixedWindow(this, Qt::Window, QStringLiteral("Brewick"), {57, 34});
    form_ = new InnForm(desk_.shownSheet(), this);
    setCentralWidget(form_);
    form_->showParts(desk_.generator().parts());
    createActions();
    connectForm();
    connectDesk();
    // The window takes the size of its fixed client area and menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    desk_.start();
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
    actions_.fileExportHandout = addAction(file, names::exportHandoutAction, QStringLiteral("Export &Handout…"),
                                           [this] { exportHandout({shownInn()}); });
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
    actions_.editPreviousInn = addAction(
        edit, names::previousInnAction, QStringLiteral("Pre&vious Inn"), [this] { desk_.showPrevious(); },
        QKeySequence(Qt::ALT | Qt::Key_Left));
    actions_.editNextInn = addAction(
        edit, names::nextInnAction, QStringLiteral("&Next Inn"), [this] { desk_.showNext(); },
        QKeySequence(Qt::ALT | Qt::Key_Right));
    actions_.editKeepInn = addAction(
        edit, names::keepInnAction, QStringLiteral("&Keep This Inn"), [this] { desk_.toggleStar(); },
        QKeySequence(Qt::CTRL | Qt::Key_D));
    actions_.editKeepInn->setCheckable(true);
    actions_.editInnNotes = addAction(edit, names::notesAction, QStringLiteral("&Inn Notes…"), &MainWindow::editNotes,
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    actions_.editInnNotes->setCheckable(true);
    actions_.editHistory = addAction(edit, names::historyAction, QStringLiteral("&History…"),
                                     &MainWindow::showHistoryList, QKeySequence(Qt::CTRL | Qt::Key_H));
    edit->addSeparator();
    actions_.editRerollTable = addAction(
        edit, names::rerollTableAction, QStringLiteral("Re-roll Tab&le"), [this] { desk_.rerollTable(); },
        QKeySequence(Qt::CTRL | Qt::Key_R));
    // Named for the line it draws again, by showCommands.
    actions_.editRerollPatron = addAction(
        edit, names::rerollPatronAction, QString(), [this] { desk_.rerollTableLine(); },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    // Not Ctrl+E: in a one-line field it moves to the line's end on Linux desktops.
    actions_.editFleshOutPatron = addAction(
        edit, names::fleshOutPatronAction, QStringLiteral("Flesh Out &Patron"), [this] { desk_.fleshOutPatron(); },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    actions_.editFleshOutTable = addAction(
        edit, names::fleshOutTableAction, QStringLiteral("Flesh Out T&able"), [this] { desk_.fleshOutTable(); },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    actions_.editPinLine = addAction(
        edit, names::pinLineAction, QString(), [this] { desk_.togglePin(); },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    form_->setLineActions(LineBox::Table,
                          {actions_.editRerollTable, actions_.editRerollPatron, actions_.editFleshOutPatron,
                           actions_.editFleshOutTable, actions_.editPinLine, actions_.editCopyTable});
    for (const LineBox box : {LineBox::Menu, LineBox::Scene})
        form_->setLineActions(box, {actions_.editPinLine});
    showCommands();
    edit->addSeparator();
    actions_.editBarScenes =
        addAction(edit, names::barScenesAction, QStringLiteral("&Bar Scenes"), &MainWindow::editBarScenes);
    actions_.editWordLists =
        addAction(edit, names::wordListsAction, QStringLiteral("&Word Lists…"), &MainWindow::editWordLists);
}

void MainWindow::connectForm()
{
    connect(form_, &InnForm::generateClicked, &desk_, &InnDesk::generate);
    connect(form_, &InnForm::exitClicked, this, &MainWindow::close);
    connect(form_, &InnForm::locationChosen, &desk_, &InnDesk::selectLocation);
    connect(form_, &InnForm::qualityChosen, &desk_, &InnDesk::selectQuality);
    connect(form_, &InnForm::tableChosen, &desk_, &InnDesk::chooseTable);
    connect(form_, &InnForm::tableCursorMoved, this, [this] { desk_.chooseTableLine(form_->tableLineAtCursor()); });
    connect(form_, &InnForm::menuCursorMoved, this, [this] { desk_.chooseMenuLine(form_->menuLineAtCursor()); });
    connect(form_, &InnForm::lineBoxEntered, &desk_, &InnDesk::chooseLineBox);
    connect(form_, &InnForm::linesEdited, &desk_, &InnDesk::followEdit);
    connect(form_, &InnForm::partTicked, &desk_, &InnDesk::setPart);
    connect(form_, &InnForm::edited, &desk_, &InnDesk::keepTyping);
}

void MainWindow::connectDesk()
{
    desk_.followEdits({[this] { return shownInn(); }, [this] { commitEdits(); }});
    desk_.askBeforeDropping([this](std::size_t opened, std::size_t drops) { return mayDrop(opened, drops); });
    connect(&desk_, &InnDesk::innChanged, this, &MainWindow::showInn);
    connect(&desk_, &InnDesk::commandsChanged, this, &MainWindow::showCommands);
    connect(&desk_, &InnDesk::partsChanged, this, [this] { form_->showParts(desk_.generator().parts()); });
    connect(&desk_, &InnDesk::problemsFound, this, &MainWindow::reportErrors);
    // The busy cursor lasts while the files are read, not while the user is asked or told.
    connect(&desk_, &InnDesk::innFilesRead, this, [] { QApplication::restoreOverrideCursor(); });
}

// The first showing makes the first inn, with the focus on "Generate".
void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (desk_.shownPlace().number == 0) {
        desk_.generate();
        form_->focusGenerate();
    }
}

InnSheet MainWindow::shownInn() const
{
    InnSheet shown = form_->sheetAsShown();
    if (notesDialog_ != nullptr)
        if (std::optional<std::string> typed = notesDialog_->typedNotes())
            shown.notes = std::move(*typed);
    return shown;
}

// The first inn on the screen, the kept inns are read: the reading would
// take time from the first paint on a machine of few cores.
void MainWindow::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    if (!std::exchange(painted_, true))
        QMetaObject::invokeMethod(&desk_, &InnDesk::startKeeping, Qt::QueuedConnection);
}

void MainWindow::showInn()
{
    form_->showSheet();
    showCommands();
}

void MainWindow::copyInn() { QGuiApplication::clipboard()->setMimeData(clipboardInn(shownInn(), desk_.shownPlace())); }

void MainWindow::showAbout()
{
    if (about_ != nullptr)
        about_->exec();
}

void MainWindow::editBarScenes()
{
    if (!desk_.prepareSceneFile())
        return;
    const std::filesystem::path& sceneFile = desk_.sceneFile();
    if (const auto problem = openInTextEditor(sceneFile.string()))
        reportError(*problem + ". Open the scene file in a text editor yourself: " + sceneFile.string());
    // Changes made since the last build, by any means, count too.
    desk_.updateSceneList();
}

void MainWindow::editWordLists()
{
    if (!desk_.prepareWordFolder())
        return;
    const std::filesystem::path& folder = desk_.wordFolder();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(folder.c_str()))))
        reportError("No file manager could open the folder of the word lists, " + folder.string());
    desk_.updateWordLists();
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
    desk_.finishKeeping();
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
