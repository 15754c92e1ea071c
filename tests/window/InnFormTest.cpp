// The inn form, the main window's client area, driven as a user drives it:
// where its controls stand, the keyboard, clicks and typing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyleOptionGroupBox>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

#include <fstream>
#include <set>
#include <tuple>

#include "WindowTest.h"
#include "files/ListFile.h"
#include "generators/Rooms.h"
#include "output/formats/JsonFormat.h"
#include "support/Files.h"
#include "ui/InnForm.h"
#include "ui/controls/BoundedTextBox.h"
#include "ui/controls/OneLineDelegate.h"
#include "ui/dialogs/InnNotesDialog.h"

namespace brewick {
namespace {

namespace names = objectNames;
using InnFormTest = test::WindowTest;
using test::contents;
using testing::HasSubstr;
using testing::StartsWith;

TEST_F(InnFormTest, ControlsStandWhereTheLayoutPutsThem)
{
    struct Row {
        const char* name;
        QRect geometry;
        const char* caption;  // nullptr: no caption to check
    };
    const Row rows[] = {
        {names::innNameCaption, {8, 0, 57, 16}, "Inn Name"},
        {names::landlordCaption, {256, 0, 103, 16}, "Landlord's Name"},
        {names::innNameEdit, {8, 16, 240, 24}, nullptr},
        {names::landlordEdit, {256, 16, 240, 24}, nullptr},
        {names::locationGroup, {8, 48, 137, 113}, "Inn Location"},
        {names::qualityGroup, {152, 48, 97, 113}, "Inn Quality"},
        {names::menuGroup, {256, 48, 241, 113}, "Menu"},
        {names::menuEdit, {8, 16, 225, 89}, nullptr},
        {names::roomGrid, {48, 168, 407, 80}, nullptr},
        {names::barSceneGroup, {8, 256, 486, 49}, "Bar Scene"},
        {names::barSceneList, {8, 16, 465, 25}, nullptr},
        {names::tablesGroup, {8, 312, 486, 185}, "Tables"},
        {names::tableCountCaption, {8, 22, 124, 16}, "Number of Tables =  "},
        {names::tableChoice, {250, 16, 225, 24}, nullptr},
        {names::tableLinesEdit, {8, 48, 468, 129}, nullptr},
        {names::partsGroup, {8, 500, 273, 77}, "Regenerate"},
        {names::allCheckBox, {8, 16, 81, 17}, "All"},
        {names::innNameCheckBox, {8, 32, 81, 17}, "Inn Name"},
        {names::landlordCheckBox, {100, 16, 81, 17}, "Landlord"},
        {names::menuCheckBox, {100, 32, 77, 17}, "Menu"},
        {names::roomsCheckBox, {192, 16, 73, 17}, "Rooms"},
        {names::tablesCheckBox, {192, 32, 73, 17}, "Tables"},
        {names::sceneCheckBox, {8, 48, 97, 17}, "Scene"},
        {names::generateButton, {320, 520, 75, 33}, "Generate"},
        {names::exitButton, {416, 520, 75, 33}, "Exit"},
    };
    for (const Row& row : rows) {
        QWidget* control = find<QWidget>(row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), row.geometry) << row.name;
        if (row.caption == nullptr)
            continue;
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(control))
            caption = label->text();
        else if (auto* group = qobject_cast<QGroupBox*>(control))
            caption = group->title();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            caption = button->text();
        EXPECT_EQ(caption, QString::fromLatin1(row.caption)) << row.name;
        // Every caption fits its box in the window's font.
        EXPECT_LE(control->fontMetrics().horizontalAdvance(caption), control->width()) << row.name;
    }
    EXPECT_EQ(window->centralWidget()->size(), QSize(502, 581));
    // The grid's cells fill its box, with no strip left over inside the frame.
    auto* grid = find<QTableWidget>(names::roomGrid);
    EXPECT_EQ(grid->columnViewportPosition(3) + grid->columnWidth(3), grid->viewport()->width());
    EXPECT_EQ(grid->rowViewportPosition(2) + grid->rowHeight(2), grid->viewport()->height());
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the border is fixed";
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window->windowTitle(), "Brewick");

    QStringList menus;
    for (QAction* menu : window->menuBar()->actions()) {
        QStringList items;
        for (QAction* item : menu->menu()->actions())
            items.append(item->isSeparator()
                             ? QStringLiteral("-")
                             : (item->text().remove('&') + ' ' + item->shortcut().toString()).trimmed());
        menus.append(menu->text().remove('&') + ": " + items.join(", "));
    }
    EXPECT_EQ(
        menus,
        QStringList(
            {"File: Open… Ctrl+O, Save Ctrl+S, Export…, Export Handout…, Print Ctrl+P, Print Preview…, About, -, "
             "Quit Ctrl+Q",
             "Edit: Copy Inn Ctrl+Shift+C, Copy Table, Previous Inn Alt+Left, Next Inn Alt+Right, Keep This Inn "
             "Ctrl+D, Inn Notes… Ctrl+Shift+N, History… Ctrl+H, -, Re-roll Table Ctrl+R, Re-roll Patron "
             "Ctrl+Shift+R, Flesh Out Patron Ctrl+Shift+E, Flesh Out Table Ctrl+Shift+T, Pin Line Ctrl+Shift+P, -, "
             "Bar Scenes, Word Lists…"}));
}

