#include "ui/TInnIntro.h"

#include <QApplication>
#include <QCheckBox>
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
#include "output/InnSheetText.h"
#include "output/SafeFileWriter.h"
#include "platform/ProcessWait.h"
#include "platform/TextEditor.h"
#include "ui/ErrorBox.h"
#include "ui/RadioGroup.h"
#include "ui/QtText.h"
#include "ui/RoomGrid.h"
#include "ui/WindowLook.h"

namespace brewick {

namespace {
constexpr int kClientWidth = 502;
constexpr int kClientHeight = 581;
constexpr int kListItemHeight = 16;

QStringList ToQStringList(const TextLines& lines)
{
    QStringList list;
    for (std::string_view line : lines)
        list.append(ToQString(line));
    return list;
}

TextLines LinesOf(const QPlainTextEdit* box) { return SplitLines(box->toPlainText().toStdString()); }

// Replaces the box's text as one batch, when it differs.
void ShowLines(QPlainTextEdit* box, const TextLines& lines)
{
    if (LinesOf(box) == lines)
        return;
    const QSignalBlocker quiet(box);
    box->setPlainText(ToQString(JoinLines(lines)));
}

void ShowText(QLineEdit* field, const std::string& text)
{
    const QString shown = ToQString(text);
    if (field->text() != shown)
        field->setText(shown);
}

QStringList Names(int count, std::string_view (*name)(int))
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(ToQString(name(i)));
    return names;
}
}  // namespace

TInnIntro::TInnIntro(std::filesystem::path sceneFile, QWidget* parent)
    : QMainWindow(parent),
      random_(StartSeed(std::getenv("BREWICK_SEED"), std::cerr)),
      generator_(random_, std::move(sceneFile), [this](const std::string& message) { ReportError(message); })
{
    setObjectName(QStringLiteral("InnIntro"));
    SetUpFixedWindow(this, QStringLiteral("Brewick"), {57, 34});
    CreateControls();
    CreateMenu();
    SetTabOrder();
    ConnectHandlers();
    // The window takes the size of its fixed client area and menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TInnIntro::SetCompanions(QDialog* about, QDialog* closing)
{
    about_ = about;
    closing_ = closing;
}

void TInnIntro::CreateControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    Place<QLabel>(client, "Label1", {8, 0, 57, 16}, QStringLiteral("Inn Name"));
    Place<QLabel>(client, "Label2", {256, 0, 103, 16}, QStringLiteral("Landlord's Name"));
    edInnName_ = Place<QLineEdit>(client, "edInnName", {8, 16, 240, 24});
    edLandlord_ = Place<QLineEdit>(client, "edLandlord", {256, 16, 240, 24});
    radLocate_ = Place<RadioGroup>(client, "radLocate", {8, 48, 137, 113}, QStringLiteral("Inn Location"),
                                   Names(kLocationCount, [](int i) { return LocationName(InnLocation(i)); }));
    radQuality_ = Place<RadioGroup>(client, "radQuality", {152, 48, 97, 113}, QStringLiteral("Inn Quality"),
                                    Names(kQualityCount, [](int i) { return QualityName(InnQuality(i)); }));

    auto* menuGroup = Place<QGroupBox>(client, "GroupBox2", {256, 48, 241, 113}, QStringLiteral("Menu"));
    memMenu_ = Place<QPlainTextEdit>(menuGroup, "memMenu", {8, 16, 225, 89});

    roomGrid_ = Place<RoomGrid>(client, "RoomGrid", {48, 168, 407, 80});

    auto* sceneGroup = Place<QGroupBox>(client, "GroupBox4", {8, 256, 486, 49}, QStringLiteral("Bar Scene"));
    lstScene1_ = Place<QListWidget>(sceneGroup, "lstScene1", {8, 16, 465, 25});
    lstScene1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstScene1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* tablesGroup = Place<QGroupBox>(client, "GroupBox1", {8, 312, 486, 185}, QStringLiteral("Tables"));
    Place<QLabel>(tablesGroup, "Label3", {8, 22, 124, 16}, QStringLiteral("Number of Tables =  "));
    labNoTables_ = Place<QLabel>(tablesGroup, "labNoTables", {136, 22, 7, 16}, QStringLiteral("0"));
    labNoTables_->adjustSize();
    lstTables_ = Place<QComboBox>(tablesGroup, "lstTables", {250, 16, 225, 24});
    memDispTable_ = Place<QPlainTextEdit>(tablesGroup, "memDispTable", {8, 48, 468, 129});

    for (QPlainTextEdit* box : {memMenu_, memDispTable_}) {
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setTabChangesFocus(true);
    }

    auto* partsGroup = Place<QGroupBox>(client, "GroupBox3", {8, 500, 273, 77}, QStringLiteral("Regenerate"));
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
            Place<QCheckBox>(partsGroup, box.name, box.geometry, QString::fromLatin1(box.caption));
    }
    ShowParts();

    butGenerate_ = Place<QPushButton>(client, "butGenerate", {320, 520, 75, 33}, QStringLiteral("Generate"));
    tExit_ = Place<QPushButton>(client, "tExit", {416, 520, 75, 33}, QStringLiteral("Exit"));
    // Enter presses the focused button; elsewhere it presses "Generate".
    butGenerate_->setAutoDefault(true);
    tExit_->setAutoDefault(true);

    ShowSheet();
}

