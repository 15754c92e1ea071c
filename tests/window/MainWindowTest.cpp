// The main window's commands, driven as a user drives them: the menus, their
// shortcuts and the dialogs, on the inn the form shows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTreeView>

#include <fstream>
#include <functional>
#include <map>

#include "WindowTest.h"
#include "generators/Rooms.h"
#include "output/formats/JsonFormat.h"
#include "output/print/PrintedSheet.h"
#include "platform/EditedFileWatcher.h"
#include "print/PdfDocument.h"
#include "print/RecordingCanvas.h"
#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/SheetPrinter.h"
#include "ui/InnExport.h"
#include "ui/dialogs/ErrorBox.h"
#include "ui/dialogs/InnHistoryDialog.h"
#include "ui/dialogs/InnNotesDialog.h"

namespace brewick {
namespace {

namespace names = objectNames;
using MainWindowTest = test::WindowTest;
using test::contents;
using test::writeThrough;
using testing::HasSubstr;
using testing::Not;
using testing::StartsWith;

// What the user types into a room cell is what Save writes, also while the
// cell editor is still open: a menu command or its shortcut leaves the focus
// where it is.
TEST_F(MainWindowTest, TypingInACellReachesTheSavedFileWhileItsEditorIsOpen)
{
    auto* grid = find<QTableWidget>(names::roomGrid);
    find<QPlainTextEdit>(names::menuEdit)->setFocus();
    QTest::keyClick(find<QWidget>(names::menuEdit), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), grid);
    for (const Qt::Key key : {Qt::Key_7, Qt::Key_7})
        test::pressAtFocus(key);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr) << "typing in the grid opens the current cell's editor";
    ASSERT_TRUE(grid->isAncestorOf(editor));
    EXPECT_TRUE(!grid->selectionModel()->hasSelection()) << "no selection highlight to linger";

    const std::filesystem::path file = dir.path() / "inn.txt";
    EXPECT_EQ(saveTo(file), std::nullopt);
    EXPECT_THAT(contents(file), HasSubstr("\r\nIt has 77 beds in single rooms at "));

    // New rooms, from presses that leave the focus in an open editor, show
    // in the editor too, and its next commit keeps them.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    find<QWidget>(names::menuEdit)->setFocus();
    QTest::keyClick(find<QWidget>(names::menuEdit), Qt::Key_Tab);
    test::pressAtFocus(Qt::Key_5);
    editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    find<QCheckBox>(names::roomsCheckBox)->click();
    find<QPushButton>(names::generateButton)->click();
    ASSERT_EQ(QApplication::focusWidget(), editor);
    EXPECT_EQ(editor->text().toStdString(), sheet().rooms.cell(1, 1));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(cell(1, 1).toStdString(), sheet().rooms.cell(1, 1));
}

// A printer that draws the sheet on a recording canvas and keeps the text.
class RecordingPrinter final : public SheetPrinter {
public:
    explicit RecordingPrinter(std::string& drawn) : drawn_(drawn) {}

    std::optional<PrintProblem> print(const TextLines& sheetText) override
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
    const char* const kSentence = "It has 4321 beds in single";
    std::string printed;

    // What the commands wrote.
    const auto written = [this](const char* action, const char* name) {
        EXPECT_EQ(writeThrough(*window, action, dir.path() / name), std::nullopt);
        return contents(dir.path() / name);
    };
    const auto saved = [&] { return written(names::saveAction, "inn.txt"); };
    const auto markdown = [&] { return written(names::exportAction, "inn.md"); };
    const auto json = [&] { return written(names::exportAction, "inn.json"); };
    const auto handout = [&] {
        EXPECT_EQ(writeThrough(*window, names::exportHandoutAction, dir.path() / "handout.pdf"), std::nullopt);
        return test::PdfDocument(dir.path() / "handout.pdf").text();
    };
    const auto copied = [] { return QGuiApplication::clipboard()->text().toStdString(); };
    const auto printedText = [&] {
        window->findChild<QAction*>(QString::fromLatin1(names::printAction))->trigger();
        return printed;
    };
    // The commands that leave the editor open.
    const auto copyInn = [](QWidget* editor) {
        QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    };
    const auto print = [](QWidget* editor) { QTest::keyClick(editor, Qt::Key_P, Qt::ControlModifier); };
    const auto tickInnNameOnly = [&] { click(find<QCheckBox>(names::innNameCheckBox)); };
    const auto pressGenerate = [&](QWidget*) { find<QPushButton>(names::generateButton)->click(); };
    const auto pressOther = [this](const char* group, int selected) { radio(group, selected == 0 ? 1 : 0)->click(); };
    const auto otherLocation = [&](QWidget*) { pressOther(names::locationGroup, indexOf(sheet().location)); };
    const auto otherQuality = [&](QWidget*) { pressOther(names::qualityGroup, indexOf(sheet().quality)); };
    const auto nextTable = [&](QWidget*) { QTest::keyClick(find<QComboBox>(names::tableChoice), Qt::Key_Down); };
    const auto step = [](QWidget* editor, Qt::Key there, Qt::Key back) {
        QTest::keyClick(editor, there, Qt::AltModifier);
        QTest::keyClick(editor, back, Qt::AltModifier);
    };
    const auto previousAndBack = [&](QWidget* editor) { step(editor, Qt::Key_Left, Qt::Key_Right); };
    const auto nextAndBack = [&](QWidget* editor) { step(editor, Qt::Key_Right, Qt::Key_Left); };
    const auto generateAndGoBack = [&] {
        generate();
        QTest::keyClick(find<QLineEdit>(names::innNameEdit), Qt::Key_Left, Qt::AltModifier);
    };
    // The session, in a folder of each row's own, as the window keeps it,
    // and the starred inns: what they hold once the typed beds reach them.
    const std::string keptBeds = "\"single\":{\"beds\":4321,";
    int sessions = 0;
    const auto keepSession = [&] {
        window->keepInnsIn(dir.path() / std::to_string(++sessions), dir.path() / "kept-inns.jsonl");
    };
    const auto holdsTheBeds = [&](const std::string& kept) { return kept.find(keptBeds) != std::string::npos; };
    const auto keptSession = [&] {
        return test::waitForFile(test::windowSessionFiles(dir.path() / std::to_string(sessions)), holdsTheBeds);
    };
    const auto keepInn = [](QWidget* editor) { QTest::keyClick(editor, Qt::Key_D, Qt::ControlModifier); };
    const auto starredInns = [&] {
        return test::waitForFile([&] { return std::vector{dir.path() / "kept-inns.jsonl"}; }, holdsTheBeds);
    };
    const auto endBySignal = [this](QWidget*) { window->closeForLogout(false); };

