#include "cli/JsonFormat.h"

#include "cli/JsonString.h"
#include "cli/TableBlocks.h"

namespace brewick {

namespace {
// Every member but the first, which opens the object.
void AppendKey(std::string_view key, std::string& out)
{
    out += ",\"";
    out += key;
    out += "\":";
}

void AppendStringMember(std::string_view key, std::string_view value, std::string& out)
{
    AppendKey(key, out);
    AppendJsonString(value, out);
}

void AppendStringArray(TextLines::const_iterator first, TextLines::const_iterator last, std::string& out)
{
    out += '[';
    for (auto line = first; line != last; ++line) {
        if (line != first)
            out += ',';
        AppendJsonString(*line, out);
    }
    out += ']';
}

// {"single":{"beds":"3","cost":"200"},"double":{...},"common":{...}}
void AppendRooms(const RoomTable& rooms, std::string& out)
{
    static constexpr std::string_view kKinds[] = {"single", "double", "common"};
    out += '{';
    for (int column = 1; column < RoomTable::kColumns; ++column) {
        out += column == 1 ? "\"" : ",\"";
        out += kKinds[column - 1];
        out += "\":{\"beds\":";
        AppendJsonString(rooms.Cell(column, 1), out);
        out += ",\"cost\":";
        AppendJsonString(rooms.Cell(column, 2), out);
        out += '}';
    }
    out += '}';
}

void AppendTables(const TextLines& tableText, std::string& out)
{
    out += '[';
    bool first = true;
    ForEachTableBlock(tableText, [&](auto begin, auto end) {
        if (!first)
            out += ',';
        first = false;
        AppendStringArray(begin, end, out);
    });
    out += ']';
}
}  // namespace

void JsonFormat::Append(const InnSheet& sheet, InnPlace place, std::string& out)
{
    out += "{\"inn\":";
    out += Decimal(static_cast<long long>(place.number));
    AppendKey("seed", out);
    out += Decimal(place.seed);
    AppendStringMember("name", sheet.innName, out);
    AppendStringMember("landlord", sheet.landlordName, out);
    AppendStringMember("location", LocationName(sheet.location), out);
    AppendStringMember("quality", QualityName(sheet.quality), out);
    AppendKey("rooms", out);
    AppendRooms(sheet.rooms, out);
    AppendKey("menu", out);
    AppendStringArray(sheet.menuLines.begin(), sheet.menuLines.end(), out);
    AppendStringMember("scene", sheet.barScene, out);
    AppendKey("tableCount", out);
    out += Decimal(sheet.tableCount);
    AppendKey("tables", out);
    AppendTables(sheet.tableText, out);
    out += "}\n";
}

}  // namespace brewick
