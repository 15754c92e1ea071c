#include "core/WordList.h"

namespace brewick {

WordList::WordList(std::span<const std::string_view> entries) { appendAll(entries); }

void WordList::appendAll(std::span<const std::string_view> entries)
{
    entries_.insert(entries_.end(), entries.begin(), entries.end());
}

}  // namespace brewick
