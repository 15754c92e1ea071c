#include "cycle/LinePins.h"

#include <algorithm>

#include "core/TableText.h"
#include "generators/Tables.h"

namespace brewick {

namespace {
using Kind = LinePin::Kind;

LinePin pinOf(Kind kind, std::string_view line, std::size_t table = 0)
{
    LinePin pin;
    pin.kind = kind;
    pin.line = line;
    pin.table = table;
    return pin;
}

bool isBlank(std::string_view line) { return trimmed(line).empty(); }

// A menu heading stands at the line's start; items are indented under it.
bool isMenuHeading(std::string_view line) { return !isBlank(line) && !line.starts_with(' '); }

// The table a pin of a table's line goes to: its own, or the last when there are fewer.
std::optional<std::size_t> tableOf(const InnSheet& sheet, const LinePin& pin)
{
    if (sheet.tableBlocks.empty())
        return std::nullopt;
    return std::min(pin.table, sheet.tableBlocks.size() - 1);
}

LineBox boxOf(Kind kind)
{
    switch (kind) {
    case Kind::Patron:
    case Kind::Action:
        return LineBox::Table;
    case Kind::MenuLine:
        return LineBox::Menu;
    case Kind::Scene:
        break;
    }
    return LineBox::Scene;
}

bool isOnChosenTable(const InnSheet& sheet, const LinePin& pin)
{
    return sheet.chosenTable >= 0 && tableOf(sheet, pin) == static_cast<std::size_t>(sheet.chosenTable);
}

// The line of the table's block at `line`, from its heading.
std::string_view blockLine(const InnSheet& sheet, std::size_t table, std::size_t line)
{
    return sheet.tableText[firstLineOfBlock(sheet, table) + line];
}

// The patron of the table whose line reads `line`.
std::optional<std::size_t> patronReading(const InnSheet& sheet, std::size_t table, std::string_view line)
{
    const TableBlock& block = sheet.tableBlocks[table];
    for (std::size_t patron = 0; patron < block.patrons.size(); ++patron) {
        const std::size_t at = lineOfPatron(block.patrons, patron);
        if (at < block.lineCount && blockLine(sheet, table, at) == line)
            return patron;
    }
    return std::nullopt;
}

void replaceLine(TextLines& lines, std::size_t at, std::size_t count, std::string_view line)
{
    TextLines replacement;
    replacement.add(line);
    lines.replace(at, count, replacement);
}

// The heading and the table choice say how many patrons the table has now;
// a heading the user changed stays as typed.
void recountPatrons(InnSheet& sheet, std::size_t table, std::size_t before)
{
    const int number = static_cast<int>(table) + 1;
    const auto patrons = static_cast<int>(sheet.tableBlocks[table].patrons.size());
    TextLines heading;
    addTableHeading(heading, number, static_cast<int>(before));
    const std::size_t first = firstLineOfBlock(sheet, table);
    if (sheet.tableText[first] == heading[0]) {
        heading.clear();
        addTableHeading(heading, number, patrons);
        sheet.tableText.replace(first, 1, heading);
    }
    if (table < sheet.tableChoices.size()) {
        TextLines choice;
        addTableChoice(choice, number, patrons);
        sheet.tableChoices.replace(table, 1, choice);
    }
    renameActingPatrons(sheet, table);
}

bool isPinnedPatron(const InnSheet& sheet, std::span<const LinePin> pins, std::size_t table, std::string_view line)
{
    return std::ranges::any_of(pins, [&](const LinePin& pin) {
        return pin.kind == Kind::Patron && tableOf(sheet, pin) == table && pin.line == line;
    });
}

// A table seats kMostPatrons at the most, and no inn file holds more: at a
// full table, the last patron as drawn that no pin holds gives up their
// seat, never one whose line the user typed into. Gives whether there is a
// seat now.
bool freeSeat(InnSheet& sheet, std::span<const LinePin> pins, std::size_t table)
{
    TableBlock& block = sheet.tableBlocks[table];
    if (block.patrons.size() < static_cast<std::size_t>(kMostPatrons))
        return true;
    for (std::size_t patron = block.patrons.size(); patron-- > 0;) {
        const Patron& seated = block.patrons[patron];
        const std::size_t at = lineOfPatron(block.patrons, patron);
        const std::size_t lines = seated.fleshedOut ? 2 : 1;
        if (at + lines >= block.lineCount || !readsAsDrawn(seated, blockLine(sheet, table, at)) ||
            (seated.fleshedOut && !readsAsFleshedOut(seated, blockLine(sheet, table, at + 1))) ||
            isPinnedPatron(sheet, pins, table, blockLine(sheet, table, at)))
            continue;
        sheet.tableText.replace(firstLineOfBlock(sheet, table) + at, lines, TextLines());
        block.lineCount -= lines;
        block.patrons.erase(block.patrons.begin() + static_cast<std::ptrdiff_t>(patron));
        return true;
    }
    return false;
}

// Where a draw puts pins back, and what it draws for them.
struct PutBack {
    InnSheet& sheet;
    std::span<const LinePin> pins;
    const DrawnParts& drawn;
    InnPlace place;
    const PatronLists& lists;

