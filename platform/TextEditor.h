// The user's own plain-text editor: the desktop's default application for
// text/plain (XDG mimeapps.list), started on one file.
#pragma once

#include <sys/types.h>

#include <string>

namespace brewick {

struct EditorLaunch {
    bool started = false;
    // The editor's process, ours to wait for and reap; 0 when the editor
    // started without one (an application that a running instance opens).
    pid_t pid = 0;
};

EditorLaunch startTextEditor(const std::string& path);

}  // namespace brewick
