#include "generators/InnName.h"

#include "generators/InnNameWords.h"

namespace brewick {

InnNameLists::InnNameLists()
    : lstInn1(words::kInn1), lstInn2(words::kInn2), lstInn3(words::kInn3), lstInn4(words::kInn4)
{
}

void InnName(InnSheet& sheet, const InnNameLists& lists, RandomSource& random)
{
    // 36 of 101 outcomes take the paired form "The Pig and Duck".
    const bool paired = random.RandomIndex(101) <= 35;
    const std::string& first = PickRandom(paired ? lists.lstInn3 : lists.lstInn1, random);
    const std::string& second = PickRandom(paired ? lists.lstInn4 : lists.lstInn2, random);
    JoinInto(sheet.innName, {"The ", first, " ", second});
}

}  // namespace brewick
