#include "keeping/InnHistory.h"

#include <algorithm>
#include <chrono>
#include <iterator>

#include "keeping/InnChanges.h"
#include "keeping/InnListing.h"

namespace brewick {

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
    return openInto(generator.sheet(), std::move(inns));
}

// A trial on a copy: the copy shares the kept inns' bytes.
std::size_t InnHistory::dropsToOpen(const InnSheet& shown, std::vector<PlacedInn> inns) const
{
    InnHistory trial = *this;
    InnSheet sheet = shown;
    return trial.openInto(sheet, std::move(inns));
}

std::size_t InnHistory::openInto(InnSheet& shown, std::vector<PlacedInn> inns)
{
    if (inns.empty())
        return 0;
    if (isShowing())
        keepShown(shown);
    // The nearest inn ahead is the last of those ahead.
    for (auto inn = inns.rbegin(); inn != std::prev(inns.rend()); ++inn) {
        const std::int64_t now = clock_();
        keep(after_, {std::make_shared<const std::string>(packing_.pack(inn->sheet, inn->place)), inn->place, nextId(),
                      now, now, listInn(inn->sheet)});
    }
    shown = std::move(inns.front().sheet);
    showNew(inns.front().place);
    packShown(shown);
    return keepWithinBounds();
}

std::size_t InnHistory::restore(std::vector<KeptInn> inns)
{
    for (auto inn = inns.rbegin(); inn != inns.rend(); ++inn) {
        readFromKeptFile(*inn);
        keptBytes_ += keptSize(*inn);
        before_.push_front(std::move(*inn));
    }
    return keepWithinBounds();
}

// Other windows may hold the inn too: what this one changes of it is told
// from the copy read.
void InnHistory::readFromKeptFile(KeptInn& inn)
{
    inn.basis = inn.packed;
    inn.based = inn.changed;
    inn.was = nullptr;
}

void InnHistory::selectLocation(InnGenerator& generator, InnLocation location)
{
    if (location != generator.sheet().location)
        changeShown(generator, [&] { generator.selectLocation(location); });
}

void InnHistory::selectQuality(InnGenerator& generator, InnQuality quality)
{
    if (quality != generator.sheet().quality)
        changeShown(generator, [&] { generator.selectQuality(quality); });
}

void InnHistory::changeShown(InnGenerator& generator, const std::function<void()>& change)
{
    keepShown(generator.sheet());
    change();
    showNew(shown_.place);
}

void InnHistory::goBack(InnGenerator& generator) { step(before_, after_, generator); }

void InnHistory::goForward(InnGenerator& generator) { step(after_, before_, generator); }

bool InnHistory::show(InnGenerator& generator, const KeptInn& inn)
{
    if (inn.id == shown_.id)
        return true;
    const auto indexOf = [&inn](const std::deque<KeptInn>& inns) {
        return static_cast<std::size_t>(
            std::find_if(inns.begin(), inns.end(), [&inn](const KeptInn& kept) { return kept.id == inn.id; }) -
            inns.begin());
    };
    if (const std::size_t index = indexOf(before_); index < before_.size())
        return stepTo(before_, after_, index, generator);
    if (const std::size_t index = indexOf(after_); index < after_.size())
        return stepTo(after_, before_, index, generator);
    std::optional<InnSheet> sheet = packing_.unpack(*inn.packed);
    if (!sheet)
        return false;
    if (isShowing()) {
        packShown(generator.sheet());
        keep(before_, std::move(shown_));
    }
    shown_ = inn;
    readFromKeptFile(shown_);
    generator.sheet() = std::move(*sheet);
    keepWithinBounds();
    return true;
}

const KeptInn& InnHistory::shownInn(const InnSheet& shown)
{
    packShown(shown);
    return shown_;
}

void InnHistory::useStarred(std::set<std::string> ids) { starred_ = std::move(ids); }

void InnHistory::remove(const std::vector<std::string>& ids)
{
    for (const std::string& id : ids) {
        if (id == shown_.id)
            continue;
        for (std::deque<KeptInn>* inns : {&before_, &after_}) {
            const auto found =
                std::find_if(inns->begin(), inns->end(), [&id](const KeptInn& inn) { return inn.id == id; });
            if (found == inns->end())
                continue;
            keptBytes_ -= keptSize(*found);
            // Deleted no earlier than its last change, which may run ahead
            // of the clock within a millisecond.
            deleted_.push_back({id, std::max(clock_(), found->changed)});
            inns->erase(found);
        }
        starred_.erase(id);
    }
    while (deleted_.size() > kMostDeletedInns)
        deleted_.pop_front();
}

