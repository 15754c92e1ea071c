// The shape of every word list: sizes, distinct entries, the entries that
// must stand at fixed places, the duplicates and the letter and length counts
// that weight the draws.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "generators/InnName.h"
#include "generators/LandlordName.h"
#include "generators/Menu.h"
#include "generators/Tables.h"

namespace brewick {
namespace {

using Counts = std::map<std::string, int>;

struct Shape {
    std::string name;
    const WordList* list;
    int size;
    int distinct;
    std::map<int, std::string> at;        // 1-based position -> entry
    std::vector<std::string> contains;    // anywhere
    Counts duplicates;                    // every entry standing more than once
    Counts byInitial = {};                // first character -> entries (blanks left out)
    std::map<int, int> byLength = {};     // length -> entries (blanks left out)
    std::vector<std::string> whole = {};  // the list in full, when it is fixed
};

const InnNameLists kInnNames;
const LandlordNameLists kLandlordNames;
const PatronLists kPatrons;
const MenuLists kMenu;

std::map<int, std::string> run(int from, std::vector<std::string> entries)
{
    std::map<int, std::string> at;
    for (const std::string& entry : entries)
        at[from++] = entry;
    return at;
}

std::map<int, std::string> merge(std::initializer_list<std::map<int, std::string>> parts)
{
    std::map<int, std::string> all;
    for (const auto& part : parts)
        all.insert(part.begin(), part.end());
    return all;
}

std::vector<Shape> shapes()
{
    return {
        {"commonFirsts",
         &kInnNames.commonFirsts,
         74,
         73,
         merge({run(1, {"Kings's", "Queens's", "Prince's", "Princess's"}),
                run(24, {"Goblin's", "Black", "Blue"}),
                {{32, "Blind"}, {37, "Dead"}, {56, "Blind"}, {74, "Elven"}}}),
         {"Slaughterman's", "Halfling's", "Weeping", "Ridiculous", "Vestal"},
         {{"Blind", 2}}},
        {"commonSeconds",
         &kInnNames.commonSeconds,
         74,
         72,
         merge({run(1, {"Head", "Delight", "Hand", "Arms"}), run(73, {"Dream", "Wish"})}),
         {"Unicorn", "Wench", "Tankard", "Despair", "Humor", "Tavern", "Inn", "Goblin", "Dragon"},
         {{"Dragon", 2}, {"Messenger", 2}}},
        {"pairedFirsts",
         &kInnNames.pairedFirsts,
         41,
         39,
         merge({run(1, {"Pig", "Monk"}), run(40, {"Squirrel", "Song"})}),
         {"Slug", "Nymph", "Giant", "Bawd", "Fig", "Sun", "Coach", "Wagon", "Sword"},
         {{"Dwarf", 2}, {"Dragon", 2}}},
        {"pairedSeconds",
         &kInnNames.pairedSeconds,
         45,
         44,
         {{1, "and Duck"}, {45, "and Flagon"}},
         {"and Maiden", "and Harpy", "and Lettuce", "and Whistle", "and Bucket", "and Satyr", "and Cleaver",
          "and Garter", "and Porcupine", "and Barmaid", "and Stars", "and Horses"},
         {{"and Unicorn", 2}}},
        {"openings",
         &kLandlordNames.openings,
         79,
         74,
         merge({run(1, {"A", "Ab", "Ac", "Ad"}), run(76, {"Z", "W", "W", "Wic"})}),
         {"Agr", "Bl", "Cad", "Eow", "Nyd", "Sev", "Loth", "Th", "Ed"},
         {{"C", 3}, {"Gw", 2}, {"Th", 2}, {"W", 2}},
         {{"A", 12}, {"B", 3}, {"C", 7}, {"D", 3}, {"E", 6}, {"F", 2}, {"G", 6}, {"H", 2}, {"I", 1},
          {"J", 2},  {"K", 3}, {"L", 4}, {"M", 2}, {"N", 2}, {"O", 3}, {"P", 2}, {"Q", 1}, {"R", 2},
          {"S", 2},  {"T", 4}, {"U", 3}, {"V", 1}, {"W", 3}, {"Y", 2}, {"Z", 1}},
         {{1, 24}, {2, 37}, {3, 17}, {4, 1}}},
        {"middles",
         &kLandlordNames.middles,
         39,
         36,
         {},
         {},
         {{"ae", 2}, {"ea", 2}, {"ira", 2}},
         {},
         {},
         {"a",   "ae",  "ae",  "au",  "ao",  "are", "ale",  "ali",  "ay", "ardo", "e",   "edri", "ei",
          "ea",  "ea",  "eri", "era", "ela", "eli", "enda", "erra", "i",  "ia",   "ie",  "ire",  "ira",
          "ila", "ili", "ira", "igo", "o",   "oha", "oma",  "oa",   "oi", "oe",   "ore", "u",    "y"}},
        {"closings",
         &kLandlordNames.closings,
         105,
         96,
         merge({run(1, {" ", " ", " ", " ", " ", " "}), run(101, {"wyn", "wyn", "wyr", "wyr", "wyth"})}),
         {"and", "bwyn", "dric", "kith", "mond", "nydd", "tlan", "thain", "dd"},
         {{" ", 6}, {"th", 2}, {"win", 2}, {"wyn", 2}, {"wyr", 2}},
         {{"a", 2},
          {"b", 4},
          {"c", 3},
          {"d", 10},
          {"f", 1},
          {"g", 3},
          {"h", 2},
          {"j", 2},
          {"k", 7},
          {"l", 12},
          {"m", 5},
          {"n", 10},
          {"p", 1},
          {"r", 9},
          {"s", 5},
          {"t", 9},
          {"v", 5},
          {"w", 9}},
         {{1, 16}, {2, 13}, {3, 40}, {4, 29}, {5, 1}}},
        {"ages",
         &kPatrons.ages,
         52,
         49,
         {},
         {"A very young", "A youngish looking", "An immature looking", "A middle aged", "A cross-eyed", "A one-legged",
          "A well-to-do", "An affluent looking", "A very fat", "A jovial looking", "A very mature looking",
          "An ancient", "A hunchbacked"},
         {{"A", 4}}},
        {"races",
         &kPatrons.races,
         8,
         7,
         {},
         {},
         {{"human", 2}},
         {},
         {},
         {"human", "human", "elven", "halfling", "half-elven", "dwarven", "half-orc", "gnome"}},
        {"occupations",
         &kPatrons.occupations,
         54,
         53,
         {},
         {"cleric", "fighter", "thief", "rogue", "magic user", "merchant", "bodyguard", "traveller", "drunkard",
          "farrier", "teamster", "labourer", "apothecary", "bard", "shepherd"},
         {{"hunter", 2}}},
        {"clothes",
         &kPatrons.clothes,
         46,
         44,
         {},
         {"fine but dirty robes", "brightly colored robes", "patched adventurers garb", "bejewelled robes",
          "stark white robes", "dark green clothing", "light brown clothing", "bloodstained clothing",
          "ill-fitting clothing", "unfashionable clothing", "rags", "non-descript clothing", "leather and studded garb",
          "dark blue clothing", "dark red clothing", "dark brown clothing", "light green clothing",
          "light blue clothing", "light red clothing"},
         {{"plain garb", 2}, {"adventurers garb", 2}}},
        {"hair",
         &kPatrons.hair,
         53,
         48,
         {},
         {"red hair", "auburn hair", "plaited hair", "a pony-tail", "carefully combed hair", "windswept hair",
          "strawberry blond hair", "mousey brown hair", "thinning white hair", "absolutely no hair", "a floppy hat",
          "an enormous hat", "a good quality wig", "a dreadful haircut"},
         {{"dark hair", 2}, {"brown hair", 3}, {"gray hair", 2}, {"fair hair", 2}}},
        {"faces",
         &kPatrons.faces,
         56,
         54,
         {{54, "a bearded"}, {55, "a stubbly"}, {56, "a cheerful"}},
         {"an attractive", "a sullen", "a deeply lined", "a dark-skinned", "a wart covered", "a pox marked",
          "a heavy set", "a tattooed", "a quite ordinary", "a food-smeared", "an unmemorable", "a ruddy"},
         {{"an ugly", 2}, {"a plain", 2}}},
        {"groupActions",
         &kPatrons.groupActions,
         51,
         50,
         {{1, "chatting"}},
         {"arguing", "drunk", "chatting quietly", "singing quietly", "laughing loudly", "watching you",
          "chatting to a barmaid", "counting coins", "arm wrestling", "examining a map",
          "looking at you and whispering", "glancing your way", "pointing at another table",
          "listening to the next table"},
         {{"glancing your way", 2}}},
        {"singleActions",
         &kPatrons.singleActions,
         32,
         31,
         {},
         {},
         {{"glancing your way", 2}},
         {},
         {},
         {"sleeping",
          "waiting",
          "drinking",
          "eating",
          "laughing",
          "drunk",
          "waiting quietly",
          "drinking quietly",
          "eating quietly",
          "laughing quietly",
          "watching someone",
          "watching you",
          "chatting to a barmaid",
          "watching the barman",
          "talking to the barman",
          "glancing your way",
          "counting coins",
          "playing cards",
          "playing dice",
          "drawing a map",
          "examining a map",
          "examining an object",
          "watching the door",
          "glancing your way",
          "pointing at you",
          "pointing at another table",
          "leering at the barmaid",
          "making notes",
          "reading something",
          "looking around",
          "listening to the next table",
          "clearing nails with a dagger"}},
        {"mainIngredients",
         &kMenu.mainIngredients,
         164,
         164,
         merge(
             {run(1, {"Goat", "Mutton", "Lamb",  "Meat",    "Horse",    "Rabbit",    "Liver",     "Bacon",     "Pigeon",
                      "Beef", "Goose",  "Quail", "Chicken", "Pork",     "Egg",       "Duck Egg",  "Goose Egg", "Duck",
                      "Fish", "Boar",   "Veal",  "Steak",   "Mushroom", "Vegetable", "Spicy Goat"}),
              {{45, "Spicy Mushroom"},
               {46, "Roasted Goat"},
               {65, "Roasted Mushroom"},
               {66, "Boiled Goat"},
               {86, "Boiled Mushroom"},
               {87, "Grilled Goat"},
               {103, "Gilled Veal"},
               {104, "Grilled Vegetable"},
               {106, "Grilled Mushroom"},
               {107, "Baked Goat"},
               {127, "Fried Goat"},
               {144, "Fried Veal"},
               {145, "Fried Steak"},
               {146, "Fried Mushroom"},
               {147, "Smoked Goat"},
               {162, "Smoked Boar"},
               {163, "Smoked Veal"},
               {164, "Smoked Steak"}}}),
         {"Roasted Vegetable", "Fried Egg"},
         {}},
        {"mainDishes",
         &kMenu.mainDishes,
         19,
         19,
         {},
         {},
         {},
         {},
         {},
         {"Pie", "Bake", "and Rice", "and Lentils", "Sausages", "Grill", "Parcels", "Roll", "Surprise", "Stew", "Hash",
          "Salad", "Goulash", "Roast", "Casserole", "Soup", "Kebabs", "Potatos", "Pasties"}},
        {"puddingFlavours",
         &kMenu.puddingFlavours,
         21,
         21,
         {},
         {},
         {},
         {},
         {},
         {"Apple",      "Pear",      "Fruit",     "Gooseberry", "Almond",      "Nut",    "Walnut",
          "Strawberry", "Raspberry", "Blueberry", "Rhubarb",    "Mixed Fruit", "Peach",  "Lemon",
          "Lime",       "Date",      "Apricot",   "Cherry",     "Orange",      "Banana", "Grape"}},
        {"puddings",
         &kMenu.puddings,
         10,
         10,
         {},
         {},
         {},
         {},
         {},
         {"Pie", "Bake", "Custard", "Sorbet", "Crumble", "Cake", "Surprise", "Flan", "Pudding", "Flake"}},
        {"drinkNames",
         &kMenu.drinkNames,
         34,
         34,
         {},
         {},
         {},
         {},
         {},
         {"King's",        "Wilbur's",    "Royal",    "Duke's",   "Master's", "Watson's",         "Pedigree",
          "Old Peculiar",  "Red Roger's", "Reaver's", "Imported", "Local",    "Captain's Choice", "Queen's",
          "Old Roger's",   "Old Tom's",   "Bishop's", "Light",    "Spring",   "Autumn",           "Winter",
          "Dwarven",       "Goblin",      "Orc",      "Special",  "House",    "Golden",           "Best",
          "Master Jack's", "Plum",        "Pear",     "Ventrian", "Scorlish", "Reserve"}},
        {"drinks",
         &kMenu.drinks,
         14,
         12,
         {},
         {},
         {{"Wine", 2}, {"Ale", 2}},
         {},
         {},
         {"Mead", "Wine", "Wine", "Port", "Grog", "Ale", "Ale", "Brandy", "Bitter", "Stout", "Spirits", "Beer", "Gold",
          "Red"}},
    };
}

TEST(WordListShape, EveryListHasItsShape)
{
    for (const Shape& shape : shapes()) {
        SCOPED_TRACE(shape.name);
        const std::vector<std::string> entries(shape.list->begin(), shape.list->end());
        ASSERT_EQ(static_cast<int>(entries.size()), shape.size);

        Counts occurrences, byInitial;
        std::map<int, int> byLength;
        for (const std::string& entry : entries) {
            ++occurrences[entry];
            if (entry == " ")
                continue;  // the blank closings stand for "no syllable"
            EXPECT_FALSE(entry.empty());
            EXPECT_EQ(trimmed(entry), entry) << "stray blanks in '" << entry << "'";
            ++byInitial[entry.substr(0, 1)];
            ++byLength[static_cast<int>(entry.size())];
        }
        EXPECT_EQ(static_cast<int>(occurrences.size()), shape.distinct);

        Counts duplicates;
        for (const auto& [entry, count] : occurrences)
            if (count > 1)
                duplicates[entry] = count;
        EXPECT_EQ(duplicates, shape.duplicates);

        for (const auto& [position, entry] : shape.at)
            EXPECT_EQ(entries.at(position - 1), entry) << "at position " << position;
        for (const std::string& entry : shape.contains)
            EXPECT_TRUE(occurrences.contains(entry)) << "missing '" << entry << "'";
        if (!shape.byInitial.empty()) {
            EXPECT_EQ(byInitial, shape.byInitial);
        }
        if (!shape.byLength.empty()) {
            EXPECT_EQ(byLength, shape.byLength);
        }
        if (!shape.whole.empty()) {
            EXPECT_EQ(entries, shape.whole);
        }
    }
}

TEST(WordListShape, OrderingRulesOfTheNameLists)
{
    // Opening syllables run A to Z, then close "Z", "W", "W", "Wic".
    const WordList& starts = kLandlordNames.openings;
    for (std::size_t i = 1; i + 4 < starts.count(); ++i)
        EXPECT_LE(starts[i - 1][0], starts[i][0]) << starts[i];
    EXPECT_LT(starts[starts.count() - 5][0], 'Z');

    // Closing syllables run a to w after the blanks; all lower case.
    const WordList& ends = kLandlordNames.closings;
    for (std::size_t i = 7; i < ends.count(); ++i)
        EXPECT_LE(ends[i - 1][0], ends[i][0]) << ends[i];
    for (std::size_t i = 6; i < ends.count(); ++i)
        EXPECT_THAT(ends[i], testing::MatchesRegex("[a-z]+"));

    // Middle syllables begin with a vowel or "y" and join any opening.
    for (const std::string& middle : kLandlordNames.middles)
        EXPECT_THAT(middle, testing::MatchesRegex("[aeiouy][a-z]*"));

    // The paired form's second part is "and " and one capitalised noun.
    for (const std::string& entry : kInnNames.pairedSeconds)
        EXPECT_THAT(entry, testing::MatchesRegex("and [A-Z][a-z]+"));

    // 32 possessives, the first 24 of them opening the list.
    int possessives = 0;
    for (std::size_t i = 0; i < kInnNames.commonFirsts.count(); ++i) {
        const bool possessive = kInnNames.commonFirsts[i].ends_with("'s");
        possessives += possessive;
        if (i < 24) {
            EXPECT_TRUE(possessive) << kInnNames.commonFirsts[i];
        } else if (i < 37) {
            EXPECT_FALSE(possessive) << kInnNames.commonFirsts[i];
        }
    }
    EXPECT_EQ(possessives, 32);
}

}  // namespace
}  // namespace brewick
