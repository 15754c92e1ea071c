#include "core/Patron.h"

#include <algorithm>
#include <limits>

namespace brewick {

namespace {
// A walk along a line made of the fixed texts of its form and of words whose
// lengths are known, from its start.
class LineWalk {
public:
    explicit LineWalk(std::string_view line) : line_(line) {}

    // The word of `length` after `before`, cut short at the line's end.
    std::string_view word(std::string_view before, std::uint32_t length)
    {
        at_ = std::min(at_ + before.size(), line_.size());
        const std::string_view text = line_.substr(at_, length);
        at_ += text.size();
        return text;
    }

    // Whether `before` stands next, as it is, and then a word of `length`
    // within the line.
    bool reads(std::string_view before, std::uint32_t length)
    {
        if (line_.substr(at_, before.size()) != before)
            return false;
        at_ += before.size() + length;
        return at_ <= line_.size();
    }

    // Whether `after` ends the line.
    bool endsWith(std::string_view after) { return reads(after, 0) && at_ == line_.size(); }

private:
    std::string_view line_;
    std::size_t at_ = 0;
};

std::uint32_t lengthOf(std::string_view word) { return static_cast<std::uint32_t>(word.size()); }
}  // namespace

PatronWords patronWords(const Patron& patron, std::string_view line)
{
    using namespace patronLine;
    LineWalk walk(line);
    const auto& lengths = patron.wordLengths;
    PatronWords words;
    words.age = walk.word("", lengths[Patron::Age]);
    words.race = walk.word(kAfterAge, lengths[Patron::Race]);
    words.occupation = walk.word(kAfterRace, lengths[Patron::Occupation]);
    words.clothes = walk.word(kBeforeClothes, lengths[Patron::Clothes]);
    words.hair = walk.word(patron.woman ? kBeforeHairOfAWoman : kBeforeHairOfAMan, lengths[Patron::Hair]);
    words.face = walk.word(kBeforeFace, lengths[Patron::Face]);
    return words;
}

Patron patronOfLine(std::string_view line, bool woman, const PatronWords& words)
{
    using namespace patronLine;
    const std::string_view hairIntro = woman ? kBeforeHairOfAWoman : kBeforeHairOfAMan;
    const std::size_t afterAge = kAfterAge.size() + words.race.size() + kAfterRace.size() + words.occupation.size() +
                                 kBeforeClothes.size() + words.clothes.size() + hairIntro.size() + words.hair.size() +
                                 kBeforeFace.size() + words.face.size() + kAfterFace.size();
    Patron patron;
    patron.woman = woman;
    patron.wordLengths = {static_cast<std::uint32_t>(line.size() - std::min(afterAge, line.size())),
                          lengthOf(words.race),
                          lengthOf(words.occupation),
                          lengthOf(words.clothes),
                          lengthOf(words.hair),
                          lengthOf(words.face)};
    return patron;
}

bool readsAsDrawn(const Patron& patron, std::string_view line)
{
    using namespace patronLine;
    LineWalk walk(line);
    const auto& lengths = patron.wordLengths;
    return walk.reads("", lengths[Patron::Age]) && walk.reads(kAfterAge, lengths[Patron::Race]) &&
           walk.reads(kAfterRace, lengths[Patron::Occupation]) &&
           walk.reads(kBeforeClothes, lengths[Patron::Clothes]) &&
           walk.reads(patron.woman ? kBeforeHairOfAWoman : kBeforeHairOfAMan, lengths[Patron::Hair]) &&
           walk.reads(kBeforeFace, lengths[Patron::Face]) && walk.endsWith(kAfterFace);
}

PatronDetails patronDetails(const Patron& patron, std::string_view line)
{
    using namespace detailsLine;
    LineWalk walk(line);
    const auto& lengths = patron.detailLengths;
    PatronDetails details;
    details.name = walk.word(kIndent, lengths[Patron::Name]);
    details.trait = walk.word(kBeforeTrait, lengths[Patron::Trait]);
    details.rumour = walk.word(kBeforeRumour, lengths[Patron::Rumour]);
    return details;
}

void keepDetails(Patron& patron, const PatronDetails& details)
{
    patron.fleshedOut = true;
    patron.detailLengths = {lengthOf(details.name), lengthOf(details.trait), lengthOf(details.rumour)};
}

void loseDetails(Patron& patron)
{
    patron.fleshedOut = true;
    patron.detailLengths.fill(std::numeric_limits<std::uint32_t>::max());
}

void addDetailsLine(TextLines& lines, const PatronDetails& details)
{
    using namespace detailsLine;
    lines.add({kIndent, details.name, kBeforeTrait, details.trait, kBeforeRumour, details.rumour});
}

bool readsAsFleshedOut(const Patron& patron, std::string_view line)
{
    using namespace detailsLine;
    LineWalk walk(line);
    const auto& lengths = patron.detailLengths;
    return patron.fleshedOut && walk.reads(kIndent, lengths[Patron::Name]) &&
           walk.reads(kBeforeTrait, lengths[Patron::Trait]) && walk.reads(kBeforeRumour, lengths[Patron::Rumour]) &&
           walk.endsWith("");
}

}  // namespace brewick
