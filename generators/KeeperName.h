// The landlord's name: two words, each an opening, a middle and a closing
// syllable.
#pragma once

#include "core/InnSheet.h"
#include "core/RandomSource.h"
#include "core/WordList.h"

namespace brewick {

struct KeeperNameLists {
    KeeperNameLists();

    WordList lstNameStartStart;  // opening syllables, capitalised
    WordList lstNameStartMid;    // middle syllables
    WordList lstNameStartend;    // closing syllables; " " stands for none
};

// Six draws: opening, middle, closing, for the first name and the surname.
void KeeperName(InnSheet& sheet, const KeeperNameLists& lists, RandomSource& random);

}  // namespace brewick
