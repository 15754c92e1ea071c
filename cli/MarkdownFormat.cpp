#include "cli/MarkdownFormat.h"

#include "cli/TableBlocks.h"

namespace brewick {

namespace {
void AppendLine(std::string& out, std::initializer_list<std::string_view> pieces)
{
    for (std::string_view piece : pieces)
        out += piece;
    out += '\n';
}

void AppendRoomRow(const RoomTable& rooms, int row, std::string& out)
{
    for (int column = 0; column < RoomTable::kColumns; ++column) {
        out += "| ";
        out += rooms.Cell(column, row);
        out += ' ';
    }
    out += "|\n";
}

void AppendRooms(const RoomTable& rooms, std::string& out)
{
    AppendLine(out, {"## Rooms\n"});
    AppendRoomRow(rooms, 0, out);
    AppendLine(out, {"| --- | ---: | ---: | ---: |"});
    for (int row = 1; row < RoomTable::kRows; ++row)
        AppendRoomRow(rooms, row, out);
    out += '\n';
}

// Each table is an item holding its heading, with its other lines below it.
void AppendTables(const InnSheet& sheet, std::string& out)
{
    AppendLine(out, {"## Tables\n"});
    AppendLine(out, {"There are ", Decimal(sheet.tableCount), " tables in the main taproom.\n"});
    ForEachTableBlock(sheet.tableText, [&out](auto line, auto end) {
        AppendLine(out, {"- **", *line, "**"});
        while (++line != end)
            AppendLine(out, {"  - ", *line});
    });
    out += '\n';
}

// The menu's groups are items, their dishes and drinks (indented in the
// menu) items below them; the blank lines between groups are left out.
void AppendMenu(const TextLines& menuLines, std::string& out)
{
    AppendLine(out, {"## Today's Menu\n"});
    for (std::string_view line : menuLines) {
        const std::string_view item = Trimmed(line);
        const bool indented = item.data() != line.data();
        if (!item.empty())
            AppendLine(out, {indented ? "  - " : "- ", item});
    }
    out += '\n';
}
}  // namespace

void MarkdownFormat::Append(const InnSheet& sheet, InnPlace, std::string& out)
{
    AppendLine(out, {"# ", sheet.innName, "\n"});
    AppendLine(out, {"Landlord: ", sheet.landlordName, " · Location: ", LocationName(sheet.location),
                     " · Quality: ", QualityName(sheet.quality), "\n"});
    AppendRooms(sheet.rooms, out);
    AppendLine(out, {"## Bar Scene\n"});
    AppendLine(out, {sheet.barScene, "\n"});
    AppendTables(sheet, out);
    AppendMenu(sheet.menuLines, out);
}

}  // namespace brewick
