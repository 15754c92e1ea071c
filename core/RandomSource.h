// The random source every generator draws from. Generators take the abstract
// RandomSource so that tests can count or script the draws; the program uses
// the 32-bit linear congruential source below.
#pragma once

#include <cstdint>
#include <string_view>

namespace brewick {

class RandomSource {
public:
    virtual ~RandomSource();

    // A whole number in [0, n); 0 when n is 0 or negative. Every call is one
    // draw, whatever n is.
    virtual int randomIndex(int n) = 0;
};

class LcgRandom final : public RandomSource {
public:
    explicit LcgRandom(std::uint32_t state) : state_(state) {}

    // Defined here so that a generator's draw can skip the virtual call when
    // the compiler sees that the source is this one.
    int randomIndex(int n) override
    {
        state_ = state_ * kMultiplier + 1;  // unsigned: wraps modulo 2^32
        if (n <= 0)
            return 0;
        return static_cast<int>((static_cast<std::uint64_t>(n) * state_) >> 32);
    }
    std::uint32_t state() const { return state_; }

private:
    static constexpr std::uint32_t kMultiplier = 0x08088405;

    std::uint32_t state_;
};

// The state of a stream of its own, for what is drawn apart from the
// generator's source: from the run's seed, the inn's number and what the
// stream is for. Every bit of each reaches every bit of the state, so that
// the streams of neighbouring inns and patrons look unrelated.
std::uint32_t streamSeed(std::uint32_t runSeed, std::uint64_t innNumber, std::uint64_t purpose);

// A text as a number for streamSeed, the same on every machine and run.
std::uint64_t textHash(std::string_view text);

}  // namespace brewick
