// Word tables for the taproom's bar scenes: the fixed scenes around the two numbered ones.
#pragma once

#include <string_view>

namespace brewick::words {

// The tables keep the rows and groups they are written in.
// clang-format off

// The beans scene (66) and the toughs scene (89) carry a number drawn when the
// scene list is built, so the fixed scenes come in three runs around them.
inline constexpr std::string_view kScenesBeforeBeans[] = {
    // 1-3: a bard playing
    "A bard is playing very badly",
    "A bard is playing a haunting ballad",
    "A bard is playing a rousing tune and the whole room is singing along",
    // 4-6: hecklers
    "A drunken human is heckling a bard",
    "A drunken dwarf is heckling a bard",
    "A drunken crowd is heckling a bard",
    // 7-13: the landlord wrestling, throwing out and being thrown out
    "The landlord is arm-wrestling a half-orc",
    "The landlord is arm-wrestling a patron and losing",
    "The landlord is throwing a drunken gnome out",
    "The landlord is throwing a drunken dwarf out",
    "The landlord is throwing a drunken elf out",
    "The landlord is being thrown out by a pair of drunks",
    "The landlord is being thrown out by the serving maids",
    // 14-20: the landlord's state and manners
    "The landlord refuses to serve you",
    "The landlord is drunk",
    "The landlord is asleep behind the bar",
    "The landlord is in a foul mood",
    "The landlord is extremely rude to you",
    "The landlord greets you like long-lost friends",
    "The landlord announces that drinks are on the house!",
    // 21-24: thieves; "halfing" in the first two is deliberate, keep it
    "A halfing thief fails to pick your pocket",
    "A halfing thief picks your pocket",
    "A street urchin picks your pocket and runs for the door",
    "A clumsy thief fails to pick your pocket and knocks over your drink",
    // 25-26: mistaken identity
    "A patron is convinced that you are a long-lost cousin",
    "A patron mistakes you for an old lover and slaps your face",
    // 27-30: relatives for sale
    "A patron offers to sell you his grandmother",
    "A patron offers to sell you his wife",
    "A patron offers to sell you his mother-in-law",
    "A patron offers to sell you his children",
    // 31
    "No-one will meet your eye",
    // 32-40: challenges; the two fights stand twice to come up more often
    "A patron challenges you to a game of cards",
    "A patron challenges the smallest in your party to a fight",
    "A patron challenges the largest in your party to a fight",
    "A patron challenges you to a horse race",
    "A patron challenges you to an arm-wrestling match",
    "A patron challenges the smallest in your party to a fight",
    "A patron challenges the largest in your party to a fight",
    "A card sharp challenges your party to a game of cards for high stakes",
    "A patron challenges you to a duel at dawn",
    // 41
    "A drunken brawl breaks out (Wild West style)",
    // 42-43: a lady wants a drink
    "A lady asks you to buy her a drink",
    "A painted lady asks the youngest in your party to buy her a drink",
    // 44-47: a hooded figure at the bar
    "A hooded figure at the bar is watching you",
    "A hooded figure at the bar beckons you over",
    "A hooded figure at the bar suddenly vanishes!",
    "A hooded figure at the bar slips a note into your hand and leaves",
    // 48-53: signs on the bar
    "A sign on the bar says 'Troll baiting, out the back'",
    "A sign on the bar says 'No adventurers'",
    "A sign on the bar says 'Adventurers wanted, enquire within'",
    "A sign on the bar says 'No credit, no exceptions'",
    "A sign on the bar says 'Weapons must be left at the door'",
    "A sign on the bar says 'No spellcasting in the taproom'",
    // 54-58: maps and eggs for sale
    "A patron offers to sell you a treasure map",
    "A patron offers to sell you a treasure map (it's fake)",
    "A patron offers to sell you a treasure map (it's genuine)",
    "A patron offers to sell you a dragon's egg",
    "A patron offers to sell you a dragon's egg (it's a painted goose egg)",
    // 59: villagers in need
    "A group of villagers is looking for brave adventurers to save their village",
    // 60-65: would-be companions
    "An experienced ranger offers to join your party",
    "A young farmhand offers to join your party",
    "A retired soldier offers to join your party",
    "A nervous apprentice wizard offers to join your party",
    "A one-eyed dwarf offers to join your party",
    "A suspiciously eager halfling offers to join your party",
};

inline constexpr std::string_view kScenesBeforeToughs[] = {
    // 67-69: more wares for sale, after the beans
    "A patron offers to sell you a cursed sword",
    "A patron offers to sell you a cheap healing potion",
    "A patron offers to sell you a talking cat",
    // 70-78: gatherings and recruiting
    "A poetry competition is in progress",
    "A wedding party is in progress",
    "A wake is in progress",
    "A birthday celebration is in progress",
    "A game of darts is in progress",
    "A secret meeting is in progress in the back room",
    "A storytelling contest is in progress",
    "A recruiting sergeant is signing up volunteers for the war",
    "A ship's captain is recruiting crew for a long voyage",
    // 79-81: the landlord and the serving maids
    "The landlord is shouting at the serving maids",
    "The landlord is chasing a serving maid around the bar",
    "The serving maids are arguing with the landlord over their wages",
    // 82-85: the room reacts to the party
    "The room falls silent as you enter",
    "Someone says 'Look, it's them' and everyone turns to stare at you",
    "Everyone in the room cheers as you enter",
    "Several patrons get up and leave as you walk in",
    // 86-88: things to notice
    "A money pouch lies unattended on a table",
    "Smoke is drifting out from under the kitchen door",
    "Someone in a dark corner is weeping quietly",
};

inline constexpr std::string_view kScenesAfterToughs[] = {
    // 90-100: trouble and intrigue
    "Two strangers at the bar are claiming to be you",
    "A group of impostors is boasting about your adventures as if they were their own",
    "The landlord insists that you didn't pay your bill last time",
    "A patron asks you to pay his bill",
    "There is fresh blood on the floor",
    "Blood is dripping from the ceiling",
    "The inn is being robbed by masked bandits",
    "The town guard bursts in looking for someone matching your description",
    "The town guard is drinking here off duty",
    "Someone slips a ring into your pack",
    "Someone slips a bag of stolen silver into your pack as the town guard walks in",
};

// clang-format on

}  // namespace brewick::words
