// Inn files: the JSON that File > Export and brewick-batch --format json
// write, one inn or many, read back into the inns the window showed, edits
// and chosen table included. Inns follow one another with any blanks between
// them: JSON Lines, one inn written over many lines, or many pretty-printed
// as other JSON tools write them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/InnSheet.h"

namespace brewick {

// Far larger than any inn file, and small enough to hold in memory.
inline constexpr std::uintmax_t kInnFileLimit = 64 << 20;

// Inns read, and what kept the rest from being read.
struct InnFileRead {
    std::vector<PlacedInn> inns;
    std::size_t unread = 0;            // values that were no inn
    std::optional<std::string> error;  // the first reason, by its line: "line 3: 'rooms' is missing"
};

// The inns of a text of inn JSON, in its order, a byte order mark skipped. A
// value that is no inn costs itself only: reading goes on at the next line
// that starts an object.
InnFileRead innsOfText(std::string_view text);

// The inns of the file at `path`, read as innsOfText reads them, or why the
// file holds none ("not a regular file", "the file is empty").
InnFileRead readInnFile(const std::filesystem::path& path);

}  // namespace brewick
