#include "generators/LandlordName.h"

#include "generators/LandlordNameWords.h"

namespace brewick {

namespace {
void appendNameWord(std::string& name, const LandlordNameLists& lists, RandomSource& random)
{
    name += pickRandom(lists.openings, random);  // untrimmed, as drawn
    name += trimmed(pickRandom(lists.middles, random));
    name += trimmed(pickRandom(lists.closings, random));
}
}  // namespace

LandlordNameLists::LandlordNameLists()
    : openings(words::kOpenings),
      middles(words::kMiddles),
      closings(words::kClosings)
{
}

void makeLandlordName(InnSheet& sheet, const LandlordNameLists& lists, RandomSource& random)
{
    sheet.landlordName.clear();
    appendNameWord(sheet.landlordName, lists, random);
    sheet.landlordName += ' ';
    appendNameWord(sheet.landlordName, lists, random);
}

}  // namespace brewick
