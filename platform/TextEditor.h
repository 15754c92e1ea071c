// The user's own plain-text editor: the desktop's default application for
// text/plain (XDG mimeapps.list), started on one file.
#pragma once

#include <optional>
#include <string>

namespace brewick {

// Opens the file at the absolute `path` in the editor and returns at once:
// the editor may be a new process, a running instance or a D-Bus activated
// service, none of which can be waited for. Gives the message for the user,
// without a full stop, when there is none to start: "No application is set up
// to open text files"; when the one set up cannot be started: "The text
// editor NAME cannot be started", with GIO's reason; or why GIO itself could
// not be loaded.
std::optional<std::string> openInTextEditor(const std::string& path);

}  // namespace brewick