TEST_F(InnFormTest, TabVisitsTheControlsInTheirOrder)
{
    const char* expected[] = {names::innNameEdit,     names::landlordEdit,     names::locationGroup,
                              names::qualityGroup,    names::menuEdit,         names::roomGrid,
                              names::tableChoice,     names::tableLinesEdit,   names::allCheckBox,
                              names::innNameCheckBox, names::landlordCheckBox, names::menuCheckBox,
                              names::roomsCheckBox,   names::tablesCheckBox,   names::sceneCheckBox,
                              names::generateButton,  names::exitButton,       names::barSceneList};
    find<QLineEdit>(names::innNameEdit)->setFocus();
    for (const char* name : expected) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        // A radio group is reached once, on its selected item.
        QString focused = focus->objectName();
        if (qobject_cast<QRadioButton*>(focus))
            focused = focus->parentWidget()->objectName();
        EXPECT_EQ(focused, QString::fromLatin1(name));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
}

// The room grid as a spreadsheet, from the single rooms' beds, where Tab brings the focus.
TEST_F(InnFormTest, TheRoomGridByKeyboard)
{
    using enum Qt::Key;
    struct Row {
        const char* name;
        std::vector<Qt::Key> keys;
        const char* focus;  // where the focus ends
        QPoint cell;        // the current cell, whose text is checked
        const char* text;   // "+x": x after what the cell held
    };
    const Row rows[] = {
        {"to the commons", {Key_Right, Key_Right, Key_4, Key_3, Key_7, Key_Return}, "roomGrid", {3, 1}, "437"},
        {"Down to the prices", {Key_Down, Key_8, Key_Enter}, "roomGrid", {1, 2}, "8"},
        {"not onto the headings", {Key_Up, Key_Left, Key_PageUp, Key_5, Key_Return}, "roomGrid", {1, 1}, "5"},
        {"F2 edits the cell as it is", {Key_F2, Key_End, Key_0, Key_Return}, "roomGrid", {1, 1}, "+0"},
        {"so does Enter", {Key_Return, Key_End, Key_0, Key_Return}, "roomGrid", {1, 1}, "+0"},
        {"Escape gives the typing up", {Key_9, Key_9, Key_Escape}, "roomGrid", {1, 1}, "+"},
        {"Tab keeps the typing and leaves", {Key_Down, Key_7, Key_Tab}, "tableChoice", {1, 2}, "7"},
        {"Shift+Tab back to the menu", {Key_Backtab}, "menuEdit", {1, 1}, "+"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openWindow();
        auto* grid = find<QTableWidget>(names::roomGrid);
        const QString text = QString::fromLatin1(row.text);
        const QString expected = text.startsWith('+') ? cell(row.cell.x(), row.cell.y()) + text.mid(1) : text;
        find<QWidget>(names::menuEdit)->setFocus();
        test::pressAtFocus(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), grid) << "Tab brings the focus to the grid, not into a cell";
        for (const auto& key : row.keys)
            test::pressAtFocus(key);
        EXPECT_EQ(grid->currentIndex(), grid->model()->index(row.cell.y(), row.cell.x()));
        EXPECT_EQ(QApplication::focusWidget()->objectName(), row.focus);
        EXPECT_EQ(cell(row.cell.x(), row.cell.y()), expected);
        EXPECT_EQ(sheet().rooms.cell(row.cell.x(), row.cell.y()), expected.toStdString());
    }
}

