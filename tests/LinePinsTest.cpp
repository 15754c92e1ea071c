#include <gtest/gtest.h>

#include "core/TableText.h"
#include "cycle/LinePins.h"
#include "generators/Menu.h"
#include "generators/Tables.h"
#include "support/RecordingRandom.h"

namespace brewick {
namespace {

// An inn in the poor quarter whose tables have these many patrons, each
// drawn with the words at `word` of every list.
InnSheet innWithTables(const std::vector<int>& patrons, int word)
{
    std::vector<int> script = {static_cast<int>(patrons.size()) - 1};
    for (int count : patrons) {
        script.push_back(count);
        for (int patron = 0; patron < count; ++patron)
            script.insert(script.end(), {word, word, word, word, word == 0 ? 100 : 0, word, word});
        if (count > 0)
            script.push_back(word);
    }
    InnSheet sheet;
    sheet.location = InnLocation::PoorQuarter;
    test::ScriptedRandom random(script);
    drawTables(sheet, PatronLists(), random);
    test::ScriptedRandom menuRandom(std::vector<int>(4, word));
    makeMenu(sheet, MenuLists(), menuRandom);
    sheet.barScene = "Scene " + std::to_string(word);
    showChosenTable(sheet);
    return sheet;
}

std::vector<std::string> blockLines(const InnSheet& sheet, std::size_t table)
{
    const auto first = sheet.tableText.begin() + static_cast<std::ptrdiff_t>(firstLineOfBlock(sheet, table));
    return {first, first + static_cast<std::ptrdiff_t>(sheet.tableBlocks[table].lineCount)};
}

// Each table has these many patrons, its heading and choice count them, and
// its lines read as drawn.
void expectTablesTrue(const InnSheet& sheet, const std::vector<int>& patronCounts)
{
    for (std::size_t table = 0; table < sheet.tableBlocks.size(); ++table) {
        const TableBlock& block = sheet.tableBlocks[table];
        const int number = static_cast<int>(table) + 1, patrons = static_cast<int>(block.patrons.size());
        EXPECT_EQ(patrons, patronCounts[table]);
        TextLines heading, choice;
        addTableHeading(heading, number, patrons);
        addTableChoice(choice, number, patrons);
        const std::vector<std::string> lines = blockLines(sheet, table);
        EXPECT_EQ(lines.front(), heading[0]);
        EXPECT_EQ(sheet.tableChoices[table], choice[0]);
        const auto first = sheet.tableText.begin() + static_cast<std::ptrdiff_t>(firstLineOfBlock(sheet, table));
        EXPECT_EQ(patronsAsDrawn(block.patrons, first, first + static_cast<std::ptrdiff_t>(lines.size())),
                  block.patrons.size());
        const Patron* lone = patrons == 1 ? &block.patrons[0] : nullptr;
        EXPECT_TRUE(patrons == 0 ? lines[1] == kNoOneThere
                                 : lines[lines.size() - 2].starts_with(!lone         ? "They are "
                                                                       : lone->woman ? "She is "
                                                                                     : "He is "));
    }
}

TEST(LinePins, PinnedLinesGoBackWhereTheyBelongAndTheTablesStayTrue)
{
    const InnSheet pinned = innWithTables({1, 1, 1, 1, 1}, 1);
    const auto pinOf = [](LineBox box, std::size_t table, std::size_t line, const InnSheet& from) {
        InnSheet shown = from;
        shown.chosenTable = static_cast<int>(table);
        return *pinOfLine(shown, box, line);
    };
    const auto pinnedLine = [&](LineBox box, std::size_t table, std::size_t line) {
        return pinOf(box, table, line, pinned);
    };
    struct Row {
        const char* name;
        LinePin pin;
        std::size_t table;  // where it goes; unused for the menu and the scene
        std::vector<int> patrons;
        bool kept;
        std::vector<int> drawn = {0, 1, 2};
        DrawnParts parts = {true, true, true, std::nullopt};
    };
    const Row rows[] = {
        {"a patron at an empty table", pinnedLine(LineBox::Table, 0, 1), 0, {1, 1, 2}, true},
        {"a patron beside a lone one", pinnedLine(LineBox::Table, 1, 1), 1, {0, 2, 2}, true},
        {"a patron at the last table", pinnedLine(LineBox::Table, 2, 1), 2, {0, 1, 3}, true},
        {"a patron past the last table", pinnedLine(LineBox::Table, 3, 1), 2, {0, 1, 3}, true},
        {"a patron at a full table, in the last drawn one's seat",
         pinnedLine(LineBox::Table, 0, 1),
         0,
         {7, 1},
         true,
         {7, 1}},
        {"an action line at an empty table", pinnedLine(LineBox::Table, 0, 2), 0, {0, 1, 2}, false},
        {"an action line", pinnedLine(LineBox::Table, 1, 2), 1, {0, 1, 2}, true},
        {"a menu line", pinnedLine(LineBox::Menu, 0, 1), 0, {0, 1, 2}, true},
        {"the scene", pinnedLine(LineBox::Scene, 0, 0), 0, {0, 1, 2}, true},
        {"a group's action line at a lone patron's table, named for them",
         pinOf(LineBox::Table, 1, 3, innWithTables({2, 2}, 1)),
         1,
         {0, 1, 2},
         true},
        {"a patron of a table not drawn",
         pinnedLine(LineBox::Table, 0, 1),
         0,
         {0, 1, 2},
         false,
         {0, 1, 2},
         {false, false, false, 2}},
        {"a patron of the one table drawn",
         pinnedLine(LineBox::Table, 2, 1),
         2,
         {0, 1, 3},
         true,
         {0, 1, 2},
         {false, false, false, 2}},
        {"a menu line, the menu not drawn",
         pinnedLine(LineBox::Menu, 0, 1),
         0,
         {0, 1, 2},
         false,
         {0, 1, 2},
         {false, true, true, std::nullopt}},
        {"the scene, not drawn",
         pinnedLine(LineBox::Scene, 0, 0),
         0,
         {0, 1, 2},
         false,
         {0, 1, 2},
         {true, false, true, std::nullopt}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        InnSheet sheet = innWithTables(row.drawn, 0);
        std::vector<LinePin> pins = {row.pin};
        putBackPins(sheet, pins, row.parts, {1, 1}, PatronLists());
        expectTablesTrue(sheet, row.patrons);
        const LinePin& pin = pins[0];
        const std::vector<std::string> lines = blockLines(sheet, row.table);
        const bool kept = pin.kind == LinePin::Kind::MenuLine ? sheet.menuLines[2] == pin.line
                          : pin.kind == LinePin::Kind::Scene  ? sheet.barScene == pin.line
                                                              : std::ranges::count(lines, pin.line) == 1;
        EXPECT_EQ(kept, row.kept);
        // Once back, it is there: a second put-back changes nothing.
        const InnSheet once = sheet;
        putBackPins(sheet, pins, row.parts, {1, 1}, PatronLists());
        EXPECT_TRUE(sheet == once);
        EXPECT_EQ(blockLines(sheet, 0),
                  std::vector<std::string>(sheet.shownTableLines.begin(), sheet.shownTableLines.end()));
    }
}

TEST(LinePins, APinnedLineFollowsItsEdit)
{
    struct Row {
        const char* name;
        TextLines after;
        std::optional<std::string> pinned;
    };
    const TextLines before = {"Heading", "Pinned", "Other", " "};
    const Row rows[] = {
        {"typed into", {"Heading", "Pinned!", "Other", " "}, "Pinned!"},
        {"a line added above", {"Heading", "New", "Pinned", "Other", " "}, "Pinned"},
        {"split in two", {"Heading", "Pin", "ned", "Other", " "}, "Pin"},
        {"taken away", {"Heading", "Other", " "}, std::nullopt},
        {"emptied", {"Heading", "", "Other", " "}, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<LinePin> pins(1);
        pins[0].kind = LinePin::Kind::MenuLine;
        pins[0].line = "Pinned";
        EXPECT_EQ(followLineEdit(pins, InnSheet(), LineBox::Menu, before, row.after), row.pinned != "Pinned");
        EXPECT_EQ(pins.empty() ? std::nullopt : std::optional(pins[0].line), row.pinned);
    }
}

}  // namespace
}  // namespace brewick
