// The generation cycle: which parts a generation renews, and what a change
// of location or quality sets off.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "core/InnGenerator.h"
#include "generators/Rooms.h"
#include "support/RecordingRandom.h"
#include "support/SheetPrinter.h"

namespace brewick {
namespace {

using test::RecordingRandom;
using test::ScriptedRandom;

const ErrorSink kNoErrors = [](const std::string& message) { FAIL() << message; };

std::vector<bool> Ticks(const PartSelection& parts)
{
    std::vector<bool> ticks;
    for (int part = 0; part < kInnPartCount; ++part)
        ticks.push_back(parts.IsTicked(static_cast<InnPart>(part)));
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
        //                All    Inn    Land   Menu   Rooms  Tables Scene
        std::vector<bool> expected;
    };
    const Row rows[] = {
        {"at start only All", {}, {true, false, false, false, false, false, false}},
        {"ticking Menu unticks All", {{P::Menu, true}},
         {false, false, false, true, false, false, false}},
        {"ticking All again unticks Menu", {{P::Menu, true}, {P::All, true}},
         {true, false, false, false, false, false, false}},
        {"any mix of the six", {{P::Menu, true}, {P::Scene, true}, {P::InnName, true}},
         {false, true, false, true, false, false, true}},
        {"unticking the last single part leaves All unticked",
         {{P::Rooms, true}, {P::Rooms, false}}, {false, false, false, false, false, false, false}},
        {"unticking All changes nothing else", {{P::All, false}},
         {false, false, false, false, false, false, false}},
        {"All unticks every single part",
         {{P::Tables, true}, {P::Landlord, true}, {P::All, true}},
         {true, false, false, false, false, false, false}},
    };
    for (const Row& row : rows) {
        PartSelection parts;
        for (const Step& step : row.steps)
            parts.Set(step.part, step.ticked);
        EXPECT_EQ(Ticks(parts), row.expected) << row.name;
    }
}

class Cycle : public testing::Test {
protected:
    RecordingRandom random{777};
    InnGenerator generator{random, "", kNoErrors};

    void SetUp() override { generator.ReGenerate(); }

    void TickOnly(std::initializer_list<InnPart> parts)
    {
        for (int part = 0; part < kInnPartCount; ++part)
            generator.SetPart(static_cast<InnPart>(part), false);
        for (InnPart part : parts)
            generator.SetPart(part, true);
    }
};

TEST_F(Cycle, AFullGenerationFillsEverySection)
{
    const InnSheet& sheet = generator.Sheet();
    EXPECT_THAT(sheet.innName, testing::StartsWith("The "));
    EXPECT_THAT(sheet.landlordName, testing::MatchesRegex("[A-Z][a-z]+ [A-Z][a-z]+"));
    EXPECT_EQ(static_cast<int>(sheet.menuLines.size()), 21 - 4 * IndexOf(sheet.location));
    for (int column = 1; column < RoomTable::kColumns; ++column)
        for (int row = 1; row < RoomTable::kRows; ++row)
            EXPECT_FALSE(sheet.rooms.Cell(column, row).empty());
    EXPECT_FALSE(sheet.barScene.empty());
    EXPECT_EQ(static_cast<int>(sheet.tableChoices.size()), sheet.tableCount);
    EXPECT_EQ(sheet.chosenTable, 0);
    EXPECT_THAT(sheet.shownTableLines[0], testing::StartsWith("Table No. 1 ("));
}

TEST_F(Cycle, NothingTickedChangesNothingAndDrawsNothing)
{
    TickOnly({});
    const InnSheet before = generator.Sheet();
    const std::uint32_t state = random.State();
    generator.ReGenerate();
    EXPECT_EQ(generator.Sheet(), before);
    EXPECT_EQ(random.State(), state);
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
        {"Landlord", InnPart::Landlord,
         [](InnSheet& b, const InnSheet& a) { b.landlordName = a.landlordName; }},
        {"Menu", InnPart::Menu, [](InnSheet& b, const InnSheet& a) { b.menuLines = a.menuLines; }},
        {"Rooms", InnPart::Rooms, [](InnSheet& b, const InnSheet& a) { b.rooms = a.rooms; }},
        {"Scene", InnPart::Scene, [](InnSheet& b, const InnSheet& a) { b.barScene = a.barScene; }},
        {"Tables", InnPart::Tables,
         [](InnSheet& b, const InnSheet& a) {
             b.tableCount = a.tableCount;
             b.tableText = a.tableText;
             b.tableChoices = a.tableChoices;
             b.chosenTable = a.chosenTable;
             b.shownTableLines = a.shownTableLines;
         }},
    };
    for (const Row& row : rows) {
        TickOnly({row.part});
        InnSheet expected = generator.Sheet();
        generator.ReGenerate();
        row.copyRenewed(expected, generator.Sheet());
        EXPECT_EQ(generator.Sheet(), expected) << row.name << " changed another section";
    }
}

