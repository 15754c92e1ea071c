// Reading a list file of the user's, such as the scene file: one entry a
// line, the way a user expects of a plain text file whatever editor wrote it.
// Only what an editor could have saved is read, and only so much of it: a
// FIFO, a device or a file that never ends a line is an error, not a hang.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/WordList.h"

namespace brewick {

// Far more than anyone types by hand, and little enough to hold in memory
// and to show: a window lays out a line of 1 KiB, however it is made, within
// a frame, and an inn's line holds several entries.
inline constexpr std::size_t kListLineLimit = 1 << 10;
inline constexpr std::size_t kListEntryLimit = 10000;
inline constexpr std::size_t kListEntryBytesLimit = 1 << 20;
inline constexpr std::uintmax_t kListFileLimit = 2 << 20;

// Turns the bytes of a list file, fed in pieces of any size, into entries.
// A UTF-8 byte order mark at the start is skipped. A line ends at CR LF, a
// lone CR or a lone LF; byte 26 ends the file; every line is trimmed and
// lines starting "/*" are skipped. Bytes are kept as they are, invalid UTF-8
// included; a NUL, which no text but UTF-16 holds, ends the reading.
class ListFileParser {
public:
    explicit ListFileParser(WordList& entries) : entries_(entries) {}

    void feed(std::string_view bytes);
    // True once byte 26 has ended the file or it was refused; later bytes
    // are ignored.
    bool ended() const { return ended_; }
    // The end of the file: takes a last line that has no line break.
    void finish();
    // Why the file was refused at the line it stopped at: a line longer
    // than kListLineLimit, more entries or entry bytes than the limits, a NUL.
    const std::optional<std::string>& error() const { return error_; }

private:
    void parse(std::string_view bytes);
    // Bytes held as the start of a byte order mark that did not come whole.
    void releaseMarkStart();
    void endLine();
    void refuse(const std::string& reason);

    WordList& entries_;
    std::string line_;
    std::size_t lineNumber_ = 1;
    std::size_t entryBytes_ = 0;
    std::size_t markBytes_ = 0;  // of a byte order mark, matched so far
    bool atStart_ = true;        // a byte order mark may still come
    bool lineOpen_ = false;      // bytes read since the last line break
    bool afterCr_ = false;       // an LF now belongs to the CR before it
    bool ended_ = false;
    std::optional<std::string> error_;
};

// The entries of the list file at `path`. A missing file, or an empty path,
// is no error. Anything but a regular file, a file larger than kListFileLimit
// and what the parser refuses are refused; a file that cannot be read stops
// at that point. The error is the reason alone, for the caller to name the
// file: "Is a directory", "not a regular file", "line 3 is longer than 1 KiB".
WordListFile readListFile(const std::filesystem::path& path);

}  // namespace brewick
