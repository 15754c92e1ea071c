#include "core/PartSelection.h"

#include <algorithm>

namespace brewick {

bool PartSelection::anyTicked() const
{
    return std::ranges::any_of(ticked_, [](bool ticked) { return ticked; });
}

void PartSelection::set(InnPart part, bool ticked)
{
    if (isTicked(part) == ticked)
        return;
    ticked_[static_cast<int>(part)] = ticked;
    if (!ticked)
        return;
    if (part == InnPart::All) {
        for (int single = 1; single < kInnPartCount; ++single)
            ticked_[single] = false;
    } else {
        ticked_[static_cast<int>(InnPart::All)] = false;
    }
}

}  // namespace brewick