// The caption stands on the frame line and every control of the box lies
// inside the frame, below the caption.
TEST_F(InnFormTest, EveryGroupBoxHoldsItsControlsInsideItsFrame)
{
    const QList<QGroupBox*> boxes = window->findChildren<QGroupBox*>();
    ASSERT_EQ(boxes.size(), 6);
    for (QGroupBox* box : boxes) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect frame = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, box);
        const QRect caption = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        EXPECT_TRUE(caption.top() < frame.top() && frame.top() < caption.bottom()) << box->objectName().toStdString();
        const QRect inside = frame.adjusted(1, 1, -1, -1);
        for (QWidget* child : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(inside.contains(child->geometry()) && !child->geometry().intersects(caption))
                << box->objectName().toStdString() << " holds " << child->objectName().toStdString() << " at "
                << child->geometry().top() << ", frame from " << frame.top();
        }
    }
}

// Every box keeps its right and bottom frame lines, in its left line's colour, at every scale,
// light or dark: at 1.5 the patron box's scroll bar painted over its right line.
TEST_F(InnFormTest, BoxesKeepTheirFrameLinesAtEveryScale)
{
    const QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2b, 0x2b, 0x2b));
    const std::pair<qreal, QPalette> looks[] = {{1, {}}, {1.25, {}}, {1.5, {}}, {1.75, {}}, {2, {}}, {1.5, dark}};
    for (const auto& [scale, palette] : looks) {
        window->setPalette(palette);
        QPixmap shot(window->size() * scale);
        shot.setDevicePixelRatio(scale);
        window->render(&shot);
        const QImage image = shot.toImage();
        // The colour of the device pixels of the layout pixel at (x, y).
        const auto colours = [&](int x, int y) {
            std::set<QRgb> colours;
            for (int deviceX = int(x * scale); deviceX < (x + 1) * scale; ++deviceX)
                for (int deviceY = int(y * scale); deviceY < (y + 1) * scale; ++deviceY)
                    colours.insert(image.pixel(deviceX, deviceY));
            return colours;
        };
        for (const char* name : {names::menuEdit, names::tableLinesEdit, names::barSceneList, names::roomGrid}) {
            const QRect box(find<QWidget>(name)->mapTo(window.get(), QPoint()), find<QWidget>(name)->size());
            const QRgb line = *colours(box.left(), box.center().y()).begin();
            EXPECT_TRUE(colours(box.right(), box.center().y()).contains(line) &&
                        colours(box.center().x(), box.bottom()).contains(line))
                << name << " at " << scale << (palette == dark ? ", dark" : "");
        }
    }
}

// Enter presses "Generate" wherever the focus is but on "Exit", and the
// buttons show it.
TEST_F(InnFormTest, GenerateIsTheDefaultButtonUnlessExitHasTheFocus)
{
    auto* generateButton = find<QPushButton>(names::generateButton);
    auto* exitButton = find<QPushButton>(names::exitButton);
    const std::pair<const char*, bool> rows[] = {
        {names::innNameEdit, true},    {names::exitButton, false}, {names::menuEdit, true},
        {names::generateButton, true}, {names::allCheckBox, true},
    };
    for (const auto& [focus, generateIsDefault] : rows) {
        find<QWidget>(focus)->setFocus();
        EXPECT_EQ(generateButton->isDefault(), generateIsDefault) << focus;
        EXPECT_EQ(exitButton->isDefault(), !generateIsDefault) << focus;
    }
}

