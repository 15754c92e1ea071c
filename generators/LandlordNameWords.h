// Word tables for landlord names: opening, middle and closing syllables.
#pragma once

#include <string_view>

namespace brewick::words {

// The tables keep the rows and groups they are written in.
// clang-format off

// Opening syllables, roughly A to Z. The W run sits at the very end.
// Repeats ("C" three times; "Gw", "Th", "W" twice) are deliberate weights.
inline constexpr std::string_view kOpenings[] = {
    "A", "Ab", "Ac", "Ad", "Ae", "Agr", "Al", "Am", "An", "Ar", "As", "Ath",
    "B", "Bl", "Br",
    "C", "C", "C", "Cad", "Ch", "Cl", "Cr",
    "D", "Dr", "Dun",
    "E", "Ed", "El", "Em", "Eow", "Er",
    "Fin", "Fr",
    "G", "Gal", "Gil", "Gr", "Gw", "Gw",
    "H", "Hal",
    "I",
    "J", "Jor",
    "K", "Ka", "Kel",
    "L", "Le", "Loth", "Ly",
    "Ma", "Mor",
    "N", "Nyd",
    "O", "Ol", "Os",
    "P", "Per",
    "Qu",
    "R", "Rh",
    "Sev", "Sh",
    "T", "Th", "Th", "Tor",
    "U", "Ul", "Ur",
    "V",
    "Y", "Yr",
    "Z",
    "W", "W", "Wic",
};

// Middle syllables: always start with a vowel (or "y") so they join any
// opening. Repeats are deliberate weights.
inline constexpr std::string_view kMiddles[] = {
    "a", "ae", "ae", "au", "ao", "are", "ale", "ali", "ay", "ardo",
    "e", "edri", "ei", "ea", "ea", "eri", "era", "ela", "eli", "enda", "erra",
    "i", "ia", "ie", "ire", "ira", "ila", "ili", "ira", "igo",
    "o", "oha", "oma", "oa", "oi", "oe", "ore",
    "u", "y",
};

// Closing syllables, a to w. The leading single spaces trim to nothing and
// give a word with no closing syllable.
inline constexpr std::string_view kClosings[] = {
    " ", " ", " ", " ", " ", " ",
    "and", "ath",
    "b", "bel", "bryn", "bwyn",
    "c", "cwyn", "cyn",
    "d", "dan", "dd", "del", "dor", "dric", "drin", "dwen", "dwyn", "dyr",
    "f",
    "g", "gan", "gwen",
    "h", "hild",
    "jan", "jorn",
    "k", "ka", "kin", "kith", "kor", "kwen", "kyn",
    "l", "la", "lan", "ld", "le", "lin", "lith", "lor", "lwen", "lwyn", "lyn", "lynd",
    "m", "mar", "mond", "mor", "mund",
    "n", "na", "nas", "nd", "nor", "nwen", "ny", "nydd", "nyr", "nyth",
    "p",
    "r", "ra", "rd", "ric", "rin", "rith", "ron", "rwen", "ryn",
    "s", "sa", "sil", "sith", "swyn",
    "t", "tan", "th", "th", "thain", "tlan", "tor", "trin", "tyr",
    "v", "van", "vel", "vorn", "vyn",
    "w", "wen", "win", "win", "wyn", "wyn", "wyr", "wyr", "wyth",
};

// clang-format on

}  // namespace brewick::words
