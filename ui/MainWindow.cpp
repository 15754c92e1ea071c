#include "ui/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstdlib>
#include <iostream>

#include "core/StartSeed.h"
#include "files/SceneFile.h"
#include "files/UserSceneFile.h"
#include "output/formats/InnSheetText.h"
#include "output/print/QtText.h"
#include "files/SafeFileWriter.h"
#include "platform/TextEditor.h"
#include "ui/ErrorBox.h"
#include "ui/InnExport.h"
#include "ui/RadioGroup.h"
#include "ui/RoomGrid.h"
#include "ui/WindowLook.h"

namespace brewick {

namespace {
constexpr int kClientWidth = 502;
constexpr int kClientHeight = 581;
constexpr int kListItemHeight = 16;

QStringList toQStringList(const TextLines& lines)
{
    QStringList list;
    for (std::string_view line : lines)
        list.append(toQString(line));
    return list;
}

TextLines linesOf(const QPlainTextEdit* box) { return splitLines(box->toPlainText().toStdString()); }

// Replaces the box's text as one batch, when it differs.
void showLines(QPlainTextEdit* box, const TextLines& lines)
{
    if (linesOf(box) == lines)
        return;
    const QSignalBlocker quiet(box);
    box->setPlainText(toQString(joinLines(lines)));
}

void showText(QLineEdit* field, const std::string& text)
{
    const QString shown = toQString(text);
    if (field->text() != shown)
        field->setText(shown);
}

QStringList names(int count, std::string_view (*name)(int))
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(toQString(name(i)));
    return names;
}
}  // namespace

MainWindow::MainWindow(std::filesystem::path sceneFile, QWidget* parent)
    : QMainWindow(parent),
      seed_(startSeed(std::getenv("BREWICK_SEED"), std::cerr)),
      random_(seed_),
      sceneFile_(std::move(sceneFile)),
      generator_(random_, readSceneFile(sceneFile_)),
      exportDialog_(exportFileTypes())
{
    setObjectName(QStringLiteral("InnIntro"));
    setUpFixedWindow(this, Qt::Window, QStringLiteral("Brewick"), {57, 34});
    createControls();
    createMenu();
    orderTabs();
    connectHandlers();
    // The window takes the size of its fixed client area and menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (const auto& error = generator_.sceneFileError())
        reportError(*error);
}

void MainWindow::setCompanions(QDialog* about, QDialog* closing)
{
    about_ = about;
    closing_ = closing;
}

void MainWindow::createControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    place<QLabel>(client, "Label1", {8, 0, 57, 16}, QStringLiteral("Inn Name"));
    place<QLabel>(client, "Label2", {256, 0, 103, 16}, QStringLiteral("Landlord's Name"));
    innNameField_ = place<QLineEdit>(client, "edInnName", {8, 16, 240, 24});
    landlordField_ = place<QLineEdit>(client, "edLandlord", {256, 16, 240, 24});
    locationGroup_ = place<RadioGroup>(client, "radLocate", {8, 48, 137, 113}, QStringLiteral("Inn Location"),
                                       names(kLocationCount, [](int i) { return locationName(InnLocation(i)); }));
    qualityGroup_ = place<RadioGroup>(client, "radQuality", {152, 48, 97, 113}, QStringLiteral("Inn Quality"),
                                      names(kQualityCount, [](int i) { return qualityName(InnQuality(i)); }));

    auto* menuGroup = place<QGroupBox>(client, "GroupBox2", {256, 48, 241, 113}, QStringLiteral("Menu"));
    menuBox_ = place<QPlainTextEdit>(menuGroup, "memMenu", {8, 16, 225, 89});

    roomGrid_ = place<RoomGrid>(client, "RoomGrid", {48, 168, 407, 80});

    auto* sceneGroup = place<QGroupBox>(client, "GroupBox4", {8, 256, 486, 49}, QStringLiteral("Bar Scene"));
    barSceneList_ = place<QListWidget>(sceneGroup, "lstScene1", {8, 16, 465, 25});
    barSceneList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    barSceneList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* tablesGroup = place<QGroupBox>(client, "GroupBox1", {8, 312, 486, 185}, QStringLiteral("Tables"));
    place<QLabel>(tablesGroup, "Label3", {8, 22, 124, 16}, QStringLiteral("Number of Tables =  "));
    tableCountLabel_ = place<QLabel>(tablesGroup, "labNoTables", {136, 22, 7, 16}, QStringLiteral("0"));
    tableCountLabel_->adjustSize();
    tableChoice_ = place<QComboBox>(tablesGroup, "lstTables", {250, 16, 225, 24});
    tableBox_ = place<QPlainTextEdit>(tablesGroup, "memDispTable", {8, 48, 468, 129});

    for (QPlainTextEdit* box : {menuBox_, tableBox_}) {
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setTabChangesFocus(true);
    }

    auto* partsGroup = place<QGroupBox>(client, "GroupBox3", {8, 500, 273, 77}, QStringLiteral("Regenerate"));
    struct PartBox {
        InnPart part;
        const char* name;
        const char* caption;
        QRect geometry;
    };
    const PartBox boxes[] = {
        {InnPart::All, "chkAll", "All", {8, 16, 81, 17}},
        {InnPart::InnName, "chkInn", "Inn Name", {8, 32, 81, 17}},
        {InnPart::Landlord, "chkLandlord", "Landlord", {100, 16, 81, 17}},
        {InnPart::Menu, "chkMenu", "Menu", {100, 32, 77, 17}},
        {InnPart::Rooms, "chkRooms", "Rooms", {192, 16, 73, 17}},
        {InnPart::Tables, "chkTables", "Tables", {192, 32, 73, 17}},
        {InnPart::Scene, "chkScene", "Scene", {8, 48, 97, 17}},
    };
    for (const PartBox& box : boxes) {
        partBoxes_[static_cast<int>(box.part)] =
            place<QCheckBox>(partsGroup, box.name, box.geometry, QString::fromLatin1(box.caption));
    }
    showParts();

    generateButton_ = place<QPushButton>(client, "butGenerate", {320, 520, 75, 33}, QStringLiteral("Generate"));
    exitButton_ = place<QPushButton>(client, "tExit", {416, 520, 75, 33}, QStringLiteral("Exit"));
    // Enter presses the focused button; elsewhere it presses "Generate".
    generateButton_->setAutoDefault(true);
    exitButton_->setAutoDefault(true);
    showDefaultButton(nullptr);

    showSheet();
}

