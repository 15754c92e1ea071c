#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "generators/Menu.h"
#include "support/RecordingRandom.h"

namespace brewick {
namespace {

using testing::MatchesRegex;

const MenuLists kMenu;

// The menu's layout with every item written as "item".
std::vector<std::string> layout(const TextLines& menu)
{
    std::vector<std::string> layout;
    for (std::string_view line : menu) {
        const bool item = line.starts_with("  ") && line != "  Mead" && line != "  Grog";
        layout.push_back(item ? "item" : std::string(line));
    }
    return layout;
}

TEST(Menu, LayoutFollowsTheLocation)
{
    struct Row {
        InnLocation location;
        int dishes;
        int drinks;
    };
    const Row rows[] = {
        {InnLocation::WealthyQuarter, 4, 6},
        {InnLocation::MerchantQuarter, 3, 4},
        {InnLocation::DocksArea, 2, 2},
        {InnLocation::PoorQuarter, 1, 0},
    };
    for (const Row& row : rows) {
        std::vector<std::string> expected = {"Main Courses"};
        expected.insert(expected.end(), row.dishes, "item");
        expected.insert(expected.end(), {" ", "Puddings"});
        expected.insert(expected.end(), row.dishes, "item");
        expected.insert(expected.end(), {" ", "Drinks", "  Mead", "  Grog"});
        expected.insert(expected.end(), row.drinks, "item");

        for (std::uint32_t state = 0; state < 20; ++state) {
            InnSheet sheet;
            sheet.location = row.location;
            test::RecordingRandom random(state);
            makeMenu(sheet, kMenu, random);
            ASSERT_EQ(layout(sheet.menuLines), expected) << locationName(row.location);
            for (std::string_view line : sheet.menuLines) {
                if (line.starts_with("  ")) {
                    EXPECT_THAT(std::string(line), MatchesRegex("  [^ ].*[^ ]"));
                }
            }
        }
    }
}

TEST(Menu, ItemsJoinTheirTwoPartsWithOneSpace)
{
    // Two main courses (the first with "and Rice"), two puddings, then the
    // first drawn drink with the last kind of drink.
    test::ScriptedRandom random({0, 2, 0, 0, 0, 0, 0, 0, 0, 13});
    InnSheet sheet;
    sheet.location = InnLocation::DocksArea;
    makeMenu(sheet, kMenu, random);
    EXPECT_EQ(sheet.menuLines[1], "  Goat and Rice");
    EXPECT_EQ(sheet.menuLines[5], "  Apple Pie");
    EXPECT_EQ(sheet.menuLines[11], "  King's Red");
}

TEST(Menu, ANewMenuReplacesTheOldOneWhole)
{
    InnSheet sheet;
    sheet.menuLines.add("typed by the user");
    sheet.location = InnLocation::PoorQuarter;
    test::RecordingRandom random;
    makeMenu(sheet, kMenu, random);
    EXPECT_EQ(sheet.menuLines.size(), 9u);
    EXPECT_EQ(sheet.menuLines[0], "Main Courses");
    EXPECT_EQ(sheet.menuLines[8], "  Grog");
}

}  // namespace
}  // namespace brewick
