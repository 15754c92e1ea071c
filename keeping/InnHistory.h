// The inns of a run, to step back and forth through like a browser's history:
// each "Generate", each inn file opened, each location or quality chosen
// (whose reaction redraws the menu and the prices) and each table or patron
// drawn again first keeps the inn as it stands, edits and table choice
// included. New inns go right after the shown one, and the inns that were
// ahead of it stay ahead: nothing but the bounds (kMostKeptInns,
// kMostKeptBytes) and the user's deletion ever drops an inn, and the bounds
// never drop a starred one. Stepping puts a kept sheet back as it was and
// draws nothing, so the random source goes on from where it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/InnSheet.h"
#include "cycle/InnGenerator.h"
#include "keeping/KeptInn.h"

namespace brewick {

class InnHistory {
public:
    // Milliseconds since 1970, for when an inn was made and changed.
    using Clock = std::function<std::int64_t()>;
    static std::int64_t systemClock();

    // The inns this history generates belong to the run of `runSeed`; the
    // inns it makes are named `runId`-1, `runId`-2 and so on, a name no other
    // window or run gives.
    InnHistory(std::uint32_t runSeed, InnPacking packing, std::string runId, Clock clock = systemClock);

    // "Generate": keeps the shown inn and generates the next right after it.
    // With no part ticked there is nothing to generate and nothing is kept.
    void generate(InnGenerator& generator);

    // Inns read from a file join the history right after the shown one: the
    // first is shown, the others follow it, one step forward each. Gives how
    // many of the oldest inns the bounds dropped to make room.
    std::size_t open(InnGenerator& generator, std::vector<PlacedInn> inns);
    // How many inns opening `inns` with `shown` shown would drop, changing nothing.
    std::size_t dropsToOpen(const InnSheet& shown, std::vector<PlacedInn> inns) const;

    // The kept inns of earlier runs, oldest first, before every inn of this
    // one. Gives how many of the oldest inns the bounds dropped.
    std::size_t restore(std::vector<KeptInn> inns);

    // The user chose another location or quality: keeps the inn as it stands,
    // as "Generate" does, and runs the reaction. Choosing the one shown
    // changes nothing.
    void selectLocation(InnGenerator& generator, InnLocation location);
    void selectQuality(InnGenerator& generator, InnQuality quality);

    // A change the user may want to take back, such as a table drawn again:
    // keeps the inn as it stands, as "Generate" does, and makes the change
    // on the inn shown next, which comes from the same place.
    void changeShown(InnGenerator& generator, const std::function<void()>& change);

    bool canGoBack() const { return !before_.empty(); }
    bool canGoForward() const { return !after_.empty(); }
    // Shows the inn before or after the shown one, which is kept as it
    // stands; nothing happens at either end.
    void goBack(InnGenerator& generator);
    void goForward(InnGenerator& generator);

    // Shows `inn`: an inn of this history as stepping there would, leaving
    // every inn where it was; else it joins the history right after the
    // shown one, as an opened inn does. False, and nothing changes, when
    // its bytes are no inn.
    bool show(InnGenerator& generator, const KeptInn& inn);

    // Where the shown inn comes from; its number is 0 before the first inn.
    const InnPlace& shownPlace() const { return shown_.place; }
    // Its name among the kept inns.
    const std::string& shownId() const { return shown_.id; }
    // The shown inn as it stands in `shown`, packed.
    const KeptInn& shownInn(const InnSheet& shown);

    // The inns the bounds never drop, by name; starring an inn does not
    // change it.
    bool isStarred(const std::string& id) const { return starred_.contains(id); }
    void useStarred(std::set<std::string> ids);

    // Drops the inns named, but the shown one, and remembers the deletion of
    // each one it held (the newest kMostDeletedInns of them) for the session.
    void remove(const std::vector<std::string>& ids);
    const std::deque<DeletedInn>& deleted() const { return deleted_; }

    // The session keeps `bytes` of other things beside the inns, which the
    // bounds leave room for.
    void reserveBytes(std::size_t bytes);

    // Every inn in the order of the history, the shown one as it stands in
    // `shown`, for the session; the bounds are made to hold first. The shown
    // inn is left out only when it alone is larger than the bound in bytes.
    std::vector<KeptInn> inns(const InnSheet& shown);

private:
    bool isShowing() const { return shown_.place.number > 0; }
    static void readFromKeptFile(KeptInn& inn);
    // Opens the inns, the first in place of `shown`, the sheet shown.
    std::size_t openInto(InnSheet& shown, std::vector<PlacedInn> inns);
    // A name for an inn that joins the history.
    std::string nextId();
    // Shows a new inn from `place`, made now.
    void showNew(const InnPlace& place);
    // Packs and lists the shown inn as it stands; it changed when its bytes did.
    void packShown(const InnSheet& sheet);
    // The listing of the shown inn, whose sheet is `sheet`.
    std::shared_ptr<const InnListing> listShown(const InnSheet& sheet) const;
    // Keeps the shown inn before the one about to take its place.
    void keepShown(const InnSheet& sheet);
    // Shows the last inn of `source` and keeps the shown one at the end of `keep`.
    void step(std::deque<KeptInn>& source, std::deque<KeptInn>& keep, InnGenerator& generator);
    // Shows the inn at `index` of `source` as that many steps would, and
    // gives whether its bytes were an inn.
    bool stepTo(std::deque<KeptInn>& source, std::deque<KeptInn>& keep, std::size_t index, InnGenerator& generator);
    void keep(std::deque<KeptInn>& inns, KeptInn inn);
    // Drops the oldest inns that are not starred, then the farthest ahead,
    // until the bounds hold; gives how many it dropped.
    std::size_t keepWithinBounds();
    bool isOverBounds() const;
    // Drops the first inn of `inns` that is not starred; false when there is none.
    bool dropFirstUnstarred(std::deque<KeptInn>& inns);
    std::size_t shownBytes() const;

    const std::uint32_t runSeed_;
    const InnPacking packing_;
    const std::string runId_;
    const Clock clock_;
    std::uint64_t named_ = 0;     // inns named so far
    std::deque<KeptInn> before_;  // oldest first
    std::deque<KeptInn> after_;   // nearest last
    std::size_t keptBytes_ = 0;   // of before_ and after_
    std::size_t reservedBytes_ = 0;
    KeptInn shown_;  // its bytes as last packed, none before then
    std::set<std::string> starred_;
    std::deque<DeletedInn> deleted_;  // oldest first
};

}  // namespace brewick
