// The generation cycle: which parts a generation renews, and what a change
// of location or quality sets off.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "core/Patron.h"
#include "cycle/InnGenerator.h"
#include "generators/Rooms.h"
#include "support/RecordingRandom.h"
#include "support/SheetPrinter.h"

namespace brewick {
namespace {

using test::RecordingRandom;
using test::ScriptedRandom;

std::vector<bool> ticks(const PartSelection& parts)
{
    std::vector<bool> ticks;
    for (int part = 0; part < kInnPartCount; ++part)
        ticks.push_back(parts.isTicked(static_cast<InnPart>(part)));
    return ticks;
}

TEST(PartSelection, AllAndTheSinglePartsUntickEachOther)
{
    using P = InnPart;
    struct Step {
        P part;
        bool ticked;
    };
    struct Row {
        const char* name;
        std::vector<Step> steps;
        //                All    Inn    Land   Menu   drawRooms  drawTables drawBarScene
        std::vector<bool> expected;
    };
    const Row rows[] = {
        {"at start only All", {}, {true, false, false, false, false, false, false}},
        {"ticking Menu unticks All", {{P::Menu, true}}, {false, false, false, true, false, false, false}},
        {"ticking All again unticks Menu",
         {{P::Menu, true}, {P::All, true}},
         {true, false, false, false, false, false, false}},
        {"any mix of the six",
         {{P::Menu, true}, {P::Scene, true}, {P::InnName, true}},
         {false, true, false, true, false, false, true}},
        {"unticking the last single part leaves All unticked",
         {{P::Rooms, true}, {P::Rooms, false}},
         {false, false, false, false, false, false, false}},
        {"unticking All changes nothing else", {{P::All, false}}, {false, false, false, false, false, false, false}},
        {"All unticks the last single part too",
         {{P::Scene, true}, {P::All, true}},
         {true, false, false, false, false, false, false}},
        {"All unticks every single part",
         {{P::Tables, true}, {P::Landlord, true}, {P::All, true}},
         {true, false, false, false, false, false, false}},
    };
    for (const Row& row : rows) {
        PartSelection parts;
        for (const Step& step : row.steps)
            parts.set(step.part, step.ticked);
        EXPECT_EQ(ticks(parts), row.expected) << row.name;
    }
}

class Cycle : public testing::Test {
protected:
    RecordingRandom random{777};
    InnGenerator generator{random, {}};

    void SetUp() override { generator.generate(); }

