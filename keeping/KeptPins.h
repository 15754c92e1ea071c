// The lines pinned, kept with the session: each pin as it reads and when it
// was pinned so, and each pin taken away (unpinned, or pinned anew as it
// reads after an edit) and when. Windows that ran at once keep each other's
// pins and unpins: of all that the sessions kept of one pin, the latest holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cycle/LinePins.h"
#include "files/JsonReader.h"

namespace brewick {

struct KeptPin {
    LinePin pin;
    std::int64_t at = 0;  // when it was pinned as it reads, or taken away
    bool pinned = true;   // false: taken away

    friend bool operator==(const KeptPin&, const KeptPin&) = default;
};

// The most bytes the pins take in a session, within its bound: a pin holds
// the line of a patron and of their details, and pins beyond are not kept.
inline constexpr std::size_t kMostPinBytes = 1 << 20;
// The most pins taken away a session remembers, the newest.
inline constexpr std::size_t kMostUnpinned = 500;

// The pin as a JSON object, for a session's line; and back, where it is one.
void appendPin(const LinePin& pin, std::string& out);
LinePin readPin(JsonReader& json);

// What keeping the pin costs in a session's line, and keeping all of them.
std::size_t keptPinSize(const KeptPin& pin);
std::size_t keptPinsSize(const std::vector<KeptPin>& pins);

// Of every pin the latest of what `pins` holds of it, the pins first in the
// order they were pinned, then those taken away; the newest kMostUnpinned of
// those, and all within kMostPinBytes, the newest first.
std::vector<KeptPin> mergePins(const std::vector<KeptPin>& pins);

// The pins `pins` holds pinned, in the order they were pinned.
std::vector<LinePin> pinnedOf(const std::vector<KeptPin>& pins);

// `pins` now holds `current`: what it held pinned but no longer is was taken
// away at `now`, and what is new was pinned then.
void followPins(std::vector<KeptPin>& pins, const std::vector<LinePin>& current, std::int64_t now);

}  // namespace brewick
