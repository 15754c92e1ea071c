// One inn's JSON, as File > Export and brewick-batch --format json write it,
// read straight into the inn the window showed, edits and chosen table
// included. It takes what that writer writes, members in any order, and
// nothing the writer would not write back the same: reading an inn, writing
// it and reading it again gives the same inn.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/InnSheet.h"
#include "files/JsonReader.h"

namespace brewick {

// The members of an inn, in the order the writer writes them.
inline constexpr std::string_view kInnMembers[] = {"inn",     "seed",       "name", "landlord", "location",
                                                   "quality", "rooms",      "menu", "scene",    "tableCount",
                                                   "tables",  "shownTable", "notes"};

// Reads the inn object that comes next; throws a JsonFault where it is none
// ("'rooms' is missing", "table 3: 'heading' is not text").
PlacedInn readInn(JsonReader& json);

// The inn of a JSON text that holds one inn and nothing else, or why it is none.
struct InnRead {
    std::optional<PlacedInn> inn;
    std::string error;
};
InnRead innFromJson(std::string_view json);

}  // namespace brewick
