// How many draws every operation takes, and over which ranges: the draws are
// the contract that makes a seed reproduce an inn.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "cycle/InnGenerator.h"
#include "generators/InnName.h"
#include "generators/LandlordName.h"
#include "generators/Menu.h"
#include "generators/Rooms.h"
#include "generators/Scenes.h"
#include "generators/Tables.h"
#include "support/RecordingRandom.h"

namespace brewick {
namespace {

using test::RecordingRandom;
using testing::ElementsAre;

const InnNameLists kInnNames;
const LandlordNameLists kLandlordNames;
const MenuLists kMenu;
const PatronLists kPatrons;

TEST(DrawCount, FixedOperations)
{
    struct Row {
        const char* name;
        InnLocation location;
        std::function<void(InnSheet&, RandomSource&)> run;
        std::vector<int> ranges;  // the range of each draw, in order; -1: any
    };
    const Row rows[] = {
        {"priceRooms", InnLocation::DocksArea, [](InnSheet& s, RandomSource&) { priceRooms(s); }, {}},
        {"showChosenTable", InnLocation::DocksArea, [](InnSheet& s, RandomSource&) { showChosenTable(s); }, {}},
        {"makeLandlordName",
         InnLocation::DocksArea,
         [](InnSheet& s, RandomSource& r) { makeLandlordName(s, kLandlordNames, r); },
         {79, 39, 105, 79, 39, 105}},
        {"Rooms, Wealthy Quarter",
         InnLocation::WealthyQuarter,
         [](InnSheet& s, RandomSource& r) { drawRooms(s, r); },
         {12, 12, 0}},
        {"Rooms, Merchant Quarter",
         InnLocation::MerchantQuarter,
         [](InnSheet& s, RandomSource& r) { drawRooms(s, r); },
         {10, 11, 9}},
        {"Rooms, Poor Quarter",
         InnLocation::PoorQuarter,
         [](InnSheet& s, RandomSource& r) { drawRooms(s, r); },
         {6, 9, 27}},
        {"makeMenu, Poor Quarter",
         InnLocation::PoorQuarter,
         [](InnSheet& s, RandomSource& r) { makeMenu(s, kMenu, r); },
         {164, 19, 21, 10}},
    };
    for (const Row& row : rows) {
        InnSheet sheet;
        sheet.location = row.location;
        RecordingRandom random;
        row.run(sheet, random);
        EXPECT_EQ(random.ranges, row.ranges) << row.name;
    }
}

TEST(DrawCount, InnNameDrawsTheFormThenTwoWordsOfThatForm)
{
    int paired = 0, common = 0;
    for (std::uint32_t state = 0; state < 200; ++state) {
        InnSheet sheet;
        RecordingRandom random(state);
        makeInnName(sheet, kInnNames, random);
        ASSERT_EQ(random.ranges.size(), 3u);
        EXPECT_EQ(random.ranges[0], 101);
        if (random.ranges[1] == 41) {
            EXPECT_EQ(random.ranges[2], 45);
            EXPECT_THAT(sheet.innName, testing::MatchesRegex("The [A-Z][a-z]+ and [A-Z][a-z]+"));
            ++paired;
        } else {
            EXPECT_THAT(random.ranges, ElementsAre(101, 74, 74));
            ++common;
        }
    }
    EXPECT_GT(paired, 0);
    EXPECT_GT(common, 0);
}

TEST(DrawCount, MenuTakesTwentyEightLessEightPerQuarter)
{
    for (int l = 0; l < kLocationCount; ++l) {
        InnSheet sheet;
        sheet.location = static_cast<InnLocation>(l);
        RecordingRandom random;
        makeMenu(sheet, kMenu, random);
        EXPECT_EQ(static_cast<int>(random.ranges.size()), 28 - 8 * l) << "location " << l;
    }
}

TEST(DrawCount, TablesTakeOneThenPerTableOneAndSevenPerPatronAndAnAction)
{
    for (std::uint32_t state = 0; state < 50; ++state) {
        InnSheet sheet;
        sheet.location = static_cast<InnLocation>(state % kLocationCount);
        RecordingRandom random(state);
        drawTables(sheet, kPatrons, random);
        // The text tells how many tables, patrons and action lines were drawn.
        int blocks = 0, patronLines = 0, actionLines = 0;
        for (std::string_view line : sheet.tableText) {
            blocks += line.starts_with("Table No. ");
            patronLines += line.find(" wearing ") != std::string_view::npos;
            actionLines += line.starts_with("They are ") || line.starts_with("She is ") || line.starts_with("He is ");
        }
        const std::size_t expected = 1 + blocks + 7 * patronLines + actionLines;
        EXPECT_EQ(random.ranges.size(), expected) << "state " << state;
        EXPECT_EQ(blocks, sheet.tableCount);
    }
}

TEST(DrawCount, ScenesBuildWithTwoDrawsAndDrawOneScene)
{
    RecordingRandom random;
    WordList scenes;
    buildSceneList(scenes, {}, random);
    EXPECT_THAT(random.ranges, ElementsAre(8, 10));  // beans first, then toughs
    InnSheet sheet;
    drawBarScene(sheet, scenes, random);
    EXPECT_THAT(random.ranges, ElementsAre(8, 10, 100));
}

TEST(DrawCount, TheCycleDrawsQualityAndLocationOnlyWithAll)
{
    RecordingRandom random;
    InnGenerator generator(random, {});
    random.ranges.clear();
    generator.generate();
    ASSERT_GE(random.ranges.size(), 2u);
    EXPECT_EQ(random.ranges[0], 5);
    EXPECT_EQ(random.ranges[1], 4);

    generator.setPart(InnPart::Scene, true);
    random.ranges.clear();
    generator.generate();
    EXPECT_THAT(random.ranges, ElementsAre(100));
}

}  // namespace
}  // namespace brewick
