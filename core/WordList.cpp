#include "core/WordList.h"

namespace brewick {

WordList::WordList(std::span<const std::string_view> entries) { AppendAll(entries); }

void WordList::AppendAll(std::span<const std::string_view> entries)
{
    entries_.insert(entries_.end(), entries.begin(), entries.end());
}

const std::string& PickRandom(const WordList& list, RandomSource& random)
{
    static const std::string kNothing;
    const int index = random.RandomIndex(static_cast<int>(list.Count()));
    return list.Count() == 0 ? kNothing : list[static_cast<std::size_t>(index)];
}

}  // namespace brewick
