#include "core/StartSeed.h"

#include <charconv>
#include <chrono>

#include "core/TextLines.h"

namespace brewick {

std::uint32_t seedFromTimeOfDay(int hour, int minute, int second, int millisecond)
{
    return static_cast<std::uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

std::uint32_t clockSeed()
{
    using namespace std::chrono;
    constexpr auto kMillisecondsPerDay = duration_cast<milliseconds>(days(1)).count();
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(sinceEpoch.count() % kMillisecondsPerDay);
}

std::optional<std::uint32_t> parseSeed(std::string_view text)
{
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    // from_chars accepts neither signs nor blanks, which is what we want.
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

EnvironmentSeed environmentSeed(const char* environmentValue)
{
    if (environmentValue == nullptr || *environmentValue == '\0')
        return {};
    if (const auto seed = parseSeed(environmentValue))
        return {seed, std::nullopt};
    return {std::nullopt,
            "BREWICK_SEED=" + singleQuoted(environmentValue) + " is not a whole number from 0 to 4294967295"};
}

std::uint32_t startSeed(const char* environmentValue, std::ostream& warnings)
{
    const EnvironmentSeed asked = environmentSeed(environmentValue);
    if (asked.problem)
        warnings << "brewick: " << *asked.problem << "; seeding from the clock\n";
    return asked.seed ? *asked.seed : clockSeed();
}

}  // namespace brewick
