#include "keeping/KeptPins.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>

#include "files/JsonMembers.h"
#include "generators/Tables.h"
#include "output/formats/JsonString.h"

namespace brewick {

namespace {
using Kind = LinePin::Kind;

constexpr std::string_view kKinds[] = {"patron", "action", "menuLine", "scene"};

std::string_view kindName(Kind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

template <std::size_t N>
void appendNumbers(const std::array<std::uint32_t, N>& numbers, std::string& out)
{
    out += '[';
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0)
            out += ',';
        out += Decimal(numbers[i]);
    }
    out += ']';
}

template <std::size_t N>
void readNumbers(JsonReader& json, std::string_view name, std::array<std::uint32_t, N>& numbers)
{
    expectKind(json, JsonReader::Kind::Array, name, "a list");
    std::size_t read = 0;
    json.readArray([&] {
        if (read == N)
            json.fail(singleQuoted(name) + " holds more than " + std::to_string(N) + " numbers");
        numbers[read++] = readWholeNumber<std::uint32_t>(json, name, 0, std::numeric_limits<std::uint32_t>::max());
    });
    if (read != N)
        json.fail(singleQuoted(name) + " holds fewer than " + std::to_string(N) + " numbers");
}

std::string keyOf(const LinePin& pin)
{
    std::string key;
    appendPin(pin, key);
    return key;
}
}  // namespace

void appendPin(const LinePin& pin, std::string& out)
{
    out += "{\"kind\":\"";
    out += kindName(pin.kind);
    out += "\",\"line\":";
    appendJsonString(pin.line, out);
    out += ",\"table\":";
    out += Decimal(pin.table);
    out += pin.patron.woman ? ",\"woman\":true" : ",\"woman\":false";
    out += pin.patron.fleshedOut ? ",\"fleshedOut\":true" : ",\"fleshedOut\":false";
    out += ",\"words\":";
    appendNumbers(pin.patron.wordLengths, out);
    out += ",\"detailWords\":";
    appendNumbers(pin.patron.detailLengths, out);
    out += ",\"details\":";
    appendJsonString(pin.details, out);
    out += ",\"section\":";
    appendJsonString(pin.section, out);
    out += ",\"origin\":";
    appendJsonString(pin.origin, out);
    out += '}';
}

LinePin readPin(JsonReader& json)
{
    enum { KindMember, Line, Table, Woman, FleshedOut, Words, DetailWords, Details, Section, Origin, kMembers };
    static constexpr std::string_view kNames[] = {"kind",  "line",        "table",   "woman",   "fleshedOut",
                                                  "words", "detailWords", "details", "section", "origin"};
    LinePin pin;
    const auto readFlag = [&json](std::string_view name) {
        if (json.next() != JsonReader::Kind::Boolean)
            json.fail(singleQuoted(name) + " is neither true nor false");
        return json.readBoolean();
    };
    readMembers(json, "a pin", kNames, firstMembers(kMembers), [&](std::size_t member) {
        switch (member) {
        case KindMember: {
            std::string kind;
            readText(json, "kind", kind);
            const auto found = std::ranges::find(kKinds, kind);
            if (found == std::end(kKinds))
                json.fail("'kind' is no kind of pin");
            pin.kind = static_cast<Kind>(found - std::begin(kKinds));
            break;
        }
        case Line:
            readText(json, "line", pin.line);
            break;
        case Table:
            pin.table = readWholeNumber<std::size_t>(json, "table", 0, kMostTables - 1);
            break;
        case Woman:
            pin.patron.woman = readFlag("woman");
            break;
        case FleshedOut:
            pin.patron.fleshedOut = readFlag("fleshedOut");
            break;
        case Words:
            readNumbers(json, "words", pin.patron.wordLengths);
            break;
        case DetailWords:
            readNumbers(json, "detailWords", pin.patron.detailLengths);
            break;
        case Details:
            readText(json, "details", pin.details);
            break;
        case Section:
            readText(json, "section", pin.section);
            break;
        case Origin:
            readText(json, "origin", pin.origin);
            break;
        }
    });
    return pin;
}

std::size_t keptPinSize(const KeptPin& pin)
{
    // The line's head and tail: {"unpinned":…,"at":…}
    constexpr std::size_t kLineOverhead = 40;
    return keyOf(pin.pin).size() + kLineOverhead;
}

std::size_t keptPinsSize(const std::vector<KeptPin>& pins)
{
    std::size_t bytes = 0;
    for (const KeptPin& pin : pins)
        bytes += keptPinSize(pin);
    return bytes;
}

std::vector<KeptPin> mergePins(const std::vector<KeptPin>& pins)
{
    std::map<std::string, KeptPin> latest;
    for (const KeptPin& pin : pins) {
        auto [kept, isNew] = latest.try_emplace(keyOf(pin.pin), pin);
        if (!isNew && pin.at >= kept->second.at)
            kept->second = pin;
    }
    // The pins before those taken away, the newest first while the bounds hold.
    std::vector<KeptPin> newestFirst;
    for (auto& [key, pin] : latest)
        newestFirst.push_back(std::move(pin));
    std::ranges::sort(newestFirst,
                      [](const KeptPin& a, const KeptPin& b) { return a.pinned != b.pinned ? a.pinned : a.at > b.at; });
    std::vector<KeptPin> merged;
    std::size_t bytes = 0, unpinned = 0;
    for (KeptPin& pin : newestFirst) {
        bytes += keptPinSize(pin);
        if (bytes > kMostPinBytes || (!pin.pinned && ++unpinned > kMostUnpinned))
            break;
        merged.push_back(std::move(pin));
    }
    std::ranges::stable_sort(
        merged, [](const KeptPin& a, const KeptPin& b) { return a.pinned != b.pinned ? a.pinned : a.at < b.at; });
    return merged;
}

std::vector<LinePin> pinnedOf(const std::vector<KeptPin>& pins)
{
    std::vector<LinePin> pinned;
    for (const KeptPin& pin : pins)
        if (pin.pinned)
            pinned.push_back(pin.pin);
    return pinned;
}

void followPins(std::vector<KeptPin>& pins, const std::vector<LinePin>& current, std::int64_t now)
{
    for (KeptPin& kept : pins)
        if (kept.pinned && std::ranges::find(current, kept.pin) == current.end())
            kept = {kept.pin, now, false};
    for (const LinePin& pin : current) {
        const auto known = [&pin](const KeptPin& kept) { return kept.pin == pin; };
        if (std::ranges::any_of(pins, [&](const KeptPin& kept) { return kept.pinned && known(kept); }))
            continue;
        std::erase_if(pins, known);
        pins.push_back({pin, now, true});
    }
}

}  // namespace brewick
