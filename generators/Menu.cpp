#include "generators/Menu.h"

#include "generators/MenuWords.h"

namespace brewick {

namespace {
void addItems(TextLines& menu, int count, const WordList& firsts, const WordList& seconds, RandomSource& random)
{
    for (int i = 0; i < count; ++i) {
        const std::string& first = pickRandom(firsts, random);
        menu.add({"  ", first, " ", pickRandom(seconds, random)});
    }
}
}  // namespace

MenuLists::MenuLists()
    : mainIngredients(words::kMainIngredients),
      mainDishes(words::kMainDishes),
      puddingFlavours(words::kPuddingFlavours),
      puddings(words::kPuddings),
      drinkNames(words::kDrinkNames),
      drinks(words::kDrinks)
{
}

void makeMenu(InnSheet& sheet, const MenuLists& lists, RandomSource& random)
{
    const int l = indexOf(sheet.location);
    const int dishes = 4 - l;
    const int drawnDrinks = 2 * (3 - l);
    TextLines& menu = sheet.menuLines;
    menu.clear();
    menu.add("Main Courses");
    addItems(menu, dishes, lists.mainIngredients, lists.mainDishes, random);
    menu.add(" ");
    menu.add("Puddings");
    addItems(menu, dishes, lists.puddingFlavours, lists.puddings, random);
    menu.add(" ");
    menu.add("Drinks");
    menu.add("  Mead");
    menu.add("  Grog");
    addItems(menu, drawnDrinks, lists.drinkNames, lists.drinks, random);
}

}  // namespace brewick
