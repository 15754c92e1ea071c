#include "keeping/InnChanges.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

#include "core/RandomSource.h"
#include "files/InnReader.h"
#include "files/JsonMembers.h"
#include "output/formats/JsonString.h"

namespace brewick {

namespace {
using Kind = JsonReader::Kind;

// A member of an object, by its name and the bytes of its value; a member
// that is not there has no value.
struct Member {
    std::string name;
    std::optional<std::string_view> value;
};
using Members = std::vector<Member>;

// The members of the object `json` holds, in order; none where it holds no
// object. A null value stands for a member that is not there.
Members membersOf(std::string_view json)
{
    Members members;
    JsonReader reader(json);
    try {
        if (reader.next() != Kind::Object)
            return {};
        reader.readObject([&](std::string_view name) {
            const bool absent = reader.next() == Kind::Null;
            const std::size_t start = reader.at();
            reader.skipValue();
            members.push_back(
                {std::string(name), absent ? std::nullopt : std::optional(json.substr(start, reader.at() - start))});
        });
    } catch (const JsonFault&) {
        return {};
    }
    return members;
}

std::optional<std::string_view> valueOf(const Members& members, std::string_view name)
{
    const auto found = std::ranges::find(members, name, &Member::name);
    return found == members.end() ? std::nullopt : found->value;
}

// The inn's JSON of these members, in the order the writer writes them.
std::string innOf(const Members& members)
{
    std::string json = "{";
    for (std::string_view name : kInnMembers) {
        const std::optional<std::string_view> value = valueOf(members, name);
        if (!value)
            continue;
        if (json.size() > 1)
            json += ',';
        appendJsonString(name, json);
        json += ':';
        json += *value;
    }
    return json + "}";
}

void set(Members& members, std::string_view name, std::optional<std::string_view> value)
{
    const auto found = std::ranges::find(members, name, &Member::name);
    if (found != members.end())
        found->value = value;
    else
        members.push_back({std::string(name), value});
}

bool isInn(std::string_view json) { return innFromJson(json).inn.has_value(); }

// A name for the version of `inn` kept beside another: the same for the same
// version, and no longer than a kept inn's name may be however often it is
// made.
std::string besideId(const KeptInn& inn)
{
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(textHash(inn.id)));
    return std::string(hash) + "-" + std::to_string(inn.changed);
}
}  // namespace

std::string changedMembers(std::string_view before, std::string_view after)
{
    const Members was = membersOf(before), is = membersOf(after);
    std::string changed;
    for (std::string_view name : kInnMembers) {
        const std::optional<std::string_view> value = valueOf(was, name);
        if (value == valueOf(is, name))
            continue;
        changed += changed.empty() ? "{" : ",";
        appendJsonString(name, changed);
        changed += ':';
        changed += value.value_or("null");
    }
    return changed.empty() ? changed : changed + "}";
}

std::optional<std::string> joinChanges(std::string_view theirs, std::string_view mine, std::string_view was)
{
    Members joined = membersOf(theirs);
    const Members mineMembers = membersOf(mine);
    for (const Member& changed : membersOf(was)) {
        const std::optional<std::string_view> their = valueOf(joined, changed.name);
        const std::optional<std::string_view> my = valueOf(mineMembers, changed.name);
        if (their != changed.value && their != my)
            return std::nullopt;
        set(joined, changed.name, my);
    }
    std::string inn = innOf(joined);
    if (!isInn(inn))
        return std::nullopt;
    return inn;
}

Meeting meet(KeptInn& kept, const KeptInn& version, KeptInn& beside)
{
    const std::int64_t made = std::min(kept.made, version.made);
    // Another window changed the inn after this version's copy was read.
    if (version.was && kept.changed > version.based && *kept.packed != *version.packed) {
        if (std::optional<std::string> joined = joinChanges(*kept.packed, *version.packed, *version.was)) {
            kept.packed = std::make_shared<const std::string>(std::move(*joined));
            // Later than either, for a window that meets it again with
            // what it changed since.
            kept.changed = std::max(kept.changed, version.changed) + 1;
            kept.listing = nullptr;
            return Meeting::Joined;
        }
        beside = kept;
        beside.id = besideId(kept);
        kept = version;
        kept.made = made;
        return Meeting::KeptBoth;
    }
    if (version.changed < kept.changed)
        return Meeting::Kept;
    kept = version;
    kept.made = made;
    return Meeting::Replaced;
}

std::string innNameOf(std::string_view json)
{
    std::string name;
    if (const std::optional<std::string_view> value = valueOf(membersOf(json), "name")) {
        JsonReader reader(*value);
        try {
            reader.readString(name);
        } catch (const JsonFault&) {
            name.clear();
        }
    }
    return name;
}

}  // namespace brewick
