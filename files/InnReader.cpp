#include "files/InnReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "core/TableText.h"
#include "files/JsonMembers.h"
#include "generators/Rooms.h"
#include "generators/Tables.h"
#include "output/formats/MenuSections.h"

namespace brewick {

namespace {
using Kind = JsonReader::Kind;

void readLines(JsonReader& json, std::string_view name, TextLines& lines)
{
    expectKind(json, Kind::Array, name, "a list");
    std::string line;
    json.readArray([&] {
        line.clear();
        if (json.next() != Kind::String)
            json.fail(singleQuoted(name) + " holds something other than text");
        json.readString(line);
        lines.add(line);
    });
}

template <typename Choice>
Choice readNamed(JsonReader& json, std::string_view name, int count, std::string_view (*nameOf)(Choice))
{
    std::string given;
    readText(json, name, given);
    for (int i = 0; i < count; ++i)
        if (nameOf(static_cast<Choice>(i)) == given)
            return static_cast<Choice>(i);
    json.fail(singleQuoted(name) + " is not one of its names");
}

void readRooms(JsonReader& json, RoomTable& rooms)
{
    static constexpr std::string_view kKinds[] = {"single", "double", "common"};
    static constexpr std::string_view kCells[] = {"beds", "cost"};
    writeRoomHeadings(rooms);
    readMembers(json, "'rooms'", kKinds, firstMembers(3), [&](std::size_t kind) {
        const int column = static_cast<int>(kind) + 1;
        readMembers(json, singleQuoted(kKinds[kind]), kCells, firstMembers(2), [&](std::size_t cell) {
            std::string& text = rooms.cell(column, static_cast<int>(cell) + 1);
            // A number as it is written, or what the user typed.
            if (json.next() == Kind::Number)
                text = json.readNumber();
            else if (json.next() == Kind::String)
                json.readString(text);
            else
                json.fail(singleQuoted(kCells[cell]) + " of the " + std::string(kKinds[kind]) +
                          " rooms is neither a number nor text");
        });
    });
}

void readMenu(JsonReader& json, TextLines& menuLines)
{
    enum { MainCourses, Puddings, Drinks, Other, Lines };
    static constexpr std::string_view kNames[] = {"mainCourses", "puddings", "drinks", "other", "lines"};
    TextLines groups[Lines];
    const MemberSet members = readMembers(json, "'menu'", kNames, firstMembers(3), [&](std::size_t member) {
        readLines(json, kNames[member], member == Lines ? menuLines : groups[member]);
    });
    // A menu its groups cannot give back comes with its lines.
    if (!members.has(Lines))
        buildMenuLines(groups[MainCourses], groups[Puddings], groups[Drinks], menuLines);
}

// Each line break of `text`, whatever its kind, joined into a space.
void joinLineBreaks(std::string& text)
{
    static constexpr std::string_view kBreaks[] = {"\r\n", "\n", "\r", "\v", "\f", "\u0085", "\u2028", "\u2029"};
    std::string joined;
    for (std::size_t at = 0; at < text.size();) {
        const auto lineBreak = std::ranges::find_if(
            kBreaks, [&](std::string_view kind) { return std::string_view(text).substr(at).starts_with(kind); });
        joined += lineBreak == std::end(kBreaks) ? std::string_view(&text[at], 1) : " ";
        at += lineBreak == std::end(kBreaks) ? 1 : lineBreak->size();
    }
    text = std::move(joined);
}

// A patron as written: the words it was drawn with, and its line; and the
// details of one fleshed out.
struct WrittenPatron {
    std::string words[Patron::kWordCount];  // the age as written, without its article
    bool woman = false;
    std::string text;
    std::optional<std::array<std::string, Patron::kDetailCount>> details;
    bool detailsEdited = false;  // the details line is among the table's lines, as the user typed it

    Patron patron() const
    {
        PatronWords drawn;
        drawn.race = words[Patron::Race];
        drawn.occupation = words[Patron::Occupation];
        drawn.clothes = words[Patron::Clothes];
        drawn.hair = words[Patron::Hair];
        drawn.face = words[Patron::Face];
        Patron patron = patronOfLine(text, woman, drawn);
        if (details)
            keepDetails(patron, detailsOf());
        else if (detailsEdited)
            loseDetails(patron);
        return patron;
    }

