// What a window changed of an inn that another window may hold too: the
// members of the inn's JSON it changed, with the values they had in the copy
// it started from. Two windows' changes to one inn are joined where they do
// not overlap (the notes in one, the name in the other); where they do, both
// versions are kept, one under a name of its own beside the other.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "keeping/KeptInn.h"

namespace brewick {

// The members of `after`, an inn's JSON, whose values differ from those of
// `before`, as a JSON object of their values in `before`, null for a member
// `before` has not; empty when none differ.
std::string changedMembers(std::string_view before, std::string_view after);

// `theirs` with the members put in that `mine` changed from the values in
// `was`, as changedMembers gives them, where theirs still holds those
// values or already mine; none where a member changed both ways, or the two
// do not make an inn.
std::optional<std::string> joinChanges(std::string_view theirs, std::string_view mine, std::string_view was);

// `version` of an inn meets `kept`, the inn of that name kept so far: a
// version changed since it was read from a copy that `kept` has changed from
// since is joined into it, or, where the two overlap, takes its place while
// the kept one goes `beside` under a name of its own; else the later of the
// two is kept.
enum class Meeting { Kept, Replaced, Joined, KeptBoth };
Meeting meet(KeptInn& kept, const KeptInn& version, KeptInn& beside);

// The inn's name as its JSON gives it, for a message.
std::string innNameOf(std::string_view json);

}  // namespace brewick
