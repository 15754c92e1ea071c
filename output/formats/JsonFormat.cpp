#include "output/formats/JsonFormat.h"

#include <algorithm>
#include <span>

#include "core/Patron.h"
#include "core/TableText.h"
#include "output/formats/JsonString.h"

namespace brewick {

namespace {
using namespace std::string_view_literals;  // a literal's length known when compiled

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

void appendStringArray(std::span<const std::string_view> items, std::string& out)
{
    out += '[';
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += ',';
        appendJsonString(items[i], out);
    }
    out += ']';
}

void appendLineArray(TextLines::const_iterator first, TextLines::const_iterator last, std::string& out)
{
    out += '[';
    for (auto line = first; line != last; ++line) {
        if (line != first)
            out += ',';
        appendJsonString(*line, out);
    }
    out += ']';
}

// Digits as the generators write them, small enough for every JSON reader to
// keep exact (below 2^53); anything else a user typed stays text.
bool isPlainNumber(std::string_view cell)
{
    constexpr std::size_t kMostDigits = 15;
    return !cell.empty() && cell.size() <= kMostDigits && (cell == "0" || cell.front() != '0') &&
           std::all_of(cell.begin(), cell.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void appendCell(std::string_view cell, std::string& out)
{
    if (isPlainNumber(cell))
        out += cell;
    else
        appendJsonString(cell, out);
}

// {"single":{"beds":3,"cost":200},"double":{...},"common":{...}}
void appendRooms(const RoomTable& rooms, std::string& out)
{
    static constexpr std::string_view kKinds[] = {"single", "double", "common"};
    out += '{';
    for (int column = 1; column < RoomTable::kColumns; ++column) {
        out += column == 1 ? "\"" : ",\"";
        out += kKinds[column - 1];
        out += "\":{\"beds\":";
        appendCell(rooms.cell(column, 1), out);
        out += ",\"cost\":";
        appendCell(rooms.cell(column, 2), out);
        out += '}';
    }
    out += '}';
}

// {"mainCourses":[...],"puddings":[...],"drinks":[...]}, and "other" when
// an edited menu has items before its first heading.
// An edited menu whose lines the groups cannot give back also has its lines
// as they stand.
void appendMenu(const TextLines& menuLines, const MenuSections& menu, std::string& out)
{
    out += "{\"mainCourses\":";
    appendStringArray(menu.mainCourses, out);
    appendKey("puddings", out);
    appendStringArray(menu.puddings, out);
    appendKey("drinks", out);
    appendStringArray(menu.drinks, out);
    if (!menu.other.empty()) {
        appendKey("other", out);
        appendStringArray(menu.other, out);
    }
    if (!readsAsBuilt(menuLines, menu)) {
        appendKey("lines", out);
        appendLineArray(menuLines.begin(), menuLines.end(), out);
    }
    out += '}';
}

// The most of an inn's JSON: the members' names, the quotes and commas
// between the values are written in one piece each. The details of a patron
// fleshed out follow its line, from the details line below it. Gives
// whether that line reads as drawn, if there is one.
bool appendPatron(const Patron& patron, std::string_view line, std::string_view detailsLine, std::string& out)
{
    const PatronWords words = patronWords(patron, line);
    // The words are pieces of the line: a line that needs no escapes is
    // looked at once, not word by word.
    bool plain = isPlainJsonText(line);
    const auto value = [&plain, &out](std::string_view before, std::string_view text) {
        out += before;
        if (plain)
            out += text;
        else
            appendJsonStringContent(text, out);
    };
    value("{\"age\":\"", ageWithoutArticle(words.age));
    value("\",\"race\":\"", words.race);
    value("\",\"occupation\":\"", words.occupation);
    value("\",\"clothes\":\"", words.clothes);
    value("\",\"gender\":\"", patron.woman ? "woman"sv : "man"sv);
    value("\",\"hair\":\"", words.hair);
    value("\",\"face\":\"", words.face);
    value("\",\"text\":\"", line);
    const bool detailsAsDrawn = !patron.fleshedOut || readsAsFleshedOut(patron, detailsLine);
    if (patron.fleshedOut && detailsAsDrawn) {
        const PatronDetails details = patronDetails(patron, detailsLine);
        plain = isPlainJsonText(detailsLine);
        value("\",\"name\":\"", details.name);
        value("\",\"trait\":\"", details.trait);
        value("\",\"rumour\":\"", details.rumour);
    }
    // A details line the user typed into stands among the table's lines.
    out += detailsAsDrawn ? "\"}"sv : "\",\"detailsEdited\":true}"sv;
    return detailsAsDrawn;
}

// A block as drawn is its heading, then a line per drawn patron, with the
// details below the line of each one fleshed out, and the action line, or
// "No one is sitting here" for an empty table. The patrons are those whose
// lines still read as drawn, details lines typed into or not; a block the
// user changed also has its lines as they stand, so that nothing typed is
// lost.
void appendTable(int number, TextLines::const_iterator first, TextLines::const_iterator last, const TableBlock& block,
                 std::string& out)
{
    const auto line = [first](std::size_t index) { return first[static_cast<std::ptrdiff_t>(index)]; };
    const auto lines = static_cast<std::size_t>(last - first);
    const std::size_t drawn = block.patrons.size();
    const std::size_t patrons = patronsAsDrawn(block.patrons, first, last);
    const std::size_t action = lineOfPatron(block.patrons, patrons);
    const bool hasAction = patrons > 0 && patrons == drawn && action < lines;
    out += "{\"number\":";
    out += Decimal(number);
    appendStringMember("heading", lines > 0 ? line(0) : std::string_view(), out);
    appendKey("patrons", out);
    out += '[';
    bool detailsAsDrawn = true;
    for (std::size_t i = 0; i < patrons; ++i) {
        if (i > 0)
            out += ',';
        const std::size_t at = lineOfPatron(block.patrons, i);
        detailsAsDrawn = appendPatron(block.patrons[i], line(at),
                                      block.patrons[i].fleshedOut ? line(at + 1) : std::string_view(), out) &&
                         detailsAsDrawn;
    }
    out += ']';
    appendKey("action", out);
    if (hasAction)
        appendJsonString(line(action), out);
    else
        out += "null";
    const bool asDrawn =
        drawn > 0 ? hasAction && detailsAsDrawn && lines == action + 1 : lines == 2 && line(1) == kNoOneThere;
    if (!asDrawn) {
        appendKey("lines", out);
        appendLineArray(first, last, out);
        // The table's choice names the patrons drawn, also those whose lines
        // the user changed.
        if (patrons < drawn) {
            appendKey("drawnPatrons", out);
            out += Decimal(drawn);
        }
    }
    out += '}';
}

void appendTables(const InnSheet& sheet, std::string& out)
{
    out += '[';
    int number = 0;
    forEachTableBlock(sheet, [&](auto first, auto last, const TableBlock& block) {
        if (number++ > 0)
            out += ',';
        appendTable(number, first, last, block, out);
    });
    out += ']';
}
}  // namespace

std::string_view ageWithoutArticle(std::string_view age)
{
    for (std::string_view article : {"An", "A"}) {
        if (age == article)
            return {};
        if (age.starts_with(article) && age.substr(article.size()).starts_with(' '))
            return age.substr(article.size() + 1);
    }
    return age;
}

void appendJsonParticulars(const InnSheet& sheet, InnPlace place, MenuSections& menu, std::string& out)
{
    out += "{\"inn\":";
    out += Decimal(place.number);
    appendKey("seed", out);
    out += Decimal(place.seed);
    appendStringMember("name", sheet.innName, out);
    appendStringMember("landlord", sheet.landlordName, out);
    appendStringMember("location", locationName(sheet.location), out);
    appendStringMember("quality", qualityName(sheet.quality), out);
    appendKey("rooms", out);
    appendRooms(sheet.rooms, out);
    appendKey("menu", out);
    splitMenu(sheet.menuLines, menu);
    appendMenu(sheet.menuLines, menu, out);
}

void JsonFormat::append(const InnSheet& sheet, InnPlace place, std::string& out)
{
    appendJsonParticulars(sheet, place, menu_, out);
    appendStringMember("scene", sheet.barScene, out);
    appendKey("tableCount", out);
    out += Decimal(sheet.tableCount);
    appendKey("tables", out);
    appendTables(sheet, out);
    // The window shows table 1 after every generation; another is the user's choice.
    if (sheet.chosenTable > 0) {
        appendKey("shownTable", out);
        out += Decimal(sheet.chosenTable + 1);
    }
    if (!sheet.notes.empty())
        appendStringMember("notes", sheet.notes, out);
    out += "}\n";
}

}  // namespace brewick