// The bar scene line appears with the first inn, and stays one line, empty
// or not.
TEST(InnFormScene, AnEmptyFirstSceneStillShowsItsOneLine)
{
    test::TempDir dir;
    const std::filesystem::path sceneFile = dir.path() / "BarScenes.txt";
    std::ofstream(sceneFile, std::ios::binary) << std::string(kListEntryLimit, '\n');
    MainWindow window(1, sceneFile);
    auto* scene = window.findChild<QListWidget*>(QString::fromLatin1(names::barSceneList));
    EXPECT_EQ(scene->count(), 0) << "no scene before the first inn";
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(window.generator().sheet().barScene, "") << "this seed draws an empty scene first";
    ASSERT_EQ(scene->count(), 1);
    EXPECT_EQ(scene->item(0)->text(), "");
}

// The bar scene is edited in place (F2, a double-click) and the edit reaches the outputs; a screen
// reader reads the whole scene, and a tooltip shows it when its line is too short.
TEST_F(InnFormTest, TheBarSceneIsEditedInPlace)
{
    const char* longScene = "A patron offers to sell you a map of the sewers, a lantern, three keys and a ferret";
    const std::tuple<Qt::Key, const char*, Qt::Key, const char*> rows[] = {
        {Qt::Key_F2, "A goat is loose", Qt::Key_Return, "A goat is loose"},
        {Qt::Key_F2, longScene, Qt::Key_Return, longScene},
        {Qt::Key_F2, "A goat is loose", Qt::Key_Escape, nullptr},                    // the scene drawn
        {Qt::Key_unknown, "Saved while open", Qt::Key_unknown, "Saved while open"},  // a double-click, no end
    };
    for (const auto& [start, typed, end, scene] : rows) {
        openWindow();
        auto* line = find<QListWidget>(names::barSceneList);
        const std::string expected = scene != nullptr ? scene : sheet().barScene;
        line->setFocus();
        if (start == Qt::Key_unknown)
            test::doubleClick(line, line->model()->index(0, 0));
        else
            test::pressAtFocus(start);
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(typed));
        if (end != Qt::Key_unknown)
            test::pressAtFocus(end);
        ASSERT_EQ(saveTo(dir.path() / "inn.txt"), std::nullopt);
        EXPECT_THAT(contents(dir.path() / "inn.txt"), HasSubstr("\r\nBar Scene\r\n" + expected + "\r\n"));
        EXPECT_EQ(line->accessibleDescription().toStdString(), expected);
        QHelpEvent hover(QEvent::ToolTip, line->visualItemRect(line->item(0)).center(), QCursor::pos());
        QApplication::sendEvent(line->viewport(), &hover);
        EXPECT_EQ(QToolTip::text().toStdString(), expected == longScene ? expected : "");
        QToolTip::hideText();
    }
}

TEST_F(InnFormTest, AfterStartUpACompleteInnIsShownWithTableOneAndFocusOnGenerate)
{
    EXPECT_THAT(text(names::innNameEdit).toStdString(), StartsWith("The "));
    EXPECT_FALSE(text(names::landlordEdit).isEmpty());
    EXPECT_FALSE(find<QPlainTextEdit>(names::menuEdit)->toPlainText().isEmpty());
    EXPECT_FALSE(cell(1, 1).isEmpty());
    EXPECT_EQ(cell(0, 2), "Cost (sp)");
    EXPECT_EQ(find<QListWidget>(names::barSceneList)->count(), 1);
    EXPECT_EQ(find<QLabel>(names::tableCountLabel)->text(), QString::number(sheet().tableCount));
    EXPECT_EQ(find<QComboBox>(names::tableChoice)->currentIndex(), 0);
    EXPECT_EQ(find<QComboBox>(names::tableChoice)->count(), sheet().tableCount);
    EXPECT_THAT(find<QPlainTextEdit>(names::tableLinesEdit)->toPlainText().toStdString(), StartsWith("Table No. 1 ("));
    EXPECT_TRUE(find<QCheckBox>(names::allCheckBox)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), find<QPushButton>(names::generateButton));
    EXPECT_EQ(radio(names::locationGroup, indexOf(sheet().location))->isChecked(), true);
    EXPECT_EQ(radio(names::qualityGroup, indexOf(sheet().quality))->isChecked(), true);
}

