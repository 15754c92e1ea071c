// The main window, driven as a user drives it: clicks, keys and the dialogs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include <deque>
#include <functional>
#include <fstream>
#include <map>
#include <sstream>

#include "generators/Rooms.h"
#include "output/formats/InnSheetText.h"
#include "output/print/PrintedSheet.h"
#include "print/RecordingCanvas.h"
#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/ModalHandler.h"
#include "support/SheetPrinter.h"
#include "support/TempDir.h"
#include "ui/ErrorBox.h"
#include "ui/InnExport.h"
#include "ui/MainWindow.h"
#include "ui/WindowLook.h"

namespace brewick {
namespace {

using testing::HasSubstr;
using testing::StartsWith;

using test::contents;

// Runs a command that asks for a file name, File > Save or File > Export, and
// answers its dialog with `path`, after choosing the file type at `fileType`
// as a user does (none: the one offered), and yes when asked to replace the
// file; gives the error box's text, if any. The dialog and the box speak in
// the windows' font.
std::optional<std::string> writeThrough(MainWindow& window, const char* action, const std::filesystem::path& path,
                                        int fileType = -1)
{
    std::optional<std::string> error;
    std::deque<test::ModalHandler::Answer> answers = {[&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        if (fileType >= 0) {
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_NE(types, nullptr);
            for (int i = 0; i < types->count() && types->currentIndex() != fileType; ++i)
                QTest::keyClick(types, types->currentIndex() < fileType ? Qt::Key_Down : Qt::Key_Up);
            ASSERT_EQ(types->currentIndex(), fileType);
        }
        EXPECT_EQ(dialog->font(), windowFont());
        dialog->selectFile(QString::fromStdString(path.string()));
        // Queued: a question the dialog asks is then answered too.
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    }};
    if (std::filesystem::is_regular_file(path)) {
        answers.push_back([](QWidget* modal) {
            auto* question = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(question, nullptr);
            question->button(QMessageBox::Yes)->click();
        });
    }
    answers.push_back([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->font(), windowFont());
        error = box->text().toStdString();
        box->accept();
    });
    test::ModalHandler handler(std::move(answers));
    window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
    return error;
}

std::optional<std::string> save(MainWindow& window, const std::filesystem::path& path)
{
    return writeThrough(window, "Save1", path);
}

class MainWindowTest : public testing::Test {
protected:
    test::TempDir dir;
    std::unique_ptr<MainWindow> window;

    void SetUp() override { openWindow(); }

    // A new window with the first inn of the seed, shown and active.
    void openWindow()
    {
        qputenv("BREWICK_SEED", "2026");
        window = std::make_unique<MainWindow>(dir.path() / "BarScenes.txt");
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename Control>
    Control* find(const char* name) const
    {
        auto* control = window->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QString text(const char* lineEdit) const { return find<QLineEdit>(lineEdit)->text(); }
    const InnSheet& sheet() const { return window->generator().sheet(); }
    QString cell(int column, int row) const { return find<QTableWidget>("RoomGrid")->item(row, column)->text(); }
    QRadioButton* radio(const char* group, int index) const
    {
        return find<QGroupBox>(group)->findChildren<QRadioButton*>().at(index);
    }
    void click(QAbstractButton* button) const { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5)); }
    void generate() const { click(find<QPushButton>("butGenerate")); }

