// The folder of the kept session ($XDG_STATE_HOME/brewick): session.jsonl,
// the merged session of the windows that have ended, and windows/, a file
// for each window that runs, held by a lock while it runs. A window that
// starts merges into the session what the windows that ended (closed or
// crashed) left, and goes on from there; so any number of windows at once
// lose nothing. Files are replaced by rename only, and a session that cannot
// be read is set aside under a name of its own, never overwritten.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "files/FileDescriptor.h"
#include "keeping/KeptInn.h"
#include "keeping/KeptPins.h"
#include "keeping/UnreadCopies.h"

namespace brewick {

// A name no other window has, for the window's file and the inns it makes.
std::string uniqueWindowId();

class SessionStore {
public:
    SessionStore(std::filesystem::path folder, std::string windowId);

    struct Opening {
        std::vector<KeptInn> inns;      // oldest first
        std::vector<KeptPin> pins;      // the pins, and those taken away
        std::vector<std::string> news;  // for the user: what could not be read, or kept
    };
    // Merges what the ended windows left into the session, and gives its
    // inns, for this window to go on from.
    Opening open();

    // Why this window's inns cannot be kept, once the session was opened;
    // the message for the user.
    const std::optional<std::string>& cannotKeep() const { return cannotKeep_; }

    // Replaces this window's file by the inns, the deletions of inns this
    // window made and its pins; gives the message for the user when it cannot.
    std::optional<std::string> write(std::span<const KeptInn> inns, std::span<const DeletedInn> deleted = {},
                                     std::span<const KeptPin> pins = {});

private:
    struct Merge;

    std::filesystem::path sessionFile() const { return folder_ / "session.jsonl"; }
    std::filesystem::path windowFile(const std::string& id, std::string_view ending) const;
    // The inns of a session file, and its deletions into the merge. One that
    // cannot be read gives none and is set aside, or, where even that fails,
    // is left as it is and gives nothing at all; either is said.
    std::optional<std::vector<KeptInn>> readSetAside(const std::filesystem::path& path, Merge& merge);
    UnreadCopies unreadCopies() const { return UnreadCopies(sessionFile()); }

    const std::filesystem::path folder_;
    const std::string windowId_;
    std::optional<FileDescriptor> windowLock_;  // held while the window runs
    std::optional<std::string> cannotKeep_;     // why this window's inns cannot be kept
};

}  // namespace brewick
