#include "ui/InnForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>
#include <utility>

#include "core/TableText.h"
#include "output/print/QtText.h"
#include "ui/controls/BoundedTextBox.h"
#include "ui/controls/LinesEdit.h"
#include "ui/controls/NamedComboBox.h"
#include "ui/controls/ObjectNames.h"
#include "ui/controls/OneLineDelegate.h"
#include "ui/controls/OneLineValidator.h"
#include "ui/controls/PinnedLineMarks.h"
#include "ui/controls/RadioGroup.h"
#include "ui/controls/RoomGrid.h"
#include "ui/controls/SceneLine.h"
#include "ui/controls/WindowLook.h"

namespace brewick {

namespace {
namespace names = objectNames;

constexpr int kWidth = 502;
constexpr int kHeight = 581;

TextLines linesOf(const QPlainTextEdit* box) { return splitLines(box->toPlainText().toStdString()); }

// Replaces the box's text as one batch, when it differs. Text of as many
// lines, such as a table with one patron drawn again, or text that keeps the
// line at the cursor, such as a table with that patron fleshed out, keeps the
// cursor on its line and the view where it was; other text shows from its
// start.
void showLines(QPlainTextEdit* box, const TextLines& lines)
{
    const bool fits = fitsTextBox(lines);
    const TextLines shown = box->isReadOnly() ? TextLines() : linesOf(box);
    if (fits && !box->isReadOnly() && shown == lines)
        return;
    const QString text = toQString(fits ? joinLines(lines) : cutLines(lines));
    // A text shown cut is laid out anew only when it changed: that takes a while.
    if (!fits && box->isReadOnly() && box->toPlainText() == text)
        return;
    const QSignalBlocker quiet(box);
    const int lineWas = box->textCursor().blockNumber();
    const int columnWas = box->textCursor().positionInBlock();
    const int scrolled = box->verticalScrollBar()->value();
    showBoundedText(box, text, fits);
    const auto lineAt = static_cast<std::size_t>(lineWas);
    const bool lineStays = lineAt < shown.size() && lineAt < lines.size() && shown[lineAt] == lines[lineAt];
    if (!fits || (shown.size() != lines.size() && !lineStays))
        return;
    const QTextBlock line = box->document()->findBlockByNumber(lineWas);
    QTextCursor cursor(line);
    cursor.setPosition(line.position() + std::min(columnWas, line.length() - 1));
    box->setTextCursor(cursor);
    box->verticalScrollBar()->setValue(scrolled);
}

void showText(QLineEdit* field, const std::string& text)
{
    const auto [shown, whole] = oneLineText(text);
    field->setReadOnly(!whole);
    showEditable(field, whole);
    if (field->text() != shown)
        field->setText(shown);
}

QStringList itemNames(int count, std::string_view (*name)(int))
{
    QStringList items;
    for (int i = 0; i < count; ++i)
        items.append(toQString(name(i)));
    return items;
}

struct PartCheckBox {
    InnPart part;
    const char* name;
    const char* caption;
    QRect geometry;
};
// In three columns: "All", "Inn Name", "Scene"; "Landlord", "Menu"; "Rooms", "Tables".
constexpr PartCheckBox kPartCheckBoxes[] = {
    {InnPart::All, names::allCheckBox, "All", {8, 16, 81, 17}},
    {InnPart::InnName, names::innNameCheckBox, "Inn Name", {8, 32, 81, 17}},
    {InnPart::Landlord, names::landlordCheckBox, "Landlord", {100, 16, 81, 17}},
    {InnPart::Menu, names::menuCheckBox, "Menu", {100, 32, 77, 17}},
    {InnPart::Rooms, names::roomsCheckBox, "Rooms", {192, 16, 73, 17}},
    {InnPart::Tables, names::tablesCheckBox, "Tables", {192, 32, 73, 17}},
    {InnPart::Scene, names::sceneCheckBox, "Scene", {8, 48, 97, 17}},
};
}  // namespace

InnForm::InnForm(InnSheet& sheet, QWidget* parent) : QWidget(parent), sheet_(sheet)
{
    setObjectName(QString::fromLatin1(names::innForm));
    setFixedSize(kWidth, kHeight);
    createControls();
    orderTabs();
    connectControls();
}

void InnForm::createControls()
{
    auto* innNameCaption = place<QLabel>(this, names::innNameCaption, {8, 0, 57, 16}, QStringLiteral("Inn Name"));
    auto* landlordCaption =
        place<QLabel>(this, names::landlordCaption, {256, 0, 103, 16}, QStringLiteral("Landlord's Name"));
    innNameEdit_ = place<QLineEdit>(this, names::innNameEdit, {8, 16, 240, 24});
    landlordEdit_ = place<QLineEdit>(this, names::landlordEdit, {256, 16, 240, 24});
    for (QLineEdit* field : {innNameEdit_, landlordEdit_})
        field->setValidator(new OneLineValidator(field));
    // A screen reader names a field by the caption whose buddy it is.
    innNameCaption->setBuddy(innNameEdit_);
    landlordCaption->setBuddy(landlordEdit_);
    locationGroup_ = place<RadioGroup>(this, names::locationGroup, {8, 48, 137, 113}, QStringLiteral("Inn Location"),
                                       itemNames(kLocationCount, [](int i) { return locationName(InnLocation(i)); }));
    qualityGroup_ = place<RadioGroup>(this, names::qualityGroup, {152, 48, 97, 113}, QStringLiteral("Inn Quality"),
                                      itemNames(kQualityCount, [](int i) { return qualityName(InnQuality(i)); }));

    auto* menuGroup = place<QGroupBox>(this, names::menuGroup, {256, 48, 241, 113}, QStringLiteral("Menu"));
    menuEdit_ = place<LinesEdit>(menuGroup, names::menuEdit, {8, 16, 225, 89});

    roomGrid_ = place<RoomGrid>(this, names::roomGrid, {48, 168, 407, 80});
    roomGrid_->setAccessibleName(QStringLiteral("Rooms and prices"));

    auto* sceneGroup = place<QGroupBox>(this, names::barSceneGroup, {8, 256, 486, 49}, QStringLiteral("Bar Scene"));
    barSceneLine_ = place<SceneLine>(sceneGroup, names::barSceneList, {8, 16, 465, 25});

    auto* tablesGroup = place<QGroupBox>(this, names::tablesGroup, {8, 312, 486, 185}, QStringLiteral("Tables"));
    auto* tableCountCaption =
        place<QLabel>(tablesGroup, names::tableCountCaption, {8, 22, 124, 16}, QStringLiteral("Number of Tables =  "));
    tableCountLabel_ = place<QLabel>(tablesGroup, names::tableCountLabel, {136, 22, 7, 16}, QStringLiteral("0"));
    tableCountLabel_->adjustSize();
    tableCountCaption->setBuddy(tableCountLabel_);
    // Named for what they hold: the choice's own name would be its current
    // entry, and the box's that of its group.
    tableChoice_ = place<NamedComboBox>(tablesGroup, names::tableChoice, {250, 16, 225, 24}, QStringLiteral("Table"));
    tableLinesEdit_ = place<LinesEdit>(tablesGroup, names::tableLinesEdit, {8, 48, 468, 129});
    tableLinesEdit_->setAccessibleName(QStringLiteral("Patrons at the chosen table"));

    for (LinesEdit* box : textBoxes()) {
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setTabChangesFocus(true);
        breakLongWordsAnywhere(box);
    }

    auto* partsGroup = place<QGroupBox>(this, names::partsGroup, {8, 500, 273, 77}, QStringLiteral("Regenerate"));
    for (const PartCheckBox& box : kPartCheckBoxes) {
        partCheckBoxes_[static_cast<int>(box.part)] =
            place<QCheckBox>(partsGroup, box.name, box.geometry, QString::fromLatin1(box.caption));
    }

    generateButton_ = place<QPushButton>(this, names::generateButton, {320, 520, 75, 33}, QStringLiteral("Generate"));
    exitButton_ = place<QPushButton>(this, names::exitButton, {416, 520, 75, 33}, QStringLiteral("Exit"));
    // Enter presses the focused button; elsewhere it presses "Generate".
    generateButton_->setAutoDefault(true);
    exitButton_->setAutoDefault(true);
    showDefaultButton(nullptr);
}

// Inn name, landlord, location, quality, menu, rooms, the table browser, the
// parts, the two buttons, and last the bar scene.
void InnForm::orderTabs()
{
    QList<QWidget*> order = {innNameEdit_, landlordEdit_};
    order += locationGroup_->findChildren<QWidget*>();
    order += qualityGroup_->findChildren<QWidget*>();
    order += {menuEdit_, roomGrid_, tableChoice_, tableLinesEdit_};
    for (QCheckBox* box : partCheckBoxes_)
        order.append(box);
    order += {generateButton_, exitButton_, barSceneLine_};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void InnForm::connectControls()
{
    connect(generateButton_, &QPushButton::clicked, this, &InnForm::generateClicked);
    connect(exitButton_, &QPushButton::clicked, this, &InnForm::exitClicked);
    connect(locationGroup_, &RadioGroup::chosen, this,
            [this](int index) { emit locationChosen(static_cast<InnLocation>(index)); });
    connect(qualityGroup_, &RadioGroup::chosen, this,
            [this](int index) { emit qualityChosen(static_cast<InnQuality>(index)); });
    for (int part = 0; part < kInnPartCount; ++part) {
        connect(partCheckBoxes_[part], &QCheckBox::clicked, this,
                [this, part](bool ticked) { emit partTicked(static_cast<InnPart>(part), ticked); });
    }
    connect(tableChoice_, &QComboBox::activated, this, &InnForm::tableChosen);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && isAncestorOf(now)) {
            showDefaultButton(now);
            tellLineBoxEntered(now);
        }
    });
    for (LinesEdit* box : textBoxes())
        connect(box, &LinesEdit::lineMenuAsked, this, [this, box] { tellLineBoxEntered(box); });
    connect(barSceneLine_, &SceneLine::lineMenuAsked, this, [this] { tellLineBoxEntered(barSceneLine_); });
    connect(tableLinesEdit_, &QPlainTextEdit::cursorPositionChanged, this, &InnForm::tableCursorMoved);
    connect(menuEdit_, &QPlainTextEdit::cursorPositionChanged, this, &InnForm::menuCursorMoved);

    // The user's edits go straight into the inn sheet.
    connect(innNameEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { sheet_.innName = text.toStdString(); });
    connect(landlordEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { sheet_.landlordName = text.toStdString(); });
    connect(menuEdit_, &QPlainTextEdit::textChanged, this, [this] {
        const TextLines before = std::exchange(sheet_.menuLines, linesOf(menuEdit_));
        emit linesEdited(LineBox::Menu, before, sheet_.menuLines);
    });
    connect(tableLinesEdit_, &QPlainTextEdit::textChanged, this, [this] {
        const TextLines before = sheet_.shownTableLines;
        editShownTable(sheet_, linesOf(tableLinesEdit_));
        emit linesEdited(LineBox::Table, before, sheet_.shownTableLines);
    });
    connect(roomGrid_, &RoomGrid::cellEdited, this,
            [this](int column, int row, const QString& text) { sheet_.rooms.cell(column, row) = text.toStdString(); });
    connect(barSceneLine_, &SceneLine::sceneEdited, this, [this](const QString& scene) {
        const std::string before = std::exchange(sheet_.barScene, scene.toStdString());
        emit linesEdited(LineBox::Scene, {before}, {sheet_.barScene});
    });
    for (QLineEdit* field : {innNameEdit_, landlordEdit_})
        connect(field, &QLineEdit::textEdited, this, &InnForm::edited);
    for (LinesEdit* box : textBoxes())
        connect(box, &QPlainTextEdit::textChanged, this, &InnForm::edited);
    // An edit given up with Escape changes nothing, but what was kept of its
    // typing must be kept anew.
    for (QAbstractItemView* view : std::initializer_list<QAbstractItemView*>{roomGrid_, barSceneLine_}) {
        auto* delegate = qobject_cast<OneLineDelegate*>(view->itemDelegate());
        connect(delegate, &OneLineDelegate::typed, this, &InnForm::edited);
        connect(delegate, &QAbstractItemDelegate::closeEditor, this,
                [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                    if (hint == QAbstractItemDelegate::RevertModelCache)
                        emit edited();
                });
    }
}

