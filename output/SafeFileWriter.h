// Writing a file so that it appears whole or not at all: on any failure an
// existing file keeps its old content and nothing half-written is left.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace brewick {

// Replaces the file at `path` by `bytes`. Gives the message for the user on
// failure: "Cannot create file <path>" when the file cannot be created, and
// "Stream write error" when writing it falls short.
std::optional<std::string> writeFileSafely(const QString& path, std::string_view bytes);

}  // namespace brewick