    std::optional<std::string> saveTo(const std::filesystem::path& path) const { return save(*window, path); }
};

TEST_F(MainWindowTest, ControlsStandWhereTheLayoutPutsThem)
{
    struct Row {
        const char* name;
        QRect geometry;
        const char* caption;  // nullptr: no caption to check
    };
    const Row rows[] = {
        {"Label1", {8, 0, 57, 16}, "Inn Name"},
        {"Label2", {256, 0, 103, 16}, "Landlord's Name"},
        {"edInnName", {8, 16, 240, 24}, nullptr},
        {"edLandlord", {256, 16, 240, 24}, nullptr},
        {"radLocate", {8, 48, 137, 113}, "Inn Location"},
        {"radQuality", {152, 48, 97, 113}, "Inn Quality"},
        {"GroupBox2", {256, 48, 241, 113}, "Menu"},
        {"memMenu", {8, 16, 225, 89}, nullptr},
        {"RoomGrid", {48, 168, 407, 80}, nullptr},
        {"GroupBox4", {8, 256, 486, 49}, "Bar Scene"},
        {"lstScene1", {8, 16, 465, 25}, nullptr},
        {"GroupBox1", {8, 312, 486, 185}, "Tables"},
        {"Label3", {8, 22, 124, 16}, "Number of Tables =  "},
        {"lstTables", {250, 16, 225, 24}, nullptr},
        {"memDispTable", {8, 48, 468, 129}, nullptr},
        {"GroupBox3", {8, 500, 273, 77}, "Regenerate"},
        {"chkAll", {8, 16, 81, 17}, "All"},
        {"chkInn", {8, 32, 81, 17}, "Inn Name"},
        {"chkLandlord", {100, 16, 81, 17}, "Landlord"},
        {"chkMenu", {100, 32, 77, 17}, "Menu"},
        {"chkRooms", {192, 16, 73, 17}, "Rooms"},
        {"chkTables", {192, 32, 73, 17}, "Tables"},
        {"chkScene", {8, 48, 97, 17}, "Scene"},
        {"butGenerate", {320, 520, 75, 33}, "Generate"},
        {"tExit", {416, 520, 75, 33}, "Exit"},
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
    auto* grid = find<QTableWidget>("RoomGrid");
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
            items.append(item->isSeparator() ? QStringLiteral("-") : item->text().remove('&'));
        menus.append(menu->text().remove('&') + ": " + items.join(", "));
    }
    EXPECT_EQ(menus, QStringList({"File: Save, Export…, Print, About", "Edit: Copy Inn, Previous Inn, Next Inn, -, Bar Scenes"}));
}

TEST_F(MainWindowTest, TabVisitsTheControlsInTheirOrder)
{
    const char* expected[] = {"edInnName", "edLandlord", "radLocate", "radQuality", "memMenu", "RoomGrid",
                              "lstTables", "memDispTable", "chkAll", "chkInn", "chkLandlord", "chkMenu",
                              "chkRooms", "chkTables", "chkScene", "butGenerate", "tExit", "lstScene1"};
    find<QLineEdit>("edInnName")->setFocus();
    auto* grid = find<QTableWidget>("RoomGrid");
    for (const char* name : expected) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        // A radio group is reached once, on its selected item; the room grid
        // on its current cell's editor, with a caret.
        QString focused = focus->objectName();
        if (qobject_cast<QRadioButton*>(focus))
            focused = focus->parentWidget()->objectName();
        else if (grid->isAncestorOf(focus) && qobject_cast<QLineEdit*>(focus))
            focused = grid->objectName();
        EXPECT_EQ(focused, QString::fromLatin1(name));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
}

// The caption stands on the frame line and every control of the box lies
// inside the frame, below the caption.
TEST_F(MainWindowTest, EveryGroupBoxHoldsItsControlsInsideItsFrame)
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

// Enter presses "Generate" wherever the focus is but on "Exit", and the
// buttons show it.
TEST_F(MainWindowTest, GenerateIsTheDefaultButtonUnlessExitHasTheFocus)
{
    auto* generateButton = find<QPushButton>("butGenerate");
    auto* exitButton = find<QPushButton>("tExit");
    const std::pair<const char*, bool> rows[] = {
        {"edInnName", true}, {"tExit", false}, {"memMenu", true}, {"butGenerate", true}, {"chkAll", true},
    };
    for (const auto& [focus, generateIsDefault] : rows) {
        find<QWidget>(focus)->setFocus();
        EXPECT_EQ(generateButton->isDefault(), generateIsDefault) << focus;
        EXPECT_EQ(exitButton->isDefault(), !generateIsDefault) << focus;
    }
}

// What the user types into a room cell is what Save writes, also while the
// cell editor is still open: a menu command or its shortcut leaves the focus
// where it is.
TEST_F(MainWindowTest, TypingInACellReachesTheSavedFileWhileItsEditorIsOpen)
{
    auto* grid = find<QTableWidget>("RoomGrid");
    find<QPlainTextEdit>("memMenu")->setFocus();
    QTest::keyClick(find<QWidget>("memMenu"), Qt::Key_Tab);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr) << "Tab into the grid gives a caret in the current cell";
    ASSERT_TRUE(grid->isAncestorOf(editor));
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, "77");
    EXPECT_TRUE(!grid->selectionModel()->hasSelection()) << "no selection highlight to linger";

    const std::filesystem::path file = dir.path() / "inn.txt";
    EXPECT_EQ(saveTo(file), std::nullopt);
    EXPECT_THAT(contents(file), HasSubstr("\r\nIt has 77 beds in single rooms at "));

    // New rooms, from presses that leave the focus in an open editor, show
    // in the editor too, and its next commit keeps them.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    find<QWidget>("memMenu")->setFocus();
    QTest::keyClick(find<QWidget>("memMenu"), Qt::Key_Tab);
    editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "5");
    find<QCheckBox>("chkRooms")->click();
    find<QPushButton>("butGenerate")->click();
    ASSERT_EQ(QApplication::focusWidget(), editor);
    EXPECT_EQ(editor->text().toStdString(), sheet().rooms.cell(1, 1));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(cell(1, 1).toStdString(), sheet().rooms.cell(1, 1));
}

