// The table text cut into its blocks, one per table: a heading, the patron
// lines and what they are doing, closed by a line of one space.
#pragma once

#include <string_view>

#include "core/TextLines.h"

namespace brewick {

inline constexpr std::string_view kTableBlockEnd = " ";

// Calls `visit(first, last)` with the lines of each block, the closing line
// left out; `first` is the heading. Lines after the last closing line make a
// block of their own; a closing line right after another closes nothing.
template <typename Visit>
void forEachTableBlock(const TextLines& tableText, Visit visit)
{
    auto first = tableText.begin();
    for (auto line = first; line != tableText.end(); ++line) {
        if (*line == kTableBlockEnd) {
            if (line != first)
                visit(first, line);
            first = line + 1;
        }
    }
    if (first != tableText.end())
        visit(first, tableText.end());
}

}  // namespace brewick
