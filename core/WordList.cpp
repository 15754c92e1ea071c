#include "core/WordList.h"

namespace brewick {

WordList::WordList(std::span<const std::string_view> entries) { AppendAll(entries); }

void WordList::AppendAll(std::span<const std::string_view> entries)
{
    entries_.insert(entries_.end(), entries.begin(), entries.end());
}

}  // namespace brewick
