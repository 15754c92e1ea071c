#include "files/JsonValue.h"

#include <charconv>

namespace brewick {

namespace {
// Far deeper than an inn goes, and shallow enough for the stack.
constexpr int kMostNesting = 64;

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    JsonParse read()
    {
        JsonParse parse;
        JsonValue value;
        const bool read = readValue(value, 0);
        skipBlanks();
        parse.moreAfterValue = read && at_ < text_.size();
        if (read && !parse.moreAfterValue)
            parse.value = std::move(value);
        else
            parse.error = "byte " + std::to_string(at_ + 1) + ": " + (read ? "more text after the value" : error_);
        return parse;
    }

private:
    bool fail(std::string what)
    {
        error_ = std::move(what);
        return false;
    }

    void skipBlanks()
    {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }

    bool take(char expected)
    {
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == expected) {
            ++at_;
            return true;
        }
        return fail(std::string("expected '") + expected + "'");
    }

    bool takeWord(std::string_view word)
    {
        if (text_.substr(at_, word.size()) != word)
            return fail("expected a value");
        at_ += word.size();
        return true;
    }

    bool readValue(JsonValue& value, int depth)
    {
        skipBlanks();
        if (at_ == text_.size())
            return fail("expected a value");
        switch (text_[at_]) {
        case '{':
            value.type = JsonValue::Type::Object;
            return depth < kMostNesting ? readObject(value, depth) : fail("nested too deep");
        case '[':
            value.type = JsonValue::Type::Array;
            return depth < kMostNesting ? readArray(value, depth) : fail("nested too deep");
        case '"':
            value.type = JsonValue::Type::String;
            return readString(value.text);
        case 't':
            value.type = JsonValue::Type::Boolean;
            value.boolean = true;
            return takeWord("true");
        case 'f':
            value.type = JsonValue::Type::Boolean;
            return takeWord("false");
        case 'n':
            return takeWord("null");
        default:
            value.type = JsonValue::Type::Number;
            return readNumber(value.text);
        }
    }

    bool readObject(JsonValue& object, int depth)
    {
        ++at_;
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == '}')
            return ++at_, true;
        do {
            std::string name;
            JsonValue value;
            if (!(skipBlanks(), at_ < text_.size() && text_[at_] == '"'))
                return fail("expected a member's name");
            if (!readString(name) || !take(':') || !readValue(value, depth + 1))
                return false;
            object.members.push_back({std::move(name), std::move(value)});
            skipBlanks();
        } while (at_ < text_.size() && text_[at_] == ',' && ++at_);
        return take('}');
    }

    bool readArray(JsonValue& array, int depth)
    {
        ++at_;
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == ']')
            return ++at_, true;
        do {
            if (!readValue(array.items.emplace_back(), depth + 1))
                return false;
            skipBlanks();
        } while (at_ < text_.size() && text_[at_] == ',' && ++at_);
        return take(']');
    }

    bool readNumber(std::string& number)
    {
        const std::size_t start = at_;
        const auto digits = [this] {
            const std::size_t first = at_;
            while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')
                ++at_;
            return at_ > first;
        };
        const auto skip = [this](char c) { return at_ < text_.size() && text_[at_] == c && ++at_; };
        skip('-');
        if (!(skip('0') || digits()))
            return fail("expected a value");
        if (skip('.') && !digits())
            return fail("expected a digit");
        if (skip('e') || skip('E')) {
            skip('+') || skip('-');
            if (!digits())
                return fail("expected a digit");
        }
        number = text_.substr(start, at_ - start);
        return true;
    }

    bool readHex(unsigned& code)
    {
        const char* begin = text_.data() + at_;
        if (text_.size() - at_ < 4 || std::from_chars(begin, begin + 4, code, 16).ptr != begin + 4)
            return fail("expected four hexadecimal digits");
        at_ += 4;
        return true;
    }

    static void appendUtf8(unsigned code, std::string& out)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | code >> 6);
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | code >> 12);
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | code >> 18);
            out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    bool readEscape(std::string& out)
    {
        if (at_ == text_.size())
            return fail("unfinished string");
        const char c = text_[at_++];
        constexpr std::string_view kEscaped = "\"\\/bfnrt", kMeant = "\"\\/\b\f\n\r\t";
        if (const std::size_t i = kEscaped.find(c); i != std::string_view::npos) {
            out += kMeant[i];
            return true;
        }
        unsigned code = 0;
        if (c != 'u' || !readHex(code))
            return c == 'u' ? false : fail("unknown escape");
        if (code < 0x100) {
            out += static_cast<char>(code);  // a byte as it was
            return true;
        }
        if (code >= 0xD800 && code < 0xDC00) {
            unsigned low = 0;
            if (!takeWord("\\u") || !readHex(low) || low < 0xDC00 || low >= 0xE000)
                return fail("a lone surrogate");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        } else if (code >= 0xDC00 && code < 0xE000) {
            return fail("a lone surrogate");
        }
        appendUtf8(code, out);
        return true;
    }

    bool readString(std::string& out)
    {
        ++at_;
        for (;;) {
            const std::size_t plain = text_.find_first_of("\"\\", at_);
            if (plain == std::string_view::npos)
                return at_ = text_.size(), fail("unfinished string");
            for (std::size_t i = at_; i < plain; ++i)
                if (static_cast<unsigned char>(text_[i]) < 0x20)
                    return at_ = i, fail("a control character in a string");
            out.append(text_.substr(at_, plain - at_));
            at_ = plain + 1;
            if (text_[plain] == '"')
                return true;
            if (!readEscape(out))
                return false;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string error_;
};
}  // namespace

const JsonValue* JsonValue::member(std::string_view name) const
{
    for (const auto& [memberName, value] : members)
        if (memberName == name)
            return &value;
    return nullptr;
}

JsonParse parseJson(std::string_view text) { return JsonReader(text).read(); }

}  // namespace brewick