TEST_F(Cycle, TablesAloneFollowTheSelectedLocationAndShowTableOne)
{
    generator.SelectLocation(InnLocation::PoorQuarter);
    generator.ChooseTable(generator.Sheet().tableCount - 1);
    TickOnly({InnPart::Tables});
    for (int i = 0; i < 30; ++i) {
        generator.ReGenerate();
        EXPECT_GE(generator.Sheet().tableCount, 1);
        EXPECT_LE(generator.Sheet().tableCount, 15);
        EXPECT_EQ(generator.Sheet().chosenTable, 0);
        EXPECT_THAT(generator.Sheet().shownTableLines[0], testing::StartsWith("Table No. 1 ("));
    }
}

TEST_F(Cycle, ALocationChangeRepricesAndRemakesTheMenuButKeepsBedsAndTables)
{
    generator.SelectQuality(InnQuality::Excellent);
    const InnLocation other = generator.Sheet().location == InnLocation::PoorQuarter
                                  ? InnLocation::WealthyQuarter
                                  : InnLocation::PoorQuarter;
    InnSheet expected = generator.Sheet();
    generator.Sheet().rooms.Cell(1, 2) = "user's price";
    generator.Sheet().rooms.Cell(1, 1) = "user's beds";
    expected.rooms.Cell(1, 1) = "user's beds";

    generator.SelectLocation(other);

    const InnSheet& after = generator.Sheet();
    expected.location = other;
    CalcRoomPrice(expected);
    EXPECT_EQ(after.rooms, expected.rooms);
    EXPECT_EQ(static_cast<int>(after.menuLines.size()), 21 - 4 * IndexOf(other));
    expected.menuLines = after.menuLines;
    EXPECT_EQ(after, expected);
}

TEST_F(Cycle, AQualityChangeRepricesOnly)
{
    const InnQuality other =
        generator.Sheet().quality == InnQuality::Poor ? InnQuality::Good : InnQuality::Poor;
    InnSheet expected = generator.Sheet();
    const std::uint32_t state = random.State();
    generator.SelectQuality(other);
    expected.quality = other;
    CalcRoomPrice(expected);
    EXPECT_EQ(generator.Sheet(), expected);
    EXPECT_EQ(random.State(), state);
}

TEST_F(Cycle, SelectingTheSelectedValueRunsNothing)
{
    generator.Sheet().rooms.Cell(2, 2) = "edited";
    generator.Sheet().menuLines.Add("edited");
    const InnSheet before = generator.Sheet();
    const std::uint32_t state = random.State();
    generator.SelectLocation(before.location);
    generator.SelectQuality(before.quality);
    EXPECT_EQ(generator.Sheet(), before);
    EXPECT_EQ(random.State(), state);
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
        InnGenerator generator(random, "", kNoErrors);
        generator.ReGenerate();
        const auto mainCourseDraws = std::count(random.ranges.begin(), random.ranges.end(), 164);
        EXPECT_EQ(mainCourseDraws, row.menus * (4 - row.location)) << row.name;
        EXPECT_EQ(static_cast<int>(generator.Sheet().menuLines.size()), 21 - 4 * row.location)
            << row.name;
    }
}

}  // namespace
}  // namespace brewick
