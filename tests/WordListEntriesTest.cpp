// Every word list and the built-in scenes, entry by entry, against the lists
// kept in tests/words: a respelled, moved or swapped entry keeps a list's
// size and duplicates but not its entries.
#include <gtest/gtest.h>

#include <cctype>

#include "generators/InnName.h"
#include "generators/LandlordName.h"
#include "generators/Menu.h"
#include "generators/Scenes.h"
#include "generators/Tables.h"
#include "generators/WordLists.h"
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

// The user's NAME.txt takes the place of the list the file names: the
// list's name in the code, in lower case with hyphens.
TEST(WordListEntries, EachFileNameNamesItsList)
{
    const WordLists builtIn;
    for (const NamedWordList& named : kNamedWordLists) {
        std::string codeName;  // "group-actions": "groupActions"
        for (std::size_t i = 0; i < named.name.size(); ++i)
            if (named.name[i] != '-')
                codeName +=
                    i > 0 && named.name[i - 1] == '-' ? static_cast<char>(std::toupper(named.name[i])) : named.name[i];
        const auto expected = test::quotedLines(test::dataFile("words/" + codeName + ".txt"));
        EXPECT_EQ(std::vector<std::string>((builtIn.*named.list).begin(), (builtIn.*named.list).end()), expected)
            << named.name;
    }
}

}  // namespace
}  // namespace brewick