    struct Row {
        const char* command;
        int column, row;                           // the cell typed into
        std::function<void()> before;              // before the editor opens
        std::function<void(QWidget* editor)> run;  // none: the output runs the command
        std::function<std::string()> output;       // what the command wrote, when it writes
        const char* expected;                      // ... holds this
    };
    const Row rows[] = {
        {"Save", kSingle, kBeds, {}, {}, saved, kSentence},
        {"Export as Markdown", kSingle, kBeds, {}, {}, markdown, "| Number | 4321 |"},
        {"Export as JSON", kSingle, kBeds, {}, {}, json, "\"single\":{\"beds\":4321,"},
        {"Export Handout", kSingle, kBeds, {}, {}, handout, kSentence},
        {"Copy Inn", kSingle, kBeds, {}, copyInn, copied, kSentence},
        {"Print", kSingle, kBeds, {}, {}, printedText, kSentence},
        {"Print by Ctrl+P", kSingle, kBeds, {}, print, [&] { return printed; }, kSentence},
        {"Generate with Rooms unticked", kSingle, kBeds, tickInnNameOnly, pressGenerate, {}, ""},
        {"a location click", kDouble, kBeds, {}, otherLocation, {}, ""},
        {"a location click on a price", kDouble, kCost, {}, otherLocation, {}, ""},
        {"a quality click", kDouble, kBeds, {}, otherQuality, {}, ""},
        {"a quality click on a price", kSingle, kCost, {}, otherQuality, {}, ""},
        {"choosing another table", kSingle, kBeds, {}, nextTable, {}, ""},
        {"Previous Inn and back", kSingle, kBeds, [&] { generate(); }, previousAndBack, {}, ""},
        {"Next Inn and back", kSingle, kBeds, generateAndGoBack, nextAndBack, {}, ""},
        {"the kept session, with no command", kSingle, kBeds, keepSession, {}, keptSession, keptBeds.c_str()},
        {"the kept session, as the desktop ends the program", kSingle, kBeds, keepSession, endBySignal, keptSession,
         keptBeds.c_str()},
        {"Keep This Inn, into the starred inns", kSingle, kBeds, keepSession, keepInn, starredInns, keptBeds.c_str()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        openWindow();
        window->usePrinter(std::make_unique<RecordingPrinter>(printed));
        auto* grid = find<QTableWidget>(names::roomGrid);
        if (row.before)
            row.before();
        test::doubleClick(grid, grid->model()->index(row.row, row.column));
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_TRUE(editor != nullptr && grid->isAncestorOf(editor));
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

// An edit given up with Escape is given up whenever it is pressed: after the
// session kept what was typed, the cell or the scene, the inn and the
// session come back to what they held before the edit.
TEST_F(MainWindowTest, EscapeGivesUpAnEditTheSessionKeptAlready)
{
    struct Row {
        const char* control;
        Qt::Key start;
        const char* typed;
        const char* kept;  // what the session holds of the typing
    };
    const Row rows[] = {
        {names::roomGrid, Qt::Key_Return, "4321", "\"single\":{\"beds\":4321,"},
        {names::barSceneList, Qt::Key_F2, "A goat is loose", "A goat is loose"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control);
        openWindow();
        const std::filesystem::path session = dir.path() / row.control;
        window->keepInnsIn(session, dir.path() / "kept-inns.jsonl");
        const InnSheet before = sheet();
        auto* view = find<QAbstractItemView>(row.control);
        view->setFocus();
        const QString shown = view->currentIndex().data().toString();
        test::pressAtFocus(row.start);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(row.typed));
        const auto holdsTheTyping = [&](const std::string& kept) { return kept.find(row.kept) != std::string::npos; };
        test::waitForFile(test::windowSessionFiles(session), holdsTheTyping);

        test::pressAtFocus(Qt::Key_Escape);
        EXPECT_EQ(view->currentIndex().data().toString(), shown);
        EXPECT_TRUE(window->shownInn() == before);
        EXPECT_FALSE(holdsTheTyping(test::waitForFile(test::windowSessionFiles(session), std::not_fn(holdsTheTyping))));
    }
}

// Ctrl+Shift+N opens the notes with the focus in their box; what is typed
// reaches the starred inns as typing does, and Ctrl+Return or OK writes it
// to the session and the starred inns before the window closes, while
// Escape gives it up there too.
TEST_F(MainWindowTest, TheNotesWindowKeepsWithCtrlReturnAndGivesUpWithEscape)
{
    const std::string typing = "\"notes\":\"Session 12\\nthe smugglers' contact";
    const std::string kept = typing + " (Ida)\"";
    struct Row {
        const char* name;
        std::function<void(InnNotesDialog*)> close;
        bool keeps;
    };
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        return [key, modifiers](InnNotesDialog*) { QTest::keyClick(QApplication::focusWidget(), key, modifiers); };
    };
    const auto clickOk = [](InnNotesDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(names::notesOkButton)), Qt::LeftButton);
    };
    const Row rows[] = {
        {"Ctrl+Return", press(Qt::Key_Return, Qt::ControlModifier), true},
        {"OK", clickOk, true},
        {"Escape", press(Qt::Key_Escape, Qt::NoModifier), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openWindow();
        const std::filesystem::path session = dir.path() / row.name;
        const std::filesystem::path starred = session / "kept-inns.jsonl";
        window->keepInnsIn(session, starred);
        QWidget* generate = find<QWidget>(names::generateButton);
        QTest::keyClick(generate, Qt::Key_D, Qt::ControlModifier);
        const auto starredFile = [&] { return std::vector{starred}; };
        const auto holds = [](const std::string& notes) {
            return [notes](const std::string& file) { return file.find(notes) != std::string::npos; };
        };
        test::ModalHandler handler({test::answerWindow<InnNotesDialog>([&](InnNotesDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle().toStdString(), "Notes on " + sheet().innName);
            QWidget* box = QApplication::focusWidget();
            ASSERT_EQ(box, dialog->findChild<QPlainTextEdit*>(QString::fromLatin1(names::notesEdit)));
            QTest::keyClicks(box, "Session 12");
            QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClicks(box, "the smugglers' contact");
            test::waitForFile(starredFile, holds(typing));
            QTest::keyClicks(box, " (Ida)");
            row.close(dialog);
        })});
        QTest::keyClick(generate, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(handler.allAnswered());
        EXPECT_EQ(sheet().notes, row.keeps ? "Session 12\nthe smugglers' contact (Ida)" : "");
        EXPECT_EQ(find<QAction>(names::notesAction)->isChecked(), row.keeps);
        if (row.keeps) {
            EXPECT_TRUE(holds(kept)(contents(starred))) << "written before the window closed";
            EXPECT_TRUE(holds(kept)(contents(test::windowSessionFiles(session)().at(0))));
        }
        const auto keptAsLeft = [&](const std::string& file) { return holds(typing)(file) == row.keeps; };
        EXPECT_EQ(holds(typing)(test::waitForFile(starredFile, keptAsLeft)), row.keeps);
    }
}

