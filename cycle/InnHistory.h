// The inns of a run, to step back and forth through like a browser's history:
// each "Generate", each inn file opened, and each location or quality chosen
// (whose reaction redraws the menu and the prices) first keeps the inn as it
// stands, edits and table choice included. Stepping puts a kept sheet back as
// it was and draws nothing, so the random source goes on from where it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

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

    // The inns this history generates belong to the run of `runSeed`.
    explicit InnHistory(std::uint32_t runSeed) : runSeed_(runSeed) {}

    // "Generate": keeps the generator's inn, drops the inns after it, as a
    // browser drops the pages ahead when a link is followed, and generates.
    // With no part ticked there is nothing to generate and nothing is kept.
    void generate(InnGenerator& generator);

    // Inns read from a file join the history as a generated inn does: the
    // first is shown, the others follow it, one step forward each.
    void open(InnGenerator& generator, std::vector<PlacedInn> inns);

    // The inns of an earlier run, oldest first, before any inn of this one:
    // the first step back from the first inn shown goes to the last of them.
    void restore(std::vector<PlacedInn> inns);

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

    // Where the shown inn comes from; its number is 0 before the first inn.
    const InnPlace& shownPlace() const { return shownPlace_; }

    // Every inn in the order of the history, the generator's shown one in its
    // place.
    void forEachInn(const InnGenerator& generator,
                    const std::function<void(const InnSheet&, const InnPlace&)>& visit) const;

private:
    struct KeptInn {
        InnSheet sheet;
        InnPlace place;
        std::size_t bytes;
    };

    // Keeps the shown inn before the one about to replace it.
    void keepShown(const InnSheet& sheet);
    // Shows the last inn of `source` and keeps the shown one at the end of `keep`.
    void step(std::deque<KeptInn>& source, std::deque<KeptInn>& keep, InnGenerator& generator);
    void dropInnsAhead();
    // Keeps an inn at the end of `inns`.
    void keep(std::deque<KeptInn>& inns, InnSheet sheet, const InnPlace& place);
    // Drops the oldest inns, then the farthest ahead, until the bounds hold.
    void keepWithinBounds();

    const std::uint32_t runSeed_;
    std::deque<KeptInn> before_;  // oldest first
    std::deque<KeptInn> after_;   // nearest last
    std::size_t keptBytes_ = 0;
    InnPlace shownPlace_;
};

}  // namespace brewick
