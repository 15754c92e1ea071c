// A kept session's file: the inns of a window's history, edits included, in
// the order of the history, and the inns the user deleted from it. JSON
// Lines: a first line that names the session's version, then one kept inn a
// line, its name, when it was made and last changed, and the inn as
// File > Export writes it, or the name of a deleted inn and when it was
// deleted:
//   {"brewickSession":4}
//   {"entry":"3f0c…-1","made":1796050000000,"changed":1796050000000,"inn":{…}}
//   {"entry":"77a1…-3","made":…,"changed":…,"based":…,"was":{"notes":null},"inn":{…}}
//   {"deleted":"3f0c…-2","at":1796050100000}
//   {"pinned":{"kind":"patron","line":…},"at":1796050200000}
//   {"unpinned":{"kind":"menuLine","line":…},"at":1796050300000}
// An inn the window changed after reading it from the session says when the
// copy it read had changed, and what the members it changed were there
// (InnChanges.h); the lines pinned, and those taken away, follow the inns
// (KeptPins.h). The third version had neither, the second no deletions,
// and the first version's lines held the inn alone; all are still read. The user's starred inns are kept in a
// file of the same lines, with a first line of its own and no deletions.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "keeping/KeptInn.h"
#include "keeping/KeptPins.h"

namespace brewick {

// $XDG_STATE_HOME/brewick, else $HOME/.local/state/brewick; empty when
// neither names an absolute folder.
std::filesystem::path sessionFolder(const char* stateHome, const char* home);
// The same from this process's environment.
std::filesystem::path sessionFolder();

// The kind of a file of kept inns: what it is, for the user; the member of
// its first line, which names its version; the version written; the last
// version whose lines held the inn alone; and whether it keeps deletions and
// what a window changed of the inns it read.
struct KeptInnsFormat {
    std::string_view what;
    std::string_view name;
    int version;
    std::string_view firstLine;
    int bareInnVersion;
    bool keepsDeletions;
    bool keepsChanges;
};
inline constexpr KeptInnsFormat kSessionFormat{"session", "brewickSession", 4, "{\"brewickSession\":4}", 1, true, true};
inline constexpr KeptInnsFormat kStarredInnsFormat{
    "file of starred inns", "brewickKeptInns", 1, "{\"brewickKeptInns\":1}", 0, false, false};

// What a session file held: its inns and deletions, and the lines that were
// neither, which cost themselves only.
struct SessionRead {
    std::vector<KeptInn> inns;
    std::vector<DeletedInn> deleted;
    std::vector<KeptPin> pins;
    std::size_t unread = 0;
    std::string unreadLines;           // each ended by LF
    std::optional<std::string> error;  // why the file as a whole is no session: nothing was read
};

// Reads a session as its bytes arrive, line by line.
class SessionParser {
public:
    explicit SessionParser(const KeptInnsFormat& format = kSessionFormat) : format_(format) {}

    void feed(std::string_view piece);
    SessionRead finish();

private:
    void takeLine(std::string_view line);
    void takeKeptLine(std::string_view line);

    const KeptInnsFormat& format_;
    std::string partial_;  // of the line not ended yet
    std::size_t lines_ = 0;
    int version_ = 0;
    SessionRead read_;
};

SessionRead readSessionFile(const std::filesystem::path& path, const KeptInnsFormat& format = kSessionFormat);

// The bytes of a session holding `inns`, in order, and then `deleted`:
// pieces that point into the inns, which must outlive them.
class SessionBytes {
public:
    explicit SessionBytes(std::span<const KeptInn> inns, std::span<const DeletedInn> deleted = {},
                          const KeptInnsFormat& format = kSessionFormat, std::span<const KeptPin> pins = {});
    std::span<const std::string_view> pieces() const { return pieces_; }

private:
    std::string heads_;  // the head of every line, back to back
    std::vector<std::string_view> pieces_;
};

}  // namespace brewick