// The notes keep every character the box shows other than it is where the
// user does not type, whatever they type elsewhere, and the window says so
// before the edit.
TEST_F(MainWindowTest, NotesKeepTheBytesOfWhatWasNotTyped)
{
    // A no-break space, a byte that is no UTF-8, CR LF, CR, U+2028, U+2029,
    // a frame mark, a control character and a character of two halves.
    const std::string tail = "third\u2028fourth\u2029fifth\uFDD0\x01\U0001F37A";
    const std::string notes = "Old\u00a0Tom\xff\r\nsecond\r" + tail;
    const auto keys = [](std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> pressed) {
        return [pressed](QWidget* box) {
            for (const auto& [key, modifiers] : pressed)
                QTest::keyClick(box, key, modifiers);
        };
    };
    const auto text = [](const char* typed) {
        return [typed](QWidget* box) {
            for (const QChar c : QString::fromUtf8(typed))
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, c, Qt::NoModifier);
        };
    };
    const auto both = [](auto first, auto then) {
        return [first, then](QWidget* box) {
            first(box);
            then(box);
        };
    };
    struct Row {
        const char* name;
        std::function<void(QWidget* box)> edit;
        std::string kept;
    };
    const Row rows[] = {
        {"a letter at the end", text("!"), notes + "!"},
        {"a letter at the start", both(keys({{Qt::Key_Home, Qt::ControlModifier}}), text("!")), "!" + notes},
        {"a letter at either end",
         both(both(keys({{Qt::Key_Home, Qt::ControlModifier}}), text("A")),
              both(keys({{Qt::Key_End, Qt::ControlModifier}}), text("Z"))),
         "A" + notes + "Z"},
        {"typed and taken back", both(text("x"), keys({{Qt::Key_Backspace, {}}})), notes},
        {"a line end taken away",
         keys({{Qt::Key_Home, Qt::ControlModifier}, {Qt::Key_Down, {}}, {Qt::Key_Backspace, {}}}),
         "Old\u00a0Tom\xffsecond\r" + tail},
        {"a new line before a CR",
         keys({{Qt::Key_Home, Qt::ControlModifier}, {Qt::Key_Down, {}}, {Qt::Key_End, {}}, {Qt::Key_Return, {}}}),
         "Old\u00a0Tom\xff\r\nsecond\n\r" + tail},
        {"the character of two halves taken away", keys({{Qt::Key_Backspace, {}}}), notes.substr(0, notes.size() - 4)},
        {"a line end of Shift+Return", both(keys({{Qt::Key_Return, Qt::ShiftModifier}}), text("x")), notes + "\nx"},
        {"a no-break space typed", text("\u00a0"), notes + "\u00a0"},
        {"all typed over", both(keys({{Qt::Key_A, Qt::ControlModifier}}), text("new")), "new"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        InnNotesDialog dialog("The Blind Promise", notes, window.get());
        dialog.show();
        auto* box = dialog.findChild<QPlainTextEdit*>(QString::fromLatin1(names::notesEdit));
        EXPECT_EQ(dialog.typedNotes(), std::nullopt);
        row.edit(box);
        EXPECT_EQ(dialog.typedNotes(), row.kept);
    }
    const std::pair<std::string, const char*> shownDifferently[] = {
        {notes, "line ends of other kinds (CR, CR LF, U+2028) as plain ones, bytes that are no UTF-8 as \uFFFD and "
                "control characters as best it can"},
        {"Owes\u00a0us \U0001F37A\nlast", nullptr},
    };
    for (const auto& [held, note] : shownDifferently) {
        InnNotesDialog dialog("The Blind Promise", held, window.get());
        dialog.show();
        auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(names::notesShownDifferentlyLabel));
        EXPECT_EQ(label->isVisible(), note != nullptr);
        if (note != nullptr) {
            EXPECT_THAT(label->text().toStdString(), HasSubstr(note));
        }
    }
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
        test::typeIntoFileDialog(dir.path() / "first", -1,
                                 [&](QFileDialog* dialog) {
                                     filters = dialog->nameFilters();
                                     EXPECT_EQ(dialog->defaultSuffix(), "txt");
                                     EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
                                     EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
                                 }),
        test::cancelFileDialog([&](QFileDialog* dialog) { offered = dialog->selectedFiles().value(0); }),
    });
    QAction* save = window->findChild<QAction*>(QString::fromLatin1(names::saveAction));
    save->trigger();
    save->trigger();
    EXPECT_EQ(filters, QStringList("Text files (*.txt)"));
    EXPECT_TRUE(std::filesystem::exists(file)) << "the default suffix is added";
    EXPECT_EQ(offered.toStdString(), file.string());
}