// A printer that draws the sheet on a recording canvas and keeps the text.
class RecordingPrinter final : public SheetPrinter {
public:
    explicit RecordingPrinter(std::string& drawn) : drawn_(drawn) {}

    std::optional<std::string> print(const TextLines& sheetText) override
    {
        test::RecordingCanvas canvas(100000, 100000);
        printInnSheet(canvas, sheetText, "1/1/26  0:00");
        for (const test::DrawnText& text : canvas.drawn)
            drawn_ += text.text + '\n';
        return std::nullopt;
    }

private:
    std::string& drawn_;
};

// Every command that reads or changes the inn first takes what is typed in
// the open cell editor of the room grid, which menu commands, shortcuts and
// presses that leave the focus where it is (an assistive tool's) keep open;
// and a reaction that reprices shows the new price in the editor too.
TEST_F(MainWindowTest, EveryCommandSeesTheCellBeingTyped)
{
    constexpr int kSingle = 1, kDouble = 2, kBeds = 1, kCost = 2;
    const std::string typed = "4321";
    std::string printed;
    const auto clipboardText = [] { return QGuiApplication::clipboard()->text().toStdString(); };
    const auto written = [this](const char* action, const char* name) {
        EXPECT_EQ(writeThrough(*window, action, dir.path() / name), std::nullopt);
        return contents(dir.path() / name);
    };
    const auto otherRadio = [this](const char* group, int selected) {
        return radio(group, selected == 0 ? 1 : 0);
    };
    struct Row {
        const char* command;
        int column, row;                       // the cell typed into
        std::function<void()> before;          // before the editor opens
        std::function<void(QWidget* editor)> run;
        std::function<std::string()> output;   // what the command wrote, when it writes
        const char* expected = "";             // ... holds this
    };
    const Row rows[] = {
        {"Save", kSingle, kBeds, {}, {}, [&] { return written("Save1", "inn.txt"); }, "It has 4321 beds in single"},
        {"Export as Markdown", kSingle, kBeds, {}, {}, [&] { return written("Export1", "inn.md"); },
         "| Number | 4321 |"},
        {"Export as JSON", kSingle, kBeds, {}, {}, [&] { return written("Export1", "inn.json"); },
         "\"single\":{\"beds\":4321,"},
        {"Copy Inn", kSingle, kBeds, {},
         [](QWidget* editor) { QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier); },
         clipboardText, "It has 4321 beds in single"},
        {"Print", kSingle, kBeds, {}, {}, [&] {
             window->findChild<QAction*>(QStringLiteral("Print2"))->trigger();
             return printed;
         }, "It has 4321 beds in single"},
        {"Generate with Rooms unticked", kSingle, kBeds, [&] { click(find<QCheckBox>("chkInn")); },
         [&](QWidget*) { find<QPushButton>("butGenerate")->click(); }},
        {"a location click", kDouble, kBeds, {},
         [&](QWidget*) { otherRadio("radLocate", indexOf(sheet().location))->click(); }},
        {"a location click on a price", kDouble, kCost, {},
         [&](QWidget*) { otherRadio("radLocate", indexOf(sheet().location))->click(); }},
        {"a quality click", kDouble, kBeds, {},
         [&](QWidget*) { otherRadio("radQuality", indexOf(sheet().quality))->click(); }},
        {"a quality click on a price", kSingle, kCost, {},
         [&](QWidget*) { otherRadio("radQuality", indexOf(sheet().quality))->click(); }},
        {"choosing another table", kSingle, kBeds, {},
         [&](QWidget*) { QTest::keyClick(find<QComboBox>("lstTables"), Qt::Key_Down); }},
        {"Previous Inn and back", kSingle, kBeds, [&] { generate(); },
         [](QWidget* editor) {
             QTest::keyClick(editor, Qt::Key_Left, Qt::AltModifier);
             QTest::keyClick(editor, Qt::Key_Right, Qt::AltModifier);
         }},
        {"Next Inn and back", kSingle, kBeds,
         [&] {
             generate();
             QTest::keyClick(find<QLineEdit>("edInnName"), Qt::Key_Left, Qt::AltModifier);
         },
         [](QWidget* editor) {
             QTest::keyClick(editor, Qt::Key_Right, Qt::AltModifier);
             QTest::keyClick(editor, Qt::Key_Left, Qt::AltModifier);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        openWindow();
        window->usePrinter(std::make_unique<RecordingPrinter>(printed));
        auto* grid = find<QTableWidget>("RoomGrid");
        if (row.before)
            row.before();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(row.row, row.column)).center());
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        ASSERT_TRUE(grid->isAncestorOf(editor));
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, QString::fromStdString(typed));
        if (row.run)
            row.run(editor);

        if (row.output) {
            EXPECT_THAT(row.output(), HasSubstr(row.expected));
            continue;
        }
        ASSERT_EQ(QApplication::focusWidget(), editor) << "the command left the editor open";
        // A price is the reaction's; anything else is what was typed.
        InnSheet expected = sheet();
        expected.rooms.cell(row.column, row.row) = typed;
        priceRooms(expected);
        EXPECT_EQ(sheet().rooms, expected.rooms);
        EXPECT_EQ(editor->text().toStdString(), expected.rooms.cell(row.column, row.row));
    }
}

