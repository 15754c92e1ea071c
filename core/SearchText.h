// Text folded for a search that ignores case: every letter of the Latin,
// Greek and Cyrillic alphabets that has a small form becomes it, so that a
// word folded the same way is found by a plain byte search, which keeps the
// search of a thousand inns' texts within a frame.
#pragma once

#include <string>
#include <string_view>

namespace brewick {

// `utf8` with its capitals small; bytes that are no UTF-8 stay as they are.
std::string foldedForSearch(std::string_view utf8);

}  // namespace brewick