TEST_F(MainWindowTest, CopyInnPutsTheSavedTextWithLfAndTheMarkdownOnTheClipboard)
{
    QTest::keyClicks(find<QLineEdit>(names::innNameEdit), " Copied");
    auto* menu = find<QPlainTextEdit>(names::menuEdit);
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
        {"chosen", 1, "chosen.inn.json", ExportFormat::Json},
        {"remembered", -1, "remembered.inn.json", ExportFormat::Json},
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
        EXPECT_EQ(writeThrough(*window, names::exportAction, dir.path() / row.typed, row.fileType), std::nullopt)
            << row.typed;
        // A PDF holds the time it was made; its text is read back by the printing tests.
        if (row.format == ExportFormat::Pdf) {
            EXPECT_THAT(contents(written), StartsWith("%PDF-")) << row.written;
        } else {
            EXPECT_EQ(contents(written), exportedInn(row.format, sheet(), {1, 2026}).value()) << row.written;
        }
    }
    EXPECT_EQ(test::entries(dir.path()),
              (std::vector<std::string>{"another.txt", "chosen.inn.json", "notes.md", "other.txt", "plain.md",
                                        "printed.pdf", "remembered.inn.json", "sheet.pdf", "typed.JSON", "typed.md"}));
}

// The players' card leaves out what the players may not see.
TEST_F(MainWindowTest, ExportHandoutWritesTheSheetOrThePlayersCard)
{
    const struct {
        const char* typed;
        int fileType;
        bool withScene;
        std::size_t particulars;  // how often the inn's first line is printed
    } rows[] = {{"sheet", 0, true, 1}, {"card", 1, false, 1}, {"both", 2, true, 2}};
    for (const auto& row : rows) {
        EXPECT_EQ(writeThrough(*window, names::exportHandoutAction, dir.path() / row.typed, row.fileType),
                  std::nullopt);
        const std::string text =
            test::squeeze(test::PdfDocument(dir.path() / (row.typed + std::string(".pdf"))).text());
        const std::string runBy = test::squeeze(sheet().innName + " is run by " + sheet().landlordName);
        std::size_t printed = 0;
        for (std::size_t at = text.find(runBy); at != std::string::npos; at = text.find(runBy, at + 1))
            ++printed;
        EXPECT_EQ(printed, row.particulars) << row.typed;
        EXPECT_EQ(text.find(test::squeeze(sheet().barScene)) != std::string::npos, row.withScene) << row.typed;
    }
}

TEST_F(MainWindowTest, ExportAndSaveEachOfferTheirOwnLastPath)
{
    const std::filesystem::path saved = dir.path() / "saved.txt";
    const std::filesystem::path exported = dir.path() / "exported.json";
    ASSERT_EQ(saveTo(saved), std::nullopt);
    ASSERT_EQ(writeThrough(*window, names::exportAction, exported, 1), std::nullopt);
    std::map<std::string, std::pair<QString, QString>> offered;  // by command: name and file type
    for (const char* action : {names::saveAction, names::exportAction}) {
        test::ModalHandler handler({test::cancelFileDialog([&](QFileDialog* dialog) {
            offered[action] = {dialog->selectedFiles().value(0), dialog->selectedNameFilter()};
        })});
        window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    EXPECT_EQ(offered[names::saveAction].first.toStdString(), saved.string());
    EXPECT_EQ(offered[names::exportAction].first.toStdString(), (dir.path() / (sheet().innName + ".inn.json")).string())
        << "the inn's name in the folder of the last export";
    EXPECT_EQ(offered[names::exportAction].second, "JSON (*.json)");
}

// A failed export keeps the old file whole, like a failed save.
TEST_F(MainWindowTest, ExportErrorsShowTheErrorBoxAndKeepTheOldFile)
{
    const std::filesystem::path file = dir.path() / "inn.json";
    std::ofstream(file) << "old";
    {
        const test::FullDisk full(100);
        EXPECT_EQ(writeThrough(*window, names::exportAction, file), "Stream write error: File too large.");
    }
    EXPECT_EQ(contents(file), "old");
    EXPECT_EQ(test::entries(dir.path()), std::vector<std::string>{"inn.json"});
}

// Alt+Left and Alt+Right step through the inns of the run, with the focus
// wherever it is, and the menu items are enabled where there is a step.
// What the desk steps to, the window shows: the form, the table chosen, and
// Previous and Next Inn as they apply; by their shortcuts from any control.
TEST_F(MainWindowTest, PreviousAndNextInnShowEachStepOfTheHistory)
{
    enum Action { Generate, Previous, Next, EditName, ChooseTable, RerollPatron, FleshOutPatron, FleshOutTable };
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
        {"back", Previous, 1, false, true},
        {"forward", Next, 2, true, false},
        {"an edit there, kept by the step back", EditName, 2, true, false},
        {"back", Previous, 1, false, true},
        {"forward to the edited second", Next, 2, true, false},
        {"a patron drawn again from the shown table", RerollPatron, 3, true, false},
        {"back: the table as it was before the patron", Previous, 2, true, true},
        {"Edit > Flesh Out Patron, by its key", FleshOutPatron, 4, true, true},
        {"Edit > Flesh Out Table, by its key", FleshOutTable, 5, true, true},
        {"back: the one patron fleshed out", Previous, 4, true, true},
    };
    auto* previous = find<QAction>(names::previousInnAction);
    auto* next = find<QAction>(names::nextInnAction);
    auto* name = find<QLineEdit>(names::innNameEdit);
    auto* lines = find<QPlainTextEdit>(names::tableLinesEdit);
    const auto cursorOnFirstPatron = [lines] {
        lines->setFocus();
        lines->moveCursor(QTextCursor::Start);
        lines->moveCursor(QTextCursor::NextBlock);
        return lines->textCursor().block().text();
    };
    const auto chooseFromEditMenu = [this](Qt::Key key) {
        QTest::keyClick(window.get(), Qt::Key_E, Qt::AltModifier);
        QTest::keyClick(QApplication::activePopupWidget(), key);
    };
    std::map<int, InnSheet> inns;
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
            QTest::keyClick(find<QComboBox>(names::tableChoice), Qt::Key_Down);
            break;
        case RerollPatron: {
            const QString patron = cursorOnFirstPatron();
            QTest::keyClick(lines, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
            EXPECT_NE(lines->textCursor().block().text(), patron);
            EXPECT_EQ(lines->textCursor().blockNumber(), 1) << "the cursor stays on the line";
            break;
        }
        case FleshOutPatron: {
            const QString patron = cursorOnFirstPatron();
            chooseFromEditMenu(Qt::Key_P);
            EXPECT_EQ(lines->document()->findBlockByNumber(1).text(), patron);
            EXPECT_TRUE(lines->document()->findBlockByNumber(2).text().startsWith("    "));
            EXPECT_EQ(lines->textCursor().blockNumber(), 1) << "the cursor stays on the patron";
            break;
        }
        case FleshOutTable:
            chooseFromEditMenu(Qt::Key_A);
            EXPECT_FALSE(find<QAction>(names::fleshOutTableAction)->isEnabled()) << "no patron left to flesh out";
            break;
        }
        if (row.action != Previous && row.action != Next)
            inns[row.shown] = window->shownInn();
        // Whole inns in a failure message would bury it.
        EXPECT_TRUE(window->shownInn() == inns[row.shown]);
        EXPECT_EQ(name->text().toStdString(), inns[row.shown].innName);
        EXPECT_EQ(find<QComboBox>(names::tableChoice)->currentIndex(), inns[row.shown].chosenTable);
        EXPECT_EQ(previous->isEnabled(), row.previous);
        EXPECT_EQ(next->isEnabled(), row.next);
    }
    EXPECT_THAT(inns[2].innName, testing::EndsWith(" Reborn"));
    EXPECT_EQ(inns[1].chosenTable, 1);
}

