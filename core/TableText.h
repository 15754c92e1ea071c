// The table text by its blocks, one per table: a heading, the patron lines
// and what they are doing, closed by a line of one space. What the user types
// into the shown table becomes that table's block.
#pragma once

#include <cstddef>
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
// for each patron drawn for the table, then what they are doing. The closing
// line, right below, stands for what they are doing too; any other line, one
// the user typed beyond the lines drawn say, is another line.
struct TableLine {
    enum Role { Heading, Patron, Action, Other };
    Role role = Other;
    std::size_t patron = 0;  // a patron's line: which patron, from 0
    std::size_t line = 0;    // the line in the block that holds it
};
TableLine tableLineAt(const InnSheet& sheet, std::size_t table, std::size_t line);

// The user typed `lines` into the shown table: they are the shown table
// lines, and they replace the chosen table's block, with a closing line after
// them when they do not end with one, so that the blocks stay apart.
void editShownTable(InnSheet& sheet, const TextLines& lines);

}  // namespace brewick