// Return and the keypad's Enter run "Generate" where the focused control
// does not take them itself.
TEST_F(InnFormTest, EnterGeneratesUnlessTheControlTakesItItself)
{
    struct Row {
        const char* control;
        int column = -1, row = -1;  // a cell of the room grid clicked first
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool generates;  // else it types a line break, or ends a cell's edit
    };
    const Row rows[] = {
        {names::innNameEdit, -1, -1, Qt::Key_Return, Qt::NoModifier, true},
        {names::innNameEdit, -1, -1, Qt::Key_Enter, Qt::KeypadModifier, true},
        {names::menuEdit, -1, -1, Qt::Key_Return, Qt::NoModifier, false},
        {names::menuEdit, -1, -1, Qt::Key_Enter, Qt::KeypadModifier, false},
        {names::roomGrid, 2, 1, Qt::Key_Return, Qt::NoModifier, false},
        {names::roomGrid, 3, 2, Qt::Key_Enter, Qt::KeypadModifier, false},
        {names::roomGrid, 1, 0, Qt::Key_Return, Qt::NoModifier, false},
        {names::roomGrid, 0, 2, Qt::Key_Enter, Qt::KeypadModifier, false},
    };
    auto* grid = find<QTableWidget>(names::roomGrid);
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.control) + " " + std::to_string(row.column) + std::to_string(row.row) +
                     (row.key == Qt::Key_Enter ? ", keypad Enter" : ", Return"));
        auto* control = find<QWidget>(row.control);
        control->setFocus();
        if (row.column >= 0) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualItemRect(grid->item(row.row, row.column)).center());
            QTest::keyClicks(QApplication::focusWidget(), "9");
            control = QApplication::focusWidget();
        }
        auto* box = qobject_cast<QPlainTextEdit*>(control);
        if (box != nullptr)
            box->moveCursor(QTextCursor::End);
        const QString lines = box != nullptr ? box->toPlainText() : QString();
        const std::uint64_t inns = window->generator().generations();
        QTest::keyClick(control, row.key, row.modifiers);
        QApplication::processEvents();
        EXPECT_EQ(window->generator().generations(), inns + (row.generates ? 1 : 0));
        if (box != nullptr) {
            EXPECT_EQ(box->toPlainText(), lines + "\n");
        }
    }
}

// Pasted text keeps a one-line field on one line: the field holds what it
// shows, and so does the sheet.
TEST_F(InnFormTest, PastingKeepsOneLineFieldsOnOneLine)
{
    struct Row {
        const char* field;
        const char* pasted;
        const char* held;
    };
    const Row rows[] = {
        {names::innNameEdit, "The Prancing Goat\n", "The Prancing Goat "},
        {names::landlordEdit, "Gunther\r\nof the Hills", "Gunther  of the Hills"},
        {names::innNameEdit, "Tab\tbed\x07", "Tab bed"},
        {names::roomGrid, "10\n", "10 "},
        {names::roomGrid, "\x1b[31m5", "[31m5"},
    };
    auto* grid = find<QTableWidget>(names::roomGrid);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pasted);
        QWidget* field = find<QWidget>(row.field);
        if (field == grid) {
            test::doubleClick(grid, grid->model()->index(1, 1));
            field = QApplication::focusWidget();
        }
        auto* edit = qobject_cast<QLineEdit*>(field);
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        QGuiApplication::clipboard()->setText(QString::fromLatin1(row.pasted));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(edit->text().toStdString(), row.held);
        EXPECT_EQ(edit->cursorPosition(), edit->text().size()) << "the cursor ends the paste";
        const InnSheet shown = window->shownInn();
        const std::string held = row.field == names::innNameEdit    ? shown.innName
                                 : row.field == names::landlordEdit ? shown.landlordName
                                                                    : shown.rooms.cell(1, 1);
        EXPECT_EQ(held, row.held);
    }
}

