// A random source for tests: draws like the program's source and remembers
// the range of every draw, so tests can count draws and check their order.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/RandomSource.h"

namespace brewick::test {

class RecordingRandom final : public RandomSource {
public:
    explicit RecordingRandom(std::uint32_t state = 20240607) : source_(state) {}

    int randomIndex(int n) override
    {
        ranges.push_back(n);
        return source_.randomIndex(n);
    }
    std::uint32_t state() const { return source_.state(); }

    std::vector<int> ranges;  // the n of every draw, in order

private:
    LcgRandom source_;
};

// A random source that answers from a script, for steering a generator into
// one particular case; past the script's end it answers 0. An answer outside
// the draw's range fails the test.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> answers) : answers_(std::move(answers)) {}

    int randomIndex(int n) override
    {
        ranges.push_back(n);
        int answer = next_ < answers_.size() ? answers_[next_] : 0;
        ++next_;
        // An answer the range cannot give means the range has changed. Staying
        // inside it keeps the generator within its word list.
        const int limit = std::max(n, 1);
        if (answer >= limit) {
            ADD_FAILURE() << "draw " << next_ << " over " << n << " cannot answer " << answer;
            answer = limit - 1;
        }
        return answer;
    }

    std::vector<int> ranges;

private:
    std::vector<int> answers_;
    std::size_t next_ = 0;
};

}  // namespace brewick::test
