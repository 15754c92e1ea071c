// Inn files: the JSON that File > Export and brewick-batch --format json
// write, one inn or JSON Lines of many, read back into the inns the window
// showed, edits and chosen table included.
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

// The inn of one JSON text, or why it is none ("'rooms' is missing", "table
// 3: 'heading' is not a string", "byte 17: expected ':'").
struct InnRead {
    std::optional<PlacedInn> inn;
    std::string error;
};
InnRead innFromJson(std::string_view json);

// Inns read, and why what was read is not all of them.
struct InnFileRead {
    std::vector<PlacedInn> inns;
    std::optional<std::string> error;
};

// The inns of JSON Lines, one inn a line and blank lines skipped, and the
// first reason, if any, why a line is no inn ("line 3: 'rooms' is missing"),
// counting `linesBefore` lines before the first.
InnFileRead innsOfLines(std::string_view lines, std::size_t linesBefore = 0);

// The inns of the file at `path`, in its order, and the first reason, if any,
// why the file or one of its lines is no inn ("line 3: 'rooms' is missing",
// "not a regular file"): the good lines of a file with bad ones are read.
InnFileRead readInnFile(const std::filesystem::path& path);

}  // namespace brewick
