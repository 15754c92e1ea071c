#include "core/PartSelection.h"

namespace brewick {

void PartSelection::Set(InnPart part, bool ticked)
{
    if (IsTicked(part) == ticked)
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