// The bar scene line appears with the first inn, and stays one line, empty
// or not.
TEST(MainWindowScene, AnEmptyFirstSceneStillShowsItsOneLine)
{
    test::TempDir dir;
    const std::filesystem::path sceneFile = dir.path() / "BarScenes.txt";
    std::ofstream(sceneFile, std::ios::binary) << std::string(20000, '\n');
    qputenv("BREWICK_SEED", "1");
    MainWindow window(sceneFile);
    auto* scene = window.findChild<QListWidget*>(QStringLiteral("lstScene1"));
    EXPECT_EQ(scene->count(), 0) << "no scene before the first inn";
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(window.generator().sheet().barScene, "") << "this seed draws an empty scene first";
    ASSERT_EQ(scene->count(), 1);
    EXPECT_EQ(scene->item(0)->text(), "");
}

TEST_F(MainWindowTest, AfterStartUpACompleteInnIsShownWithTableOneAndFocusOnGenerate)
{
    EXPECT_THAT(text("edInnName").toStdString(), StartsWith("The "));
    EXPECT_FALSE(text("edLandlord").isEmpty());
    EXPECT_FALSE(find<QPlainTextEdit>("memMenu")->toPlainText().isEmpty());
    EXPECT_FALSE(cell(1, 1).isEmpty());
    EXPECT_EQ(cell(0, 2), "Cost (sp)");
    EXPECT_EQ(find<QListWidget>("lstScene1")->count(), 1);
    EXPECT_EQ(find<QLabel>("labNoTables")->text(), QString::number(sheet().tableCount));
    EXPECT_EQ(find<QComboBox>("lstTables")->currentIndex(), 0);
    EXPECT_EQ(find<QComboBox>("lstTables")->count(), sheet().tableCount);
    EXPECT_THAT(find<QPlainTextEdit>("memDispTable")->toPlainText().toStdString(), StartsWith("Table No. 1 ("));
    EXPECT_TRUE(find<QCheckBox>("chkAll")->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), find<QPushButton>("butGenerate"));
    EXPECT_EQ(radio("radLocate", indexOf(sheet().location))->isChecked(), true);
    EXPECT_EQ(radio("radQuality", indexOf(sheet().quality))->isChecked(), true);
}