void InnForm::showSheet()
{
    showText(innNameEdit_, sheet_.innName);
    showText(landlordEdit_, sheet_.landlordName);
    locationGroup_->select(indexOf(sheet_.location));
    qualityGroup_->select(indexOf(sheet_.quality));
    roomGrid_->showRooms(sheet_.rooms);
    showLines(menuEdit_, sheet_.menuLines);
    barSceneLine_->showScene(oneLineText(sheet_.barScene));
    showTableCount();
    showTableChoices();
    showLines(tableLinesEdit_, sheet_.shownTableLines);
}

void InnForm::showParts(const PartSelection& parts)
{
    for (int part = 0; part < kInnPartCount; ++part)
        partCheckBoxes_[part]->setChecked(parts.isTicked(static_cast<InnPart>(part)));
}

void InnForm::commitEdits()
{
    commitOpenEditor(roomGrid_);
    commitOpenEditor(barSceneLine_);
}

InnSheet InnForm::sheetAsShown() const
{
    InnSheet shown = sheet_;
    if (const std::optional<QString> typed = openEditorText(roomGrid_))
        shown.rooms.cell(roomGrid_->currentColumn(), roomGrid_->currentRow()) = typed->toStdString();
    if (const std::optional<QString> typed = openEditorText(barSceneLine_))
        shown.barScene = typed->toStdString();
    return shown;
}

