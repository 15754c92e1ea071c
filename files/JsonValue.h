// JSON as read from an inn file: a small reader for what the inn's JSON holds.
// Strings keep the bytes the writer was given: a \u00XX escape, which the
// writer uses for control characters and for bytes that are not UTF-8, gives
// back the byte XX; any other escape gives the character in UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brewick {

struct JsonMember;

struct JsonValue {
    enum class Type { Null, Boolean, Number, String, Array, Object };

    Type type = Type::Null;
    bool boolean = false;
    std::string text;  // a string's bytes, or a number as it is written
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;  // in the order written

    // The member of that name, or null when there is none.
    const JsonValue* member(std::string_view name) const;
};

struct JsonMember {
    std::string name;
    JsonValue value;
};

// One JSON text, and nothing but blanks after it; or why it is no JSON, with
// the byte where reading stopped: "byte 17: expected ':'".
struct JsonParse {
    std::optional<JsonValue> value;
    std::string error;
    bool moreAfterValue = false;  // a whole value was read, and more text came after it
};
JsonParse parseJson(std::string_view text);

}  // namespace brewick
