// The inns of a run, to step back and forth through like a browser's history:
// each "Generate" first keeps the inn as it stands, edits and table choice
// included. Stepping puts a kept sheet back as it was and draws nothing, so
// the random source goes on from where it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "core/InnSheet.h"
#include "cycle/InnGenerator.h"

namespace brewick {

class InnHistory {
public:
    // The most inns kept, the one shown included; the oldest go first.
    static constexpr std::size_t kLimit = 100;

    // "Generate": keeps the generator's inn, drops the inns after it, as a
    // browser drops the pages ahead when a link is followed, and generates.
    void generate(InnGenerator& generator);

    bool canGoBack() const { return !before_.empty(); }
    bool canGoForward() const { return !after_.empty(); }
    // Shows the inn before or after the shown one, which is kept as it
    // stands; nothing happens at either end.
    void goBack(InnGenerator& generator);
    void goForward(InnGenerator& generator);

    // The shown inn's number in the run, from 1: how many generations had run
    // when it was made. 0 before the first.
    std::uint64_t shownNumber() const { return shownNumber_; }

private:
    struct KeptInn {
        InnSheet sheet;
        std::uint64_t number;
    };

    // Shows the last inn of `source` and keeps the shown one at the end of `keep`.
    void step(std::deque<KeptInn>& source, std::deque<KeptInn>& keep, InnGenerator& generator);

    std::deque<KeptInn> before_;  // oldest first
    std::deque<KeptInn> after_;   // nearest last
    std::uint64_t shownNumber_ = 0;
};

}  // namespace brewick
