#include "generators/KeeperName.h"

#include "generators/KeeperNameWords.h"

namespace brewick {

namespace {
void AppendNameWord(std::string& name, const KeeperNameLists& lists, RandomSource& random)
{
    name += PickRandom(lists.lstNameStartStart, random);  // untrimmed, as drawn
    name += Trimmed(PickRandom(lists.lstNameStartMid, random));
    name += Trimmed(PickRandom(lists.lstNameStartend, random));
}
}  // namespace

KeeperNameLists::KeeperNameLists()
    : lstNameStartStart(words::kNameStartStart),
      lstNameStartMid(words::kNameStartMid),
      lstNameStartend(words::kNameStartEnd)
{
}

void KeeperName(InnSheet& sheet, const KeeperNameLists& lists, RandomSource& random)
{
    sheet.landlordName.clear();
    AppendNameWord(sheet.landlordName, lists, random);
    sheet.landlordName += ' ';
    AppendNameWord(sheet.landlordName, lists, random);
}

}  // namespace brewick
