#include "core/RandomSource.h"

namespace brewick {

namespace {
constexpr std::uint32_t kMultiplier = 0x08088405;
}

int LcgRandom::RandomIndex(int n)
{
    state_ = state_ * kMultiplier + 1;  // unsigned: wraps modulo 2^32
    if (n <= 0)
        return 0;
    return static_cast<int>((static_cast<std::uint64_t>(n) * state_) >> 32);
}

}  // namespace brewick
