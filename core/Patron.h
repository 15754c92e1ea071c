// A patron as drawn, and the patron's line in the table text, which is made of
// the drawn words: the line holds the words, and the patron keeps how long
// each is, so that they can be read back without a second copy. A patron
// fleshed out has a second line, right below, of a name, a trait and a
// rumour, kept the same way.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/TextLines.h"

namespace brewick {

struct Patron {
    enum Word { Age, Race, Occupation, Clothes, Hair, Face, kWordCount };
    enum Detail { Name, Trait, Rumour, kDetailCount };

    bool woman = false;
    bool fleshedOut = false;  // the details line follows the patron's line
    std::array<std::uint32_t, kWordCount> wordLengths{};
    std::array<std::uint32_t, kDetailCount> detailLengths{};

    friend bool operator==(const Patron&, const Patron&) = default;
};

// The patron line around the drawn words: "<age> <race> <occupation> wearing
// <clothes>. She has <hair> and <face> face."
namespace patronLine {
inline constexpr std::string_view kAfterAge = " ";
inline constexpr std::string_view kAfterRace = " ";
inline constexpr std::string_view kBeforeClothes = " wearing ";
inline constexpr std::string_view kBeforeHairOfAWoman = ". She has ";
inline constexpr std::string_view kBeforeHairOfAMan = ". He has ";
inline constexpr std::string_view kBeforeFace = " and ";
inline constexpr std::string_view kAfterFace = " face.";
}  // namespace patronLine

// The drawn words of a patron, read back from the patron's line.
struct PatronWords {
    std::string_view age;  // with its article: "A weary", or the bare "A"
    std::string_view race;
    std::string_view occupation;
    std::string_view clothes;
    std::string_view hair;
    std::string_view face;  // with its article: "a scarred"
};

// Never reads past the line's end, whatever line it is given.
PatronWords patronWords(const Patron& patron, std::string_view line);

// The patron whose line this is, given the words it was drawn with but the
// age, which is what the line starts with before them.
Patron patronOfLine(std::string_view line, bool woman, const PatronWords& words);

// Whether the line is still the patron's line: the drawn words, of their
// lengths, around the words the patron line puts between them. A line the
// user changed is not.
bool readsAsDrawn(const Patron& patron, std::string_view line);

// The details line below a fleshed-out patron's line, indented under it:
// "    <name> <trait>. Rumour: <rumour>". The trait follows the name as a
// verb does its subject: "Agnes Thorne hums the same four notes".
namespace detailsLine {
inline constexpr std::string_view kIndent = "    ";
inline constexpr std::string_view kBeforeTrait = " ";
inline constexpr std::string_view kBeforeRumour = ". Rumour: ";
}  // namespace detailsLine

struct PatronDetails {
    std::string_view name;
    std::string_view trait;
    std::string_view rumour;
};

// Never reads past the line's end, whatever line it is given.
PatronDetails patronDetails(const Patron& patron, std::string_view line);

// Marks the patron fleshed out with these details, whose lengths it keeps.
void keepDetails(Patron& patron, const PatronDetails& details);
// The patron keeps the line of its details, which the user typed into: the
// words drawn are gone, and no line reads as them any more.
void loseDetails(Patron& patron);
void addDetailsLine(TextLines& lines, const PatronDetails& details);

// Whether the line is still the fleshed-out patron's details line, as
// readsAsDrawn tells of the patron's line.
bool readsAsFleshedOut(const Patron& patron, std::string_view line);

}  // namespace brewick
