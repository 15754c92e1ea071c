#include "generators/InnName.h"

#include "generators/InnNameWords.h"

namespace brewick {

InnNameLists::InnNameLists()
    : commonFirsts(words::kCommonFirsts),
      commonSeconds(words::kCommonSeconds),
      pairedFirsts(words::kPairedFirsts),
      pairedSeconds(words::kPairedSeconds)
{
}

void makeInnName(InnSheet& sheet, const InnNameLists& lists, RandomSource& random)
{
    // 36 of 101 outcomes take the paired form "The Pig and Duck".
    const bool paired = random.randomIndex(101) <= 35;
    const std::string& first = pickRandom(paired ? lists.pairedFirsts : lists.commonFirsts, random);
    const std::string& second = pickRandom(paired ? lists.pairedSeconds : lists.commonSeconds, random);
    joinInto(sheet.innName, {"The ", first, " ", second});
}

}  // namespace brewick