void InnForm::focusGenerate() { generateButton_->setFocus(); }

void InnForm::setLineActions(LineBox box, QList<QAction*> actions)
{
    switch (box) {
    case LineBox::Table:
        tableLinesEdit_->setLineActions(std::move(actions));
        break;
    case LineBox::Menu:
        menuEdit_->setLineActions(std::move(actions));
        break;
    case LineBox::Scene:
        barSceneLine_->setLineActions(std::move(actions));
        break;
    }
}

std::size_t InnForm::tableLineAtCursor() const { return tableLinesEdit_->cursorLine(); }

std::size_t InnForm::menuLineAtCursor() const { return menuEdit_->cursorLine(); }

void InnForm::showPinnedLines(const std::vector<std::size_t>& tableLines, const std::vector<std::size_t>& menuLines,
                              bool scenePinned)
{
    markPinnedLines(tableLinesEdit_, tableLines);
    markPinnedLines(menuEdit_, menuLines);
    barSceneLine_->showPinned(scenePinned);
}

// The box a user was last in is the one whose line Edit > Pin Line acts on.
void InnForm::tellLineBoxEntered(QWidget* focus)
{
    if (focus == tableLinesEdit_)
        emit lineBoxEntered(LineBox::Table);
    else if (focus == menuEdit_)
        emit lineBoxEntered(LineBox::Menu);
    else if (focus == barSceneLine_ || barSceneLine_->isAncestorOf(focus))
        emit lineBoxEntered(LineBox::Scene);
}

