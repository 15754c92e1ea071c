// The landlord's name: two words, each an opening, a middle and a closing
// syllable.
#pragma once

#include "core/InnSheet.h"
#include "core/RandomSource.h"
#include "core/WordList.h"

namespace brewick {

struct LandlordNameLists {
    LandlordNameLists();

    WordList openings;  // opening syllables, capitalised
    WordList middles;   // middle syllables
    WordList closings;  // closing syllables; " " stands for none
};

// Six draws: opening, middle, closing, for the first name and the surname.
void makeLandlordName(InnSheet& sheet, const LandlordNameLists& lists, RandomSource& random);

}  // namespace brewick