// Return and the keypad's Enter run "Generate" where the focused control
// does not take them itself.
TEST_F(MainWindowTest, EnterGeneratesUnlessTheControlTakesItItself)
{
    struct Row {
        const char* control;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool generates;  // else it types a line break
    };
    const Row rows[] = {
        {"edInnName", Qt::Key_Return, Qt::NoModifier, true},
        {"edInnName", Qt::Key_Enter, Qt::KeypadModifier, true},
        {"memMenu", Qt::Key_Return, Qt::NoModifier, false},
        {"memMenu", Qt::Key_Enter, Qt::KeypadModifier, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.control) + (row.key == Qt::Key_Enter ? ", keypad Enter" : ", Return"));
        auto* control = find<QWidget>(row.control);
        control->setFocus();
        auto* box = qobject_cast<QPlainTextEdit*>(control);
        if (box != nullptr)
            box->moveCursor(QTextCursor::End);
        const QString lines = box != nullptr ? box->toPlainText() : QString();
        const std::uint64_t inns = window->generator().generations();
        QTest::keyClick(control, row.key, row.modifiers);
        EXPECT_EQ(window->generator().generations(), inns + (row.generates ? 1 : 0));
        if (box != nullptr)
            EXPECT_EQ(box->toPlainText(), lines + "\n");
    }
}

TEST_F(MainWindowTest, PartSelectionByClicks)
{
    auto* all = find<QCheckBox>("chkAll");
    auto* menu = find<QCheckBox>("chkMenu");
    auto* rooms = find<QCheckBox>("chkRooms");
    click(menu);
    EXPECT_FALSE(all->isChecked());
    EXPECT_TRUE(menu->isChecked());
    click(rooms);
    EXPECT_TRUE(menu->isChecked() && rooms->isChecked());
    click(menu);
    click(rooms);
    EXPECT_FALSE(all->isChecked()) << "unticking the last part leaves All unticked";

    // Nothing ticked: Generate changes nothing.
    const InnSheet before = sheet();
    generate();
    EXPECT_EQ(sheet(), before);

    click(menu);
    click(all);
    EXPECT_TRUE(all->isChecked());
    EXPECT_FALSE(menu->isChecked());
}

TEST_F(MainWindowTest, ALocationClickRepricesAndRemakesTheMenuButKeepsBedsAndTables)
{
    const int other = sheet().location == InnLocation::PoorQuarter ? 0 : 3;
    const QString beds = cell(1, 1), tables = find<QLabel>("labNoTables")->text();
    const QString tableLines = find<QPlainTextEdit>("memDispTable")->toPlainText();
    click(radio("radLocate", other));
    EXPECT_EQ(indexOf(sheet().location), other);
    InnSheet expected = sheet();
    priceRooms(expected);
    EXPECT_EQ(cell(1, 2).toStdString(), expected.rooms.cell(1, 2));
    EXPECT_EQ(find<QPlainTextEdit>("memMenu")->toPlainText().count('\n') + 1, 21 - 4 * other);
    EXPECT_EQ(cell(1, 1), beds);
    EXPECT_EQ(find<QLabel>("labNoTables")->text(), tables);
    EXPECT_EQ(find<QPlainTextEdit>("memDispTable")->toPlainText(), tableLines);
}

