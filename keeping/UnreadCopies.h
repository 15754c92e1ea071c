// Copies of what a reader of kept inns could not read, kept beside the file
// they belong to. Brewick never removes a line of them:
//   session.jsonl.set-aside-20260105-143000     a whole file that could not be
//                                               read (a newer Brewick's, say)
//   session.jsonl.lines-not-read                every line that could not be
//                                               read, each once, oldest first
//   session.jsonl.unread-lines-20260105-143000  the lines of one start, until
//                                               the file above holds them
// Each time lines are kept, the copies join the file of lines not read, and a
// copy is removed only once that file holds each of its lines on the disk;
// what would take the file past its bound stays a copy.
// The copies an earlier Brewick named session.jsonl.unread-20260105-143000
// may hold a whole file, so they are left as they are. That Brewick removes
// the oldest files whose names start so, copies of lines included: the file
// of lines not read is named otherwise.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "files/InnFile.h"

namespace brewick {

class UnreadCopies {
public:
    // The bound of the file of lines not read: each line counts its bytes
    // and kLineOverhead more, for what holding it takes while it is read.
    static constexpr std::uintmax_t kMostLinesNotRead = kInnFileLimit;
    static constexpr std::uintmax_t kLineOverhead = 128;

    explicit UnreadCopies(std::filesystem::path file) : file_(std::move(file)) {}

    // The file that holds every line not read, each once.
    std::filesystem::path linesNotRead() const;

    // Moves the file at `path` aside whole as a new copy; gives the copy's
    // path, or none and the system's reason in `why`.
    std::optional<std::filesystem::path> setAside(const std::filesystem::path& path, std::string& why) const;
    // Keeps the lines of `count` inns of `what` ("the last session") that
    // could not be read, and says so for the user: where they are kept, or
    // why they could not be. The caller holds the lock of the file's folder,
    // as two that fold at once would each write the file without the other's
    // lines.
    struct Kept {
        bool kept;
        std::string news;
    };
    Kept keep(std::size_t count, std::string_view what, std::string_view lines) const;

private:
    // Brings the lines of the copies of lines, oldest first, into the file of
    // lines not read, each line once, and then removes the copies it holds.
    // Gives why copies stay as they are, when some do.
    std::optional<std::string> fold() const;
    // A name of the `kind` of copy that no copy has yet. No two alike as long
    // as the caller holds a lock that keeps other windows from setting one
    // aside meanwhile.
    std::filesystem::path newName(std::string_view kind) const;

    std::filesystem::path file_;
};

}  // namespace brewick