std::vector<KeptInn> InnHistory::inns(const InnSheet& shown)
{
    std::vector<KeptInn> inns(before_.begin(), before_.end());
    if (isShowing()) {
        packShown(shown);
        keepWithinBounds();
        if (shownBytes() + reservedBytes_ <= kMostKeptBytes)
            inns.push_back(shown_);
    }
    inns.insert(inns.end(), after_.rbegin(), after_.rend());
    return inns;
}

std::string InnHistory::nextId() { return runId_ + "-" + std::to_string(++named_); }

void InnHistory::showNew(const InnPlace& place)
{
    const std::int64_t now = clock_();
    shown_ = {nullptr, place, nextId(), now, now};
}

// Bytes as they were keep their listing, and the step of the inn after.
// A change is later than the one before, also within the clock's
// millisecond, so that the copies kept of the inn (a star's) know it newer.
void InnHistory::packShown(const InnSheet& sheet)
{
    auto packed = std::make_shared<const std::string>(packing_.pack(sheet, shown_.place));
    if (!shown_.packed || *shown_.packed != *packed) {
        if (shown_.packed)
            shown_.changed = std::max(clock_(), shown_.changed + 1);
        shown_.packed = std::move(packed);
        shown_.listing = nullptr;
        if (shown_.basis) {
            std::string was = changedMembers(*shown_.basis, *shown_.packed);
            shown_.was = was.empty() ? nullptr : std::make_shared<const std::string>(std::move(was));
        }
    }
    if (!shown_.listing)
        shown_.listing = listShown(sheet);
}

std::shared_ptr<const InnListing> InnHistory::listShown(const InnSheet& sheet) const
{
    if (before_.empty() || before_.back().place != shown_.place)
        return listInn(sheet);
    const std::optional<InnSheet> beforeSheet = packing_.unpack(*before_.back().packed);
    return beforeSheet ? listInn(sheet, &before_.back(), &*beforeSheet) : listInn(sheet);
}

void InnHistory::keepShown(const InnSheet& sheet)
{
    packShown(sheet);
    keep(before_, shown_);
    keepWithinBounds();
}

void InnHistory::step(std::deque<KeptInn>& source, std::deque<KeptInn>& keep, InnGenerator& generator)
{
    if (!source.empty())
        stepTo(source, keep, source.size() - 1, generator);
}

bool InnHistory::stepTo(std::deque<KeptInn>& source, std::deque<KeptInn>& keep, std::size_t index,
                        InnGenerator& generator)
{
    std::optional<InnSheet> next = packing_.unpack(*source[index].packed);
    if (!next)
        return false;
    if (isShowing()) {
        packShown(generator.sheet());
        this->keep(keep, std::move(shown_));
    }
    // The inns stepped over go where single steps would have put them.
    for (; source.size() > index + 1; source.pop_back())
        keep.push_back(std::move(source.back()));
    shown_ = std::move(source.back());
    keptBytes_ -= keptSize(shown_);
    source.pop_back();
    generator.sheet() = std::move(*next);
    return true;
}

void InnHistory::keep(std::deque<KeptInn>& inns, KeptInn inn)
{
    keptBytes_ += keptSize(inn);
    inns.push_back(std::move(inn));
}

std::size_t InnHistory::keepWithinBounds()
{
    std::size_t dropped = 0;
    while (isOverBounds() && (dropFirstUnstarred(before_) || dropFirstUnstarred(after_)))
        ++dropped;
    return dropped;
}

void InnHistory::reserveBytes(std::size_t bytes)
{
    reservedBytes_ = bytes;
    keepWithinBounds();
}

bool InnHistory::isOverBounds() const
{
    return before_.size() + after_.size() + 1 > kMostKeptInns ||
           keptBytes_ + shownBytes() + reservedBytes_ > kMostKeptBytes;
}

bool InnHistory::dropFirstUnstarred(std::deque<KeptInn>& inns)
{
    const auto first =
        std::find_if(inns.begin(), inns.end(), [this](const KeptInn& inn) { return !isStarred(inn.id); });
    if (first == inns.end())
        return false;
    keptBytes_ -= keptSize(*first);
    inns.erase(first);
    return true;
}

std::size_t InnHistory::shownBytes() const { return isShowing() ? keptSize(shown_) : 0; }

}  // namespace brewick
