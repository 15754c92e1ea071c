// Where the pages of set lines break. Rows go down a page while they fit, and
// a page breaks only where a reader expects it: not after the first line of a
// paragraph that goes on (a heading and its first line), not between a line
// and the more indented line that follows it, blank lines between them or not
// (a heading and its items, a patron and their details), and between two rows
// of a line only with two rows of it on either page. A page that holds
// nothing but rows that stay together breaks where it is full. A page after
// the first starts with the first row that is not blank.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "output/print/LineSetter.h"

namespace brewick {

struct PlacedRow {
    std::size_t line = 0;
    std::size_t row = 0;  // of the line
    int y = 0;            // from the top of the page
};

// The rows of each page, from the first page on; none for no lines.
std::vector<std::vector<PlacedRow>> breakPages(std::span<const SetLine> lines, int pageHeight);

}  // namespace brewick
