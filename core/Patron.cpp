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

Patron patronOfLine(std::string_view line, bool woman, const PatronWords& words)
{
    using namespace patronLine;
    const std::string_view hairIntro = woman ? kBeforeHairOfAWoman : kBeforeHairOfAMan;
    const std::size_t afterAge = kAfterAge.size() + words.race.size() + kAfterRace.size() + words.occupation.size() +
                                 kBeforeClothes.size() + words.clothes.size() + hairIntro.size() + words.hair.size() +
                                 kBeforeFace.size() + words.face.size() + kAfterFace.size();
    const auto length = [](std::string_view word) { return static_cast<std::uint32_t>(word.size()); };
    Patron patron;
    patron.woman = woman;
    patron.wordLengths = {static_cast<std::uint32_t>(line.size() - std::min(afterAge, line.size())),
                          length(words.race),
                          length(words.occupation),
                          length(words.clothes),
                          length(words.hair),
                          length(words.face)};
    return patron;
}

bool readsAsDrawn(const Patron& patron, std::string_view line)
{
    using namespace patronLine;
    std::size_t at = 0;
    const auto word = [&](Patron::Word word) {
        at += patron.wordLengths[word];
        return at <= line.size();
    };
    const auto between = [&](std::string_view text) {
        if (line.substr(at, text.size()) != text)
            return false;
        at += text.size();
        return true;
    };
    return word(Patron::Age) && between(kAfterAge) && word(Patron::Race) && between(kAfterRace) &&
           word(Patron::Occupation) && between(kBeforeClothes) && word(Patron::Clothes) &&
           between(patron.woman ? kBeforeHairOfAWoman : kBeforeHairOfAMan) && word(Patron::Hair) &&
           between(kBeforeFace) && word(Patron::Face) && between(kAfterFace) && at == line.size();
}

}  // namespace brewick
