#include "files/InnFile.h"

#include <charconv>
#include <limits>
#include <new>

#include "core/TableText.h"
#include "files/FileDescriptor.h"
#include "files/JsonValue.h"
#include "generators/Rooms.h"
#include "generators/Tables.h"
#include "output/formats/MenuSections.h"

namespace brewick {

namespace {
using Type = JsonValue::Type;

// Where an inn's JSON has something other than the writer writes.
struct NotAnInn {
    std::string reason;
};

[[noreturn]] void refuse(std::string reason) { throw NotAnInn{std::move(reason)}; }

std::string inQuotes(std::string_view name) { return "'" + std::string(name) + "'"; }

const JsonValue& member(const JsonValue& object, std::string_view name, Type type)
{
    const JsonValue* value = object.member(name);
    if (value == nullptr)
        refuse(inQuotes(name) + " is missing");
    if (value->type != type)
        refuse(inQuotes(name) + " is not of its kind");
    return *value;
}

const JsonValue* optionalMember(const JsonValue& object, std::string_view name, Type type)
{
    return object.member(name) != nullptr ? &member(object, name, type) : nullptr;
}

const std::string& text(const JsonValue& object, std::string_view name)
{
    return member(object, name, Type::String).text;
}

template <typename Number>
Number wholeNumber(const JsonValue& value, std::string_view name, Number least, Number most)
{
    Number number{};
    const std::string& digits = value.text;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || number < least || number > most)
        refuse(inQuotes(name) + " is not a whole number from " + std::to_string(least) + " to " + std::to_string(most));
    return number;
}

template <typename Number>
Number wholeMember(const JsonValue& object, std::string_view name, Number least, Number most)
{
    return wholeNumber(member(object, name, Type::Number), name, least, most);
}

// Checks every member is one the writer writes: a member of another name
// is a file of something else, or of a newer Brewick.
void expectMembers(const JsonValue& object, std::initializer_list<std::string_view> names)
{
    if (object.type != Type::Object)
        refuse("an inn is a JSON object");
    for (const auto& [name, value] : object.members)
        if (std::find(names.begin(), names.end(), name) == names.end())
            refuse("unknown member " + inQuotes(name));
}

template <typename Choice>
Choice named(const JsonValue& object, std::string_view name, int count, std::string_view (*nameOf)(Choice))
{
    const std::string& given = text(object, name);
    for (int i = 0; i < count; ++i)
        if (nameOf(static_cast<Choice>(i)) == given)
            return static_cast<Choice>(i);
    refuse(inQuotes(name) + " is not one of its names");
}

TextLines linesOf(const JsonValue& array, std::string_view name)
{
    TextLines lines;
    for (const JsonValue& item : array.items) {
        if (item.type != Type::String)
            refuse(inQuotes(name) + " holds something other than text");
        lines.add(item.text);
    }
    return lines;
}

void readRooms(const JsonValue& rooms, RoomTable& table)
{
    writeRoomHeadings(table);
    static constexpr std::string_view kKinds[] = {"single", "double", "common"};
    expectMembers(rooms, {"single", "double", "common"});
    for (int column = 1; column < RoomTable::kColumns; ++column) {
        const JsonValue& room = member(rooms, kKinds[column - 1], Type::Object);
        expectMembers(room, {"beds", "cost"});
        for (const auto& [name, row] : {std::pair{"beds", 1}, std::pair{"cost", 2}}) {
            const JsonValue* cell = room.member(name);
            if (cell == nullptr || (cell->type != Type::Number && cell->type != Type::String))
                refuse(inQuotes(name) + " of the " + std::string(kKinds[column - 1]) + " rooms is missing");
            table.cell(column, row) = cell->text;
        }
    }
}

void readMenu(const JsonValue& menu, TextLines& lines)
{
    expectMembers(menu, {"mainCourses", "puddings", "drinks", "other", "lines"});
    if (const JsonValue* edited = optionalMember(menu, "lines", Type::Array)) {
        lines = linesOf(*edited, "lines");
        return;
    }
    MenuSections sections;
    for (const auto& [name, items] : {std::pair{"mainCourses", &sections.mainCourses},
                                      std::pair{"puddings", &sections.puddings}, std::pair{"drinks", &sections.drinks}})
        for (const JsonValue& item : member(menu, name, Type::Array).items) {
            if (item.type != Type::String)
                refuse(inQuotes(name) + " holds something other than text");
            items->push_back(item.text);
        }
    buildMenuLines(sections, lines);
}

Patron readPatron(const JsonValue& json)
{
    expectMembers(json, {"age", "race", "occupation", "clothes", "gender", "hair", "face", "text"});
    const std::string& gender = text(json, "gender");
    if (gender != "woman" && gender != "man")
        refuse("'gender' is neither woman nor man");
    PatronWords words;
    words.race = text(json, "race");
    words.occupation = text(json, "occupation");
    words.clothes = text(json, "clothes");
    words.hair = text(json, "hair");
    words.face = text(json, "face");
    text(json, "age");  // there as text, though the line has it too
    return patronOfLine(text(json, "text"), gender == "woman", words);
}

void readTable(const JsonValue& table, InnSheet& sheet)
{
    expectMembers(table, {"number", "heading", "patrons", "action", "lines", "drawnPatrons"});
    const int number = static_cast<int>(sheet.tableBlocks.size()) + 1;
    TableBlock& block = sheet.tableBlocks.emplace_back();
    const JsonValue& patrons = member(table, "patrons", Type::Array);
    const JsonValue* action = table.member("action");
    if (action == nullptr || (action->type != Type::String && action->type != Type::Null))
        refuse("'action' is neither text nor null");
    const std::string& heading = text(table, "heading");
    TextLines lines;
    lines.add(heading);
    for (const JsonValue& patron : patrons.items) {
        block.patrons.push_back(readPatron(patron));
        lines.add(text(patron, "text"));
    }
    lines.add(action->type == Type::String ? std::string_view(action->text) : kNoOneThere);
    if (const JsonValue* edited = optionalMember(table, "lines", Type::Array))
        lines = linesOf(*edited, "lines");
    lines.add(kTableBlockEnd);
    sheet.tableText.addAll(lines);
    block.lineCount = lines.size();
    // Patrons whose lines the user changed were drawn, though their words are gone.
    if (const JsonValue* drawn = optionalMember(table, "drawnPatrons", Type::Number))
        block.patrons.resize(wholeNumber<std::size_t>(*drawn, "drawnPatrons", block.patrons.size(), 7));
    addTableChoice(sheet.tableChoices, number, static_cast<int>(block.patrons.size()));
}

PlacedInn readInn(const JsonValue& json)
{
    expectMembers(json, {"inn", "seed", "name", "landlord", "location", "quality", "rooms", "menu", "scene",
                         "tableCount", "tables", "shownTable"});
    PlacedInn inn;
    InnSheet& sheet = inn.sheet;
    inn.place.number = wholeMember<std::uint64_t>(json, "inn", 1, std::numeric_limits<std::uint64_t>::max());
    inn.place.seed = wholeMember<std::uint32_t>(json, "seed", 0, std::numeric_limits<std::uint32_t>::max());
    sheet.innName = text(json, "name");
    sheet.landlordName = text(json, "landlord");
    sheet.location = named(json, "location", kLocationCount, locationName);
    sheet.quality = named(json, "quality", kQualityCount, qualityName);
    readRooms(member(json, "rooms", Type::Object), sheet.rooms);
    readMenu(member(json, "menu", Type::Object), sheet.menuLines);
    sheet.barScene = text(json, "scene");
    sheet.tableCount = wholeMember<int>(json, "tableCount", 0, 30);
    const JsonValue& tables = member(json, "tables", Type::Array);
    if (tables.items.size() > 30)
        refuse("more than 30 tables");
    for (std::size_t table = 0; table < tables.items.size(); ++table) {
        try {
            readTable(tables.items[table], sheet);
        } catch (const NotAnInn& fault) {
            refuse("table " + std::to_string(table + 1) + ": " + fault.reason);
        }
    }
    const int tableNumbers = static_cast<int>(tables.items.size());
    const JsonValue* shown = optionalMember(json, "shownTable", Type::Number);
    sheet.chosenTable = shown != nullptr   ? wholeNumber<int>(*shown, "shownTable", 2, tableNumbers) - 1
                        : tableNumbers > 0 ? 0
                                           : -1;
    showChosenTable(sheet);
    return inn;
}

InnRead innOf(const JsonParse& parse)
{
    InnRead read;
    if (!parse.value) {
        read.error = "not JSON: " + parse.error;
        return read;
    }
    try {
        read.inn = readInn(*parse.value);
    } catch (const NotAnInn& fault) {
        read.error = fault.reason;
    }
    return read;
}
}  // namespace

