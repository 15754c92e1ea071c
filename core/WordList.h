// A word list: an ordered list of entries drawn uniformly. Entries keep their
// order and their blanks, and duplicates count, so a doubled entry is drawn
// twice as often.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/RandomSource.h"

namespace brewick {

class WordList {
public:
    WordList() = default;
    explicit WordList(std::span<const std::string_view> entries);

    std::size_t count() const { return entries_.size(); }
    const std::string& operator[](std::size_t index) const { return entries_[index]; }
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }

    void append(std::string_view entry) { entries_.emplace_back(entry); }
    void appendAll(std::span<const std::string_view> entries);
    void appendAll(const WordList& list) { entries_.insert(entries_.end(), list.begin(), list.end()); }
    void clear() { entries_.clear(); }

private:
    std::vector<std::string> entries_;
};

// A word list read from a user's file, with the system's message when the
// reading failed; the entries read before the failure count.
struct WordListFile {
    WordList entries;
    std::optional<std::string> error;
};

// The entry at randomIndex(count): one draw, also for an empty list, which
// gives the empty text.
inline const std::string& pickRandom(const WordList& list, RandomSource& random)
{
    static const std::string kNothing;
    const int index = random.randomIndex(static_cast<int>(list.count()));
    return list.count() == 0 ? kNothing : list[static_cast<std::size_t>(index)];
}

}  // namespace brewick
