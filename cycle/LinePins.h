// Lines the user pinned: a patron, what a table is doing, a menu line or the
// bar scene, kept through the draws that would replace them. A generation
// draws as it would without pins; the pinned lines are put back afterwards,
// so the draws, and every inn made without pins, stay the same.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/InnSheet.h"
#include "generators/Tables.h"

namespace brewick {

// The boxes of the inn whose lines can be pinned.
enum class LineBox { Table, Menu, Scene };

struct LinePin {
    enum class Kind { Patron, Action, MenuLine, Scene };
    Kind kind = Kind::Scene;
    std::string line;       // as the user sees it now
    std::size_t table = 0;  // a patron's or an action line's table, from 0
    Patron patron;          // as drawn, with the details line of one fleshed out
    std::string details;
    std::string section;  // the menu heading above the line; empty above every heading
    std::string origin;   // the inn it was pinned on, by its name among the kept inns

    friend bool operator==(const LinePin&, const LinePin&) = default;
};

// The pin for the line at `line` of `box` as the sheet shows it, if that
// line can be pinned: a patron's line or the action line of the chosen
// table, a menu line that is not blank, or the bar scene.
std::optional<LinePin> pinOfLine(const InnSheet& sheet, LineBox box, std::size_t line);

// The pin, of `pins`, that marks the line at `line` of `box`, if any.
std::optional<std::size_t> pinMarking(const InnSheet& sheet, std::span<const LinePin> pins, LineBox box,
                                      std::size_t line);
// Every line of `box` that a pin marks, from 0; the scene is line 0.
std::vector<std::size_t> pinnedLines(const InnSheet& sheet, std::span<const LinePin> pins, LineBox box);

// Adds `pin`, in the place of the pin it takes over: a table has one
// action line and an inn one scene.
void addPin(std::vector<LinePin>& pins, LinePin pin);

// What a draw replaced: the pins of those parts alone go back.
struct DrawnParts {
    bool menu = false;
    bool scene = false;
    bool everyTable = false;
    std::optional<std::size_t> table;  // the one table drawn, when not every one
};

// Puts the pins of the parts drawn back into the sheet, where they are not
// still there: a patron at the table of its number, or the last table when
// there are fewer, in the seat of its last patron not pinned when the table
// is full (where every seat is pinned, it waits), with the heading, the
// table choice and the action line saying as many patrons, and at a table
// drawn empty what one patron is doing, from a stream of that table's own
// in the inn at `place`; an action line in place of its table's, unless that
// table is empty, naming who sits there, which its pin follows; a menu line
// at the end of the section it stood in, or of the menu when there is no
// such section; and the scene.
void putBackPins(InnSheet& sheet, std::span<LinePin> pins, const DrawnParts& drawn, InnPlace place,
                 const PatronLists& lists);

// The patrons pinned take the details they were given since, where the
// sheet still holds their lines.
void followPinnedPatrons(const InnSheet& sheet, std::span<LinePin> pins);

// The lines of `box` were edited from `before` to `after`, the sheet
// holding `after` already: each pin of a line edited follows it, and the pin
// of a line taken away or left blank goes. Gives whether any pin changed.
bool followLineEdit(std::vector<LinePin>& pins, const InnSheet& sheet, LineBox box, const TextLines& before,
                    const TextLines& after);

// Where the line at `line` of `before` stands in `after`, the lines of
// `before` edited into it, or nothing when the edit removed it: the lines
// the two share at either end stay themselves, and an edited line is the
// line at its place among those that replaced the edited ones.
std::optional<std::size_t> lineAfterEdit(const TextLines& before, const TextLines& after, std::size_t line);

}  // namespace brewick
