// The table text by its blocks, one per table: a heading, the patron lines
// and what they are doing, closed by a line of one space. What the user types
// into the shown table becomes that table's block.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "core/InnSheet.h"

namespace brewick {

inline constexpr std::string_view kTableBlockEnd = " ";
// The line under the heading of a table without patrons.
inline constexpr std::string_view kNoOneThere = "No one is sitting here";

// Where the block of the table at `index` starts in the table text.
std::size_t firstLineOfBlock(const InnSheet& sheet, std::size_t index);

// Calls `visit(first, last, block)` for each table in order, with the lines
// of its block, the closing line left out; `first` is the heading.
template <typename Visit>
void forEachTableBlock(const InnSheet& sheet, Visit visit)
{
    auto first = sheet.tableText.begin();
    for (const TableBlock& block : sheet.tableBlocks) {
        const auto end = first + static_cast<std::ptrdiff_t>(block.lineCount);
        visit(first, end == first || end[-1] != kTableBlockEnd ? end : end - 1, block);
        first = end;
    }
}

// What a line of a table's block holds, by its place: the heading, a line
// for each patron drawn for the table, each fleshed-out patron's details
// right below its line, then what they are doing. The closing line, right
// below, stands for what they are doing too; any other line, one the user
// typed beyond the lines drawn say, is another line.
struct TableLine {
    // A details line is no patron's line: drawing the patron again is for
    // the line of the patron itself, and on its details draws nothing.
    enum Role { Heading, Patron, Details, Action, Other };
    Role role = Other;
    std::size_t patron = 0;  // a patron's line or details: which patron, from 0
    std::size_t line = 0;    // the line in the block that holds it
};
TableLine tableLineAt(const TableBlock& block, std::size_t line);
TableLine tableLineAt(const InnSheet& sheet, std::size_t table, std::size_t line);

// The line of a block that holds the patron at `patron`: below the heading
// and the lines of the patrons before it, with their details.
std::size_t lineOfPatron(std::span<const Patron> patrons, std::size_t patron);

// How many of the patrons, from the first on, still read as drawn in the
// block's lines from `first` (the heading) to `last` (the closing line left
// out): each patron's line, with the line of its details below it if
// fleshed out, as drawn or as the user typed it.
std::size_t patronsAsDrawn(std::span<const Patron> patrons, TextLines::const_iterator first,
                           TextLines::const_iterator last);

// The user typed `lines` into the shown table: they are the shown table
// lines, and they replace the chosen table's block, with a closing line after
// them when they do not end with one, so that the blocks stay apart.
void editShownTable(InnSheet& sheet, const TextLines& lines);

}  // namespace brewick
