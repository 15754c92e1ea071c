// Word tables for the taproom's patrons: the pieces of each patron line and table action line.
#pragma once

#include <string_view>

namespace brewick::words {

// The tables keep the rows and groups they are written in.
// clang-format off

// Sentence openers. The bare "A" stands four times on purpose: it lets a few
// patrons go without any adjective at all.
inline constexpr std::string_view kAges[] = {
    "A very young", "A young", "A youngish looking", "An immature looking", "A fresh-faced",
    "A teenage", "A", "A middle aged", "A mature", "A very mature looking", "An elderly",
    "An old", "A very old", "An ancient", "A grizzled",
    "A very fat", "A portly", "A stout", "A skinny", "A tall", "A short", "A muscular",
    "A scrawny looking", "A", "A gangly", "A burly", "An overweight",
    "A cross-eyed", "A one-legged", "A one-eyed", "A hunchbacked", "A limping",
    "A sickly looking", "An unwell looking", "A pale looking", "A",
    "A well-to-do", "An affluent looking", "A wealthy looking", "A poor looking",
    "A shabby looking", "An impoverished looking", "A prosperous looking",
    "A jovial looking", "A miserable looking", "An angry looking", "A weary",
    "A nervous looking", "A suspicious looking", "A", "A cheerful looking", "A sullen",
};

// Humans are listed twice so that a quarter of the patrons are human.
inline constexpr std::string_view kRaces[] = {
    "human", "human", "elven", "halfling", "half-elven", "dwarven", "half-orc", "gnome",
};

// "hunter" is doubled to make hunters a little more common.
inline constexpr std::string_view kOccupations[] = {
    "cleric", "fighter", "thief", "rogue", "magic user", "ranger", "paladin", "druid",
    "monk", "merchant", "bodyguard", "traveller", "pilgrim", "drunkard", "gambler",
    "farrier", "blacksmith", "teamster", "labourer", "farmer", "hunter", "trapper",
    "angler", "sailor", "apothecary", "herbalist", "bard", "minstrel", "shepherd",
    "miner", "woodcutter", "hunter", "mercenary", "soldier", "guard", "tinker",
    "peddler", "carpenter", "mason", "tanner", "cobbler", "tailor", "weaver", "baker",
    "butcher", "brewer", "scribe", "scholar", "priest", "beggar", "smuggler",
    "sellsword", "cook", "stablehand",
};

inline constexpr std::string_view kClothes[] = {
    "plain garb", "adventurers garb", "patched adventurers garb",
    "well-worn adventurers garb", "travel-stained garb", "leather and studded garb",
    "plain garb", "hunting garb", "peasant garb", "fine garb", "adventurers garb",
    "foreign garb", "fine but dirty robes", "brightly colored robes", "bejewelled robes",
    "stark white robes", "flowing black robes", "threadbare robes", "priestly robes",
    "silken robes",
    "dark green clothing", "dark blue clothing", "dark red clothing", "dark brown clothing",
    "light green clothing", "light blue clothing", "light red clothing",
    "light brown clothing",
    "bloodstained clothing", "ill-fitting clothing", "unfashionable clothing",
    "non-descript clothing", "muddy clothing", "expensive clothing", "torn clothing",
    "filthy clothing", "tight-fitting clothing", "sensible clothing", "garish clothing",
    "mismatched clothing", "rags", "shabby garb", "military garb", "fur-trimmed clothing",
    "sweat-stained clothing", "heavy woollen clothing",
};

// Read as the object of "has"; the common colours are doubled to keep
// the unusual ones rare.
inline constexpr std::string_view kHair[] = {
    "dark hair", "brown hair", "fair hair", "gray hair", "dark hair", "black hair",
    "brown hair", "red hair", "auburn hair", "blond hair", "fair hair", "brown hair",
    "gray hair", "white hair", "silver hair", "strawberry blond hair", "mousey brown hair",
    "jet black hair", "ginger hair", "sandy hair", "long hair", "short hair",
    "cropped hair", "curly hair", "straight hair", "wavy hair", "braided hair",
    "plaited hair", "a pony-tail", "carefully combed hair", "windswept hair",
    "greasy hair", "matted hair", "unkempt hair", "tangled hair", "oiled hair",
    "thinning hair", "thinning white hair", "receding hair", "absolutely no hair",
    "dyed hair", "spiky hair", "lank hair",
    "a floppy hat", "an enormous hat", "a feathered hat", "a battered hat",
    "a woollen cap", "a headscarf", "a good quality wig", "a badly fitting wig",
    "a powdered wig", "a dreadful haircut",
};

// The patron line appends " face.". Women are drawn from all but the last two
// entries, so the closing three must keep their place and order.
inline constexpr std::string_view kFaces[] = {
    "an attractive", "an ugly", "a plain", "a handsome", "a pretty", "a sullen",
    "a deeply lined", "a wrinkled", "a dark-skinned", "a pale", "a sunburnt",
    "a weather-beaten", "a wart covered", "a pox marked", "a freckled", "a heavy set",
    "a gaunt", "a round", "a thin", "a chubby", "a tattooed", "a scarred",
    "a quite ordinary", "a food-smeared", "a dirty", "an unmemorable", "a ruddy",
    "an ugly", "a plain", "a kindly", "a stern", "a haggard", "a pinched", "a smiling",
    "a scowling", "a friendly", "a shifty", "a grim", "a bored", "a tired", "an honest",
    "an open", "a narrow", "a broad", "a square-jawed", "a long", "a bruised",
    "a painted", "a flushed", "a nervous", "a vacant", "a youthful", "a striking",
    "a bearded", "a stubbly", "a cheerful",
};

// Follows "They are ". The quiet and loud variants repeat the plain verbs so
// that the everyday activities dominate the draw.
inline constexpr std::string_view kGroupActions[] = {
    "chatting", "arguing", "drunk", "singing", "laughing", "drinking", "eating",
    "talking", "gambling", "joking",
    "chatting quietly", "arguing quietly", "singing quietly", "laughing quietly",
    "drinking quietly", "eating quietly", "talking quietly", "gambling quietly",
    "joking quietly",
    "chatting loudly", "arguing loudly", "singing loudly", "laughing loudly",
    "drinking loudly", "talking loudly", "gambling loudly", "joking loudly",
    "watching you", "chatting to a barmaid", "talking to the barman", "glancing your way",
    "counting coins", "playing cards", "playing dice", "arm wrestling", "drawing a map",
    "examining a map", "examining an object", "looking at you and whispering",
    "watching the door", "glancing your way", "pointing at you", "pointing at another table",
    "leering at the barmaid", "listening to the next table", "sharing a pipe",
    "haggling over a price", "playing a drinking game", "reading a letter",
    "toasting each other", "planning something",
};

// Follows "She is " or "He is ".
inline constexpr std::string_view kSingleActions[] = {
    "sleeping", "waiting", "drinking", "eating", "laughing", "drunk", "waiting quietly",
    "drinking quietly", "eating quietly", "laughing quietly", "watching someone",
    "watching you", "chatting to a barmaid", "watching the barman", "talking to the barman",
    "glancing your way", "counting coins", "playing cards", "playing dice", "drawing a map",
    "examining a map", "examining an object", "watching the door", "glancing your way",
    "pointing at you", "pointing at another table", "leering at the barmaid", "making notes",
    "reading something", "looking around", "listening to the next table",
    "clearing nails with a dagger",
};

// clang-format on

}  // namespace brewick::words
