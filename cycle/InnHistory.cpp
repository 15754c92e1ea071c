#include "cycle/InnHistory.h"

#include <chrono>
#include <iterator>

namespace brewick {

namespace {
std::size_t keptSize(const KeptInn& inn) { return (inn.packed ? inn.packed->size() : 0) + kKeptInnOverhead; }
}  // namespace

std::int64_t InnHistory::systemClock()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

InnHistory::InnHistory(std::uint32_t runSeed, InnPacking packing, std::string runId, Clock clock)
    : runSeed_(runSeed),
      packing_(std::move(packing)),
      runId_(std::move(runId)),
      clock_(std::move(clock))
{
}

void InnHistory::generate(InnGenerator& generator)
{
    if (!generator.parts().anyTicked())
        return;
    if (isShowing())
        keepShown(generator.sheet());
    generator.generate();
    showNew({generator.generations(), runSeed_});
}

std::size_t InnHistory::open(InnGenerator& generator, std::vector<PlacedInn> inns)
{
    if (inns.empty())
        return 0;
    if (isShowing())
        keepShown(generator.sheet());
    // The nearest inn ahead is the last of those ahead.
    for (auto inn = inns.rbegin(); inn != std::prev(inns.rend()); ++inn) {
        const std::int64_t now = clock_();
        keep(after_, {std::make_shared<const std::string>(packing_.pack(inn->sheet, inn->place)), inn->place,
                      runId_ + "-" + std::to_string(++named_), now, now});
    }
    generator.sheet() = std::move(inns.front().sheet);
    showNew(inns.front().place);
    packShown(generator.sheet());
    return keepWithinBounds();
}

std::size_t InnHistory::restore(std::vector<KeptInn> inns)
{
    for (auto inn = inns.rbegin(); inn != inns.rend(); ++inn) {
        keptBytes_ += keptSize(*inn);
        before_.push_front(std::move(*inn));
    }
    return keepWithinBounds();
}

void InnHistory::selectLocation(InnGenerator& generator, InnLocation location)
{
    if (location == generator.sheet().location)
        return;
    keepShown(generator.sheet());
    generator.selectLocation(location);
    showNew(shown_.place);
}

void InnHistory::selectQuality(InnGenerator& generator, InnQuality quality)
{
    if (quality == generator.sheet().quality)
        return;
    keepShown(generator.sheet());
    generator.selectQuality(quality);
    showNew(shown_.place);
}

void InnHistory::goBack(InnGenerator& generator) { step(before_, after_, generator); }

void InnHistory::goForward(InnGenerator& generator) { step(after_, before_, generator); }

std::vector<KeptInn> InnHistory::inns(const InnSheet& shown)
{
    std::vector<KeptInn> inns(before_.begin(), before_.end());
    if (isShowing()) {
        packShown(shown);
        keepWithinBounds();
        if (shownBytes() <= kMostKeptBytes)
            inns.push_back(shown_);
    }
    inns.insert(inns.end(), after_.rbegin(), after_.rend());
    return inns;
}

void InnHistory::showNew(const InnPlace& place)
{
    const std::int64_t now = clock_();
    shown_ = {nullptr, place, runId_ + "-" + std::to_string(++named_), now, now};
}

void InnHistory::packShown(const InnSheet& sheet)
{
    auto packed = std::make_shared<const std::string>(packing_.pack(sheet, shown_.place));
    if (shown_.packed && *shown_.packed != *packed)
        shown_.changed = clock_();
    shown_.packed = std::move(packed);
}

void InnHistory::keepShown(const InnSheet& sheet)
{
    packShown(sheet);
    keep(before_, shown_);
    keepWithinBounds();
}

void InnHistory::step(std::deque<KeptInn>& source, std::deque<KeptInn>& keep, InnGenerator& generator)
{
    if (source.empty())
        return;
    std::optional<InnSheet> next = packing_.unpack(*source.back().packed);
    if (!next)
        return;
    if (isShowing()) {
        packShown(generator.sheet());
        keptBytes_ += keptSize(shown_);
        keep.push_back(std::move(shown_));
    }
    shown_ = std::move(source.back());
    keptBytes_ -= keptSize(shown_);
    source.pop_back();
    generator.sheet() = std::move(*next);
}

void InnHistory::keep(std::deque<KeptInn>& inns, KeptInn inn)
{
    keptBytes_ += keptSize(inn);
    inns.push_back(std::move(inn));
}

std::size_t InnHistory::keepWithinBounds()
{
    std::size_t dropped = 0;
    while (before_.size() + after_.size() + 1 > kMostKeptInns ||
           ((!before_.empty() || !after_.empty()) && keptBytes_ + shownBytes() > kMostKeptBytes)) {
        std::deque<KeptInn>& inns = before_.empty() ? after_ : before_;
        keptBytes_ -= keptSize(inns.front());
        inns.pop_front();
        ++dropped;
    }
    return dropped;
}

std::size_t InnHistory::shownBytes() const { return isShowing() ? keptSize(shown_) : 0; }

}  // namespace brewick
