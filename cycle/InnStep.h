// What a step of the history changed of an inn, in words for the history
// list, where steps that drew part of an inn again would otherwise look
// alike: "Table 3 drawn again".
#pragma once

#include <string>

#include "core/InnSheet.h"

namespace brewick {

// What made `after` of `before`, an inn of the same place one step earlier:
// another location or quality, a table, a patron or what a table is doing
// drawn again, or patrons fleshed out; empty for anything else.
std::string describeStep(const InnSheet& before, const InnSheet& after);

}  // namespace brewick
