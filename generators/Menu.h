// Today's menu: main courses, puddings and drinks, fewer in poorer quarters.
#pragma once

#include "core/InnSheet.h"
#include "core/RandomSource.h"
#include "core/WordList.h"

namespace brewick {

struct MenuLists {
    MenuLists();

    WordList mainIngredients;  // ingredient, alone or after a cooking method
    WordList mainDishes;       // kind of dish
    WordList puddingFlavours;  // flavour
    WordList puddings;         // kind of pudding
    WordList drinkNames;       // name, maker or style
    WordList drinks;           // kind of drink
};

// Replaces the menu lines; two draws per item, 28 - 8 x location index in all.
void makeMenu(InnSheet& sheet, const MenuLists& lists, RandomSource& random);

}  // namespace brewick
