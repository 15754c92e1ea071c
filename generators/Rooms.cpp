#include "generators/Rooms.h"

namespace brewick {

namespace {
constexpr int kSingle = 1, kDouble = 2, kCommon = 3;
constexpr int kBeds = 1, kCost = 2;

void WriteNumber(RoomTable& rooms, int column, int row, int value)
{
    rooms.Cell(column, row) = std::string_view(Decimal(value));
}
}  // namespace

void WriteRoomHeadings(RoomTable& rooms)
{
    rooms.Cell(0, 0) = "Beds in";
    rooms.Cell(kSingle, 0) = "Single Rooms";
    rooms.Cell(kDouble, 0) = "Double Rooms";
    rooms.Cell(kCommon, 0) = "Common Room";
    rooms.Cell(0, kBeds) = "Number";
    rooms.Cell(0, kCost) = "Cost (sp)";
}

void Rooms(InnSheet& sheet, RandomSource& random)
{
    const int l = IndexOf(sheet.location);
    WriteNumber(sheet.rooms, kSingle, kBeds, random.RandomIndex(12 - 2 * l) + 1);
    WriteNumber(sheet.rooms, kDouble, kBeds, random.RandomIndex(12 - l) + 1);
    // In the Wealthy Quarter this is RandomIndex(0): always 20 beds, still one draw.
    WriteNumber(sheet.rooms, kCommon, kBeds, random.RandomIndex(9 * l) + 20);
    CalcRoomPrice(sheet);
}

void CalcRoomPrice(InnSheet& sheet)
{
    const int l = IndexOf(sheet.location);
    const int q = IndexOf(sheet.quality);
    WriteNumber(sheet.rooms, kSingle, kCost, (4 - l) * (50 - 10 * q));
    WriteNumber(sheet.rooms, kDouble, kCost, (4 - l) * (25 - 5 * q));
    WriteNumber(sheet.rooms, kCommon, kCost, (4 - l) * (5 - q));
}

}  // namespace brewick