TEST_F(MainWindowTest, UserEditsReachTheSavedFileButTypingInTheTableLinesDoesNot)
{
    QTest::keyClicks(find<QLineEdit>("edInnName"), " Reborn");
    auto* landlord = find<QLineEdit>("edLandlord");
    landlord->selectAll();
    QTest::keyClicks(landlord, "Gunther");
    auto* menu = find<QPlainTextEdit>("memMenu");
    menu->setFocus();
    menu->moveCursor(QTextCursor::End);
    QTest::keyClick(menu, Qt::Key_Return);
    QTest::keyClicks(menu, "  Gnome Soup");
    auto* grid = find<QTableWidget>("RoomGrid");
    grid->item(2, 3)->setText("plenty");  // as the cell editor commits it
    auto* shown = find<QPlainTextEdit>("memDispTable");
    shown->setFocus();
    QTest::keyClicks(shown, "scribbled");

    auto* tablesBox = find<QComboBox>("lstTables");
    QTest::keyClick(tablesBox, Qt::Key_Down);  // choosing another table
    EXPECT_EQ(tablesBox->currentIndex(), 1);
    EXPECT_THAT(shown->toPlainText().toStdString(), StartsWith("Table No. 2 ("));

    const std::filesystem::path file = dir.path() / "inn.txt";
    EXPECT_EQ(saveTo(file), std::nullopt);
    const std::string saved = contents(file);
    EXPECT_THAT(saved, HasSubstr(text("edInnName").toStdString() + " is run by Gunther.\r\n"));
    EXPECT_THAT(text("edInnName").toStdString(), testing::EndsWith(" Reborn"));
    EXPECT_THAT(saved, HasSubstr("beds in the shared common room at plenty silver pieces a night.\r\n"));
    EXPECT_THAT(saved, testing::EndsWith("\r\n  Gnome Soup\r\n"));
    EXPECT_THAT(saved, testing::Not(HasSubstr("scribbled")));
}

TEST_F(MainWindowTest, SaveErrorsShowTheErrorBoxWithTheSystemsReason)
{
    const test::FullDisk full(100);
    EXPECT_EQ(saveTo(dir.path() / "inn.txt"), "Stream write error: File too large.");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "nothing half-written is left";
}

TEST_F(MainWindowTest, TheSaveDialogOffersTextFilesAndTheLastPath)
{
    const std::filesystem::path file = dir.path() / "first.txt";
    QStringList filters;
    QString offered;
    test::ModalHandler handler({
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            filters = dialog->nameFilters();
            EXPECT_EQ(dialog->defaultSuffix(), "txt");
            EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
            EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
            dialog->selectFile(QString::fromStdString((dir.path() / "first").string()));
            QMetaObject::invokeMethod(dialog, "accept");
        },
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            offered = dialog->selectedFiles().value(0);
            dialog->reject();
        },
    });
    QAction* save = window->findChild<QAction*>(QStringLiteral("Save1"));
    save->trigger();
    save->trigger();
    EXPECT_EQ(filters, QStringList("Text files (*.txt)"));
    EXPECT_TRUE(std::filesystem::exists(file)) << "the default suffix is added";
    EXPECT_EQ(offered.toStdString(), file.string());
}

TEST_F(MainWindowTest, CopyInnPutsTheSavedTextWithLfAndTheMarkdownOnTheClipboard)
{
    QTest::keyClicks(find<QLineEdit>("edInnName"), " Copied");
    auto* menu = find<QPlainTextEdit>("memMenu");
    menu->setFocus();
    menu->moveCursor(QTextCursor::End);
    QTest::keyClick(menu, Qt::Key_Return);
    QTest::keyClicks(menu, "  Gnome Soup");
    const std::filesystem::path file = dir.path() / "inn.txt";
    ASSERT_EQ(saveTo(file), std::nullopt);
    std::string expected = contents(file);
    std::erase(expected, '\r');

    QGuiApplication::clipboard()->clear();
    window->activateWindow();  // again, after the save dialog
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const QString typed = menu->toPlainText();
    QTest::keyClick(menu, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(menu->toPlainText(), typed) << "the shortcut typed nothing";
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text().toStdString(), expected);
    EXPECT_THAT(expected, HasSubstr(" Copied is run by "));
    EXPECT_THAT(expected, testing::EndsWith("\n  Gnome Soup\n"));
    EXPECT_EQ(copied->data(QStringLiteral("text/markdown")).toStdString(),
              exportedInn(ExportFormat::Markdown, sheet(), {1, 2026}));
}

