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
        EXPECT_TRUE(patrons < 2 || lines[lines.size() - 2].starts_with("They are "));
    }
}

TEST(LinePins, PinnedLinesGoBackWhereTheyBelongAndTheTablesStayTrue)
{
    const InnSheet pinned = innWithTables({1, 1, 1, 1, 1}, 1);
    const auto pinOf = [&pinned](LineBox box, std::size_t table, std::size_t line) {
        InnSheet shown = pinned;
        shown.chosenTable = static_cast<int>(table);
        return *pinOfLine(shown, box, line);
    };
    struct Row {
        const char* name;
        LinePin pin;
        std::size_t table;  // where it goes; unused for the menu and the scene
        std::vector<int> patrons;
        bool kept;
        std::vector<int> drawn = {0, 1, 2};
    };
    const Row rows[] = {
        {"a patron at an empty table", pinOf(LineBox::Table, 0, 1), 0, {1, 1, 2}, true},
        {"a patron beside a lone one", pinOf(LineBox::Table, 1, 1), 1, {0, 2, 2}, true},
        {"a patron at the last table", pinOf(LineBox::Table, 2, 1), 2, {0, 1, 3}, true},
        {"a patron past the last table", pinOf(LineBox::Table, 3, 1), 2, {0, 1, 3}, true},
        {"a patron at a full table, in the last drawn one's seat",
         pinOf(LineBox::Table, 0, 1),
         0,
         {7, 1},
         true,
         {7, 1}},
        {"an action line at an empty table", pinOf(LineBox::Table, 0, 2), 0, {0, 1, 2}, false},
        {"an action line", pinOf(LineBox::Table, 1, 2), 1, {0, 1, 2}, true},
        {"a menu line", pinOf(LineBox::Menu, 0, 1), 0, {0, 1, 2}, true},
        {"the scene", pinOf(LineBox::Scene, 0, 0), 0, {0, 1, 2}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        InnSheet sheet = innWithTables(row.drawn, 0);
        putBackPins(sheet, std::vector{row.pin});
        expectTablesTrue(sheet, row.patrons);
        const std::vector<std::string> lines = blockLines(sheet, row.table);
        const bool kept = row.pin.kind == LinePin::Kind::MenuLine ? sheet.menuLines[2] == row.pin.line
                          : row.pin.kind == LinePin::Kind::Scene  ? sheet.barScene == row.pin.line
                                                                  : std::ranges::count(lines, row.pin.line) == 1;
        EXPECT_EQ(kept, row.kept);
        // Once back, it is there: a second put-back changes nothing.
        const InnSheet once = sheet;
        putBackPins(sheet, std::vector{row.pin});
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