void MainWindow::createMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("Print1"));
    QAction* save = file->addAction(QStringLiteral("&Save"), this, &MainWindow::saveInn);
    save->setObjectName(QStringLiteral("Save1"));
    QAction* exportAction = file->addAction(QStringLiteral("E&xport…"), this, &MainWindow::exportInn);
    exportAction->setObjectName(QStringLiteral("Export1"));
    QAction* print = file->addAction(QStringLiteral("&Print"), this, &MainWindow::printInn);
    print->setObjectName(QStringLiteral("Print2"));
    QAction* about = file->addAction(QStringLiteral("&About"), this, &MainWindow::showAbout);
    about->setObjectName(QStringLiteral("About1"));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    QAction* copy = edit->addAction(QStringLiteral("&Copy Inn"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this,
                                    &MainWindow::copyInn);
    copy->setObjectName(QStringLiteral("CopyInn1"));
    previousInn_ = edit->addAction(QStringLiteral("Pre&vious Inn"), QKeySequence(Qt::ALT | Qt::Key_Left), this,
                                   &MainWindow::showPreviousInn);
    previousInn_->setObjectName(QStringLiteral("PreviousInn1"));
    nextInn_ = edit->addAction(QStringLiteral("&Next Inn"), QKeySequence(Qt::ALT | Qt::Key_Right), this,
                               &MainWindow::showNextInn);
    nextInn_->setObjectName(QStringLiteral("NextInn1"));
    enableHistorySteps();
    edit->addSeparator();
    QAction* scenes = edit->addAction(QStringLiteral("&Bar Scenes"), this, &MainWindow::editBarScenes);
    scenes->setObjectName(QStringLiteral("Scenes1"));
}

