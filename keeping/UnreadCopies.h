// Copies of what a reader of kept inns could not read, set aside beside the
// file they belong to under names of their own, for when they were set
// aside, so that nothing is ever overwritten:
//   session.jsonl.set-aside-20260105-143000     a whole file that could not be
//                                               read (a newer Brewick's, say):
//                                               never removed
//   session.jsonl.unread-lines-20260105-143000  the lines of a file that could
//                                               not be read: the newest three,
//                                               by the time in their names
// The copies an earlier Brewick named session.jsonl.unread-20260105-143000
// may hold either, so they are never removed.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace brewick {

class UnreadCopies {
public:
    static constexpr std::size_t kKept = 3;

    explicit UnreadCopies(std::filesystem::path file) : file_(std::move(file)) {}

    // Moves the file at `path` aside whole as a new copy; gives the copy's
    // path, or none and the system's reason in `why`.
    std::optional<std::filesystem::path> setAside(const std::filesystem::path& path, std::string& why) const;
    // Keeps the lines of `count` inns of `what` ("the last session") that
    // could not be read in a new copy, and says so for the user: where they
    // are kept, or why they could not be.
    struct Kept {
        bool kept;
        std::string news;
    };
    Kept keep(std::size_t count, std::string_view what, std::string_view lines) const;
    // Removes all but the newest kKept copies of lines.
    void dropOld() const;

private:
    // A name of the `kind` of copy that no copy has yet. No two alike as long
    // as the caller holds a lock that keeps other windows from setting one
    // aside meanwhile.
    std::filesystem::path newName(std::string_view kind) const;

    std::filesystem::path file_;
};

}  // namespace brewick
