// The inn's name: "The X Y" from two of four word lists.
#pragma once

#include "core/InnSheet.h"
#include "core/RandomSource.h"
#include "core/WordList.h"

namespace brewick {

struct InnNameLists {
    InnNameLists();

    WordList lstInn1;  // possessives and adjectives of the common form
    WordList lstInn2;  // nouns of the common form
    WordList lstInn3;  // nouns of the paired form
    WordList lstInn4;  // "and " + noun, of the paired form
};

// Three draws: the form, then the two words.
void InnName(InnSheet& sheet, const InnNameLists& lists, RandomSource& random);

}  // namespace brewick