    PatronDetails detailsOf() const
    {
        const auto& written = *details;
        return {written[Patron::Name], written[Patron::Trait], written[Patron::Rumour]};
    }
};

WrittenPatron readPatron(JsonReader& json)
{
    enum { Age, Race, Occupation, Clothes, Gender, Hair, Face, Text, Name, Trait, Rumour, DetailsEdited };
    static constexpr std::string_view kNames[] = {"age",  "race", "occupation", "clothes", "gender", "hair",
                                                  "face", "text", "name",       "trait",   "rumour", "detailsEdited"};
    static constexpr Patron::Word kWords[] = {Patron::Age,        Patron::Race, Patron::Occupation, Patron::Clothes,
                                              Patron::kWordCount, Patron::Hair, Patron::Face};
    WrittenPatron patron;
    const MemberSet members = readMembers(json, "a patron", kNames, firstMembers(8), [&](std::size_t member) {
        if (member == Text)
            return readText(json, kNames[member], patron.text);
        if (member == DetailsEdited) {
            // Written only when true.
            if (json.next() != Kind::Boolean || !json.readBoolean())
                json.fail("'detailsEdited' is not true");
            patron.detailsEdited = true;
            return;
        }
        if (member >= Name) {
            auto& details = patron.details ? *patron.details : patron.details.emplace();
            readText(json, kNames[member], details[member - Name]);
            // Each is a piece of the one details line.
            return joinLineBreaks(details[member - Name]);
        }
        if (member != Gender)
            return readText(json, kNames[member], patron.words[kWords[member]]);
        std::string gender;
        readText(json, "gender", gender);
        if (gender != "woman" && gender != "man")
            json.fail("'gender' is neither woman nor man");
        patron.woman = gender == "woman";
    });
    // The details are a line of their own: all three, or none.
    if (patron.details && !(members.has(Name) && members.has(Trait) && members.has(Rumour)))
        json.fail("a patron's 'name', 'trait' and 'rumour' go together");
    if (patron.details && patron.detailsEdited)
        json.fail("a patron's 'detailsEdited' stands for its 'name', 'trait' and 'rumour'");
    return patron;
}

// A table as written: its lines are the heading, the patrons' lines and the
// action, unless the user changed them, when they come as they stand.
struct WrittenTable {
    std::string heading;
    std::vector<WrittenPatron> patrons;
    std::optional<std::string> action;  // none: no one is sitting there
    std::optional<TextLines> lines;
    std::size_t drawnPatrons = 0;
};

WrittenTable readTable(JsonReader& json)
{
    enum { Number, Heading, Patrons, Action, Lines, DrawnPatrons };
    static constexpr std::string_view kNames[] = {"number", "heading", "patrons", "action", "lines", "drawnPatrons"};
    WrittenTable table;
    const MemberSet members = readMembers(json, "a table", kNames, firstMembers(4) & ~1u, [&](std::size_t member) {
        switch (member) {
        case Number:
            // The table's place says it; the number is there for other programs.
            readWholeNumber<int>(json, "number", 1, kMostTables);
            break;
        case Heading:
            readText(json, "heading", table.heading);
            break;
        case Patrons:
            expectKind(json, Kind::Array, "patrons", "a list");
            json.readArray([&] {
                if (table.patrons.size() == kMostPatrons)
                    json.fail("more than " + std::to_string(kMostPatrons) + " patrons");
                table.patrons.push_back(readPatron(json));
            });
            break;
        case Action:
            if (json.next() == Kind::Null)
                json.readNull();
            else
                readText(json, "action", table.action.emplace());
            break;
        case Lines:
            readLines(json, "lines", table.lines.emplace());
            break;
        case DrawnPatrons:
            // Patrons whose lines the user changed were drawn, though their words are gone.
            table.drawnPatrons = readWholeNumber<std::size_t>(json, "drawnPatrons", 1, kMostPatrons);
            break;
        }
    });
    if (members.has(DrawnPatrons) && table.drawnPatrons < table.patrons.size())
        json.fail("'drawnPatrons' is less than the patrons listed");
    if (!members.has(Lines) && std::ranges::any_of(table.patrons, &WrittenPatron::detailsEdited))
        json.fail("a patron's details line was typed into, but the table has no 'lines'");
    table.drawnPatrons = std::max(table.drawnPatrons, table.patrons.size());
    return table;
}

// The table's block, as the window shows it.
void addTable(const WrittenTable& table, InnSheet& sheet)
{
    TextLines lines;
    TableBlock& block = sheet.tableBlocks.emplace_back();
    block.patrons.resize(table.drawnPatrons);
    if (table.lines) {
        lines = *table.lines;
    } else {
        lines.add(table.heading);
        for (std::size_t i = 0; i < table.patrons.size(); ++i) {
            lines.add(table.patrons[i].text);
            if (table.patrons[i].details)
                addDetailsLine(lines, table.patrons[i].detailsOf());
        }
        lines.add(table.action ? std::string_view(*table.action) : kNoOneThere);
    }
    lines.add(kTableBlockEnd);
    block.lineCount = lines.size();
    // The patrons as drawn are those whose lines still read as drawn, from
    // the first on; the others' words are gone, as they are once the user
    // changes a line.
    std::transform(table.patrons.begin(), table.patrons.end(), block.patrons.begin(),
                   [](const WrittenPatron& patron) { return patron.patron(); });
    const std::size_t asDrawn =
        patronsAsDrawn(std::span(block.patrons).first(table.patrons.size()), lines.begin(), lines.end() - 1);
    std::fill(block.patrons.begin() + static_cast<std::ptrdiff_t>(asDrawn), block.patrons.end(), Patron());
    // Details that no longer read as written are gone, as the user's typing leaves them.
    for (std::size_t patron = 0; patron < asDrawn; ++patron)
        if (block.patrons[patron].fleshedOut &&
            !readsAsFleshedOut(block.patrons[patron], lines[lineOfPatron(block.patrons, patron) + 1]))
            loseDetails(block.patrons[patron]);
    sheet.tableText.addAll(lines);
    addTableChoice(sheet.tableChoices, static_cast<int>(sheet.tableBlocks.size()),
                   static_cast<int>(table.drawnPatrons));
}

void readTables(JsonReader& json, InnSheet& sheet)
{
    expectKind(json, Kind::Array, "tables", "a list");
    json.readArray([&] {
        const std::size_t number = sheet.tableBlocks.size() + 1;
        if (number > kMostTables)
            json.fail("more than " + std::to_string(kMostTables) + " tables");
        try {
            addTable(readTable(json), sheet);
        } catch (JsonFault& fault) {
            fault.reason = "table " + std::to_string(number) + ": " + fault.reason;
            throw;
        }
    });
}
}  // namespace

PlacedInn readInn(JsonReader& json)
{
    enum { Inn, Seed, Name, Landlord, Location, Quality, Rooms, Menu, Scene, TableCount, Tables, ShownTable, Notes };
    PlacedInn inn;
    InnSheet& sheet = inn.sheet;
    int shownTable = 1;
    std::size_t shownTableAt = 0;
    const MemberSet members = readMembers(json, "an inn", kInnMembers, firstMembers(11), [&](std::size_t member) {
        switch (member) {
        case Inn:
            inn.place.number =
                readWholeNumber<std::uint64_t>(json, "inn", 1, std::numeric_limits<std::uint64_t>::max());
            break;
        case Seed:
            inn.place.seed = readWholeNumber<std::uint32_t>(json, "seed", 0, std::numeric_limits<std::uint32_t>::max());
            break;
        case Name:
            readText(json, "name", sheet.innName);
            break;
        case Landlord:
            readText(json, "landlord", sheet.landlordName);
            break;
        case Location:
            sheet.location = readNamed(json, "location", kLocationCount, locationName);
            break;
        case Quality:
            sheet.quality = readNamed(json, "quality", kQualityCount, qualityName);
            break;
        case Rooms:
            readRooms(json, sheet.rooms);
            break;
        case Menu:
            readMenu(json, sheet.menuLines);
            break;
        case Scene:
            readText(json, "scene", sheet.barScene);
            break;
        case TableCount:
            sheet.tableCount = readWholeNumber<int>(json, "tableCount", 0, kMostTables);
            break;
        case Tables:
            readTables(json, sheet);
            break;
        case ShownTable:
            // Table 1 is shown after every generation; another is the user's choice.
            shownTableAt = json.at();
            shownTable = readWholeNumber<int>(json, "shownTable", 2, kMostTables);
            break;
        case Notes:
            readText(json, "notes", sheet.notes);
            break;
        }
    });
    const auto tables = static_cast<int>(sheet.tableBlocks.size());
    if (members.has(ShownTable) && shownTable > tables)
        throw JsonFault{shownTableAt, "'shownTable' is past the last table"};
    sheet.chosenTable = tables > 0 ? shownTable - 1 : -1;
    showChosenTable(sheet);
    return inn;
}

InnRead innFromJson(std::string_view text)
{
    InnRead read;
    JsonReader json(text);
    try {
        read.inn = readInn(json);
        if (!json.atEnd())
            json.fail("more text after the inn");
    } catch (const JsonFault& fault) {
        read.inn.reset();
        read.error = "byte " + std::to_string(fault.at + 1) + ": " + fault.reason;
    }
    return read;
}

}  // namespace brewick
