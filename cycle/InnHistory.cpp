#include "cycle/InnHistory.h"

#include <iterator>

namespace brewick {

namespace {
// The bytes of text a sheet holds, which is nearly all that keeping it costs.
std::size_t textBytes(const InnSheet& sheet)
{
    std::size_t bytes = sheet.innName.size() + sheet.landlordName.size() + sheet.barScene.size();
    for (int row = 0; row < RoomTable::kRows; ++row)
        for (int column = 0; column < RoomTable::kColumns; ++column)
            bytes += sheet.rooms.cell(column, row).size();
    for (const TextLines* lines : {&sheet.menuLines, &sheet.tableText, &sheet.tableChoices, &sheet.shownTableLines})
        bytes += lines->textSize();
    return bytes;
}

bool isShowing(const InnPlace& place) { return place.number > 0; }
}  // namespace

void InnHistory::generate(InnGenerator& generator)
{
    if (!generator.parts().anyTicked())
        return;
    if (isShowing(shownPlace_))
        keepShown(generator.sheet());
    generator.generate();
    shownPlace_ = {generator.generations(), runSeed_};
}

void InnHistory::open(InnGenerator& generator, std::vector<PlacedInn> inns)
{
    if (inns.empty())
        return;
    if (isShowing(shownPlace_))
        keepShown(generator.sheet());
    else
        dropInnsAhead();
    for (auto inn = inns.rbegin(); inn != std::prev(inns.rend()); ++inn)
        keep(after_, std::move(inn->sheet), inn->place);
    generator.sheet() = std::move(inns.front().sheet);
    shownPlace_ = inns.front().place;
    keepWithinBounds();
}

void InnHistory::restore(std::vector<PlacedInn> inns)
{
    for (PlacedInn& inn : inns)
        keep(before_, std::move(inn.sheet), inn.place);
    keepWithinBounds();
}

void InnHistory::selectLocation(InnGenerator& generator, InnLocation location)
{
    if (location == generator.sheet().location)
        return;
    keepShown(generator.sheet());
    generator.selectLocation(location);
}

void InnHistory::selectQuality(InnGenerator& generator, InnQuality quality)
{
    if (quality == generator.sheet().quality)
        return;
    keepShown(generator.sheet());
    generator.selectQuality(quality);
}

void InnHistory::goBack(InnGenerator& generator) { step(before_, after_, generator); }

void InnHistory::goForward(InnGenerator& generator) { step(after_, before_, generator); }

void InnHistory::forEachInn(const InnGenerator& generator,
                            const std::function<void(const InnSheet&, const InnPlace&)>& visit) const
{
    for (const KeptInn& inn : before_)
        visit(inn.sheet, inn.place);
    if (isShowing(shownPlace_))
        visit(generator.sheet(), shownPlace_);
    for (auto inn = after_.rbegin(); inn != after_.rend(); ++inn)
        visit(inn->sheet, inn->place);
}

void InnHistory::keepShown(const InnSheet& sheet)
{
    dropInnsAhead();
    keep(before_, sheet, shownPlace_);
    keepWithinBounds();
}

void InnHistory::step(std::deque<KeptInn>& source, std::deque<KeptInn>& keep, InnGenerator& generator)
{
    if (source.empty())
        return;
    InnSheet& shown = generator.sheet();
    const std::size_t bytes = textBytes(shown);
    keep.push_back({std::move(shown), shownPlace_, bytes});
    shown = std::move(source.back().sheet);
    shownPlace_ = source.back().place;
    keptBytes_ += bytes - source.back().bytes;
    source.pop_back();
}

void InnHistory::dropInnsAhead()
{
    for (const KeptInn& inn : after_)
        keptBytes_ -= inn.bytes;
    after_.clear();
}

void InnHistory::keep(std::deque<KeptInn>& inns, InnSheet sheet, const InnPlace& place)
{
    const std::size_t bytes = textBytes(sheet);
    inns.push_back({std::move(sheet), place, bytes});
    keptBytes_ += bytes;
}

void InnHistory::keepWithinBounds()
{
    while (before_.size() + after_.size() >= kLimit || keptBytes_ > kByteLimit) {
        std::deque<KeptInn>& inns = before_.empty() ? after_ : before_;
        keptBytes_ -= inns.front().bytes;
        inns.pop_front();
    }
}

}  // namespace brewick
