#include "core/Patron.h"

#include <algorithm>

namespace brewick {

PatronWords patronWords(const Patron& patron, std::string_view line)
{
    using namespace patronLine;
    std::size_t at = 0;
    const auto word = [&](std::string_view before, Patron::Word word) {
        at = std::min(at + before.size(), line.size());
        const std::string_view text = line.substr(at, patron.wordLengths[word]);
        at += text.size();
        return text;
    };
    PatronWords words;
    words.age = word("", Patron::Age);
    words.race = word(kAfterAge, Patron::Race);
    words.occupation = word(kAfterRace, Patron::Occupation);
    words.clothes = word(kBeforeClothes, Patron::Clothes);
    words.hair = word(patron.woman ? kBeforeHairOfAWoman : kBeforeHairOfAMan, Patron::Hair);
    words.face = word(kBeforeFace, Patron::Face);
    return words;
}

}  // namespace brewick
