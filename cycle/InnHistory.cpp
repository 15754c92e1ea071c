#include "cycle/InnHistory.h"

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
}  // namespace

void InnHistory::generate(InnGenerator& generator)
{
    if (!generator.parts().anyTicked())
        return;
    if (shownNumber_ > 0)
        keepShown(generator.sheet());
    generator.generate();
    shownNumber_ = generator.generations();
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

void InnHistory::keepShown(const InnSheet& sheet)
{
    dropInnsAhead();
    const std::size_t bytes = textBytes(sheet);
    before_.push_back({sheet, shownNumber_, bytes});
    keptBytes_ += bytes;
    keepWithinBounds();
}

void InnHistory::step(std::deque<KeptInn>& source, std::deque<KeptInn>& keep, InnGenerator& generator)
{
    if (source.empty())
        return;
    InnSheet& shown = generator.sheet();
    const std::size_t bytes = textBytes(shown);
    keep.push_back({std::move(shown), shownNumber_, bytes});
    shown = std::move(source.back().sheet);
    shownNumber_ = source.back().number;
    keptBytes_ += bytes - source.back().bytes;
    source.pop_back();
}

void InnHistory::dropInnsAhead()
{
    for (const KeptInn& inn : after_)
        keptBytes_ -= inn.bytes;
    after_.clear();
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
