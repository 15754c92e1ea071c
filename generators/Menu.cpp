#include "generators/Menu.h"

#include "generators/MenuWords.h"

namespace brewick {

namespace {
void AddItems(TextLines& menu, int count, const WordList& firsts, const WordList& seconds,
              RandomSource& random)
{
    for (int i = 0; i < count; ++i) {
        const std::string& first = PickRandom(firsts, random);
        menu.Add({"  ", first, " ", PickRandom(seconds, random)});
    }
}
}  // namespace

MenuLists::MenuLists()
    : lstMenuMainstart(words::kMenuMainStart),
      lstMenuMainEnd(words::kMenuMainEnd),
      lstMenuPudStart(words::kMenuPudStart),
      lstMenuPudEnd(words::kMenuPudEnd),
      lstDrinkStart(words::kDrinkStart),
      lstDrinkend(words::kDrinkEnd)
{
}

void DoMenu(InnSheet& sheet, const MenuLists& lists, RandomSource& random)
{
    const int l = IndexOf(sheet.location);
    const int dishes = 4 - l;
    const int drawnDrinks = 2 * (3 - l);
    TextLines& menu = sheet.menuLines;
    menu.Clear();
    menu.Add("Main Courses");
    AddItems(menu, dishes, lists.lstMenuMainstart, lists.lstMenuMainEnd, random);
    menu.Add(" ");
    menu.Add("Puddings");
    AddItems(menu, dishes, lists.lstMenuPudStart, lists.lstMenuPudEnd, random);
    menu.Add(" ");
    menu.Add("Drinks");
    menu.Add("  Mead");
    menu.Add("  Grog");
    AddItems(menu, drawnDrinks, lists.lstDrinkStart, lists.lstDrinkend, random);
}

}  // namespace brewick