// Inn name, landlord, location, quality, menu, rooms, the table browser, the
// parts, the two buttons, and last the bar scene.
void MainWindow::orderTabs()
{
    QList<QWidget*> order = {innNameField_, landlordField_};
    order += locationGroup_->findChildren<QWidget*>();
    order += qualityGroup_->findChildren<QWidget*>();
    order += {menuBox_, roomGrid_, tableChoice_, tableBox_};
    for (QCheckBox* box : partBoxes_)
        order.append(box);
    order += {generateButton_, exitButton_, barSceneList_};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::connectHandlers()
{
    connect(generateButton_, &QPushButton::clicked, this, &MainWindow::generateInn);
    connect(exitButton_, &QPushButton::clicked, this, &MainWindow::close);
    connect(locationGroup_, &RadioGroup::chosen, this, &MainWindow::chooseLocation);
    connect(qualityGroup_, &RadioGroup::chosen, this, &MainWindow::chooseQuality);
    for (int part = 0; part < kInnPartCount; ++part) {
        connect(partBoxes_[part], &QCheckBox::clicked, this,
                [this, part](bool ticked) { tickPart(static_cast<InnPart>(part), ticked); });
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && now->window() == this)
            showDefaultButton(now);
    });
    connect(tableChoice_, &QComboBox::activated, this, &MainWindow::chooseTable);
    connect(&sceneFileWatcher_, &EditedFileWatcher::changed, this, &MainWindow::updateSceneList);

    // The user's edits go straight into the inn sheet.
    InnSheet& sheet = generator_.sheet();
    connect(innNameField_, &QLineEdit::textEdited, this,
            [&sheet](const QString& text) { sheet.innName = text.toStdString(); });
    connect(landlordField_, &QLineEdit::textEdited, this,
            [&sheet](const QString& text) { sheet.landlordName = text.toStdString(); });
    connect(menuBox_, &QPlainTextEdit::textChanged, this, [this, &sheet] { sheet.menuLines = linesOf(menuBox_); });
    // Kept only until the next table is shown; nothing else reads it.
    connect(tableBox_, &QPlainTextEdit::textChanged, this,
            [this, &sheet] { sheet.shownTableLines = linesOf(tableBox_); });
    connect(roomGrid_, &RoomGrid::cellEdited, this, [&sheet](int column, int row, const QString& text) {
        sheet.rooms.cell(column, row) = text.toStdString();
    });
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        generateFirstInn();
    }
}

void MainWindow::generateFirstInn()
{
    generateInn();
    generateButton_->setFocus();
}

// Every close request, whatever its source, is answered by the closing window
// and then goes ahead. The answer comes from the event loop, not from inside
// this event: a request that arrives while the closing window is up, from the
// window manager say, must find the window not yet closing, so that it can
// be turned down here like any other request already being answered.
void MainWindow::closeEvent(QCloseEvent* event)
{
    if (closeAnswered_) {
        event->accept();
        return;
    }
    event->ignore();
    if (!closeAsked_) {
        closeAsked_ = true;
        QMetaObject::invokeMethod(this, &MainWindow::answerCloseRequest, Qt::QueuedConnection);
    }
}

void MainWindow::answerCloseRequest()
{
    if (closeAnswered_)
        return;
    if (closing_ != nullptr && askOnClose_) {
        closingWindowUp_ = true;
        closing_->exec();
        closingWindowUp_ = false;
    }
    closeAnswered_ = true;
    close();
}