// The typed extension decides the format, else the chosen file type, whose
// suffix a name without one gets.
TEST_F(MainWindowTest, ExportWritesTheFormatTheNameOrTheFileTypeAsksFor)
{
    struct Row {
        const char* typed;
        int fileType;  // -1: the one offered
        const char* written;
        ExportFormat format;
    };
    const Row rows[] = {
        {"plain", -1, "plain.md", ExportFormat::Markdown},
        {"chosen", 1, "chosen.json", ExportFormat::Json},
        {"remembered", -1, "remembered.json", ExportFormat::Json},
        {"typed.md", 1, "typed.md", ExportFormat::Markdown},
        {"typed.JSON", 0, "typed.JSON", ExportFormat::Json},
        {"other.txt", 1, "other.txt", ExportFormat::Json},
        {"another.txt", 0, "another.txt", ExportFormat::Markdown},
        {"printed", 2, "printed.pdf", ExportFormat::Pdf},
        {"sheet.pdf", 0, "sheet.pdf", ExportFormat::Pdf},
        {"notes.md", 2, "notes.md", ExportFormat::Markdown},
    };
    for (const Row& row : rows) {
        const std::filesystem::path written = dir.path() / row.written;
        EXPECT_EQ(writeThrough(*window, "Export1", dir.path() / row.typed, row.fileType), std::nullopt) << row.typed;
        // A PDF holds the time it was made; its text is read back by the printing tests.
        if (row.format == ExportFormat::Pdf) {
            EXPECT_THAT(contents(written), StartsWith("%PDF-")) << row.written;
        } else {
            EXPECT_EQ(contents(written), exportedInn(row.format, sheet(), {1, 2026}).value()) << row.written;
        }
    }
    EXPECT_EQ(test::entries(dir.path()),
              (std::vector<std::string>{"another.txt", "chosen.json", "notes.md", "other.txt", "plain.md", "printed.pdf",
                                        "remembered.json", "sheet.pdf", "typed.JSON", "typed.md"}));
}

