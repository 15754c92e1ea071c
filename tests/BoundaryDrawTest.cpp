// Scripted draws at and beside every threshold inside the generators, and
// draws that show which list each one reads (lists of equal size included).
#include <gtest/gtest.h>

#include <functional>

#include "generators/InnName.h"
#include "generators/LandlordName.h"
#include "generators/Menu.h"
#include "generators/Rooms.h"
#include "generators/Tables.h"
#include "support/RecordingRandom.h"

namespace brewick {
namespace {

using Generator = std::function<std::string(InnLocation, RandomSource&)>;

std::string joined(const TextLines& lines)
{
    std::string text;
    for (std::string_view line : lines)
        text.append(text.empty() ? "" : "|").append(line);
    return text;
}

const Generator kInnName = [](InnLocation, RandomSource& random) {
    static const InnNameLists lists;
    InnSheet sheet;
    makeInnName(sheet, lists, random);
    return sheet.innName;
};
const Generator kLandlord = [](InnLocation, RandomSource& random) {
    static const LandlordNameLists lists;
    InnSheet sheet;
    makeLandlordName(sheet, lists, random);
    return sheet.landlordName;
};
const Generator kMenu = [](InnLocation location, RandomSource& random) {
    static const MenuLists lists;
    InnSheet sheet;
    sheet.location = location;
    makeMenu(sheet, lists, random);
    return joined(sheet.menuLines);
};
const Generator kBeds = [](InnLocation location, RandomSource& random) {
    InnSheet sheet;
    sheet.location = location;
    drawRooms(sheet, random);
    return sheet.rooms.cell(1, 1) + " " + sheet.rooms.cell(2, 1) + " " + sheet.rooms.cell(3, 1);
};
const PatronLists kPatrons;
// The number of tables and the last table's choice.
const Generator kTableCount = [](InnLocation location, RandomSource& random) {
    InnSheet sheet;
    sheet.location = location;
    drawTables(sheet, kPatrons, random);
    return std::to_string(sheet.tableCount) + "|" + std::string(sheet.tableChoices[sheet.tableChoices.size() - 1]);
};
const Generator kTableText = [](InnLocation location, RandomSource& random) {
    InnSheet sheet;
    sheet.location = location;
    drawTables(sheet, kPatrons, random);
    return joined(sheet.tableText);
};

TEST(BoundaryDraws, ThresholdsAndListsOfEveryGenerator)
{
    using enum InnLocation;
    struct Row {
        const char* name;
        Generator run;
        InnLocation location;
        std::vector<int> script;  // past its end every draw answers 0
        std::string expected;
    };
    const Row rows[] = {
        {"form draw 35 is the last of the paired form", kInnName, PoorQuarter, {35, 40, 44}, "The Song and Flagon"},
        {"form draw 36 is the first of the common form", kInnName, PoorQuarter, {36, 73, 73}, "The Elven Wish"},
        {"form draw 0", kInnName, PoorQuarter, {0, 0, 0}, "The Pig and Duck"},
        {"form draw 100, first word before second", kInnName, PoorQuarter, {100, 0, 3}, "The Kings's Arms"},
        {"common form, lists of equal size", kInnName, PoorQuarter, {50, 39, 4}, "The Weeping Dragon"},
        {"landlord: opening, middle, closing, twice", kLandlord, PoorQuarter, {1, 1, 100, 66, 32, 0}, "Abaewyn Thoma"},
        {"the last blank closing and the first real one", kLandlord, PoorQuarter, {78, 38, 5, 15, 0, 6}, "Wicy Caand"},
        {"the last closing", kLandlord, PoorQuarter, {0, 0, 104, 0, 0, 104}, "Aawyth Aawyth"},
        {"menu items take their two lists in turn",
         kMenu,
         DocksArea,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         "Main Courses|  Mutton and Rice|  Meat Sausages| |Puddings|  Nut Surprise|  Strawberry Pudding| "
         "|Drinks|  Mead|  Grog|  Reaver's Spirits|  Local Gold"},
        {"fewest beds", kBeds, WealthyQuarter, {0, 0, 0}, "1 1 20"},
        {"most beds, Wealthy Quarter", kBeds, WealthyQuarter, {11, 11, 0}, "12 12 20"},
        {"most beds, Merchant Quarter", kBeds, MerchantQuarter, {9, 10, 8}, "10 11 28"},
        {"most beds, Docks Area", kBeds, DocksArea, {7, 9, 17}, "8 10 37"},
        {"most beds, Poor Quarter", kBeds, PoorQuarter, {5, 8, 26}, "6 9 46"},
        {"fewest tables, Wealthy Quarter", kTableCount, WealthyQuarter, {0}, "16|Table No. 16 has no-one there"},
        {"most tables, Wealthy Quarter", kTableCount, WealthyQuarter, {14}, "30|Table No. 30 has no-one there"},
        {"fewest tables, Merchant Quarter", kTableCount, MerchantQuarter, {0}, "11|Table No. 11 has no-one there"},
        {"most tables, Merchant Quarter", kTableCount, MerchantQuarter, {14}, "25|Table No. 25 has no-one there"},
        {"fewest tables, Docks Area", kTableCount, DocksArea, {0}, "6|Table No. 6 has no-one there"},
        {"most tables, Docks Area", kTableCount, DocksArea, {14}, "20|Table No. 20 has no-one there"},
        {"fewest tables, Poor Quarter", kTableCount, PoorQuarter, {0}, "1|Table No. 1 has no-one there"},
        {"most tables, Poor Quarter", kTableCount, PoorQuarter, {14}, "15|Table No. 15 has no-one there"},
        {"gender draw 25 is a woman, whose last face is the third last",
         kTableText,
         PoorQuarter,
         {0, 1, 0, 0, 0, 0, 25, 0, 53, 0},
         "Table No. 1 (1 patrons)|A very young human cleric wearing plain garb. She has dark hair and a bearded "
         "face.|She is sleeping| "},
        {"gender draw 26 is a man, who may have the last face",
         kTableText,
         PoorQuarter,
         {0, 1, 0, 0, 0, 0, 26, 0, 55, 0},
         "Table No. 1 (1 patrons)|A very young human cleric wearing plain garb. He has dark hair and a cheerful "
         "face.|He is sleeping| "},
        {"each patron draw reads its own list",
         kTableText,
         PoorQuarter,
         {0, 1, 1, 2, 3, 4, 100, 5, 6, 7},
         "Table No. 1 (1 patrons)|A young elven rogue wearing travel-stained garb. He has black hair and a deeply "
         "lined face.|He is drinking quietly| "},
        {"two patrons share one action",
         kTableText,
         PoorQuarter,
         {0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 0, 0, 50},
         "Table No. 1 (2 patrons)|A very young human cleric wearing plain garb. She has dark hair and an "
         "attractive face.|A very young human cleric wearing plain garb. He has dark hair and an attractive "
         "face.|They are planning something| "},
    };
    for (const Row& row : rows) {
        test::ScriptedRandom random(row.script);
        EXPECT_EQ(row.run(row.location, random), row.expected) << row.name;
        EXPECT_GE(random.ranges.size(), row.script.size()) << row.name << ": fewer draws than scripted";
    }
}

}  // namespace
}  // namespace brewick