TEST_F(InnFormTest, PartSelectionByClicks)
{
    auto* all = find<QCheckBox>(names::allCheckBox);
    auto* menu = find<QCheckBox>(names::menuCheckBox);
    auto* rooms = find<QCheckBox>(names::roomsCheckBox);
    click(menu);
    EXPECT_FALSE(all->isChecked());
    EXPECT_TRUE(menu->isChecked());
    click(rooms);
    EXPECT_TRUE(menu->isChecked() && rooms->isChecked());
    click(menu);
    click(rooms);
    EXPECT_FALSE(all->isChecked()) << "unticking the last part leaves All unticked";

    // Nothing ticked: Generate changes nothing and says what to do.
    const InnSheet before = sheet();
    std::string told;
    const test::ModalHandler handler(
        {test::clickInMessageBox(QMessageBox::Ok, [&](QMessageBox* box) { told = box->text().toStdString(); })});
    generate();
    EXPECT_EQ(sheet(), before);
    EXPECT_EQ(told, "Nothing is ticked to regenerate: tick \"All\" or the parts to regenerate.");

    click(menu);
    click(all);
    EXPECT_TRUE(all->isChecked());
    EXPECT_FALSE(menu->isChecked());
}

TEST_F(InnFormTest, ALocationClickRepricesAndRemakesTheMenuButKeepsBedsAndTables)
{
    const int other = sheet().location == InnLocation::PoorQuarter ? 0 : 3;
    const QString beds = cell(1, 1), tables = find<QLabel>(names::tableCountLabel)->text();
    const QString tableLines = find<QPlainTextEdit>(names::tableLinesEdit)->toPlainText();
    click(radio(names::locationGroup, other));
    EXPECT_EQ(indexOf(sheet().location), other);
    InnSheet expected = sheet();
    priceRooms(expected);
    EXPECT_EQ(cell(1, 2).toStdString(), expected.rooms.cell(1, 2));
    EXPECT_EQ(find<QPlainTextEdit>(names::menuEdit)->toPlainText().count('\n') + 1, 21 - 4 * other);
    EXPECT_EQ(cell(1, 1), beds);
    EXPECT_EQ(find<QLabel>(names::tableCountLabel)->text(), tables);
    EXPECT_EQ(find<QPlainTextEdit>(names::tableLinesEdit)->toPlainText(), tableLines);
}

TEST_F(InnFormTest, UserEditsReachTheSavedFileTheTableLinesIncluded)
{
    QTest::keyClicks(find<QLineEdit>(names::innNameEdit), " Reborn");
    auto* landlord = find<QLineEdit>(names::landlordEdit);
    landlord->selectAll();
    QTest::keyClicks(landlord, "Gunther");
    auto* menu = find<QPlainTextEdit>(names::menuEdit);
    menu->setFocus();
    menu->moveCursor(QTextCursor::End);
    QTest::keyClick(menu, Qt::Key_Return);
    QTest::keyClicks(menu, "  Gnome Soup");
    auto* grid = find<QTableWidget>(names::roomGrid);
    grid->item(2, 3)->setText("plenty");  // as the cell editor commits it
    auto* shown = find<QPlainTextEdit>(names::tableLinesEdit);
    shown->setFocus();
    shown->moveCursor(QTextCursor::End);
    QTest::keyClick(shown, Qt::Key_Return);
    QTest::keyClicks(shown, "They owe the landlord");
    const QString firstTable = shown->toPlainText();

    auto* tablesBox = find<QComboBox>(names::tableChoice);
    QTest::keyClick(tablesBox, Qt::Key_Down);  // choosing another table
    EXPECT_EQ(tablesBox->currentIndex(), 1);
    EXPECT_THAT(shown->toPlainText().toStdString(), StartsWith("Table No. 2 ("));
    QTest::keyClick(tablesBox, Qt::Key_Up);
    EXPECT_EQ(shown->toPlainText(), firstTable + "\n ") << "the table as typed, and its closing line";

    const std::filesystem::path file = dir.path() / "inn.txt";
    EXPECT_EQ(saveTo(file), std::nullopt);
    const std::string saved = contents(file);
    EXPECT_THAT(saved, HasSubstr(text(names::innNameEdit).toStdString() + " is run by Gunther.\r\n"));
    EXPECT_THAT(text(names::innNameEdit).toStdString(), testing::EndsWith(" Reborn"));
    EXPECT_THAT(saved, HasSubstr("beds in the shared common room at plenty silver pieces a night.\r\n"));
    EXPECT_THAT(saved, testing::EndsWith("\r\n  Gnome Soup\r\n"));
    EXPECT_THAT(saved, HasSubstr("\r\n \r\nThey owe the landlord\r\n \r\nTable No. 2 ("));
}