TEST_F(MainWindowTest, ExportAndSaveEachOfferTheirOwnLastPath)
{
    const std::filesystem::path saved = dir.path() / "saved.txt";
    const std::filesystem::path exported = dir.path() / "exported.json";
    ASSERT_EQ(saveTo(saved), std::nullopt);
    ASSERT_EQ(writeThrough(*window, "Export1", exported, 1), std::nullopt);
    std::map<std::string, std::pair<QString, QString>> offered;  // by command: name and file type
    for (const char* action : {"Save1", "Export1"}) {
        test::ModalHandler handler({[&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            offered[action] = {dialog->selectedFiles().value(0), dialog->selectedNameFilter()};
            dialog->reject();
        }});
        window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    EXPECT_EQ(offered["Save1"].first.toStdString(), saved.string());
    EXPECT_EQ(offered["Export1"].first.toStdString(), exported.string());
    EXPECT_EQ(offered["Export1"].second, "JSON (*.json)");
}

// A failed export keeps the old file whole, like a failed save.
TEST_F(MainWindowTest, ExportErrorsShowTheErrorBoxAndKeepTheOldFile)
{
    const std::filesystem::path file = dir.path() / "inn.json";
    std::ofstream(file) << "old";
    {
        const test::FullDisk full(100);
        EXPECT_EQ(writeThrough(*window, "Export1", file), "Stream write error: File too large.");
    }
    EXPECT_EQ(contents(file), "old");
    EXPECT_EQ(test::entries(dir.path()), std::vector<std::string>{"inn.json"});
}

// Alt+Left and Alt+Right step through the inns of the run, with the focus
// wherever it is, and the menu items are enabled where there is a step.
TEST_F(MainWindowTest, PreviousAndNextInnStepThroughTheRunsInns)
{
    enum Action { Generate, Previous, Next, EditName, ChooseTable };
    struct Row {
        const char* name;
        Action action;
        int shown;  // which inn, by the order of generation
        bool previous;
        bool next;
    };
    const Row rows[] = {
        {"after start-up", ChooseTable, 1, false, false},
        {"a second inn", Generate, 2, true, false},
        {"a third", Generate, 3, true, false},
        {"back", Previous, 2, true, true},
        {"an edit there", EditName, 2, true, true},
        {"back to the first, with its table choice", Previous, 1, false, true},
        {"past the end", Previous, 1, false, true},
        {"forward to the edited second", Next, 2, true, true},
        {"forward", Next, 3, true, false},
        {"past the other end", Next, 3, true, false},
        {"back and generating there drops the third", Previous, 2, true, true},
        {"a fourth", Generate, 4, true, false},
        {"back", Previous, 2, true, true},
    };
    auto* previous = window->findChild<QAction*>(QStringLiteral("PreviousInn1"));
    auto* next = window->findChild<QAction*>(QStringLiteral("NextInn1"));
    auto* name = find<QLineEdit>("edInnName");
    std::map<int, std::pair<InnSheet, std::string>> inns;  // the sheet and the saved file
    const auto savedText = [&] {
        EXPECT_EQ(saveTo(dir.path() / "inn.txt"), std::nullopt);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return contents(dir.path() / "inn.txt");
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        switch (row.action) {
        case Generate:
            generate();
            break;
        case Previous:
            QTest::keyClick(name, Qt::Key_Left, Qt::AltModifier);
            break;
        case Next:
            QTest::keyClick(name, Qt::Key_Right, Qt::AltModifier);
            break;
        case EditName:
            name->setFocus();
            QTest::keyClicks(name, " Reborn");
            break;
        case ChooseTable:
            QTest::keyClick(find<QComboBox>("lstTables"), Qt::Key_Down);
            break;
        }
        if (row.action != Previous && row.action != Next)
            inns[row.shown] = {sheet(), savedText()};
        // Whole inns in a failure message would bury it.
        EXPECT_TRUE(sheet() == inns[row.shown].first);
        EXPECT_TRUE(savedText() == inns[row.shown].second);
        EXPECT_EQ(name->text().toStdString(), inns[row.shown].first.innName);
        EXPECT_EQ(find<QComboBox>("lstTables")->currentIndex(), inns[row.shown].first.chosenTable);
        EXPECT_EQ(previous->isEnabled(), row.previous);
        EXPECT_EQ(next->isEnabled(), row.next);
    }
    EXPECT_THAT(inns[2].first.innName, testing::EndsWith(" Reborn"));
    EXPECT_EQ(inns[1].first.chosenTable, 1);
}

// The window and brewick-batch make the same inns from the same seed: after
// start-up and K presses of "Generate" the saved and the exported files are
// the batch's inn K+1 in each format.
TEST(WindowAndBatch, SavedAndExportedInnsEqualTheBatchInnOfTheSameSeed)
{
    test::TempDir dir;
    const std::filesystem::path sceneFile = dir.path() / "BarScenes.txt";
    std::ofstream(sceneFile, std::ios::binary) << "A scene of our own\r\nAnother one\r\n";
    qputenv("BREWICK_SEED", "4242");
    MainWindow window(sceneFile);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    constexpr int kPresses = 3;
    for (int press = 0; press < kPresses; ++press)
        window.findChild<QPushButton*>(QStringLiteral("butGenerate"))->click();

    struct Row {
        const char* format;
        const char* action;
        const char* extension;
    };
    const Row rows[] = {{"text", "Save1", "txt"}, {"markdown", "Export1", "md"}, {"json", "Export1", "json"}};
    for (const Row& row : rows) {
        const std::filesystem::path written = dir.path() / (std::string("inn.") + row.extension);
        ASSERT_EQ(writeThrough(window, row.action, written), std::nullopt);
        const std::filesystem::path batchOutput = dir.path() / row.format;
        const std::string command = std::string(BREWICK_BATCH) + " --seed 4242 --count " +
                                    std::to_string(kPresses + 1) + " --format " + row.format + " --scenes '" +
                                    sceneFile.string() + "' --output '" + batchOutput.string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const std::string batchInn = contents(batchOutput / (std::to_string(kPresses + 1) + "." + row.extension));
        EXPECT_FALSE(batchInn.empty()) << row.format;
        EXPECT_EQ(contents(written), batchInn) << row.format;
    }
}

TEST(ErrorBox, FullStopOnlyAfterCharactersBeyondThePoint)
{
    const std::pair<std::string, std::string> rows[] = {
        {"Stream write error", "Stream write error."},
        {"Error 5", "Error 5."},
        {"Done.", "Done."},
        {"Really?", "Really?."},
        {"Odd!", "Odd!"},  // '!' comes before '.'
        {"(x)", "(x)"},
        {"", ""},
    };
    for (const auto& [message, shown] : rows)
        EXPECT_EQ(withFullStop(message), shown);
}

}  // namespace
}  // namespace brewick
