// The sessions of several windows merged into one: every inn of each once,
// as it was last changed, in the order of every session that holds it, and
// where the sessions do not say, in the order the inns were made. Two windows
// that started from the same session and each made inns give that session's
// inns, then theirs by the time they were made. Where two windows changed one
// inn, their changes are joined, or both versions kept, side by side.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "keeping/KeptInn.h"

namespace brewick {

struct MergedSessions {
    std::vector<KeptInn> inns;
    std::vector<std::string> changedTwice;  // the names of the inns two windows changed, for the user
};
MergedSessions mergeSessions(const std::vector<std::vector<KeptInn>>& sessions);

// The latest deletion of each inn once, the newest kMostDeletedInns of them,
// oldest first.
std::vector<DeletedInn> mergeDeletions(std::vector<DeletedInn> deleted);

// Drops the inns deleted when they had last changed: one changed later, in a
// window that still held it, stays.
void dropDeleted(std::vector<KeptInn>& inns, std::span<const DeletedInn> deleted);

// Drops the oldest inns until the inns fit the bounds of a kept session,
// `reserved` of its bytes taken by what else it keeps; gives how many it
// dropped.
std::size_t dropBeyondBounds(std::vector<KeptInn>& inns, std::size_t reserved = 0);

}  // namespace brewick
