// A word list: an ordered list of entries drawn uniformly. Entries keep their
// order and their blanks, and duplicates count, so a doubled entry is drawn
// twice as often.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
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
    void appendAll(const WordList& list) { insertAll(count(), list); }
    void insertAll(std::size_t position, const WordList& list)
    {
        entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(position), list.begin(), list.end());
    }
    void clear() { entries_.clear(); }

    friend bool operator==(const WordList&, const WordList&) = default;

private:
    std::vector<std::string> entries_;
};

// A word list read from a user's file, with the system's message when the
// reading failed; the entries read before the failure count.
struct WordListFile {
    WordList entries;
    std::optional<std::string> error;
};

// A user's own entries for one word list, from the list's two files: a list
// that stands instead of the built-in one, and entries that join the list.
struct UserWordList {
    std::optional<WordList> replacement;
    WordList additions;

    friend bool operator==(const UserWordList&, const UserWordList&) = default;
};

// By the name of the list's files.
using UserWordLists = std::map<std::string, UserWordList, std::less<>>;

// The entry at randomIndex(count): one draw, also for an empty list, which
// gives the empty text.
inline const std::string& pickRandom(const WordList& list, RandomSource& random)
{
    static const std::string kNothing;
    const int index = random.randomIndex(static_cast<int>(list.count()));
    return list.count() == 0 ? kNothing : list[static_cast<std::size_t>(index)];
}

}  // namespace brewick
