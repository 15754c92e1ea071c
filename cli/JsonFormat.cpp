#include "cli/JsonFormat.h"

#include "cli/JsonString.h"
#include "cli/TableBlocks.h"

namespace brewick {

namespace {
// Every member but the first, which opens the object.
void appendKey(std::string_view key, std::string& out)
{
    out += ",\"";
    out += key;
    out += "\":";
}

void appendStringMember(std::string_view key, std::string_view value, std::string& out)
{
    appendKey(key, out);
    appendJsonString(value, out);
}

void appendStringArray(TextLines::const_iterator first, TextLines::const_iterator last, std::string& out)
{
    out += '[';
    for (auto line = first; line != last; ++line) {
        if (line != first)
            out += ',';
        appendJsonString(*line, out);
    }
    out += ']';
}

// {"single":{"beds":"3","cost":"200"},"double":{...},"common":{...}}
void appendRooms(const RoomTable& rooms, std::string& out)
{
    static constexpr std::string_view kKinds[] = {"single", "double", "common"};
    out += '{';
    for (int column = 1; column < RoomTable::kColumns; ++column) {
        out += column == 1 ? "\"" : ",\"";
        out += kKinds[column - 1];
        out += "\":{\"beds\":";
        appendJsonString(rooms.cell(column, 1), out);
        out += ",\"cost\":";
        appendJsonString(rooms.cell(column, 2), out);
        out += '}';
    }
    out += '}';
}

void appendTables(const TextLines& tableText, std::string& out)
{
    out += '[';
    bool first = true;
    forEachTableBlock(tableText, [&](auto begin, auto end) {
        if (!first)
            out += ',';
        first = false;
        appendStringArray(begin, end, out);
    });
    out += ']';
}
}  // namespace

void JsonFormat::append(const InnSheet& sheet, InnPlace place, std::string& out)
{
    out += "{\"inn\":";
    out += Decimal(static_cast<long long>(place.number));
    appendKey("seed", out);
    out += Decimal(place.seed);
    appendStringMember("name", sheet.innName, out);
    appendStringMember("landlord", sheet.landlordName, out);
    appendStringMember("location", locationName(sheet.location), out);
    appendStringMember("quality", QualityName(sheet.quality), out);
    appendKey("rooms", out);
    appendRooms(sheet.rooms, out);
    appendKey("menu", out);
    appendStringArray(sheet.menuLines.begin(), sheet.menuLines.end(), out);
    appendStringMember("scene", sheet.barScene, out);
    appendKey("tableCount", out);
    out += Decimal(sheet.tableCount);
    appendKey("tables", out);
    appendTables(sheet.tableText, out);
    out += "}\n";
}

}  // namespace brewick
