// Reading the objects a writer of ours writes: each member known by name and
// given at most once, the ones that must be there checked, and each value of
// the kind the writer writes, or a fault that names the member.
#pragma once

#include <charconv>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/TextLines.h"
#include "files/JsonReader.h"

namespace brewick {

// The members an object may have, each at most once, and those it must have.
class MemberSet {
public:
    MemberSet(std::span<const std::string_view> names, std::uint32_t required) : names_(names), required_(required) {}

    // The index of `name` among the names; refuses a name the writer does
    // not write, and one given twice, which would leave the reader to guess.
    std::size_t take(std::string_view name, const JsonReader& json);
    bool has(std::size_t index) const { return (seen_ & bit(index)) != 0; }
    // Whether the members given are those of the bits set, and no others.
    bool isExactly(std::uint32_t members) const { return seen_ == members; }
    // Refuses the object, read to its end, when a member it must have is missing.
    void checkComplete(const JsonReader& json) const;

private:
    static std::uint32_t bit(std::size_t index) { return std::uint32_t{1} << index; }

    std::span<const std::string_view> names_;
    std::uint32_t required_;
    std::uint32_t seen_ = 0;
};

// The first `count` members, all of them required.
constexpr std::uint32_t firstMembers(std::size_t count) { return (std::uint32_t{1} << count) - 1; }

// Reads an object, `what` by name, whose members are `names`, each handed to
// `member` by its index, which reads its value. Gives which were there.
template <typename Member>
MemberSet readMembers(JsonReader& json, std::string_view what, std::span<const std::string_view> names,
                      std::uint32_t required, Member member)
{
    if (json.next() != JsonReader::Kind::Object)
        json.fail(std::string(what) + " is not a JSON object");
    MemberSet members(names, required);
    json.readObject([&](std::string_view name) { member(members.take(name, json)); });
    members.checkComplete(json);
    return members;
}

// The value of member `name`, which must be of that kind, called `kindName`.
void expectKind(JsonReader& json, JsonReader::Kind kind, std::string_view name, std::string_view kindName);
void readText(JsonReader& json, std::string_view name, std::string& out);

template <typename Number>
Number readWholeNumber(JsonReader& json, std::string_view name, Number least, Number most)
{
    const bool isNumber = json.next() == JsonReader::Kind::Number;
    const std::size_t start = json.at();
    Number number{};
    if (isNumber) {
        const std::string_view digits = json.readNumber();
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (error == std::errc() && end == digits.data() + digits.size() && number >= least && number <= most)
            return number;
    }
    throw JsonFault{start, singleQuoted(name) + " is not a whole number from " + std::to_string(least) + " to " +
                               std::to_string(most)};
}

}  // namespace brewick
