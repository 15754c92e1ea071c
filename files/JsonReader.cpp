#include "files/JsonReader.h"

#include <charconv>

namespace brewick {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

void appendUtf8(unsigned code, std::string& out)
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

bool isHighSurrogate(unsigned code) { return code >= 0xD800 && code < 0xDC00; }
bool isLowSurrogate(unsigned code) { return code >= 0xDC00 && code < 0xE000; }
// The lone low surrogates that stand for the bytes 80 … ff.
bool standsForAByte(unsigned code) { return code >= 0xDC80 && code <= 0xDCFF; }
}  // namespace

bool JsonReader::atEnd()
{
    skipBlanks();
    return at_ == text_.size();
}

JsonReader::Kind JsonReader::next()
{
    if (atEnd())
        fail("expected a value");
    switch (text_[at_]) {
    case '{':
        return Kind::Object;
    case '[':
        return Kind::Array;
    case '"':
        return Kind::String;
    case 't':
    case 'f':
        return Kind::Boolean;
    case 'n':
        return Kind::Null;
    default:
        return Kind::Number;
    }
}

void JsonReader::fail(std::string reason) const { throw JsonFault{at_, std::move(reason)}; }

void JsonReader::skipBlanks()
{
    while (at_ < text_.size() && isBlank(text_[at_]))
        ++at_;
}

void JsonReader::take(char expected)
{
    if (!takeIf(expected))
        fail(std::string("expected '") + expected + "'");
}

bool JsonReader::takeIf(char expected)
{
    skipBlanks();
    if (at_ == text_.size() || text_[at_] != expected)
        return false;
    ++at_;
    return true;
}

void JsonReader::readMemberName(std::string& name)
{
    if (next() != Kind::String)
        fail("expected a member's name");
    name.clear();
    readString(name);
    take(':');
}

void JsonReader::readString(std::string& out)
{
    if (next() != Kind::String)
        fail("expected a string");
    ++at_;
    for (;;) {
        const std::size_t special = text_.find_first_of("\"\\", at_);
        if (special == std::string_view::npos) {
            at_ = text_.size();
            fail("unfinished string");
        }
        for (std::size_t i = at_; i < special; ++i)
            if (static_cast<unsigned char>(text_[i]) < 0x20) {
                at_ = i;
                fail("a control character in a string");
            }
        out.append(text_.substr(at_, special - at_));
        at_ = special + 1;
        if (text_[special] == '"')
            return;
        readEscape(out);
    }
}

void JsonReader::readEscape(std::string& out)
{
    if (at_ == text_.size())
        fail("unfinished string");
    const char c = text_[at_++];
    constexpr std::string_view kEscaped = "\"\\/bfnrt", kMeant = "\"\\/\b\f\n\r\t";
    if (const std::size_t i = kEscaped.find(c); i != std::string_view::npos) {
        out += kMeant[i];
        return;
    }
    if (c != 'u') {
        --at_;
        fail("unknown escape");
    }
    unsigned code = readHex();
    if (standsForAByte(code)) {
        out += static_cast<char>(code & 0xFF);
        return;
    }
    if (isHighSurrogate(code)) {
        if (text_.substr(at_, 2) != "\\u")
            fail("a lone surrogate");
        at_ += 2;
        const unsigned low = readHex();
        if (!isLowSurrogate(low))
            fail("a lone surrogate");
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    } else if (isLowSurrogate(code)) {
        fail("a lone surrogate");
    }
    appendUtf8(code, out);
}

unsigned JsonReader::readHex()
{
    unsigned code = 0;
    const char* begin = text_.data() + at_;
    if (text_.size() - at_ < 4 || std::from_chars(begin, begin + 4, code, 16).ptr != begin + 4)
        fail("expected four hexadecimal digits");
    at_ += 4;
    return code;
}

std::string_view JsonReader::readNumber()
{
    if (next() != Kind::Number)
        fail("expected a number");
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
        fail("expected a value");
    if (skip('.') && !digits())
        fail("expected a digit");
    if (skip('e') || skip('E')) {
        skip('+') || skip('-');
        if (!digits())
            fail("expected a digit");
    }
    return text_.substr(start, at_ - start);
}

void JsonReader::readNull()
{
    if (next() != Kind::Null || text_.substr(at_, 4) != "null")
        fail("expected null");
    at_ += 4;
}

void JsonReader::skipValue(int depth)
{
    constexpr int kDeepest = 16;
    if (depth > kDeepest)
        fail("values nested too deeply");
    switch (next()) {
    case Kind::Object:
        readObject([this, depth](std::string_view) { skipValue(depth + 1); });
        break;
    case Kind::Array:
        readArray([this, depth] { skipValue(depth + 1); });
        break;
    case Kind::String: {
        std::string ignored;
        readString(ignored);
        break;
    }
    case Kind::Number:
        readNumber();
        break;
    case Kind::Boolean:
        readBoolean();
        break;
    case Kind::Null:
        readNull();
        break;
    }
}

bool JsonReader::readBoolean()
{
    for (const bool value : {true, false}) {
        const std::string_view word = value ? "true" : "false";
        if (next() == Kind::Boolean && text_.substr(at_, word.size()) == word) {
            at_ += word.size();
            return value;
        }
    }
    fail("expected true or false");
}

}  // namespace brewick