QList<LinesEdit*> InnForm::textBoxes() const { return {menuEdit_, tableLinesEdit_}; }

void InnForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        generateButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void InnForm::showTableCount()
{
    const QString count = QString::number(sheet_.tableCount);
    tableCountLabel_->setText(count);
    // A screen reader reads a label by its name alone.
    tableCountLabel_->setAccessibleName(QStringLiteral("Number of tables: ") + count);
    tableCountLabel_->adjustSize();
}

// Choosing from the program is not the user choosing: no tableChosen.
void InnForm::showTableChoices()
{
    const QSignalBlocker quiet(tableChoice_);
    QStringList entries;
    for (std::string_view choice : sheet_.tableChoices)
        entries.append(toQString(choice));
    QStringList shownEntries;
    for (int i = 0; i < tableChoice_->count(); ++i)
        shownEntries.append(tableChoice_->itemText(i));
    if (shownEntries != entries) {
        tableChoice_->clear();
        tableChoice_->addItems(entries);
    }
    tableChoice_->setCurrentIndex(sheet_.chosenTable);
}

// "Generate" is the default button, and drawn so, unless the focus is on
// "Exit", which Enter then presses.
void InnForm::showDefaultButton(QWidget* focus)
{
    generateButton_->setDefault(focus != exitButton_);
    exitButton_->setDefault(focus == exitButton_);
}

}  // namespace brewick
