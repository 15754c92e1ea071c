// The kept session: the inns of the window's history, edits included, kept
// in the user's state folder so that the next run starts with them behind
// its first inn. JSON Lines: a first line that names the session's version,
// then one inn a line, as File > Export writes them.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/InnSheet.h"

namespace brewick {

// $XDG_STATE_HOME/brewick/session.jsonl, else $HOME/.local/state/brewick/
// session.jsonl; empty when neither names an absolute folder.
std::filesystem::path sessionFile(const char* stateHome, const char* home);
// The same from this process's environment.
std::filesystem::path sessionFile();

// The inns kept at `path`, oldest first; none when there is no file. A file
// that cannot be read, is damaged or comes from a newer Brewick is set aside
// under another name, which `warnings` tells, and gives no inn: a session
// never stops the program from starting.
std::vector<PlacedInn> restoreSession(const std::filesystem::path& path, std::ostream& warnings);

// The bytes of a session holding these inns, oldest first.
class SessionWriter {
public:
    SessionWriter();
    void add(const InnSheet& sheet, const InnPlace& place);
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// Replaces the session at `path` by `bytes`, whole or not at all, making its
// folder when it has none. Gives the message for the user on failure.
std::optional<std::string> writeSession(const std::filesystem::path& path, const std::string& bytes);

}  // namespace brewick
