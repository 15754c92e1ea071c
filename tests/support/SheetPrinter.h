// Readable failure messages for inn sheets.
#pragma once

#include <ostream>

#include "core/InnSheet.h"

namespace brewick {

inline void PrintTo(const TextLines& lines, std::ostream* out)
{
    for (std::string_view line : lines)
        *out << "\n    |" << line << '|';
}

inline void PrintTo(const RoomTable& rooms, std::ostream* out)
{
    for (int row = 0; row < RoomTable::kRows; ++row)
        for (int column = 0; column < RoomTable::kColumns; ++column)
            *out << (column == 0 ? "\n    " : " | ") << rooms.cell(column, row);
}

inline void PrintTo(const InnSheet& sheet, std::ostream* out)
{
    *out << "\n  inn name: " << sheet.innName << "\n  landlord: " << sheet.landlordName
         << "\n  location: " << locationName(sheet.location) << "\n  quality: " << qualityName(sheet.quality)
         << "\n  rooms:";
    PrintTo(sheet.rooms, out);
    *out << "\n  menu:";
    PrintTo(sheet.menuLines, out);
    *out << "\n  scene: " << sheet.barScene << "\n  tables: " << sheet.tableCount << ", chosen " << sheet.chosenTable
         << "\n  table text:";
    PrintTo(sheet.tableText, out);
    *out << "\n  shown:";
    PrintTo(sheet.shownTableLines, out);
}

}  // namespace brewick
