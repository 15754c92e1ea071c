// A kept session's file: the inns of a window's history, edits included, in
// the order of the history. JSON Lines: a first line that names the session's
// version, then one kept inn a line, its name, when it was made and last
// changed, and the inn as File > Export writes it:
//   {"brewickSession":2}
//   {"entry":"3f0c…-1","made":1796050000000,"changed":1796050000000,"inn":{…}}
// The first version's lines held the inn alone; they are still read.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/KeptInn.h"

namespace brewick {

// $XDG_STATE_HOME/brewick, else $HOME/.local/state/brewick; empty when
// neither names an absolute folder.
std::filesystem::path sessionFolder(const char* stateHome, const char* home);
// The same from this process's environment.
std::filesystem::path sessionFolder();

// What a session file held: its inns, and the lines that were none, which
// cost themselves only.
struct SessionRead {
    std::vector<KeptInn> inns;
    std::size_t unread = 0;
    std::string unreadLines;           // each ended by LF
    std::optional<std::string> error;  // why the file as a whole is no session: nothing was read
};

// Reads a session as its bytes arrive, line by line.
class SessionParser {
public:
    void feed(std::string_view piece);
    SessionRead finish();

private:
    void takeLine(std::string_view line);

    std::string partial_;  // of the line not ended yet
    std::size_t lines_ = 0;
    int version_ = 0;
    SessionRead read_;
};

SessionRead readSessionFile(const std::filesystem::path& path);

// The bytes of a session holding `inns`, in order: pieces that point into the
// inns, which must outlive them.
class SessionBytes {
public:
    explicit SessionBytes(std::span<const KeptInn> inns);
    std::span<const std::string_view> pieces() const { return pieces_; }

private:
    std::string heads_;  // the head of every line, back to back
    std::vector<std::string_view> pieces_;
};

}  // namespace brewick
