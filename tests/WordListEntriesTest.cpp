// Every word list and the built-in scenes, entry by entry, against the lists
// kept in tests/words: a respelled, moved or swapped entry keeps a list's
// size and duplicates but not its entries.
#include <gtest/gtest.h>

#include "generators/InnName.h"
#include "generators/LandlordName.h"
#include "generators/Menu.h"
#include "generators/Scenes.h"
#include "generators/Tables.h"
#include "support/RecordingRandom.h"
#include "support/TestData.h"

namespace brewick {
namespace {

TEST(WordListEntries, EveryListEqualsItsFile)
{
    const InnNameLists innNames;
    const LandlordNameLists landlordNames;
    const PatronLists patrons;
    const MenuLists menu;
    // The scene list with 7 magic beans and 9 drunken toughs, as in the file.
    WordList scenes;
    test::ScriptedRandom numbers({5, 8});
    buildSceneList(scenes, {}, numbers);

    const std::pair<const char*, const WordList*> rows[] = {
        {"commonFirsts", &innNames.commonFirsts},
        {"commonSeconds", &innNames.commonSeconds},
        {"pairedFirsts", &innNames.pairedFirsts},
        {"pairedSeconds", &innNames.pairedSeconds},
        {"openings", &landlordNames.openings},
        {"middles", &landlordNames.middles},
        {"closings", &landlordNames.closings},
        {"ages", &patrons.ages},
        {"races", &patrons.races},
        {"occupations", &patrons.occupations},
        {"clothes", &patrons.clothes},
        {"hair", &patrons.hair},
        {"faces", &patrons.faces},
        {"groupActions", &patrons.groupActions},
        {"singleActions", &patrons.singleActions},
        {"mainIngredients", &menu.mainIngredients},
        {"mainDishes", &menu.mainDishes},
        {"puddingFlavours", &menu.puddingFlavours},
        {"puddings", &menu.puddings},
        {"drinkNames", &menu.drinkNames},
        {"drinks", &menu.drinks},
        {"scenes", &scenes},
    };
    for (const auto& [name, list] : rows) {
        const auto expected = test::quotedLines(test::dataFile(std::string("words/") + name + ".txt"));
        const std::vector<std::string> actual(list->begin(), list->end());
        EXPECT_EQ(actual.size(), expected.size()) << name;
        EXPECT_TRUE(actual == expected) << name << ", " << test::firstDifference(expected, actual);
    }
}

}  // namespace
}  // namespace brewick
