#include "RapidJsonInn.h"

#include <rapidjson/writer.h>

#include "core/TableText.h"
#include "output/formats/JsonFormat.h"

namespace brewick {

namespace {
using Writer = rapidjson::Writer<rapidjson::StringBuffer>;

rapidjson::SizeType sizeOf(std::string_view text) { return static_cast<rapidjson::SizeType>(text.size()); }

void text(Writer& json, std::string_view value) { json.String(value.data(), sizeOf(value)); }

void textMember(Writer& json, const char* key, std::string_view value)
{
    json.Key(key);
    text(json, value);
}

void textArray(Writer& json, const char* key, const std::vector<std::string_view>& items)
{
    json.Key(key);
    json.StartArray();
    for (std::string_view item : items)
        text(json, item);
    json.EndArray();
}

void rooms(Writer& json, const RoomTable& table)
{
    static const char* const kKinds[] = {"single", "double", "common"};
    json.Key("rooms");
    json.StartObject();
    for (int column = 1; column < RoomTable::kColumns; ++column) {
        json.Key(kKinds[column - 1]);
        json.StartObject();
        for (const auto& [key, row] : {std::pair{"beds", 1}, std::pair{"cost", 2}}) {
            const std::string& number = table.cell(column, row);
            json.Key(key);
            json.RawValue(number.data(), number.size(), rapidjson::kNumberType);
        }
        json.EndObject();
    }
    json.EndObject();
}

void patron(Writer& json, const Patron& drawn, std::string_view line)
{
    const PatronWords words = patronWords(drawn, line);
    json.StartObject();
    textMember(json, "age", ageWithoutArticle(words.age));
    textMember(json, "race", words.race);
    textMember(json, "occupation", words.occupation);
    textMember(json, "clothes", words.clothes);
    textMember(json, "gender", drawn.woman ? "woman" : "man");
    textMember(json, "hair", words.hair);
    textMember(json, "face", words.face);
    textMember(json, "text", line);
    json.EndObject();
}

// A table as drawn: its heading, a line per patron, then the action, if any.
void tables(Writer& json, const InnSheet& sheet)
{
    json.Key("tables");
    json.StartArray();
    int number = 0;
    forEachTableBlock(sheet, [&](auto line, auto, const TableBlock& block) {
        json.StartObject();
        json.Key("number");
        json.Int(++number);
        textMember(json, "heading", *line);
        json.Key("patrons");
        json.StartArray();
        for (const Patron& drawn : block.patrons)
            patron(json, drawn, *++line);
        json.EndArray();
        json.Key("action");
        if (block.patrons.empty())
            json.Null();
        else
            text(json, *++line);
        json.EndObject();
    });
    json.EndArray();
}
}  // namespace

void RapidJsonInn::write(const InnSheet& sheet, InnPlace place)
{
    buffer_.Clear();
    Writer json(buffer_);
    json.StartObject();
    json.Key("inn");
    json.Uint64(place.number);
    json.Key("seed");
    json.Uint(place.seed);
    textMember(json, "name", sheet.innName);
    textMember(json, "landlord", sheet.landlordName);
    textMember(json, "location", locationName(sheet.location));
    textMember(json, "quality", qualityName(sheet.quality));
    rooms(json, sheet.rooms);
    splitMenu(sheet.menuLines, menu_);
    json.Key("menu");
    json.StartObject();
    textArray(json, "mainCourses", menu_.mainCourses);
    textArray(json, "puddings", menu_.puddings);
    textArray(json, "drinks", menu_.drinks);
    if (!menu_.other.empty())
        textArray(json, "other", menu_.other);
    json.EndObject();
    textMember(json, "scene", sheet.barScene);
    json.Key("tableCount");
    json.Int(sheet.tableCount);
    tables(json, sheet);
    json.EndObject();
    buffer_.Put('\n');
}

}  // namespace brewick
