#include "files/JsonMembers.h"

#include <algorithm>

#include "core/TextLines.h"

namespace brewick {

std::size_t MemberSet::take(std::string_view name, const JsonReader& json)
{
    const auto found = std::find(names_.begin(), names_.end(), name);
    if (found == names_.end())
        json.fail("unknown member " + singleQuoted(name));
    const auto index = static_cast<std::size_t>(found - names_.begin());
    if (has(index))
        json.fail("member " + singleQuoted(name) + " is given twice");
    seen_ |= bit(index);
    return index;
}

void MemberSet::checkComplete(const JsonReader& json) const
{
    for (std::size_t index = 0; index < names_.size(); ++index)
        if ((required_ & bit(index)) != 0 && !has(index))
            json.fail(singleQuoted(names_[index]) + " is missing");
}

void expectKind(JsonReader& json, JsonReader::Kind kind, std::string_view name, std::string_view kindName)
{
    if (json.next() != kind)
        json.fail(singleQuoted(name) + " is not " + std::string(kindName));
}

void readText(JsonReader& json, std::string_view name, std::string& out)
{
    expectKind(json, JsonReader::Kind::String, name, "text");
    json.readString(out);
}

}  // namespace brewick
