// Where the random source's first state comes from: the UTC time of day in
// milliseconds, or a state given explicitly for reproducible runs.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace brewick {

// Milliseconds since UTC midnight for the given time of day.
std::uint32_t seedFromTimeOfDay(int hour, int minute, int second, int millisecond);

// seedFromTimeOfDay for the current UTC time.
std::uint32_t clockSeed();

// A decimal whole number from 0 to 4294967295, digits only; nothing otherwise.
std::optional<std::uint32_t> parseSeed(std::string_view text);

// What the value of BREWICK_SEED asks for: no seed when it is unset or
// empty, and the problem, for a message, when it holds no valid seed.
struct EnvironmentSeed {
    std::optional<std::uint32_t> seed;
    std::optional<std::string> problem;  // "BREWICK_SEED='12a' is not a whole number ..."
};
EnvironmentSeed environmentSeed(const char* environmentValue);

// The window's start-up state: the value of BREWICK_SEED when it holds a
// valid seed, else the clock. A non-empty invalid value is reported to
// `warnings`.
std::uint32_t startSeed(const char* environmentValue, std::ostream& warnings);

}  // namespace brewick
