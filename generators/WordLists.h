// Every word list of the generators in one place, the built-in lists or the
// user's own, and what a user needs to write a list: its file's name and the
// form its entries take.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/WordList.h"
#include "generators/InnName.h"
#include "generators/LandlordName.h"
#include "generators/Menu.h"
#include "generators/PatronDetails.h"
#include "generators/Tables.h"

namespace brewick {

// The lists are filled in the order of the bases, the order of start-up.
struct WordLists : InnNameLists, LandlordNameLists, PatronLists, MenuLists, PatronDetailLists {
    // The built-in lists.
    WordLists() = default;
    // The built-in lists, each replaced or joined by the user's entries for
    // it. Nothing is drawn.
    explicit WordLists(const UserWordLists& userLists);
};

// A list as the user knows it.
struct NamedWordList {
    std::string_view name;  // of its files: NAME.txt, NAME.add.txt
    WordList WordLists::*list;
    std::string_view form;     // what an entry is, and where it goes
    std::size_t keptLast = 0;  // entries that stay last when the user's join
};

inline constexpr std::array<NamedWordList, 47> kNamedWordLists = {{
    {"common-firsts", &WordLists::commonFirsts,
     "Inn names \"The Laughing Dragon\": the first word, an adjective or a possessive: \"Laughing\""},
    {"common-seconds", &WordLists::commonSeconds,
     "Inn names \"The Laughing Dragon\": the second word, a noun: \"Dragon\""},
    {"paired-firsts", &WordLists::pairedFirsts,
     "Inn names \"The Pig and Duck\" (one in three): the first noun, \"Pig\""},
    {"paired-seconds", &WordLists::pairedSeconds,
     "Inn names \"The Pig and Duck\": the rest, \"and\" included: \"and Duck\""},
    {"openings", &WordLists::openings,
     "Landlords' names, two words of three syllables each: the first syllable, with its capital: \"Ab\""},
    {"middles", &WordLists::middles, "Landlords' names: the middle syllable, lower case: \"ae\""},
    {"closings", &WordLists::closings,
     "Landlords' names: the last syllable, lower case: \"wyn\"; an empty line ends a word without one"},
    {"ages", &WordLists::ages,
     "Patrons, \"A weary dwarven miner wearing muddy clothing. He has a floppy hat and a scarred face.\": "
     "the start, with its own article: \"A weary\", \"An old\", or \"A\" alone"},
    {"races", &WordLists::races, "Patrons: the race, \"dwarven\""},
    {"occupations", &WordLists::occupations, "Patrons: the occupation, \"miner\""},
    {"clothes", &WordLists::clothes, "Patrons: what they wear, \"muddy clothing\""},
    {"hair", &WordLists::hair, "Patrons: their hair or hat, with its article where it takes one: \"a floppy hat\""},
    {"faces", &WordLists::faces,
     "Patrons: the face, with its article: \"a scarred\". Women never get the last two faces of the list; "
     "the lines of faces.add.txt join before those two",
     kMenOnlyFaces},
    {"group-actions", &WordLists::groupActions, "A table of patrons: what they do, after \"They are\": \"arguing\""},
    {"single-actions", &WordLists::singleActions, "A patron alone: after \"He is\" or \"She is\": \"sleeping\""},
    {"main-ingredients", &WordLists::mainIngredients,
     "Main courses \"Roasted Boar Pie\": the first part, \"Roasted Boar\""},
    {"main-dishes", &WordLists::mainDishes, "Main courses: the kind of dish, \"Pie\" or \"and Rice\""},
    {"pudding-flavours", &WordLists::puddingFlavours, "Puddings \"Apple Crumble\": the flavour, \"Apple\""},
    {"puddings", &WordLists::puddings, "Puddings: the kind of pudding, \"Crumble\""},
    {"drink-names", &WordLists::drinkNames, "Drinks \"Dwarven Ale\": the name, the maker or the style, \"Dwarven\""},
    {"drinks", &WordLists::drinks, "Drinks: the kind of drink, \"Ale\""},
    {"first-names-human-women", &WordLists::humanWomen,
     "Patrons fleshed out: a human woman's first name, \"Agnes\"; patrons of a race without lists of its own take "
     "these"},
    {"first-names-human-men", &WordLists::humanMen,
     "Patrons fleshed out: a human man's first name, \"Aldric\"; patrons of a race without lists of its own take "
     "these"},
    {"first-names-elven-women", &WordLists::elvenWomen,
     "Patrons fleshed out: an elven woman's first name, \"Aelthiria\""},
    {"first-names-elven-men", &WordLists::elvenMen, "Patrons fleshed out: an elven man's first name, \"Caelthir\""},
    {"first-names-halfling-women", &WordLists::halflingWomen,
     "Patrons fleshed out: a halfling woman's first name, \"Tansy\""},
    {"first-names-halfling-men", &WordLists::halflingMen, "Patrons fleshed out: a halfling man's first name, \"Tam\""},
    {"first-names-half-elven-women", &WordLists::halfElvenWomen,
     "Patrons fleshed out: a half-elven woman's first name, \"Aveline\""},
    {"first-names-half-elven-men", &WordLists::halfElvenMen,
     "Patrons fleshed out: a half-elven man's first name, \"Aurel\""},
    {"first-names-dwarven-women", &WordLists::dwarvenWomen,
     "Patrons fleshed out: a dwarven woman's first name, \"Bardra\""},
    {"first-names-dwarven-men", &WordLists::dwarvenMen, "Patrons fleshed out: a dwarven man's first name, \"Bardok\""},
    {"first-names-half-orc-women", &WordLists::halfOrcWomen,
     "Patrons fleshed out: a half-orc woman's first name, \"Grusha\""},
    {"first-names-half-orc-men", &WordLists::halfOrcMen, "Patrons fleshed out: a half-orc man's first name, \"Grukk\""},
    {"first-names-gnome-women", &WordLists::gnomeWomen, "Patrons fleshed out: a gnome woman's first name, \"Bibbi\""},
    {"first-names-gnome-men", &WordLists::gnomeMen, "Patrons fleshed out: a gnome man's first name, \"Bimble\""},
    {"family-names-human", &WordLists::humanFamilies,
     "Patrons fleshed out: the family name of a human patron, after the first name, \"Ashcombe\""},
    {"family-names-elven", &WordLists::elvenFamilies,
     "Patrons fleshed out: the family name of an elven patron, after the first name, \"Aelvanthi\""},
    {"family-names-halfling", &WordLists::halflingFamilies,
     "Patrons fleshed out: the family name of a halfling patron, after the first name, \"Applebake\""},
    {"family-names-half-elven", &WordLists::halfElvenFamilies,
     "Patrons fleshed out: the family name of a half-elven patron, after the first name, \"Ashvale\""},
    {"family-names-dwarven", &WordLists::dwarvenClans,
     "Patrons fleshed out: the clan name of a dwarven patron, after the first name, \"Granitebrow\""},
    {"family-names-half-orc", &WordLists::halfOrcFamilies,
     "Patrons fleshed out: the family name of a half-orc patron, after the first name, \"Ashbelly\""},
    {"family-names-gnome", &WordLists::gnomeFamilies,
     "Patrons fleshed out: the family name of a gnome patron, after the first name, \"Cogwhistle\""},
    {"traits", &WordLists::traits,
     "Patrons fleshed out, \"Agnes Thorne hums the same four notes over and over. Rumour: ...\": a trait to act "
     "out, after the name, lower case and without a full stop: \"hums the same four notes over and over\""},
    {"rumours-docks", &WordLists::docksRumours,
     "Patrons fleshed out in an inn of the Docks Area: a rumour, one sentence with its full stop"},
    {"rumours-poor", &WordLists::poorRumours,
     "Patrons fleshed out in an inn of the Poor Quarter: a rumour, one sentence with its full stop"},
    {"rumours-merchant", &WordLists::merchantRumours,
     "Patrons fleshed out in an inn of the Merchant Quarter: a rumour, one sentence with its full stop"},
    {"rumours-wealthy", &WordLists::wealthyRumours,
     "Patrons fleshed out in an inn of the Wealthy Quarter: a rumour, one sentence with its full stop"},
}};

// The names of kNamedWordLists, in their order.
std::array<std::string_view, kNamedWordLists.size()> wordListNames();

// README.txt of the user's word list folder: how the files are read, and
// every list's file name and form.
std::string wordFolderReadme();

// The built-in list as a list file, with a comment saying that it is only
// there to copy from.
std::string builtInListFile(const NamedWordList& named);

}  // namespace brewick
