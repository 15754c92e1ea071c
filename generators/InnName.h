// The inn's name: "The X Y" from two of four word lists.
#pragma once

#include "core/InnSheet.h"
#include "core/RandomSource.h"
#include "core/WordList.h"

namespace brewick {

struct InnNameLists {
    InnNameLists();

    WordList commonFirsts;   // possessives and adjectives of the common form
    WordList commonSeconds;  // nouns of the common form
    WordList pairedFirsts;   // nouns of the paired form
    WordList pairedSeconds;  // "and " + noun, of the paired form
};

// Three draws: the form, then the two words.
void makeInnName(InnSheet& sheet, const InnNameLists& lists, RandomSource& random);

}  // namespace brewick