    void tickOnly(std::initializer_list<InnPart> parts)
    {
        for (int part = 0; part < kInnPartCount; ++part)
            generator.setPart(static_cast<InnPart>(part), false);
        for (InnPart part : parts)
            generator.setPart(part, true);
    }
};

TEST_F(Cycle, AFullGenerationFillsEverySection)
{
    const InnSheet& sheet = generator.sheet();
    EXPECT_THAT(sheet.innName, testing::StartsWith("The "));
    EXPECT_THAT(sheet.landlordName, testing::MatchesRegex("[A-Z][a-z]+ [A-Z][a-z]+"));
    EXPECT_EQ(static_cast<int>(sheet.menuLines.size()), 21 - 4 * indexOf(sheet.location));
    for (int column = 1; column < RoomTable::kColumns; ++column)
        for (int row = 1; row < RoomTable::kRows; ++row)
            EXPECT_FALSE(sheet.rooms.cell(column, row).empty());
    EXPECT_FALSE(sheet.barScene.empty());
    EXPECT_EQ(static_cast<int>(sheet.tableChoices.size()), sheet.tableCount);
    EXPECT_EQ(sheet.chosenTable, 0);
    EXPECT_THAT(sheet.shownTableLines[0], testing::StartsWith("Table No. 1 ("));
}

TEST_F(Cycle, NothingTickedChangesNothingAndDrawsNothing)
{
    tickOnly({});
    const InnSheet before = generator.sheet();
    const std::uint32_t state = random.state();
    generator.generate();
    EXPECT_EQ(generator.sheet(), before);
    EXPECT_EQ(random.state(), state);
}

TEST_F(Cycle, SinglePartsRenewOnlyTheirSections)
{
    struct Row {
        const char* name;
        InnPart part;
        std::function<void(InnSheet&, const InnSheet&)> copyRenewed;  // renewed sections from after into before
    };
    const Row rows[] = {
        {"Inn Name", InnPart::InnName, [](InnSheet& b, const InnSheet& a) { b.innName = a.innName; }},
        {"Landlord", InnPart::Landlord, [](InnSheet& b, const InnSheet& a) { b.landlordName = a.landlordName; }},
        {"Menu", InnPart::Menu, [](InnSheet& b, const InnSheet& a) { b.menuLines = a.menuLines; }},
        {"Rooms", InnPart::Rooms, [](InnSheet& b, const InnSheet& a) { b.rooms = a.rooms; }},
        {"Scene", InnPart::Scene, [](InnSheet& b, const InnSheet& a) { b.barScene = a.barScene; }},
        {"Tables", InnPart::Tables,
         [](InnSheet& b, const InnSheet& a) {
             b.tableCount = a.tableCount;
             b.tableText = a.tableText;
             b.tableBlocks = a.tableBlocks;
             b.tableChoices = a.tableChoices;
             b.chosenTable = a.chosenTable;
             b.shownTableLines = a.shownTableLines;
         }},
        {"All, the notes with it", InnPart::All,
         [](InnSheet& b, const InnSheet& a) {
             b = a;
             b.notes.clear();
         }},
    };
    for (const Row& row : rows) {
        tickOnly({row.part});
        generator.sheet().notes = "Session 12";
        InnSheet expected = generator.sheet();
        generator.generate();
        row.copyRenewed(expected, generator.sheet());
        EXPECT_EQ(generator.sheet(), expected) << row.name << " changed another section";
    }
}

TEST_F(Cycle, ChoosingATableShowsItsBlockAndNothingForNoTable)
{
    const int last = generator.sheet().tableCount - 1;
    const std::pair<int, std::string> rows[] = {
        {0, "Table No. 1 ("},
        {1, "Table No. 2 ("},
        {last, "Table No. " + std::to_string(last + 1) + " ("},
        {last + 1, ""},  // past the last table
        {-1, ""},        // the drop-down emptied
    };
    for (const auto& [index, heading] : rows) {
        generator.chooseTable(index);
        EXPECT_EQ(generator.sheet().chosenTable, index);
        const TextLines& shown = generator.sheet().shownTableLines;
        EXPECT_EQ(shown.empty() ? "" : std::string(shown[0]).substr(0, heading.size()), heading) << index;
    }
}

TEST_F(Cycle, TablesAloneFollowTheSelectedLocationAndShowTableOne)
{
    generator.selectLocation(InnLocation::PoorQuarter);
    generator.chooseTable(generator.sheet().tableCount - 1);
    tickOnly({InnPart::Tables});
    for (int i = 0; i < 30; ++i) {
        generator.generate();
        EXPECT_GE(generator.sheet().tableCount, 1);
        EXPECT_LE(generator.sheet().tableCount, 15);
        EXPECT_EQ(generator.sheet().chosenTable, 0);
        EXPECT_THAT(generator.sheet().shownTableLines[0], testing::StartsWith("Table No. 1 ("));
    }
}

TEST_F(Cycle, ALocationChangeRepricesAndRemakesTheMenuButKeepsBedsAndTables)
{
    generator.selectQuality(InnQuality::Excellent);
    const InnLocation other =
        generator.sheet().location == InnLocation::PoorQuarter ? InnLocation::WealthyQuarter : InnLocation::PoorQuarter;
    InnSheet expected = generator.sheet();
    generator.sheet().rooms.cell(1, 2) = "user's price";
    generator.sheet().rooms.cell(1, 1) = "user's beds";
    expected.rooms.cell(1, 1) = "user's beds";

    generator.selectLocation(other);

    const InnSheet& after = generator.sheet();
    expected.location = other;
    priceRooms(expected);
    EXPECT_EQ(after.rooms, expected.rooms);
    EXPECT_EQ(static_cast<int>(after.menuLines.size()), 21 - 4 * indexOf(other));
    expected.menuLines = after.menuLines;
    EXPECT_EQ(after, expected);
}

TEST_F(Cycle, AQualityChangeRepricesOnly)
{
    const InnQuality other = generator.sheet().quality == InnQuality::Poor ? InnQuality::Good : InnQuality::Poor;
    InnSheet expected = generator.sheet();
    const std::uint32_t state = random.state();
    generator.selectQuality(other);
    expected.quality = other;
    priceRooms(expected);
    EXPECT_EQ(generator.sheet(), expected);
    EXPECT_EQ(random.state(), state);
}

TEST_F(Cycle, SelectingTheSelectedValueRunsNothing)
{
    generator.sheet().rooms.cell(2, 2) = "edited";
    generator.sheet().menuLines.add("edited");
    const InnSheet before = generator.sheet();
    const std::uint32_t state = random.state();
    generator.selectLocation(before.location);
    generator.selectQuality(before.quality);
    EXPECT_EQ(generator.sheet(), before);
    EXPECT_EQ(random.state(), state);
}

// With "All", a drawn location that differs from the shown one makes the menu
// twice (the reaction's draws are spent); the same location makes it once.
TEST(CycleReaction, ANewlyDrawnLocationMakesTheMenuTwice)
{
    struct Row {
        const char* name;
        int location;
        int menus;
    };
    const Row rows[] = {
        {"same location drawn again", 0, 1},
        {"Docks Area drawn", 2, 2},
        {"Poor Quarter drawn", 3, 2},
    };
    for (const Row& row : rows) {
        // Two draws for the scene list, quality 0, then the location.
        ScriptedRandom random({0, 0, 0, row.location});
        InnGenerator generator(random, {});
        generator.generate();
        const auto mainCourseDraws = std::count(random.ranges.begin(), random.ranges.end(), 164);
        EXPECT_EQ(mainCourseDraws, row.menus * (4 - row.location)) << row.name;
        EXPECT_EQ(static_cast<int>(generator.sheet().menuLines.size()), 21 - 4 * row.location) << row.name;
    }
}

// The sheet with `race` in every patron line instead of the race drawn.
InnSheet withRace(const InnSheet& sheet, std::string_view race)
{
    InnSheet changed = sheet;
    changed.tableText.clear();
    std::size_t line = 0;
    for (TableBlock& block : changed.tableBlocks) {
        const std::size_t blockEnd = line + block.lineCount;
        changed.tableText.add(sheet.tableText[line++]);
        for (Patron& patron : block.patrons) {
            const std::string_view text = sheet.tableText[line++];
            const std::string_view drawn = patronWords(patron, text).race;
            const auto at = static_cast<std::size_t>(drawn.data() - text.data());
            changed.tableText.add({text.substr(0, at), race, text.substr(at + drawn.size())});
            patron.wordLengths[Patron::Race] = static_cast<std::uint32_t>(race.size());
        }
        while (line < blockEnd)
            changed.tableText.add(sheet.tableText[line++]);
    }
    showChosenTable(changed);
    return changed;
}

// The user's list is drawn by the same step as the built-in one, so every
// other word of every inn stays.
TEST(CycleWordLists, AOneEntryListChangesOnlyItsOwnWordsInEveryInnOfASeed)
{
    const std::string_view gnomish[] = {"gnomish"};
    LcgRandom builtInRandom(808);
    LcgRandom ownRandom(808);
    InnGenerator builtIn(builtInRandom, {});
    InnGenerator own(ownRandom, {});
    own.useWordLists({{"races", {WordList(gnomish), {}}}});
    for (int inn = 1; inn <= 50; ++inn) {
        builtIn.generate();
        own.generate();
        ASSERT_EQ(own.sheet(), withRace(builtIn.sheet(), "gnomish")) << "inn " << inn;
    }
    EXPECT_EQ(ownRandom.state(), builtInRandom.state());
}

}  // namespace
}  // namespace brewick
