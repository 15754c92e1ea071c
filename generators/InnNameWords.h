// Word tables for inn names: the two word lists of each of the two name forms.
#pragma once

#include <string_view>

namespace brewick::words {

// The tables keep the rows and groups they are written in.
// clang-format off

// First word of "The <adjective or possessive> <noun>". The possessives keep
// their historic spelling ("Kings's"); "Blind" is listed twice on purpose so
// it turns up twice as often.
inline constexpr std::string_view kCommonFirsts[] = {
    // Ranks, trades, adventurers and monsters.
    "Kings's", "Queens's", "Prince's", "Princess's", "Duke's", "Baron's",
    "Knight's", "Squire's", "Bishop's", "Miller's", "Baker's", "Smith's",
    "Cooper's", "Tanner's", "Brewer's", "Hunter's", "Ranger's", "Wizard's",
    "Bard's", "Thief's", "Paladin's", "Troll's", "Ogre's", "Goblin's",
    // Colours and states.
    "Black", "Blue", "Red", "Green", "White", "Golden", "Silver", "Blind",
    "Drunken", "Sleeping", "Laughing", "Broken", "Dead",
    // A mix of both.
    "Jolly", "Slaughterman's", "Weeping", "Merry", "Crooked", "Halfling's",
    "Rusty", "Wandering", "Ridiculous", "Witch's", "Grinning", "Howling",
    "Lucky", "Piper's", "Prancing", "Vestal", "Hungry", "Hangman's",
    "Blind", "Silent", "Wicked", "Fiddler's", "Lonely", "Frozen",
    "Bold", "Dwarf's", "Gilded", "Hidden", "Cursed", "Shepherd's",
    "Proud", "Dancing", "Thirsty", "Ancient", "Mad", "Sly",
    "Elven",
};

// Second word of the common form. "Dragon" and "Messenger" are doubled on
// purpose; "Arms" is the only plural.
inline constexpr std::string_view kCommonSeconds[] = {
    "Head", "Delight", "Hand", "Arms",
    // Creatures.
    "Dragon", "Unicorn", "Griffin", "Stag", "Boar", "Hound", "Raven", "Owl",
    "Goblin", "Troll",
    // People.
    "Wench", "Maid", "Friar", "Jester", "Messenger", "Pilgrim", "Wanderer",
    "Knight",
    // Body parts.
    "Fist", "Heart", "Eye", "Tooth", "Beard", "Tongue", "Skull",
    // Drinking vessels and other objects.
    "Tankard", "Flagon", "Goblet", "Horn", "Mug", "Cup", "Barrel", "Cask",
    "Lantern", "Anchor", "Crown", "Shield", "Sword", "Axe", "Boot", "Bell",
    "Kettle", "Candle", "Key", "Wheel",
    // Places and abstract nouns.
    "Tavern", "Inn", "Rest", "Haven", "Despair", "Humor", "Folly", "Fortune",
    "Secret", "Promise", "Refuge",
    // A second helping of the favourites, then a few more.
    "Dragon", "Messenger", "Serpent", "Wyvern", "Mermaid", "Minstrel", "Ogre",
    "Tale", "Welcome", "Retreat", "Comfort", "Lament",
    "Dream", "Wish",
};

// First noun of "The <noun> and <noun>". "Dwarf" and "Dragon" are doubled
// on purpose.
inline constexpr std::string_view kPairedFirsts[] = {
    "Pig", "Monk", "Slug", "Fox", "Hare", "Badger", "Goat", "Cockerel",
    "Dwarf", "Nymph", "Giant", "Bawd", "Dragon", "Fiddler", "Friar", "Ogre",
    "Fig", "Sun", "Moon", "Star", "Coach", "Wagon", "Cart",
    "Sword", "Dagger", "Axe", "Mace",
    "Bear", "Dwarf", "Raven", "Toad", "Knight", "Hag", "Comet", "Barge",
    "Spear", "Dragon", "Bull", "Weasel",
    "Squirrel", "Song",
};

// Second part of the paired form, conjunction included. "and Unicorn" is
// doubled on purpose; "Stars" and "Horses" are the only plurals.
inline constexpr std::string_view kPairedSeconds[] = {
    "and Duck", "and Maiden", "and Harpy", "and Lettuce", "and Whistle",
    "and Bucket", "and Satyr", "and Cleaver", "and Garter", "and Porcupine",
    "and Barmaid", "and Stars", "and Unicorn", "and Horses", "and Fiddle",
    "and Goose", "and Ferret", "and Hen", "and Lamb", "and Kettle",
    "and Lantern", "and Anchor", "and Crown", "and Thistle", "and Rose",
    "and Turnip", "and Cabbage", "and Cauldron", "and Trumpet", "and Lute",
    "and Unicorn", "and Mermaid", "and Griffin", "and Gnome", "and Sprite",
    "and Shepherd", "and Tinker", "and Hammer", "and Anvil", "and Spoon",
    "and Ladle", "and Moon", "and Bell", "and Tankard",
    "and Flagon",
};

// clang-format on

}  // namespace brewick::words
