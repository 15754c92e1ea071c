// An inn the history keeps but does not show: packed into the bytes of its
// JSON, which are both what keeping it costs and what the kept session
// writes of it, and known by a name of its own wherever it is kept, so that
// the sessions of several windows can be merged without losing or doubling
// an inn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/InnSheet.h"

namespace brewick {

// The most inns a history keeps, the shown one included; what the session
// adds to the bytes of each inn it keeps, at the most; and the most bytes the
// inns may take in the session, overhead included, well below what its
// reader takes. The oldest inns go first.
inline constexpr std::size_t kMostKeptInns = 1000;
inline constexpr std::size_t kKeptInnOverhead = 128;
inline constexpr std::size_t kMostKeptBytes = (64 << 20) - (1 << 16);

struct InnListing;

struct KeptInn {
    std::shared_ptr<const std::string> packed;  // shared with the session being written
    InnPlace place;
    std::string id;            // unique over every window and run
    std::int64_t made = 0;     // when it joined a history, in milliseconds since 1970
    std::int64_t changed = 0;  // when it last changed, likewise
    // What the history list shows of it, made with `packed`; none until then.
    std::shared_ptr<const InnListing> listing = nullptr;
    // Where this window changed an inn that it read from a kept file, and
    // that other windows may hold too: when the copy it read had last
    // changed, and the values the members it changed had there (see
    // InnChanges.h), for another window's changes since to be joined with
    // these. None for an inn as it was read, or made here.
    std::int64_t based = 0;
    std::shared_ptr<const std::string> was = nullptr;
    // The copy read, held only to tell `was`.
    std::shared_ptr<const std::string> basis = nullptr;
};

// What the line of a kept inn adds for what the window changed, at the most.
inline constexpr std::size_t kKeptChangeOverhead = 40;

// What keeping the inn costs, as the bounds count it.
inline std::size_t keptSize(const KeptInn& inn)
{
    return (inn.packed ? inn.packed->size() : 0) + kKeptInnOverhead +
           (inn.was ? inn.was->size() + kKeptChangeOverhead : 0);
}

// An inn the user deleted from a history, known by its name and when it was
// deleted: no other window's session that still holds the inn brings it back
// unless it changed there later.
struct DeletedInn {
    std::string id;
    std::int64_t deleted = 0;  // in milliseconds since 1970

    friend bool operator==(const DeletedInn&, const DeletedInn&) = default;
};

// The most deletions a session keeps, the newest: enough to outlast any
// window that still runs with the inns they deleted.
inline constexpr std::size_t kMostDeletedInns = 500;

// How a sheet becomes the bytes it is kept as, and back.
struct InnPacking {
    std::function<std::string(const InnSheet&, const InnPlace&)> pack;
    // None when the bytes are no inn.
    std::function<std::optional<InnSheet>(std::string_view)> unpack;
};

// Inns packed as their JSON, as the history keeps them and the session
// writes them.
InnPacking innJsonPacking();

}  // namespace brewick
