#include "cycle/InnHistory.h"

namespace brewick {

void InnHistory::generate(InnGenerator& generator)
{
    if (shownNumber_ > 0) {
        before_.push_back({generator.sheet(), shownNumber_});
        if (before_.size() >= kLimit)
            before_.pop_front();
    }
    after_.clear();
    generator.generate();
    shownNumber_ = generator.generations();
}

void InnHistory::goBack(InnGenerator& generator) { step(before_, after_, generator); }

void InnHistory::goForward(InnGenerator& generator) { step(after_, before_, generator); }

void InnHistory::step(std::deque<KeptInn>& source, std::deque<KeptInn>& keep, InnGenerator& generator)
{
    if (source.empty())
        return;
    keep.push_back({std::move(generator.sheet()), shownNumber_});
    generator.sheet() = std::move(source.back().sheet);
    shownNumber_ = source.back().number;
    source.pop_back();
}

}  // namespace brewick
