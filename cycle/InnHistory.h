// The inns of a run, to step back and forth through like a browser's history:
// each "Generate", and each location or quality chosen (whose reaction redraws
// the menu and the prices), first keeps the inn as it stands, edits and table
// choice included. Stepping puts a kept sheet back as it was and draws
// nothing, so the random source goes on from where it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "core/InnSheet.h"
#include "cycle/InnGenerator.h"

namespace brewick {

class InnHistory {
public:
    // The most inns kept, the one shown included, and the most bytes of text
    // the kept ones may hold together; the oldest go first. The shown inn
    // stays, however large.
    static constexpr std::size_t kLimit = 100;
    static constexpr std::size_t kByteLimit = 64 * 1024 * 1024;

    // "Generate": keeps the generator's inn, drops the inns after it, as a
    // browser drops the pages ahead when a link is followed, and generates.
    // With no part ticked there is nothing to generate and nothing is kept.
    void generate(InnGenerator& generator);

    // The user chose another location or quality: keeps the inn as it stands,
    // as "Generate" does, and runs the reaction. Choosing the one shown
    // changes nothing.
    void selectLocation(InnGenerator& generator, InnLocation location);
    void selectQuality(InnGenerator& generator, InnQuality quality);

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
        std::size_t bytes;
    };

    // Keeps the shown inn before the one about to replace it.
    void keepShown(const InnSheet& sheet);
    // Shows the last inn of `source` and keeps the shown one at the end of `keep`.
    void step(std::deque<KeptInn>& source, std::deque<KeptInn>& keep, InnGenerator& generator);
    void dropInnsAhead();
    // Drops the oldest inns, then the farthest ahead, until the bounds hold.
    void keepWithinBounds();

    std::deque<KeptInn> before_;  // oldest first
    std::deque<KeptInn> after_;   // nearest last
    std::size_t keptBytes_ = 0;
    std::uint64_t shownNumber_ = 0;
};

}  // namespace brewick
