// Text folded for a search that ignores case: every letter of the Latin,
// Greek and Cyrillic alphabets that has a small form becomes it, so that a
// word folded the same way is found by a plain byte search, which keeps the
// search of a thousand inns' texts within a frame.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace brewick {

// `utf8` with its capitals small; bytes that are no UTF-8 stay as they are.
std::string foldedForSearch(std::string_view utf8);

// The words of a folded text, each once: the short ones a line each, the
// long ones each shared by every text that holds it. A long word is a line
// pasted or typed without a blank, which every step drawn from its inn keeps;
// shared, a thousand steps cost it once.
struct SearchWords {
    std::string shortWords;
    std::vector<std::shared_ptr<const std::string>> longWords;

    // `folded` holds no blank and is folded as the words are.
    bool holds(std::string_view folded) const;
};

// The words of `folded`, which is folded already, apart at blanks.
SearchWords searchWordsOf(std::string_view folded);

}  // namespace brewick
