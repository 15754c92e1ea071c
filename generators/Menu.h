// Today's menu: main courses, puddings and drinks, fewer in poorer quarters.
#pragma once

#include "core/InnSheet.h"
#include "core/RandomSource.h"
#include "core/WordList.h"

namespace brewick {

struct MenuLists {
    MenuLists();

    WordList lstMenuMainstart;  // ingredient, alone or after a cooking method
    WordList lstMenuMainEnd;    // kind of dish
    WordList lstMenuPudStart;   // flavour
    WordList lstMenuPudEnd;     // kind of pudding
    WordList lstDrinkStart;     // name, maker or style
    WordList lstDrinkend;       // kind of drink
};

// Replaces the menu lines; two draws per item, 28 - 8 x location index in all.
void DoMenu(InnSheet& sheet, const MenuLists& lists, RandomSource& random);

}  // namespace brewick