void TInnIntro::CreateMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("Print1"));
    QAction* save = file->addAction(QStringLiteral("&Save"), this, &TInnIntro::Save1Click);
    save->setObjectName(QStringLiteral("Save1"));
    QAction* print = file->addAction(QStringLiteral("&Print"), this, &TInnIntro::Print2Click);
    print->setObjectName(QStringLiteral("Print2"));
    QAction* about = file->addAction(QStringLiteral("&About"), this, &TInnIntro::About1Click);
    about->setObjectName(QStringLiteral("About1"));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    QAction* scenes = edit->addAction(QStringLiteral("&Bar Scenes"), this, &TInnIntro::Scenes1Click);
    scenes->setObjectName(QStringLiteral("Scenes1"));
}

// Inn name, landlord, location, quality, menu, rooms, the table browser, the
// parts, the two buttons, and last the bar scene.
void TInnIntro::SetTabOrder()
{
    QList<QWidget*> order = {edInnName_, edLandlord_};
    order += radLocate_->findChildren<QWidget*>();
    order += radQuality_->findChildren<QWidget*>();
    order += {memMenu_, roomGrid_, lstTables_, memDispTable_};
    for (QCheckBox* box : partBoxes_)
        order.append(box);
    order += {butGenerate_, tExit_, lstScene1_};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TInnIntro::ConnectHandlers()
{
    connect(butGenerate_, &QPushButton::clicked, this, &TInnIntro::butGenerateClick);
    connect(tExit_, &QPushButton::clicked, this, &TInnIntro::close);
    connect(radLocate_, &RadioGroup::Chosen, this, &TInnIntro::radLocateClick);
    connect(radQuality_, &RadioGroup::Chosen, this, &TInnIntro::radQualityClick);
    for (int part = 0; part < kInnPartCount; ++part) {
        connect(partBoxes_[part], &QCheckBox::clicked, this,
                [this, part](bool ticked) { chkClick(static_cast<InnPart>(part), ticked); });
    }
    connect(lstTables_, &QComboBox::activated, this, &TInnIntro::lstTablesClick);

    // The user's edits go straight into the inn sheet.
    InnSheet& sheet = generator_.Sheet();
    connect(edInnName_, &QLineEdit::textEdited, this,
            [&sheet](const QString& text) { sheet.innName = text.toStdString(); });
    connect(edLandlord_, &QLineEdit::textEdited, this,
            [&sheet](const QString& text) { sheet.landlordName = text.toStdString(); });
    connect(memMenu_, &QPlainTextEdit::textChanged, this, [this, &sheet] { sheet.menuLines = LinesOf(memMenu_); });
    // Kept only until the next table is shown; nothing else reads it.
    connect(memDispTable_, &QPlainTextEdit::textChanged, this,
            [this, &sheet] { sheet.shownTableLines = LinesOf(memDispTable_); });
    connect(roomGrid_, &RoomGrid::CellEdited, this, [&sheet](int column, int row, const QString& text) {
        sheet.rooms.Cell(column, row) = text.toStdString();
    });
}

void TInnIntro::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TInnIntro::FormShow()
{
    generator_.ReGenerate();
    ShowSheet();
    butGenerate_->setFocus();
}

void TInnIntro::closeEvent(QCloseEvent* event)
{
    // Nothing happens while the scene editor runs; the close comes after it.
    if (waitingForEditor_) {
        closeRequested_ = true;
        event->ignore();
        return;
    }
    FormCloseQuery();
    event->accept();
}

// The closing window has its say; the close always goes ahead.
void TInnIntro::FormCloseQuery()
{
    if (closing_ != nullptr)
        closing_->exec();
}

void TInnIntro::keyPressEvent(QKeyEvent* event)
{
    // Reached only when the focused control does not take Enter itself.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        butGenerate_->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TInnIntro::butGenerateClick()
{
    generator_.ReGenerate();
    ShowSheet();
}

void TInnIntro::radLocateClick(int index)
{
    generator_.SelectLocation(static_cast<InnLocation>(index));
    ShowSheet();
}

void TInnIntro::radQualityClick(int index)
{
    generator_.SelectQuality(static_cast<InnQuality>(index));
    ShowSheet();
}

void TInnIntro::chkClick(InnPart part, bool ticked)
{
    generator_.SetPart(part, ticked);
    ShowParts();
}

void TInnIntro::lstTablesClick(int index)
{
    generator_.ChooseTable(index);
    ShowSheet();
}

void TInnIntro::Save1Click()
{
    // The lines are taken before the dialog opens: the file holds the inn as
    // it stood when Save was chosen.
    InnSheetText(generator_.Sheet(), exportLines_);
    const std::optional<QString> path = saveDialog_.AskPath(this);
    if (!path)
        return;
    std::string bytes;
    AppendCrLfText(exportLines_, bytes);
    if (const auto error = WriteFileSafely(*path, bytes))
        ReportError(*error);
}

void TInnIntro::Print2Click()
{
    TextLines lines;
    InnSheetText(generator_.Sheet(), lines);
    if (const auto error = printer_.Print(lines))
        ReportError(*error);
}

void TInnIntro::About1Click()
{
    if (about_ != nullptr)
        about_->exec();
}

void TInnIntro::Scenes1Click()
{
    const EditorLaunch editor = StartTextEditor(generator_.SceneFile().string());
    QCoreApplication::processEvents();
    if (editor.pid > 0) {
        waitingForEditor_ = true;
        setEnabled(false);
        WaitForChildProcess(editor.pid);
        setEnabled(true);
        waitingForEditor_ = false;
    }
    generator_.GetScenes([this](const std::string& message) { ReportError(message); });
    if (closeRequested_)
        close();
}

void TInnIntro::ShowSheet()
{
    const InnSheet& sheet = generator_.Sheet();
    ShowText(edInnName_, sheet.innName);
    ShowText(edLandlord_, sheet.landlordName);
    radLocate_->Select(IndexOf(sheet.location));
    radQuality_->Select(IndexOf(sheet.quality));
    roomGrid_->Show(sheet.rooms);
    ShowLines(memMenu_, sheet.menuLines);
    ShowScene(sheet.barScene);
    labNoTables_->setText(QString::number(sheet.tableCount));
    labNoTables_->adjustSize();
    ShowTableChoices(sheet.tableChoices, sheet.chosenTable);
    ShowLines(memDispTable_, sheet.shownTableLines);
}

// The scene list has no line until the first scene is drawn, then one.
void TInnIntro::ShowScene(const std::string& barScene)
{
    const QString scene = ToQString(barScene);
    const bool shown = lstScene1_->count() == 0 ? scene.isEmpty() : lstScene1_->item(0)->text() == scene;
    if (shown)
        return;
    lstScene1_->clear();
    auto* line = new QListWidgetItem(scene, lstScene1_);
    line->setSizeHint(QSize(0, kListItemHeight));
}

// Choosing from the program is not the user choosing: no lstTablesClick.
void TInnIntro::ShowTableChoices(const TextLines& choices, int chosen)
{
    const QSignalBlocker quiet(lstTables_);
    const QStringList entries = ToQStringList(choices);
    QStringList shownEntries;
    for (int i = 0; i < lstTables_->count(); ++i)
        shownEntries.append(lstTables_->itemText(i));
    if (shownEntries != entries) {
        lstTables_->clear();
        lstTables_->addItems(entries);
    }
    lstTables_->setCurrentIndex(chosen);
}

void TInnIntro::ShowParts()
{
    for (int part = 0; part < kInnPartCount; ++part)
        partBoxes_[part]->setChecked(generator_.Parts().IsTicked(static_cast<InnPart>(part)));
}

void TInnIntro::ReportError(const std::string& message) { ShowError(this, message); }

}  // namespace brewick
