// JSON text read value by value, straight into whatever the caller builds
// from it: no tree of values is made, so reading a file costs little more
// than what it holds. Strings come back as bytes in UTF-8; an escaped lone
// low surrogate \udc80 … \udcff gives back the one byte 80 … ff that was no
// UTF-8 when it was written, as JSON strings from Brewick keep such bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brewick {

// Where reading stopped, as a byte offset into the text, and why.
struct JsonFault {
    std::size_t at;
    std::string reason;
};

class JsonReader {
public:
    enum class Kind { Object, Array, String, Number, Boolean, Null };

    explicit JsonReader(std::string_view text, std::size_t at = 0) : text_(text), at_(at) {}

    std::size_t at() const { return at_; }
    // Skips blanks; true when the text ends there.
    bool atEnd();
    // The kind of the value that comes next, blanks skipped.
    Kind next();

    // Each reads the next value, which must be of its kind, and throws a
    // JsonFault where it is not.
    //
    // `member(name)` is called for each member, and reads its value.
    template <typename Member>
    void readObject(Member&& member)
    {
        take('{');
        if (takeIf('}'))
            return;
        std::string name;
        do {
            readMemberName(name);
            member(std::string_view(name));
        } while (takeIf(','));
        take('}');
    }
    // `item()` is called for each item, and reads it.
    template <typename Item>
    void readArray(Item&& item)
    {
        take('[');
        if (takeIf(']'))
            return;
        do
            item();
        while (takeIf(','));
        take(']');
    }
    void readString(std::string& out);
    // The number as it is written.
    std::string_view readNumber();
    void readNull();
    bool readBoolean();
    // Reads past the next value, whatever its kind, but one nested deeper
    // than any the writers write.
    void skipValue(int depth = 0);

    // Throws a JsonFault at where reading stands.
    [[noreturn]] void fail(std::string reason) const;

private:
    void skipBlanks();
    void take(char expected);
    bool takeIf(char expected);
    void readMemberName(std::string& name);
    void readEscape(std::string& out);
    unsigned readHex();

    std::string_view text_;
    std::size_t at_;
};

}  // namespace brewick
