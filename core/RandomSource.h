// The random source every generator draws from. Generators take the abstract
// RandomSource so that tests can count or script the draws; the program uses
// the 32-bit linear congruential source below.
#pragma once

#include <cstdint>

namespace brewick {

class RandomSource {
public:
    virtual ~RandomSource() = default;

    // A whole number in [0, n); 0 when n is 0 or negative. Every call is one
    // draw, whatever n is.
    virtual int RandomIndex(int n) = 0;
};

class LcgRandom final : public RandomSource {
public:
    explicit LcgRandom(std::uint32_t state) : state_(state) {}

    int RandomIndex(int n) override;
    std::uint32_t State() const { return state_; }

private:
    std::uint32_t state_;
};

}  // namespace brewick
