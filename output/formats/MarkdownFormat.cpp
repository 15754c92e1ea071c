#include "output/formats/MarkdownFormat.h"

#include "core/TableText.h"

namespace brewick {

namespace {
void appendLine(std::string& out, std::initializer_list<std::string_view> pieces)
{
    for (std::string_view piece : pieces)
        out += piece;
    out += '\n';
}

void appendRoomRow(const RoomTable& rooms, int row, std::string& out)
{
    for (int column = 0; column < RoomTable::kColumns; ++column) {
        out += "| ";
        out += rooms.cell(column, row);
        out += ' ';
    }
    out += "|\n";
}

void appendRooms(const RoomTable& rooms, std::string& out)
{
    appendLine(out, {"## Rooms\n"});
    appendRoomRow(rooms, 0, out);
    appendLine(out, {"| --- | ---: | ---: | ---: |"});
    for (int row = 1; row < RoomTable::kRows; ++row)
        appendRoomRow(rooms, row, out);
    out += '\n';
}

// Each table is an item holding its heading, with its other lines below it.
void appendTables(const InnSheet& sheet, std::string& out)
{
    appendLine(out, {"## Tables\n"});
    appendLine(out, {"There are ", Decimal(sheet.tableCount), " tables in the main taproom.\n"});
    forEachTableBlock(sheet, [&out](auto line, auto end, const TableBlock&) {
        if (line == end)
            return;
        appendLine(out, {"- **", *line, "**"});
        while (++line != end)
            appendLine(out, {"  - ", *line});
    });
    out += '\n';
}

// The menu's groups are items, their dishes and drinks (indented in the
// menu) items below them; the blank lines between groups are left out.
void appendMenu(const TextLines& menuLines, std::string& out)
{
    appendLine(out, {"## Today's Menu\n"});
    for (std::string_view line : menuLines) {
        const std::string_view item = trimmed(line);
        const bool indented = item.data() != line.data();
        if (!item.empty())
            appendLine(out, {indented ? "  - " : "- ", item});
    }
    out += '\n';
}
}  // namespace

void MarkdownFormat::append(const InnSheet& sheet, InnPlace, std::string& out)
{
    appendLine(out, {"# ", sheet.innName, "\n"});
    appendLine(out, {"Landlord: ", sheet.landlordName, " · Location: ", locationName(sheet.location),
                     " · Quality: ", qualityName(sheet.quality), "\n"});
    appendRooms(sheet.rooms, out);
    appendLine(out, {"## Bar Scene\n"});
    appendLine(out, {sheet.barScene, "\n"});
    appendTables(sheet, out);
    appendMenu(sheet.menuLines, out);
}

}  // namespace brewick
