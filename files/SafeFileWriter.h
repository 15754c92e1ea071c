// Writing a file so that it appears whole or not at all: on any failure an
// existing file keeps its old content and nothing half-written is left. The
// one exception is a file the user may write in a folder the user may not:
// there is no room beside it for the new file, so it is written in place.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace brewick {

// Replaces the file at `path` by `bytes`. Gives the message for the user on
// failure: "Cannot create file <path>" when the file cannot be created, and
// "Stream write error" when writing it falls short, each followed by the
// system's reason ("Cannot create file /usr/bin/inn.txt: Permission denied").
std::optional<std::string> writeFileSafely(const QString& path, std::string_view bytes);

}  // namespace brewick