void MainWindow::closeForLogout(bool mayAsk)
{
    if (closingWindowUp_)
        return;
    askOnClose_ = mayAsk;
    answerCloseRequest();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Reached only when the focused control does not take Enter itself.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        generateButton_->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::generateInn() { changeInn(&InnHistory::generate); }

void MainWindow::showPreviousInn() { changeInn(&InnHistory::goBack); }

void MainWindow::showNextInn() { changeInn(&InnHistory::goForward); }

void MainWindow::changeInn(void (InnHistory::*change)(InnGenerator&))
{
    // The shown inn is kept with what the user typed last.
    commitEdits();
    (history_.*change)(generator_);
    enableHistorySteps();
    showSheet();
}

void MainWindow::enableHistorySteps()
{
    previousInn_->setEnabled(history_.canGoBack());
    nextInn_->setEnabled(history_.canGoForward());
}

void MainWindow::chooseLocation(int index)
{
    commitEdits();
    generator_.selectLocation(static_cast<InnLocation>(index));
    showSheet();
}

void MainWindow::chooseQuality(int index)
{
    commitEdits();
    generator_.selectQuality(static_cast<InnQuality>(index));
    showSheet();
}

void MainWindow::tickPart(InnPart part, bool ticked)
{
    generator_.setPart(part, ticked);
    showParts();
}

void MainWindow::chooseTable(int index)
{
    commitEdits();
    generator_.chooseTable(index);
    showSheet();
}

void MainWindow::saveInn()
{
    // The lines are taken before the dialog opens: the file holds the inn as
    // it stood when Save was chosen.
    commitEdits();
    buildInnSheetText(generator_.sheet(), exportLines_);
    const std::optional<QString> path = saveDialog_.askPath(this);
    if (!path)
        return;
    std::string bytes;
    appendCrLfText(exportLines_, bytes);
    if (const auto error = writeFileSafely(*path, bytes))
        reportError(*error);
}

void MainWindow::exportInn()
{
    // As for Save, the file holds the inn as it stood when Export was chosen.
    commitEdits();
    const InnSheet inn = generator_.sheet();
    const std::optional<InnSaveDialog::Choice> choice = exportDialog_.ask(this);
    if (!choice)
        return;
    const ExportFormat format = exportFormatFor(choice->path, choice->fileType);
    const std::optional<std::string> bytes = exportedInn(format, inn, shownInnPlace());
    if (!bytes)
        reportError("Cannot create file " + choice->path.toStdString());
    else if (const auto error = writeFileSafely(choice->path, *bytes))
        reportError(*error);
}

void MainWindow::copyInn()
{
    commitEdits();
    QGuiApplication::clipboard()->setMimeData(clipboardInn(generator_.sheet(), shownInnPlace()));
}

InnPlace MainWindow::shownInnPlace() const { return {history_.shownNumber(), seed_}; }

void MainWindow::printInn()
{
    commitEdits();
    TextLines lines;
    buildInnSheetText(generator_.sheet(), lines);
    if (const auto error = printer_->print(lines))
        reportError(*error);
}

// Every field but the room grid writes the sheet as the user types; the
// grid's cell editor holds the typing back until it closes.
void MainWindow::commitEdits() { roomGrid_->commitOpenEditor(); }

void MainWindow::showAbout()
{
    if (about_ != nullptr)
        about_->exec();
}

void MainWindow::editBarScenes()
{
    const std::filesystem::path& sceneFile = sceneFile_;
    if (const auto problem = createSceneFile(sceneFile)) {
        reportError(*problem);
        return;
    }
    // The list follows the file, not the editor: an editor may hand the file
    // to a running instance or be started by D-Bus, and then there is no
    // process to wait for.
    sceneFileWatcher_.watch(toQString(sceneFile.string()));
    if (const auto problem = openInTextEditor(sceneFile.string()))
        reportError(*problem + ". The scene file is " + sceneFile.string());
    // Changes made since the last build, by any means, count too.
    updateSceneList();
}

void MainWindow::updateSceneList()
{
    // The generator keeps the error before it is shown: showing it runs
    // events, and with them maybe another update, which must find this
    // error already known.
    const WordListFile read = readSceneFile(sceneFile_);
    if (generator_.updateSceneList(read) && read.error)
        reportError(*read.error);
}

void MainWindow::showSheet()
{
    const InnSheet& sheet = generator_.sheet();
    showText(innNameField_, sheet.innName);
    showText(landlordField_, sheet.landlordName);
    locationGroup_->select(indexOf(sheet.location));
    qualityGroup_->select(indexOf(sheet.quality));
    roomGrid_->showRooms(sheet.rooms);
    showLines(menuBox_, sheet.menuLines);
    showScene(sheet.barScene);
    tableCountLabel_->setText(QString::number(sheet.tableCount));
    tableCountLabel_->adjustSize();
    showTableChoices(sheet.tableChoices, sheet.chosenTable);
    showLines(tableBox_, sheet.shownTableLines);
}

// The scene list has no line until the first inn, which draws the first
// scene, then always one, an empty one for an empty scene.
void MainWindow::showScene(const std::string& barScene)
{
    const QString scene = toQString(barScene);
    if (!shown_ || (barSceneList_->count() == 1 && barSceneList_->item(0)->text() == scene))
        return;
    barSceneList_->clear();
    auto* line = new QListWidgetItem(scene, barSceneList_);
    line->setSizeHint(QSize(0, kListItemHeight));
}

// Choosing from the program is not the user choosing: no chooseTable.
void MainWindow::showTableChoices(const TextLines& choices, int chosen)
{
    const QSignalBlocker quiet(tableChoice_);
    const QStringList entries = toQStringList(choices);
    QStringList shownEntries;
    for (int i = 0; i < tableChoice_->count(); ++i)
        shownEntries.append(tableChoice_->itemText(i));
    if (shownEntries != entries) {
        tableChoice_->clear();
        tableChoice_->addItems(entries);
    }
    tableChoice_->setCurrentIndex(chosen);
}

// "Generate" is the default button, and drawn so, unless the focus is on
// "Exit", which Enter then presses.
void MainWindow::showDefaultButton(QWidget* focus)
{
    generateButton_->setDefault(focus != exitButton_);
    exitButton_->setDefault(focus == exitButton_);
}

void MainWindow::showParts()
{
    for (int part = 0; part < kInnPartCount; ++part)
        partBoxes_[part]->setChecked(generator_.parts().isTicked(static_cast<InnPart>(part)));
}

void MainWindow::reportError(const std::string& message) { showError(this, message); }

}  // namespace brewick