// A line that begins with spaces, such as a patron's details, wraps under
// its text in either box, as typed into and as shown, and keeps its spaces;
// any other line, and one indented past half the box, wraps at the edge.
TEST_F(InnFormTest, AnIndentedLineWrapsUnderItsText)
{
    auto* table = find<QPlainTextEdit>(names::tableLinesEdit);
    auto* menu = find<QPlainTextEdit>(names::menuEdit);
    const auto typing = [](QPlainTextEdit* box, int line, QTextCursor::MoveOperation at, const QString& typed) {
        return [=] {
            box->setTextCursor(QTextCursor(box->document()->findBlockByNumber(line)));
            box->moveCursor(at);
            QTest::keyClicks(box, typed);
        };
    };
    const auto stepBackAndForth = [this] {
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right})
            QTest::keyClick(find<QWidget>(names::innNameEdit), key, Qt::AltModifier);
    };
    table->setTextCursor(QTextCursor(table->document()->findBlockByNumber(1)));
    QTest::keyClick(table, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    const QString longer = " with a lantern, three keys, a map of the sewers and a ferret";
    const struct {
        const char* name;
        QPlainTextEdit* box;
        int line;
        std::function<void()> make;
        bool hangs;
    } rows[] = {
        {"a patron's details, typed into", table, 2, typing(table, 2, QTextCursor::EndOfBlock, longer), true},
        {"and shown anew", table, 2, stepBackAndForth, true},
        {"a patron's line", table, 1, typing(table, 1, QTextCursor::EndOfBlock, longer), false},
        {"a dish", menu, 1, typing(menu, 1, QTextCursor::EndOfBlock, longer), true},
        {"a dish indented past half the box", menu, 1, typing(menu, 1, QTextCursor::StartOfBlock, QString(40, ' ')),
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        row.make();
        const QTextBlock line = row.box->document()->findBlockByNumber(row.line);
        const auto leftOf = [&](int at) {
            QTextCursor cursor(line);
            cursor.setPosition(line.position() + at);
            return row.box->cursorRect(cursor).left();
        };
        const int text = leftOf(static_cast<int>(line.text().indexOf(QRegularExpression(QStringLiteral("\\S")))));
        ASSERT_GE(line.layout()->lineCount(), 2) << "the line wraps";
        EXPECT_EQ(leftOf(line.layout()->lineAt(1).textStart()), row.hangs ? text : leftOf(0));
        const TextLines& held = row.box == menu ? sheet().menuLines : sheet().shownTableLines;
        EXPECT_EQ(line.text().toStdString(), held[static_cast<std::size_t>(row.line)]);
    }
}

// A text too large to lay out in a moment shows cut and cannot be edited in
// place, and the inn keeps it whole for every output; a word too long for
// the box breaks anywhere, as quickly as any text: the menu's box and the
// notes window's alike, and a word pasted in too.
TEST_F(InnFormTest, TextsTooLargeToShowWholeShowCutAndStayWholeInTheInn)
{
    constexpr auto kEdge = QTextOption::WrapAtWordBoundaryOrAnywhere, kAnywhere = QTextOption::WrapAnywhere;
    const auto menuOf = [](std::size_t lines, const std::string& line) {
        return [lines, line](InnSheet& inn) {
            inn.menuLines.clear();
            for (std::size_t i = 0; i < lines; ++i)
                inn.menuLines.add(line);
        };
    };
    const auto notesOf = [](std::size_t lines, const std::string& line) {
        return [lines, line](InnSheet& inn) {
            inn.notes = line;
            for (std::size_t i = 1; i < lines; ++i)
                inn.notes += "\n" + line;
        };
    };
    struct Row {
        const char* name;
        std::function<void(InnSheet&)> edit;
        bool editable;
        QTextOption::WrapMode wrap;
        bool notes = false;  // the notes window's box, else the menu's
    };
    const Row rows[] = {
        {"as many menu lines as a box shows", menuOf(kMostShownLines, "  Soup"), true, kEdge},
        {"one line more", menuOf(kMostShownLines + 1, "  Soup"), false, kAnywhere},
        {"as many bytes as a box shows", menuOf(1, std::string(kMostShownBytes, ' ')), true, kEdge},
        {"one byte more", menuOf(1, std::string(kMostShownBytes + 1, ' ')), false, kAnywhere},
        {"a word as long as one broken at the edge", menuOf(1, std::string(kLongestWord, 'x')), true, kEdge},
        {"a longer word", menuOf(1, std::string(kLongestWord + 1, 'x')), true, kAnywhere},
        {"notes of as many lines as a box shows", notesOf(kMostShownLines, "Soup"), true, kEdge, true},
        {"notes of one line more", notesOf(kMostShownLines + 1, "Soup"), false, kAnywhere, true},
        {"notes of as many bytes as a box shows", notesOf(1, std::string(kMostShownBytes, ' ')), true, kEdge, true},
        {"notes of one byte more", notesOf(1, std::string(kMostShownBytes + 1, ' ')), false, kAnywhere, true},
        {"notes of a word as long as one broken at the edge", notesOf(1, std::string(kLongestWord, 'x')), true, kEdge,
         true},
        {"notes of a longer word", notesOf(1, std::string(kLongestWord + 1, 'x')), true, kAnywhere, true},
    };
    int file = 0;
    const auto open = [&](const InnSheet& inn) {
        const std::filesystem::path path = dir.path() / (std::to_string(++file) + ".json");
        std::string json;
        JsonFormat().append(inn, {1, 1}, json);
        std::ofstream(path, std::ios::binary) << json;
        QSignalSpy opened(&window->desk(), &InnDesk::innFilesOpened);
        window->openInnFiles({path});
        EXPECT_TRUE(opened.wait());
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        InnSheet inn = sheet();
        row.edit(inn);
        open(inn);
        InnNotesDialog notes(sheet().innName, sheet().notes, window.get());
        notes.show();
        auto* box = row.notes ? notes.findChild<QPlainTextEdit*>(QString::fromLatin1(names::notesEdit))
                              : find<QPlainTextEdit>(names::menuEdit);
        EXPECT_EQ(box->isReadOnly(), !row.editable);
        EXPECT_EQ(box->wordWrapMode(), row.wrap);
        const std::string held = row.notes ? inn.notes : joinLines(inn.menuLines);
        EXPECT_EQ(box->toPlainText().toStdString() == held, row.editable);
        EXPECT_TRUE(sheet().menuLines == inn.menuLines && sheet().notes == inn.notes) << "the inn keeps them whole";
    }
    // A word pasted into a box breaks anywhere once it is longer than one
    // broken at the edge.
    for (const std::size_t more : {0, 1}) {
        generate();
        InnNotesDialog notes(sheet().innName, "", window.get());
        notes.show();
        for (auto* box : {find<QPlainTextEdit>(names::menuEdit),
                          notes.findChild<QPlainTextEdit*>(QString::fromLatin1(names::notesEdit))}) {
            SCOPED_TRACE(box->objectName().toStdString());
            QApplication::clipboard()->setText(QString(static_cast<qsizetype>(kLongestWord + more), u'x'));
            box->selectAll();
            box->paste();
            EXPECT_EQ(box->wordWrapMode(), more == 0 ? kEdge : kAnywhere);
        }
    }
    // One-line controls show a line's worth, the name's field and the room
    // cells alike.
    for (const std::size_t more : {0, 1}) {
        InnSheet inn = sheet();
        inn.innName.assign(kMostShownInOneLine + more, 'x');
        inn.rooms.cell(1, 1) = inn.innName;
        open(inn);
        EXPECT_EQ(find<QLineEdit>(names::innNameEdit)->isReadOnly(), more == 1);
        EXPECT_EQ(find<QTableWidget>(names::roomGrid)->item(1, 1)->flags().testFlag(Qt::ItemIsEditable), more == 0);
        EXPECT_EQ(sheet().innName, inn.innName);
        EXPECT_EQ(sheet().rooms, inn.rooms);
    }
}

}  // namespace
}  // namespace brewick
