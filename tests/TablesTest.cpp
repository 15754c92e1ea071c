#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "core/TableText.h"
#include "generators/PatronDetails.h"
#include "generators/Tables.h"
#include "support/RecordingRandom.h"

namespace brewick {
namespace {

using test::ScriptedRandom;
using testing::ElementsAre;
using testing::StartsWith;

const PatronLists kPatrons;

// The answers that make drawTables draw `countDraw` for the number of tables and
// give the tables the patron counts listed; every patron draws `gender` and
// 0 for everything else.
std::vector<int> tableScript(int countDraw, const std::vector<int>& patrons, int gender = 100)
{
    std::vector<int> script = {countDraw};
    for (int k : patrons) {
        script.push_back(k);
        for (int p = 0; p < k; ++p)
            script.insert(script.end(), {0, 0, 0, 0, gender, 0, 0});
        if (k > 0)
            script.push_back(0);
    }
    return script;
}

// The lines of each table's block.
std::vector<std::vector<std::string>> blocksOf(const InnSheet& sheet)
{
    std::vector<std::vector<std::string>> blocks;
    std::size_t line = 0;
    for (const TableBlock& block : sheet.tableBlocks) {
        auto& lines = blocks.emplace_back();
        for (const std::size_t end = line + block.lineCount; line < end; ++line)
            lines.emplace_back(sheet.tableText[line]);
    }
    return blocks;
}

// A table or a patron drawn again takes the draws the generator takes for
// one, and changes nothing but its own lines: the other tables, the other
// lines of its table and what the user typed there stay as they were.
TEST(Tables, RerollsDrawOneTableOrPatronAsGeneratedAndKeepTheRest)
{
    constexpr int kWhole = -1;
    const std::vector<int> patron = {52, 8, 54, 46, 101, 53, 56};
    // The answers for one table of three men, without the number of tables.
    std::vector<int> threeMen = tableScript(0, {3});
    threeMen.erase(threeMen.begin());
    std::vector<int> threeMenRanges = {8};
    for (int p = 0; p < 3; ++p)
        threeMenRanges.insert(threeMenRanges.end(), patron.begin(), patron.end());
    threeMenRanges.push_back(51);
    struct Row {
        const char* name;
        std::size_t table;
        int line;  // kWhole: the whole table
        std::vector<int> answers;
        std::vector<int> ranges;
        std::vector<std::size_t> changed;            // the lines of its block that change; the whole table: none
        std::string first;                           // the first changed line, or the heading, starts so
        std::string last;                            // the last changed line starts so
        std::function<void(TextLines&)> typed = {};  // into the table's lines beforehand
    };
    const Row rows[] = {
        {"table 2 again, now of three", 1, kWhole, threeMen, threeMenRanges, {}, "Table No. 2 (3 patrons)", ""},
        {"the empty table 3 again, empty", 2, kWhole, {0}, {8}, {}, "Table No. 3 (Empty)", ""},
        {"the second patron of table 1, the first one typed over",
         0,
         2,
         {1, 0, 0, 0, 100, 0, 0},
         patron,
         {2},
         "A young human",
         "A"},
        {"what table 1 is doing", 0, 3, {1}, {51}, {3}, "They are arguing", "They"},
        {"the lone patron of table 2, now a woman, who is named anew",
         1,
         1,
         {0, 0, 0, 0, 25, 0, 0},
         {52, 8, 54, 46, 101, 53, 54},
         {1, 2},
         "A very young human cleric wearing plain garb. She has ",
         "She is sleeping"},
        {"what the lone patron is doing", 1, 2, {1}, {32}, {2}, "He is waiting", "He"},
        {"the lone patron of table 2 again, now a woman, what the user typed of them staying",
         1,
         1,
         {0, 0, 0, 0, 25, 0, 0},
         {52, 8, 54, 46, 101, 53, 54},
         {1},
         "A very young human cleric wearing plain garb. She has ",
         "A very young human cleric",
         [](TextLines& lines) { lines.replace(2, 1, {"Asleep at the bar"}); }},
        {"the closing line of table 1, whose line of what they do was removed",
         0,
         3,
         {},
         {},
         {},
         "",
         "",
         [](TextLines& lines) { lines.replace(3, 1, {}); }},
        {"a heading", 0, 0, {}, {}, {}, "", ""},
        {"the closing line below it, likewise", 0, 4, {1}, {51}, {3}, "They are arguing", "They"},
        {"no one sitting at table 3", 2, 1, {}, {}, {}, "", ""},
        {"a line typed under table 3", 2, 3, {}, {}, {}, "", ""},
        {"a table past the last", 3, kWhole, {}, {}, {}, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        InnSheet sheet;
        sheet.location = InnLocation::PoorQuarter;
        ScriptedRandom tables(tableScript(2, {2, 1, 0}));
        drawTables(sheet, kPatrons, tables);
        // The user typed over table 1's first patron and under table 3.
        for (std::size_t table : {0, 2}) {
            sheet.chosenTable = static_cast<int>(table);
            showChosenTable(sheet);
            TextLines typed = sheet.shownTableLines;
            typed.replace(1, 1, {"Friendly."});
            if (table == 2)
                typed.add("A note");
            editShownTable(sheet, typed);
        }
        sheet.chosenTable = static_cast<int>(row.table);
        showChosenTable(sheet);
        if (row.typed) {
            TextLines typed = sheet.shownTableLines;
            row.typed(typed);
            editShownTable(sheet, typed);
        }
        const auto before = blocksOf(sheet);

        ScriptedRandom random(row.answers);
        if (row.line == kWhole) {
            rerollTable(sheet, row.table, kPatrons, random);
        } else {
            EXPECT_EQ(rerollTableLine(sheet, row.table, static_cast<std::size_t>(row.line), kPatrons, random),
                      !row.ranges.empty());
        }
        EXPECT_EQ(random.ranges, row.ranges);
        const auto after = blocksOf(sheet);
        ASSERT_EQ(after.size(), before.size()) << "the number of tables stays";
        EXPECT_EQ(sheet.tableCount, 3);
        for (std::size_t table = 0; table < after.size(); ++table) {
            if (table != row.table) {
                EXPECT_EQ(after[table], before[table]) << "table " << table + 1;
            }
        }
        if (row.table >= after.size())
            continue;
        EXPECT_EQ(std::vector<std::string>(sheet.shownTableLines.begin(), sheet.shownTableLines.end()),
                  after[row.table]);
        if (row.line == kWhole) {
            EXPECT_EQ(after[row.table].front(), row.first);
            EXPECT_EQ(sheet.tableChoices[row.table],
                      "Table No. " + std::to_string(row.table + 1) + " has " +
                          (row.first.ends_with("(Empty)") ? "no-one there" : "3 patrons"));
            continue;
        }
        std::vector<std::size_t> changed;
        for (std::size_t line = 0; line < after[row.table].size(); ++line)
            if (after[row.table][line] != before[row.table][line])
                changed.push_back(line);
        EXPECT_EQ(changed, row.changed);
        if (!changed.empty()) {
            EXPECT_THAT(after[row.table][changed.front()], StartsWith(row.first));
            EXPECT_THAT(after[row.table][changed.back()], StartsWith(row.last));
        }
    }
}

TEST(Tables, NumberOfTablesFollowsTheLocation)
{
    const std::pair<int, int> expected[kLocationCount] = {{16, 30}, {11, 25}, {6, 20}, {1, 15}};
    for (int l = 0; l < kLocationCount; ++l) {
        std::set<int> seen;
        test::RecordingRandom random(static_cast<std::uint32_t>(l) + 11);
        InnSheet sheet;
        sheet.location = static_cast<InnLocation>(l);
        for (int i = 0; i < 300; ++i) {
            drawTables(sheet, kPatrons, random);
            seen.insert(sheet.tableCount);
            ASSERT_EQ(static_cast<int>(sheet.tableChoices.size()), sheet.tableCount);
        }
        EXPECT_EQ(*seen.begin(), expected[l].first) << locationName(sheet.location);
        EXPECT_EQ(*seen.rbegin(), expected[l].second) << locationName(sheet.location);
        EXPECT_EQ(seen.size(), 15u);
    }
}

TEST(Tables, BlocksAndChoicesByPatronCount)
{
    struct Row {
        int patrons;
        int gender;
        std::string heading;
        std::string choice;
        std::string action;  // start of the action line; empty: none
    };
    const Row rows[] = {
        {0, 100, "Table No. 1 (Empty)", "Table No. 1 has no-one there", ""},
        {1, 100, "Table No. 1 (1 patrons)", "Table No. 1 has 1 patron", "He is "},
        {1, 25, "Table No. 1 (1 patrons)", "Table No. 1 has 1 patron", "She is "},
        {2, 0, "Table No. 1 (2 patrons)", "Table No. 1 has 2 patrons", "They are "},
        {7, 100, "Table No. 1 (7 patrons)", "Table No. 1 has 7 patrons", "They are "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.heading + " / gender draw " + std::to_string(row.gender));
        ScriptedRandom random(tableScript(0, {row.patrons}, row.gender));
        InnSheet sheet;
        sheet.location = InnLocation::PoorQuarter;
        drawTables(sheet, kPatrons, random);
        ASSERT_EQ(sheet.tableCount, 1);
        EXPECT_THAT(sheet.tableChoices, ElementsAre(row.choice));
        EXPECT_EQ(sheet.chosenTable, 0);

        const TextLines& text = sheet.tableText;
        const std::size_t expectedLines = row.patrons == 0 ? 3 : row.patrons + 3;
        ASSERT_EQ(text.size(), expectedLines);
        EXPECT_EQ(text[0], row.heading);
        if (row.patrons == 0)
            EXPECT_EQ(text[1], "No one is sitting here");
        else
            EXPECT_THAT(std::string(text[text.size() - 2]), StartsWith(row.action));
        EXPECT_EQ(text[text.size() - 1], " ");
        for (std::string_view line : text)
            EXPECT_FALSE(line.empty());
    }
}

TEST(Tables, GenderDecidesPronounAndTheFacesOnOffer)
{
    struct Row {
        int genderDraw;
        std::string pronoun;
        int faceRange;
    };
    const Row rows[] = {{0, "She has ", 54}, {25, "She has ", 54}, {26, "He has ", 56}, {100, "He has ", 56}};
    for (const Row& row : rows) {
        // One patron whose face draw is the last one on offer.
        ScriptedRandom random({0, 1, 0, 0, 0, 0, row.genderDraw, 0, row.faceRange - 1, 0});
        InnSheet sheet;
        sheet.location = InnLocation::PoorQuarter;
        drawTables(sheet, kPatrons, random);
        const std::string patron(sheet.tableText[1]);
        EXPECT_EQ(random.ranges[8], row.faceRange) << "gender draw " << row.genderDraw;
        EXPECT_THAT(patron, testing::HasSubstr(". " + row.pronoun));
        const std::string lastFace = kPatrons.faces[row.faceRange - 1];
        EXPECT_THAT(patron, testing::EndsWith(" and " + lastFace + " face."));
    }
}

TEST(Tables, PatronLineReadsAsOneSentence)
{
    ScriptedRandom random({0, 1, 0, 0, 0, 0, 100, 0, 0, 0});
    InnSheet sheet;
    sheet.location = InnLocation::PoorQuarter;
    drawTables(sheet, kPatrons, random);
    const std::string expected = kPatrons.ages[0] + " " + kPatrons.races[0] + " " + kPatrons.occupations[0] +
                                 " wearing " + kPatrons.clothes[0] + ". He has " + kPatrons.hair[0] + " and " +
                                 kPatrons.faces[0] + " face.";
    EXPECT_EQ(sheet.tableText[1], expected);
    EXPECT_EQ(sheet.tableText[2], "He is " + kPatrons.singleActions[0]);
}

// The words kept for the JSON output are exactly those each line is made of,
// entries of their lists, block by block, however the tables fall.
TEST(Tables, DrawnWordsMakeEachPatronLine)
{
    const auto isEntry = [](const WordList& list, std::string_view word) {
        return std::find(list.begin(), list.end(), word) != list.end();
    };
    test::RecordingRandom random(4711);
    InnSheet sheet;
    for (int round = 0; round < 200; ++round) {
        sheet.location = static_cast<InnLocation>(round % kLocationCount);
        drawTables(sheet, kPatrons, random);
        ASSERT_EQ(sheet.tableBlocks.size(), static_cast<std::size_t>(sheet.tableCount));
        std::size_t line = 0;
        for (const TableBlock& table : sheet.tableBlocks) {
            const std::vector<Patron>& patrons = table.patrons;
            ++line;  // the heading
            for (const Patron& patron : patrons) {
                const std::string_view text = sheet.tableText[line++];
                const PatronWords words = patronWords(patron, text);
                const std::string expected = std::string(words.age) + " " + std::string(words.race) + " " +
                                             std::string(words.occupation) + " wearing " + std::string(words.clothes) +
                                             (patron.woman ? ". She has " : ". He has ") + std::string(words.hair) +
                                             " and " + std::string(words.face) + " face.";
                ASSERT_EQ(text, expected) << "round " << round;
                EXPECT_TRUE(isEntry(kPatrons.ages, words.age) && isEntry(kPatrons.races, words.race) &&
                            isEntry(kPatrons.occupations, words.occupation) &&
                            isEntry(kPatrons.clothes, words.clothes) && isEntry(kPatrons.hair, words.hair) &&
                            isEntry(kPatrons.faces, words.face))
                    << text;
            }
            if (patrons.size() == 1) {
                EXPECT_THAT(std::string(sheet.tableText[line]), StartsWith(patrons[0].woman ? "She is " : "He is "));
            } else if (patrons.empty()) {
                EXPECT_EQ(sheet.tableText[line], "No one is sitting here");
            }
            line += 2;  // the action line or "No one is sitting here", and the closing line
        }
        EXPECT_EQ(line, sheet.tableText.size());
    }
}

TEST(Tables, PatronWordsStayWithinAShorterLine)
{
    Patron patron;
    patron.wordLengths = {7, 5, 5, 4, 9, 8};
    const std::pair<std::string_view, PatronWords> rows[] = {
        {"", {}},
        {"A weary", {"A weary", "", "", "", "", ""}},
        {"A weary human", {"A weary", "human", "", "", "", ""}},
        {"A weary human miner wearing rags", {"A weary", "human", "miner", "rags", "", ""}},
    };
    for (const auto& [line, expected] : rows) {
        const PatronWords words = patronWords(patron, line);
        EXPECT_EQ(std::vector<std::string_view>(
                      {words.age, words.race, words.occupation, words.clothes, words.hair, words.face}),
                  std::vector<std::string_view>({expected.age, expected.race, expected.occupation, expected.clothes,
                                                 expected.hair, expected.face}))
            << line;
    }
}

class ShowTableOf30 : public testing::Test {
protected:
    InnSheet sheet;

    void SetUp() override
    {
        std::vector<int> patrons;
        for (int t = 0; t < 30; ++t)
            patrons.push_back(t % 8);
        ScriptedRandom random(tableScript(14, patrons));
        sheet.location = InnLocation::WealthyQuarter;
        drawTables(sheet, kPatrons, random);
        ASSERT_EQ(sheet.tableCount, 30);
    }

    // The block of table `number` as the table text holds it.
    std::vector<std::string> blockOf(int number) const
    {
        const std::string heading = "Table No. " + std::to_string(number) + " (";
        std::vector<std::string> block;
        bool inBlock = false;
        for (std::string_view line : sheet.tableText) {
            if (line.starts_with("Table No. "))
                inBlock = line.starts_with(heading);
            if (inBlock)
                block.emplace_back(line);
        }
        return block;
    }
};

TEST_F(ShowTableOf30, ShowsExactlyTheChosenBlock)
{
    for (int number : {1, 2, 3, 9, 10, 19, 20, 29, 30}) {
        sheet.chosenTable = number - 1;
        showChosenTable(sheet);
        const std::vector<std::string> shown(sheet.shownTableLines.begin(), sheet.shownTableLines.end());
        EXPECT_EQ(shown, blockOf(number)) << "table " << number;
        EXPECT_EQ(shown.back(), " ");
    }
}

TEST_F(ShowTableOf30, TypingInTheShownLinesIsDiscardedAtTheNextChoice)
{
    sheet.chosenTable = 9;
    showChosenTable(sheet);
    const TextLines tableText = sheet.tableText;
    sheet.shownTableLines.add("typed by the user");
    sheet.chosenTable = 0;
    showChosenTable(sheet);
    EXPECT_EQ(std::vector<std::string>(sheet.shownTableLines.begin(), sheet.shownTableLines.end()), blockOf(1));
    EXPECT_EQ(sheet.tableText, tableText);
}

// A patron's details follow who they are, not where they sit: the same
// patron of the same inn gets them again in any seat, and another patron, or
// the patron in another inn, others. No two patrons of a table share a trait
// or a rumour, nor two of the inn a name, while the lists go round; a list
// too short to go round still gives its entry.
TEST(PatronDetails, FollowThePatronAndGoRoundTheTable)
{
    const PatronDetailLists lists;
    InnSheet drawn;
    LcgRandom random(12);
    while (drawn.tableBlocks.empty() || drawn.tableBlocks[0].patrons.size() < 2)
        drawTables(drawn, kPatrons, random);
    const auto detailsOf = [&lists](InnSheet sheet, InnPlace place, std::size_t seat) {
        EXPECT_TRUE(fleshOutPatron(sheet, place, 0, seat, lists));
        return std::string(sheet.tableText[lineOfPatron(sheet.tableBlocks[0].patrons, seat) + 1]);
    };
    InnSheet swapped = drawn;
    const std::string first(drawn.tableText[1]), second(drawn.tableText[2]);
    swapped.tableText.replace(1, 2, {second, first});
    std::swap(swapped.tableBlocks[0].patrons[0], swapped.tableBlocks[0].patrons[1]);
    InnSheet redrawn = drawn;
    rerollTableLine(redrawn, 0, 1, kPatrons, random);
    struct Row {
        const char* name;
        const InnSheet& sheet;
        InnPlace place;
        std::size_t seat;
        bool same;
    };
    const Row rows[] = {
        {"the same patron of the same inn", drawn, {1, 12}, 0, true},
        {"the same patron in another seat", swapped, {1, 12}, 1, true},
        {"another patron in the seat", redrawn, {1, 12}, 0, false},
        {"the same patron in the next inn of the run", drawn, {2, 12}, 0, false},
        {"the same patron in the inn of that number of another run", drawn, {1, 13}, 0, false},
    };
    const std::string details = detailsOf(drawn, {1, 12}, 0);
    for (const Row& row : rows)
        EXPECT_EQ(detailsOf(row.sheet, row.place, row.seat) == details, row.same) << row.name;

    // Seven patrons alike, drawn the same details but for the draws again.
    InnSheet alike;
    ScriptedRandom sameWords(tableScript(0, {kMostPatrons}));
    drawTables(alike, kPatrons, sameWords);
    PatronDetailLists oneTraitList;
    oneTraitList.traits = WordList(std::vector<std::string_view>{"hums"});
    const PatronDetailLists& oneTrait = oneTraitList;
    for (const PatronDetailLists* table : {&lists, &oneTrait}) {
        InnSheet sheet = alike;
        fleshOutTable(sheet, {1, 12}, 0, *table);
        std::set<std::string_view> names, traits, rumours;
        for (std::size_t patron = 0; patron < kMostPatrons; ++patron) {
            const PatronDetails given =
                patronDetails(sheet.tableBlocks[0].patrons[patron],
                              sheet.tableText[lineOfPatron(sheet.tableBlocks[0].patrons, patron) + 1]);
            names.insert(given.name);
            traits.insert(given.trait);
            rumours.insert(given.rumour);
        }
        EXPECT_EQ(names.size(), kMostPatrons);
        EXPECT_EQ(traits.size(), table == &lists ? kMostPatrons : 1u);
        EXPECT_EQ(rumours.size(), kMostPatrons);
    }
}

}  // namespace
}  // namespace brewick
