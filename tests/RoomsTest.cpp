#include <gtest/gtest.h>

#include <set>

#include "generators/Rooms.h"
#include "support/RecordingRandom.h"

namespace brewick {
namespace {

std::string prices(const RoomTable& rooms)
{
    return rooms.cell(1, 2) + " / " + rooms.cell(2, 2) + " / " + rooms.cell(3, 2);
}

TEST(Rooms, PricesForEveryLocationAndQuality)
{
    // Rows: Wealthy, Merchant, Docks, Poor; columns: Excellent to Poor.
    const char* expected[kLocationCount][kQualityCount] = {
        {"200 / 100 / 20", "160 / 80 / 16", "120 / 60 / 12", "80 / 40 / 8", "40 / 20 / 4"},
        {"150 / 75 / 15", "120 / 60 / 12", "90 / 45 / 9", "60 / 30 / 6", "30 / 15 / 3"},
        {"100 / 50 / 10", "80 / 40 / 8", "60 / 30 / 6", "40 / 20 / 4", "20 / 10 / 2"},
        {"50 / 25 / 5", "40 / 20 / 4", "30 / 15 / 3", "20 / 10 / 2", "10 / 5 / 1"},
    };
    for (int l = 0; l < kLocationCount; ++l) {
        for (int q = 0; q < kQualityCount; ++q) {
            InnSheet sheet;
            sheet.location = static_cast<InnLocation>(l);
            sheet.quality = static_cast<InnQuality>(q);
            priceRooms(sheet);
            EXPECT_EQ(prices(sheet.rooms), expected[l][q]) << "location " << l << ", quality " << q;
        }
    }
}

TEST(Rooms, BedCountsCoverTheirRangesAndNothingElse)
{
    struct Range {
        int low, high;
    };
    // Per location: single, double, common.
    const Range expected[kLocationCount][3] = {
        {{1, 12}, {1, 12}, {20, 20}},
        {{1, 10}, {1, 11}, {20, 28}},
        {{1, 8}, {1, 10}, {20, 37}},
        {{1, 6}, {1, 9}, {20, 46}},
    };
    for (int l = 0; l < kLocationCount; ++l) {
        std::set<int> seen[3];
        test::RecordingRandom random(static_cast<std::uint32_t>(l));
        InnSheet sheet;
        sheet.location = static_cast<InnLocation>(l);
        for (int i = 0; i < 3000; ++i) {
            drawRooms(sheet, random);
            for (int column = 1; column <= 3; ++column)
                seen[column - 1].insert(std::stoi(sheet.rooms.cell(column, 1)));
        }
        for (int column = 0; column < 3; ++column) {
            const Range range = expected[l][column];
            EXPECT_EQ(*seen[column].begin(), range.low) << "location " << l << " column " << column;
            EXPECT_EQ(*seen[column].rbegin(), range.high) << "location " << l << " column " << column;
            EXPECT_EQ(static_cast<int>(seen[column].size()), range.high - range.low + 1);
        }
    }
}

TEST(Rooms, HeadingsAndPlainNumbers)
{
    InnSheet sheet;
    writeRoomHeadings(sheet.rooms);
    sheet.location = InnLocation::PoorQuarter;
    sheet.quality = InnQuality::Poor;
    priceRooms(sheet);
    EXPECT_EQ(sheet.rooms.cell(0, 0), "Beds in");
    EXPECT_EQ(sheet.rooms.cell(1, 0), "Single Rooms");
    EXPECT_EQ(sheet.rooms.cell(2, 0), "Double Rooms");
    EXPECT_EQ(sheet.rooms.cell(3, 0), "Common Room");
    EXPECT_EQ(sheet.rooms.cell(0, 1), "Number");
    EXPECT_EQ(sheet.rooms.cell(0, 2), "Cost (sp)");
    EXPECT_EQ(sheet.rooms.cell(3, 2), "1");
}

}  // namespace
}  // namespace brewick
