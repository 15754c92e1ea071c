#include "core/RandomSource.h"

namespace brewick {

// Out of line: the one place that emits the class's virtual table.
RandomSource::~RandomSource() = default;

namespace {
// SplitMix64's finaliser.
std::uint64_t mixed(std::uint64_t value)
{
    value += 0x9E3779B97F4A7C15u;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9u;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBu;
    return value ^ (value >> 31);
}
}  // namespace

std::uint32_t streamSeed(std::uint32_t runSeed, std::uint64_t innNumber, std::uint64_t purpose)
{
    return static_cast<std::uint32_t>(mixed(mixed(mixed(runSeed) ^ innNumber) ^ purpose) >> 32);
}

// FNV-1a.
std::uint64_t textHash(std::string_view text)
{
    std::uint64_t hash = 0xCBF29CE484222325u;
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3u;
    return hash;
}

}  // namespace brewick