InnRead innFromJson(std::string_view json) { return innOf(parseJson(json)); }

InnFileRead innsOfLines(std::string_view lines, std::size_t linesBefore)
{
    InnFileRead read;
    std::size_t lineNumber = linesBefore;
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        const std::string_view line = lines.substr(0, end);
        lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
        ++lineNumber;
        if (line.find_first_not_of(" \t\r") == std::string_view::npos)
            continue;
        InnRead inn = innFromJson(line);
        if (inn.inn)
            read.inns.push_back(std::move(*inn.inn));
        else if (!read.error)
            read.error = "line " + std::to_string(lineNumber) + ": " + inn.error;
    }
    return read;
}

InnFileRead readInnFile(const std::filesystem::path& path)
{
    InnFileRead read;
    std::string bytes;
    try {
        if (const auto failure = readWholeFile(path, kInnFileLimit, bytes)) {
            read.error = failure->reason;
            return read;
        }
        // One inn, written over many lines or one, or JSON Lines of many.
        const JsonParse whole = parseJson(bytes);
        if (whole.moreAfterValue)
            return innsOfLines(bytes);
        InnRead inn = innOf(whole);
        if (inn.inn)
            read.inns.push_back(std::move(*inn.inn));
        else
            read.error = std::move(inn.error);
    } catch (const std::bad_alloc&) {
        read.inns.clear();
        read.error = "not enough memory to read it";
    }
    return read;
}

}  // namespace brewick