    // The table the pin's line goes back to, if that table was drawn.
    std::optional<std::size_t> drawnTableOf(const LinePin& pin) const
    {
        const std::optional<std::size_t> table = tableOf(sheet, pin);
        if (!table || (!drawn.everyTable && drawn.table != *table))
            return std::nullopt;
        return table;
    }
};

// Below the patrons of a table that had no one doing anything there, what
// the patron put back is doing, from a stream of the table's own: the draws
// of the generator's source stay as they are.
void addLonePatronsAction(PutBack& back, std::size_t table)
{
    TableBlock& block = back.sheet.tableBlocks[table];
    const std::size_t at = lineOfPatron(block.patrons, block.patrons.size());
    if (at + 1 < block.lineCount)
        return;
    LcgRandom random(streamSeed(back.place.seed, back.place.number, textHash("a lone patron's action") + table));
    TextLines action;
    addActionLine(action, block, back.lists, random);
    back.sheet.tableText.replace(firstLineOfBlock(back.sheet, table) + at, 0, action);
    ++block.lineCount;
}

void putBackPatron(PutBack& back, const LinePin& pin)
{
    InnSheet& sheet = back.sheet;
    const std::optional<std::size_t> table = back.drawnTableOf(pin);
    if (!table || sheet.tableBlocks[*table].lineCount == 0 || patronReading(sheet, *table, pin.line))
        return;
    TableBlock& block = sheet.tableBlocks[*table];
    const std::size_t before = block.patrons.size();
    // Every seat held by a pin: this one waits for a table with room.
    if (!freeSeat(sheet, back.pins, *table))
        return;
    const std::size_t seated = block.patrons.size();
    // Below the last patron, and above the closing line whatever the user took away.
    const std::size_t at = std::min(lineOfPatron(block.patrons, seated), block.lineCount - 1);
    const std::size_t first = firstLineOfBlock(sheet, *table);
    const std::size_t noOneThere = seated == 0 && at == 1 && sheet.tableText[first + 1] == kNoOneThere ? 1 : 0;
    TextLines lines;
    lines.add(pin.line);
    if (pin.patron.fleshedOut)
        lines.add(pin.details);
    sheet.tableText.replace(first + at, noOneThere, lines);
    block.lineCount += lines.size() - noOneThere;
    block.patrons.push_back(pin.patron);
    addLonePatronsAction(back, *table);
    recountPatrons(sheet, *table, before);
    showChangedTable(sheet, *table);
}

// The action line reads for who sits there, and its pin as the line reads.
void putBackAction(PutBack& back, LinePin& pin)
{
    InnSheet& sheet = back.sheet;
    const std::optional<std::size_t> table = back.drawnTableOf(pin);
    // No one at the table is doing anything.
    if (!table || sheet.tableBlocks[*table].patrons.empty())
        return;
    TableBlock& block = sheet.tableBlocks[*table];
    const std::size_t at = lineOfPatron(block.patrons, block.patrons.size());
    if (at >= block.lineCount)
        return;
    const bool hasAction = tableLineAt(block, at).role == TableLine::Action;
    const std::size_t line = firstLineOfBlock(sheet, *table) + at;
    if (hasAction && sheet.tableText[line] == pin.line)
        return;
    replaceLine(sheet.tableText, line, hasAction ? 1 : 0, pin.line);
    block.lineCount += hasAction ? 0 : 1;
    renameActingPatrons(sheet, *table);
    pin.line = sheet.tableText[line];
    showChangedTable(sheet, *table);
}

void putBackMenuLine(TextLines& menu, const LinePin& pin)
{
    if (std::ranges::find(menu, pin.line) != menu.end())
        return;
    std::size_t at = 0;
    if (!pin.section.empty()) {
        const auto heading = std::ranges::find_if(
            menu, [&pin](std::string_view line) { return isMenuHeading(line) && line == pin.section; });
        at = static_cast<std::size_t>(heading - menu.begin()) + (heading == menu.end() ? 0 : 1);
    }
    while (at < menu.size() && !isBlank(menu[at]) && !isMenuHeading(menu[at]))
        ++at;
    replaceLine(menu, at, 0, pin.line);
}

void putBack(PutBack& back, LinePin& pin)
{
    switch (pin.kind) {
    case Kind::Patron:
        putBackPatron(back, pin);
        break;
    case Kind::Action:
        putBackAction(back, pin);
        break;
    case Kind::MenuLine:
        if (back.drawn.menu)
            putBackMenuLine(back.sheet.menuLines, pin);
        break;
    case Kind::Scene:
        if (back.drawn.scene)
            back.sheet.barScene = pin.line;
        break;
    }
}

std::size_t lineCount(const InnSheet& sheet, LineBox box)
{
    switch (box) {
    case LineBox::Table:
        return sheet.shownTableLines.size();
    case LineBox::Menu:
        return sheet.menuLines.size();
    case LineBox::Scene:
        break;
    }
    return 1;
}

std::optional<LinePin> pinOfTableLine(const InnSheet& sheet, std::size_t line)
{
    if (sheet.chosenTable < 0)
        return std::nullopt;
    const auto table = static_cast<std::size_t>(sheet.chosenTable);
    const TableLine chosen = tableLineAt(sheet, table, line);
    if (chosen.role == TableLine::Action)
        return pinOf(Kind::Action, blockLine(sheet, table, chosen.line), table);
    if (chosen.role != TableLine::Patron && chosen.role != TableLine::Details)
        return std::nullopt;
    const TableBlock& block = sheet.tableBlocks[table];
    const Patron& patron = block.patrons[chosen.patron];
    const std::size_t at = lineOfPatron(block.patrons, chosen.patron);
    LinePin pin = pinOf(Kind::Patron, blockLine(sheet, table, at), table);
    pin.patron = patron;
    if (patron.fleshedOut)
        pin.details = blockLine(sheet, table, at + 1);
    return pin;
}

std::optional<LinePin> pinOfMenuLine(const TextLines& menu, std::size_t line)
{
    if (line >= menu.size() || isBlank(menu[line]))
        return std::nullopt;
    LinePin pin = pinOf(Kind::MenuLine, menu[line]);
    for (std::size_t above = line; above-- > 0;) {
        if (isMenuHeading(menu[above])) {
            pin.section = menu[above];
            break;
        }
    }
    return pin;
}
}  // namespace

std::optional<LinePin> pinOfLine(const InnSheet& sheet, LineBox box, std::size_t line)
{
    switch (box) {
    case LineBox::Table:
        return pinOfTableLine(sheet, line);
    case LineBox::Menu:
        return pinOfMenuLine(sheet.menuLines, line);
    case LineBox::Scene:
        break;
    }
    if (isBlank(sheet.barScene))
        return std::nullopt;
    return pinOf(Kind::Scene, sheet.barScene);
}

std::optional<std::size_t> pinMarking(const InnSheet& sheet, std::span<const LinePin> pins, LineBox box,
                                      std::size_t line)
{
    const std::optional<LinePin> shown = pinOfLine(sheet, box, line);
    if (!shown)
        return std::nullopt;
    const auto marking = std::ranges::find_if(pins, [&](const LinePin& pin) {
        return pin.kind == shown->kind && pin.line == shown->line &&
               (box != LineBox::Table || isOnChosenTable(sheet, pin));
    });
    if (marking == pins.end())
        return std::nullopt;
    return static_cast<std::size_t>(marking - pins.begin());
}

std::vector<std::size_t> pinnedLines(const InnSheet& sheet, std::span<const LinePin> pins, LineBox box)
{
    std::vector<std::size_t> marked;
    if (pins.empty())
        return marked;
    for (std::size_t line = 0; line < lineCount(sheet, box); ++line) {
        // The closing line stands for the action line, but is no line to mark.
        const bool closing = box == LineBox::Table && isBlank(sheet.shownTableLines[line]);
        // A long menu is read once, not once for each line's section.
        const bool unpinnedItem = box == LineBox::Menu && std::ranges::none_of(pins, [&](const LinePin& pin) {
                                      return pin.line == sheet.menuLines[line];
                                  });
        if (!closing && !unpinnedItem && pinMarking(sheet, pins, box, line))
            marked.push_back(line);
    }
    return marked;
}

void addPin(std::vector<LinePin>& pins, LinePin pin)
{
    std::erase_if(pins, [&pin](const LinePin& pinned) {
        return pinned.kind == pin.kind &&
               (pin.kind == Kind::Scene || (pin.kind == Kind::Action && pinned.table == pin.table));
    });
    pins.push_back(std::move(pin));
}

void putBackPins(InnSheet& sheet, std::span<LinePin> pins, const DrawnParts& drawn, InnPlace place,
                 const PatronLists& lists)
{
    PutBack back{sheet, pins, drawn, place, lists};
    // Action lines last: they go where the patrons put back leave them.
    for (LinePin& pin : pins)
        if (pin.kind != Kind::Action)
            putBack(back, pin);
    for (LinePin& pin : pins)
        if (pin.kind == Kind::Action)
            putBack(back, pin);
}

void followPinnedPatrons(const InnSheet& sheet, std::span<LinePin> pins)
{
    for (LinePin& pin : pins) {
        const std::optional<std::size_t> table = pin.kind == Kind::Patron ? tableOf(sheet, pin) : std::nullopt;
        const std::optional<std::size_t> patron = table ? patronReading(sheet, *table, pin.line) : std::nullopt;
        const TableBlock* block = patron ? &sheet.tableBlocks[*table] : nullptr;
        // A patron whose words are gone, one after a line the user typed into
        // say, is no one to take over.
        if (!block || !readsAsDrawn(block->patrons[*patron], pin.line))
            continue;
        pin.patron = block->patrons[*patron];
        const std::size_t details = lineOfPatron(block->patrons, *patron) + 1;
        pin.details = pin.patron.fleshedOut ? std::string(blockLine(sheet, *table, details)) : std::string();
    }
}

bool followLineEdit(std::vector<LinePin>& pins, const InnSheet& sheet, LineBox box, const TextLines& before,
                    const TextLines& after)
{
    const std::vector<LinePin> was = pins;
    for (LinePin& pin : pins) {
        if (boxOf(pin.kind) != box || (box == LineBox::Table && !isOnChosenTable(sheet, pin)))
            continue;
        const auto line = std::ranges::find(before, pin.line);
        if (line == before.end())
            continue;
        const std::optional<std::size_t> edited =
            lineAfterEdit(before, after, static_cast<std::size_t>(line - before.begin()));
        pin.line = edited ? after[*edited] : std::string_view();
    }
    std::erase_if(pins, [](const LinePin& pin) { return isBlank(pin.line); });
    return pins != was;
}

std::optional<std::size_t> lineAfterEdit(const TextLines& before, const TextLines& after, std::size_t line)
{
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t same = 0;
    while (same < shorter && before[same] == after[same])
        ++same;
    std::size_t sameAtEnd = 0;
    while (same + sameAtEnd < shorter && before[before.size() - 1 - sameAtEnd] == after[after.size() - 1 - sameAtEnd])
        ++sameAtEnd;
    if (line < same)
        return line;
    if (line >= before.size() - sameAtEnd)
        return line - before.size() + after.size();
    const std::size_t edited = after.size() - sameAtEnd - same;
    if (edited == 0)
        return std::nullopt;
    return same + std::min(line - same, edited - 1);
}

}  // namespace brewick
