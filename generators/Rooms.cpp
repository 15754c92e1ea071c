#include "generators/Rooms.h"

namespace brewick {

namespace {
constexpr int kSingle = 1, kDouble = 2, kCommon = 3;
constexpr int kBeds = 1, kCost = 2;

void writeNumber(RoomTable& rooms, int column, int row, int value)
{
    rooms.cell(column, row) = std::string_view(Decimal(value));
}
}  // namespace

void writeRoomHeadings(RoomTable& rooms)
{
    rooms.cell(0, 0) = "Beds in";
    rooms.cell(kSingle, 0) = "Single Rooms";
    rooms.cell(kDouble, 0) = "Double Rooms";
    rooms.cell(kCommon, 0) = "Common Room";
    rooms.cell(0, kBeds) = "Number";
    rooms.cell(0, kCost) = "Cost (sp)";
}

void drawRooms(InnSheet& sheet, RandomSource& random)
{
    const int l = indexOf(sheet.location);
    writeNumber(sheet.rooms, kSingle, kBeds, random.randomIndex(12 - 2 * l) + 1);
    writeNumber(sheet.rooms, kDouble, kBeds, random.randomIndex(12 - l) + 1);
    // In the Wealthy Quarter this is randomIndex(0): always 20 beds, still one draw.
    writeNumber(sheet.rooms, kCommon, kBeds, random.randomIndex(9 * l) + 20);
    priceRooms(sheet);
}

void priceRooms(InnSheet& sheet)
{
    const int l = indexOf(sheet.location);
    const int q = indexOf(sheet.quality);
    writeNumber(sheet.rooms, kSingle, kCost, (4 - l) * (50 - 10 * q));
    writeNumber(sheet.rooms, kDouble, kCost, (4 - l) * (25 - 5 * q));
    writeNumber(sheet.rooms, kCommon, kCost, (4 - l) * (5 - q));
}

}  // namespace brewick