// The table commands apply to what they act on, the shown table and the
// line at its box's cursor, wherever the focus is and however the Edit menu
// is opened; one that cannot apply says why. Whatever the commands are named,
// each item of a menu has a key of its own.
TEST_F(MainWindowTest, TheTableCommandsFollowTheShownTableNotTheFocus)
{
    auto* lines = find<QPlainTextEdit>(names::tableLinesEdit);
    auto* name = find<QLineEdit>(names::innNameEdit);
    auto* rerollTable = find<QAction>(names::rerollTableAction);
    auto* rerollPatron = find<QAction>(names::rerollPatronAction);
    const auto cursorToLine = [&](int line) {
        lines->moveCursor(QTextCursor::Start);
        for (int down = 0; down < line; ++down)
            lines->moveCursor(QTextCursor::NextBlock);
        name->setFocus();
    };
    const auto pinLine = [&] { QTest::keyClick(name, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier); };
    const int action = static_cast<int>(sheet().shownTableLines.size()) - 2;
    struct Row {
        const char* name;
        std::function<void()> before;
        bool rerolls;
        const char* why;  // how the tooltip of Re-roll Patron starts
    };
    const Row rows[] = {
        {"after start-up, with the focus on Generate", [] {}, false, "Put the cursor"},
        {"the cursor on a patron, the focus on the name", [&] { cursorToLine(1); }, true, "Draws the patron"},
        {"the Edit menu opened by Alt+E", [&] { QTest::keyClick(window.get(), Qt::Key_E, Qt::AltModifier); }, true,
         "Draws the patron"},
        {"the menu closed, the cursor on the heading",
         [&] {
             QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
             cursorToLine(0);
         },
         false, "Put the cursor"},
        {"the cursor on what they are doing", [&] { cursorToLine(action); }, true, "Draws again what"},
        {"that line pinned", pinLine, false, "The line at the cursor is pinned"},
        {"and unpinned", pinLine, true, "Draws again what"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.before();
        EXPECT_TRUE(rerollTable->isEnabled());
        EXPECT_EQ(rerollPatron->isEnabled(), row.rerolls);
        EXPECT_TRUE(rerollPatron->toolTip().startsWith(row.why));
        for (QAction* menu : window->menuBar()->actions()) {
            QStringList keys;
            for (const QAction* item : menu->menu()->actions())
                if (!item->isSeparator())
                    keys.append(QKeySequence::mnemonic(item->text()).toString());
            const std::string listed = keys.join(", ").toStdString();
            EXPECT_EQ(keys.removeDuplicates(), 0) << menu->text().toStdString() << ": " << listed;
        }
    }
    // The shortcuts from the name's field: the table, then the patron at the
    // cursor drawn again and fleshed out, then the rest of the table.
    const InnSheet before = sheet();
    QTest::keyClick(name, Qt::Key_R, Qt::ControlModifier);
    EXPECT_NE(sheet().shownTableLines, before.shownTableLines);
    const std::string heading(sheet().shownTableLines[0]), patron(sheet().shownTableLines[1]);
    cursorToLine(1);
    QTest::keyClick(name, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(sheet().shownTableLines[0], heading);
    EXPECT_NE(sheet().shownTableLines[1], patron);
    const std::string drawn(sheet().shownTableLines[1]);
    QTest::keyClick(name, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(sheet().shownTableLines[1], drawn);
    EXPECT_THAT(std::string(sheet().shownTableLines[2]), StartsWith("    "));
    QTest::keyClick(name, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(find<QAction>(names::fleshOutTableAction)->isEnabled()) << "no patron left to flesh out";
}

// Pin Line acts on the line at the cursor of the box the user was last in,
// from the Edit menu, its shortcut or a box's own menu, which makes its box
// the last used and, from a right-click, its line the one clicked: the line
// is tinted, named in its box's accessible description and kept through
// Generate.
TEST_F(MainWindowTest, PinLineMarksAndKeepsTheLineAtTheCursorOfTheBoxLastUsed)
{
    auto* lines = find<QPlainTextEdit>(names::tableLinesEdit);
    auto* menu = find<QPlainTextEdit>(names::menuEdit);
    auto* scene = find<QListWidget>(names::barSceneList);
    auto* pin = find<QAction>(names::pinLineAction);
    EXPECT_EQ(pin->text().remove('&'), "Pin Line");
    lines->moveCursor(QTextCursor::Start);
    lines->moveCursor(QTextCursor::NextBlock);
    const QString patron = lines->textCursor().block().text();
    const QTextBlock dish = menu->document()->findBlockByNumber(2);
    const struct {
        const char* name;
        QAbstractScrollArea* box;
        QContextMenuEvent::Reason reason;
        QPoint at;
        QString line;
    } rows[] = {
        {"the table box's, from the keyboard", lines, QContextMenuEvent::Keyboard, lines->cursorRect().center(),
         patron},
        {"a right-click on a dish", menu, QContextMenuEvent::Mouse, menu->cursorRect(QTextCursor(dish)).center(),
         dish.text()},
        {"a right-click on the scene", scene, QContextMenuEvent::Mouse, scene->visualItemRect(scene->item(0)).center(),
         scene->item(0)->text()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::chooseFromContextMenu(row.box, row.reason, row.at, pin);
        EXPECT_EQ(pin->text().remove('&'), "Unpin Line");
        EXPECT_EQ(row.box->accessibleDescription(), "Pinned: " + row.line);
    }
    // A menu line, by the shortcut from the menu box, once the window has the focus back from the popup.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    menu->setFocus();
    menu->moveCursor(QTextCursor::Start);
    menu->moveCursor(QTextCursor::NextBlock);
    QTRY_VERIFY_WITH_TIMEOUT(pin->toolTip().contains("menu"), 20000);
    QTest::keyClick(menu, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(menu->extraSelections().size(), 2);
    generate();
    EXPECT_THAT(joinLines(sheet().tableText), HasSubstr(patron.toStdString()));
    EXPECT_EQ(lines->extraSelections().size(), 1);
    EXPECT_EQ(menu->extraSelections().size(), 2);
    EXPECT_EQ(sheet().barScene, rows[2].line.toStdString());
}

// Edit > History… lists the inns newest first, starred or shown, narrows the
// list as the user types, deletes any but the shown one until Undo, and
// shows the inn chosen; a starred inn comes back in a window of a later run.
TEST_F(MainWindowTest, TheHistoryListFindsDeletesAndShowsAnyKeptInn)
{
    const std::filesystem::path starred = dir.path() / "kept-inns.jsonl";
    window->keepInnsIn(dir.path() / "state", starred);
    auto* name = find<QLineEdit>(names::innNameEdit);
    std::vector<std::string> names = {sheet().innName};  // by the order made
    for (int inn = 2; inn <= 3; ++inn) {
        generate();
        names.push_back(sheet().innName);
    }
    QTest::keyClick(name, Qt::Key_Left, Qt::AltModifier);
    QTest::keyClick(name, Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_Right, Qt::AltModifier);
    find<QPlainTextEdit>(names::tableLinesEdit)->moveCursor(QTextCursor::End);
    QTest::keyClicks(find<QPlainTextEdit>(names::tableLinesEdit), " Zyxquorb");
    const auto list = [](QWidget* dialog) {
        QStringList rows;
        const QAbstractItemModel* shown =
            dialog->findChild<QTreeView*>(QString::fromLatin1(names::historyList))->model();
        for (int row = 0; row < shown->rowCount(); ++row)
            rows.append(shown->index(row, 0).data().toString() + shown->index(row, 1).data().toString() +
                        (shown->index(row, 1).data(Qt::FontRole).value<QFont>().bold() ? "*" : ""));
        return rows;
    };
    const auto status = [](QWidget* dialog) {
        return dialog->findChild<QLabel*>(QString::fromLatin1(names::historyStatusLabel))->text().toStdString();
    };
    const auto key = [](QWidget* dialog, const char* control, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        auto* focused = dialog->findChild<QWidget*>(QString::fromLatin1(control));
        focused->setFocus();
        QTest::keyClick(focused, key, modifiers);
    };
    const QString first = QString::fromStdString(names[0]), second = QString::fromStdString(names[1]),
                  third = QString::fromStdString(names[2]);
    std::optional<test::ModalHandler> handler(
        std::in_place,
        std::deque<test::ModalHandler::Answer>{test::answerWindow<InnHistoryDialog>([&](InnHistoryDialog* dialog) {
            EXPECT_EQ(list(dialog), QStringList({third + "*", "★" + second, first})) << "newest first";
            QTest::keyClicks(dialog->findChild<QLineEdit*>(QString::fromLatin1(names::historyFilterEdit)),
                             QString::fromStdString(window->generator().sheet().landlordName));
            EXPECT_THAT(list(dialog), testing::Contains(third + "*"));
            key(dialog, names::historyFilterEdit, Qt::Key_A, Qt::ControlModifier);
            key(dialog, names::historyFilterEdit, Qt::Key_Backspace);
            key(dialog, names::historyList, Qt::Key_Delete);
            EXPECT_EQ(status(dialog), "The inn shown now cannot be deleted: show another first");
            const std::deque enter = {
                test::answerWindow<QMessageBox>([](auto* box) { QTest::keyClick(box, Qt::Key_Return); })};
            const std::tuple<const char*, QString, QKeySequence, std::deque<test::ModalHandler::Answer>, std::string>
                steps[] = {
                    {"a word typed at a table, in another case", "ZYXQUORB", {}, {}, "1 of 3 inns"},
                    {"no inn holds the words", " goat", {}, {}, "No inn holds “ZYXQUORB goat”."},
                    {"Delete before the filter's end", "", {"Left,Delete"}, {}, "No inn holds “ZYXQUORB goa”."},
                    {"Delete at its end", "", {"Ctrl+A,Backspace,Delete"}, {}, "The inn shown now"},
                    {"Enter keeps a starred inn", "", {"Down,Delete"}, enter, "“" + names[1] + "” stays, starred."},
                    {"Yes deletes it", "", {"Delete"}, {test::clickInMessageBox(QMessageBox::Yes)}, "Deleted “"},
                    {"Ctrl+Z in the filter", "", {"Ctrl+Z"}, {}, "Back: “" + names[1]},
                };
            auto* filter = dialog->findChild<QLineEdit*>(QString::fromLatin1(names::historyFilterEdit));
            for (const auto& [what, typed, keys, answers, told] : steps) {
                // The offscreen screen gives no window its activation back when a question closes.
                dialog->activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
                filter->setFocus();
                const test::ModalHandler asked(answers);
                QTest::keyClicks(filter, typed);
                QTest::keySequence(filter, keys);
                EXPECT_TRUE(asked.allAnswered()) << what;
                EXPECT_THAT(status(dialog), StartsWith(told)) << what;
            }
            key(dialog, names::historyList, Qt::Key_End);
            key(dialog, names::historyList, Qt::Key_Delete);
            EXPECT_THAT(status(dialog), StartsWith("Deleted “" + names[0] + "”, run by "));
            EXPECT_EQ(list(dialog), QStringList({third + "*", "★" + second}));
            dialog->findChild<QPushButton*>(QString::fromLatin1(names::historyUndoButton))->click();
            EXPECT_EQ(list(dialog).size(), 3);
            key(dialog, names::historyList, Qt::Key_Delete);
            key(dialog, names::historyList, Qt::Key_Return);
        })});
    QTest::keyClick(name, Qt::Key_H, Qt::ControlModifier);
    ASSERT_TRUE(handler->allAnswered());
    handler.reset();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(sheet().innName, names[1]) << "the inn chosen";
    auto* keep = window->findChild<QAction*>(QString::fromLatin1(names::keepInnAction));
    EXPECT_TRUE(keep->isChecked());
    EXPECT_EQ(window->windowTitle(), "Brewick \u2605") << "a starred inn shown";
    EXPECT_FALSE(window->findChild<QAction*>(QString::fromLatin1(names::previousInnAction))->isEnabled())
        << "the first inn is gone";
    QTest::keyClick(name, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(sheet().innName, names[2]);
    EXPECT_FALSE(keep->isChecked());
    EXPECT_EQ(window->windowTitle(), "Brewick");

    // The next run's window restores its session, its damaged line aside,
    // says so once, and lists the session's inn and the starred one.
    window->close();
    std::string restored;
    InnSheet inn = sheet();
    inn.innName = "The Restored";
    JsonFormat().append(inn, {1, 1}, restored);
    restored.pop_back();
    std::string older;
    inn.innName = "The Older";
    JsonFormat().append(inn, {1, 1}, older);
    older.pop_back();
    // Made last, the restored inn heads the list.
    std::filesystem::create_directories(dir.path() / "later");
    std::ofstream(dir.path() / "later" / "session.jsonl", std::ios::binary)
        << "{\"brewickSession\":2}\n{\"entry\":\"r-0\",\"made\":9999999999998,\"changed\":1,\"inn\":" << older
        << "}\n{\"inn\":\n{\"entry\":\"r-1\",\"made\":9999999999999,\"changed\":1,\"inn\":" << restored << "}\n";
    std::string told;
    test::ModalHandler later(
        {test::clickInMessageBox(QMessageBox::Ok, [&](QMessageBox* box) { told = box->text().toStdString(); }),
         test::answerWindow<InnHistoryDialog>([&](InnHistoryDialog* dialog) {
             EXPECT_EQ(
                 dialog->findChild<QTreeView*>()->currentIndex().siblingAtColumn(1).data().toString().toStdString(),
                 "The Older");
             EXPECT_THAT(list(dialog), testing::Contains("The Restored"));
             EXPECT_THAT(list(dialog), testing::Contains("★" + second));
             key(dialog, names::historyList, Qt::Key_End);
             key(dialog, names::historyList, Qt::Key_Return);
         })});
    window = std::make_unique<MainWindow>(4711, dir.path() / "BarScenes.txt");
    window->keepInnsIn(dir.path() / "later", starred);
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !told.empty(); }));
    EXPECT_THAT(told, StartsWith("1 inn of the last session could not be read; the text that could not be read is "
                                 "kept in " +
                                 (dir.path() / "later").string() + "/session.jsonl.lines-not-read"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // The window shows its own first inn; a step back, the last inn made
    // before it, then the one made before that.
    name = find<QLineEdit>(names::innNameEdit);
    EXPECT_NE(sheet().innName, "The Restored");
    for (const char* back : {"The Restored", "The Older"}) {
        QTest::keyClick(name, Qt::Key_Left, Qt::AltModifier);
        EXPECT_EQ(sheet().innName, back);
    }
    QTest::keyClick(name, Qt::Key_H, Qt::ControlModifier);
    ASSERT_TRUE(later.allAnswered());
    EXPECT_EQ(sheet().innName, names[1]);
}

// Several inns chosen in the history list: Delete asks once for the starred
// among them, passes over the shown one and Undo brings every one back;
// "Export Handout…" hands on the inns chosen in the list's order. An inn
// with notes is marked.
TEST_F(MainWindowTest, TheHistoryListTakesSeveralInnsAtOnce)
{
    window->keepInnsIn(dir.path() / "state", dir.path() / "kept-inns.jsonl");
    std::vector<std::string> names = {sheet().innName};  // by the order made
    for (int inn = 2; inn <= 4; ++inn) {
        generate();
        names.push_back(sheet().innName);
    }
    auto* name = find<QLineEdit>(names::innNameEdit);
    // The second and third inns starred.
    for (const auto& [key, modifier] : {std::pair{Qt::Key_Left, Qt::AltModifier},
                                        {Qt::Key_D, Qt::ControlModifier},
                                        {Qt::Key_Left, Qt::AltModifier},
                                        {Qt::Key_D, Qt::ControlModifier},
                                        {Qt::Key_Right, Qt::AltModifier},
                                        {Qt::Key_Right, Qt::AltModifier}})
        QTest::keyClick(name, key, modifier);
    window->desk().shownSheet().notes = "Owes the Thieves' Guild";
    window->desk().chooseLineBox(LineBox::Scene);
    window->desk().togglePin();
    const auto answer = [&](const std::function<void(InnHistoryDialog*, QTreeView*, QLabel*)>& inList,
                            std::deque<test::ModalHandler::Answer> then = {}) {
        then.push_front(test::answerWindow<InnHistoryDialog>([&](InnHistoryDialog* dialog) {
            inList(dialog, dialog->findChild<QTreeView*>(QString::fromLatin1(names::historyList)),
                   dialog->findChild<QLabel*>(QString::fromLatin1(names::historyStatusLabel)));
        }));
        const test::ModalHandler handler(std::move(then));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(name, Qt::Key_H, Qt::ControlModifier);
        EXPECT_TRUE(handler.allAnswered());
    };
    answer(
        [&](InnHistoryDialog* dialog, QTreeView* list, QLabel* status) {
            const QAbstractItemModel* rows = list->model();
            ASSERT_EQ(rows->rowCount(), 4);
            for (int row = 0; row < 4; ++row)
                EXPECT_EQ(rows->index(row, 2).data(Qt::AccessibleTextRole), row == 0 ? "has notes" : "no notes");
            EXPECT_EQ(rows->index(0, 1).data().toString().toStdString(),
                      names[3] + " \u2014 Pinned: " + sheet().barScene);
            EXPECT_EQ(rows->index(1, 1).data().toString().toStdString(), names[2]) << "pinned on another inn";
            auto* filter = dialog->findChild<QLineEdit*>(QString::fromLatin1(names::historyFilterEdit));
            QTest::keyClicks(filter, "GUILD");
            EXPECT_EQ(status->text().toStdString(), "1 of 4 inns") << "the notes searched";
            filter->clear();
            list->setFocus();
            const test::ModalHandler asked({test::clickInMessageBox(QMessageBox::Yes, [](QMessageBox* box) {
                EXPECT_THAT(box->text().toStdString(), StartsWith("2 of the inns chosen are starred."));
            })});
            QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(list, Qt::Key_Delete);
            EXPECT_TRUE(asked.allAnswered()) << "one question for both starred inns";
            EXPECT_EQ(status->text().toStdString(), "Deleted 3 inns; the inn shown now stays. Undo brings them back.");
            EXPECT_EQ(rows->rowCount(), 1);
            dialog->findChild<QPushButton*>(QString::fromLatin1(names::historyUndoButton))->click();
            EXPECT_EQ(status->text().toStdString(), "Back: 3 inns.");
            EXPECT_EQ(rows->rowCount(), 4);
            // Chosen from the bottom up, handed on from the top down.
            list->selectionModel()->select(rows->index(3, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            list->selectionModel()->select(rows->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
            dialog->findChild<QPushButton*>(QString::fromLatin1(names::historyHandoutButton))->click();
        },
        {test::typeIntoFileDialog(dir.path() / "handout.pdf")});
    const std::string handout = test::PdfDocument(dir.path() / "handout.pdf").text();
    ASSERT_NE(handout.find(names[0]), std::string::npos);
    EXPECT_LT(handout.find(names[2]), handout.find(names[0]));
    answer([](InnHistoryDialog*, QTreeView* list, QLabel*) {
        EXPECT_EQ(list->model()->rowCount(), 4) << "nothing was deleted";
        QTest::keyClick(list, Qt::Key_Escape);
    });
}

// Opening more inns than the history has room for asks first, saying how
// many of the oldest would go; the user may cancel. (How many go, and when
// the desk asks, its own tests show.)
TEST_F(MainWindowTest, OpeningInnsThatDropOthersAsksFirst)
{
    struct Row {
        const char* name;
        std::size_t inns;
        QMessageBox::ButtonRole answer;
        bool opened;
    };
    const Row rows[] = {
        {"one more, cancelled", kMostKeptInns, QMessageBox::RejectRole, false},
        {"one more, opened", kMostKeptInns, QMessageBox::AcceptRole, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openWindow();
        const std::string before = sheet().innName;
        InnSheet inn = sheet();
        std::string file;
        for (std::size_t number = 1; number <= row.inns; ++number) {
            inn.innName = "Opened " + std::to_string(number);
            JsonFormat().append(inn, {1, 1}, file);
        }
        const std::filesystem::path path = dir.path() / "many.jsonl";
        std::ofstream(path, std::ios::binary) << file;
        std::string asked;
        const test::ModalHandler handler({test::answerWindow<QMessageBox>([&](QMessageBox* question) {
            asked = question->text().toStdString();
            for (QAbstractButton* button : question->buttons())
                if (question->buttonRole(button) == row.answer)
                    button->click();
        })});
        QSignalSpy opened(&window->desk(), &InnDesk::innFilesOpened);
        window->openInnFiles({path});
        ASSERT_TRUE(opened.wait(20000));
        EXPECT_TRUE(handler.allAnswered());
        EXPECT_THAT(asked, StartsWith("Opening " + std::to_string(row.inns) + " inns drops the 1 oldest inns"));
        EXPECT_EQ(sheet().innName, row.opened ? "Opened 1" : before);
    }
}

// Two problems with the word lists at start come in one box, a blank line
// apart, and the window comes up. (Following the folder is the desk's.)
TEST(WordListWindow, ProblemsAtStartShareOneBox)
{
    const test::TempDir dir;
    const std::filesystem::path words = dir.path() / "words";
    std::filesystem::create_directory(words);
    for (const char* misspelt : {"rcaes.txt", "rcaes2.txt"})
        std::ofstream(words / misspelt) << "elven\n";
    std::string told;
    const test::ModalHandler handler({test::readTheErrorBox(told)});  // a second box would be unexpected
    MainWindow window(5, dir.path() / "BarScenes.txt", words);
    const auto misspelt = [&](const char* name) {
        return "Cannot use word list " + (words / name).string() +
               ": no word list has this name; README.txt names them all.";
    };
    EXPECT_EQ(told, misspelt("rcaes.txt") + "\n\n" + misspelt("rcaes2.txt"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(handler.allAnswered());
}

// The window and brewick-batch make the same inns from the same seed: after
// start-up and K presses of "Generate" the saved and the exported files are
// the batch's inn K+1 in each format.
TEST(WindowAndBatch, SavedAndExportedInnsEqualTheBatchInnOfTheSameSeed)
{
    test::TempDir dir;
    const std::filesystem::path sceneFile = dir.path() / "BarScenes.txt";
    std::ofstream(sceneFile, std::ios::binary) << "A scene of our own\r\nAnother one\r\n";
    MainWindow window(4242, sceneFile);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    constexpr int kPresses = 3;
    for (int press = 0; press < kPresses; ++press)
        window.findChild<QPushButton*>(QString::fromLatin1(names::generateButton))->click();

    struct Row {
        const char* format;
        const char* action;
        const char* extension;
    };
    const Row rows[] = {{"text", names::saveAction, "txt"},
                        {"markdown", names::exportAction, "md"},
                        {"json", names::exportAction, "json"}};
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

// One box at a time: what comes while it is up joins it, each message once,
// up to the most and then counted; a message too long for the screen is cut.
TEST(ErrorBox, WhatComesWhileTheBoxIsUpJoinsIt)
{
    QWidget parent;
    ErrorBox errors(&parent);
    QString told;
    test::ModalHandler handler({test::clickInMessageBox(QMessageBox::Ok, [&](QMessageBox* box) {
        errors.show("Cannot use word list races.txt");
        errors.show("Cannot use word list races.txt");
        for (int message = 1; message <= ErrorBox::kMostMessages + 1; ++message)
            errors.show("Message " + std::to_string(message));
        told = box->text();
    })});
    errors.show(std::string(2000, 'x'));
    QStringList expected = {QString(1000, 'x') + QChar(0x2026), "Cannot use word list races.txt."};
    for (int message = 1; message <= ErrorBox::kMostMessages - 2; ++message)
        expected.append(QStringLiteral("Message %1.").arg(message));
    expected.append("(3 more messages.)");
    EXPECT_EQ(told, expected.join("\n\n"));
}

}  // namespace
}  // namespace brewick
