// The user's starred inns: $XDG_DATA_HOME/brewick/kept-inns.jsonl, the
// user's documents rather than the program's state. The file holds them as
// the session holds its inns, one a line with its name and times, and is
// written by rename only; a line that cannot be read is set aside, not lost.
// Every change is made to the file as it stands on the disk at that moment,
// under a lock on its folder, so that windows that star and unstar at once
// keep each other's stars.
#pragma once

#include <cstddef>
#include <filesystem>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "keeping/KeptInn.h"

namespace brewick {

inline constexpr std::string_view kStarredInnsFileName = "kept-inns.jsonl";

// The most inns starred, and the most bytes a star takes them to: half of a
// history's, so that a history of starred inns still has room for others.
// Changes of starred inns may take them further, to what a session holds.
inline constexpr std::size_t kMostStarredInns = kMostKeptInns / 2;
inline constexpr std::size_t kMostStarredBytes = kMostKeptBytes / 2;

// $XDG_DATA_HOME/brewick/kept-inns.jsonl, else under
// $HOME/.local/share; empty when neither names an absolute folder.
std::filesystem::path starredInnsFile(const char* dataHome, const char* home);
// The same from this process's environment.
std::filesystem::path starredInnsFile();

struct StarChange {
    enum Kind {
        Star,    // adds the inn, or replaces it
        Unstar,  // drops the inn of that name
        Update,  // meets the inn when it is starred (InnChanges.h): the
                 // inn's `based` and `was` tell what changed since the copy
                 // of it the window last starred, updated or read
    };
    Kind kind;
    KeptInn inn;
};

// Makes the changes to `starred`, in order. A star or an update that would
// take the starred inns past their bounds is not made: gives those, and the
// names of the inns another window changed too, joined or kept twice.
struct StarOutcome {
    std::vector<StarChange> refused;
    std::vector<std::string> changedTwice;
};
StarOutcome changeStars(std::vector<KeptInn>& starred, std::span<const StarChange> changes);

class StarredInnsFile {
public:
    explicit StarredInnsFile(std::filesystem::path path) : path_(std::move(path)) {}

    struct Starred {
        std::vector<KeptInn> inns;      // in the order they were starred
        std::vector<std::string> news;  // for the user
    };
    // Reads the file, as a window does when it starts, and removes what
    // writers killed before they were done left in its folder.
    Starred open();
    // Makes the changes to the file, and gives the starred inns it holds
    // then; with no changes, reads it. Why the file cannot be changed is
    // told once.
    Starred change(std::span<const StarChange> changes);

private:
    // Tells `why` the stars cannot be kept, the first time.
    void cannotKeep(const std::string& why, Starred& starred);
    // Tells which changes the bounds refused: a star each time, the changes
    // of an inn once until one is made again.
    void tellRefused(std::span<const StarChange> changes, std::span<const StarChange> refused, Starred& starred);

    const std::filesystem::path path_;
    bool toldCannotKeep_ = false;
    std::set<std::string> toldRefusedUpdates_;  // by the inns' names
};

}  // namespace brewick
