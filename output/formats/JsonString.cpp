#include "output/formats/JsonString.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace brewick {

namespace {
using Word = std::uint64_t;
constexpr Word kEveryByte = 0x0101010101010101;
constexpr Word kHighBits = 0x8080808080808080;

// A JSON string cannot take control characters, '"' and '\\' as they are,
// and bytes of 0x80 or more may not be UTF-8.
bool needsALook(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte >= 0x80 || c == '"' || c == '\\';
}

// The same for eight bytes at once: sets the high bit of each byte that
// needs a look. Sums of the low seven bits of a byte never carry into the
// next one, so each byte is judged on its own.
constexpr Word bytesToLookAt(Word word)
{
    const Word low = word & ~kHighBits;
    const Word atLeastSpace = low + kEveryByte * (0x80 - 0x20);
    const Word notQuote = (low ^ (kEveryByte * '"')) + kEveryByte * 0x7F;
    const Word notBackslash = (low ^ (kEveryByte * '\\')) + kEveryByte * 0x7F;
    return (word | ~(atLeastSpace & notQuote & notBackslash)) & kHighBits;
}

std::size_t firstMarkedByte(Word marks)
{
    const int bit = std::endian::native == std::endian::little ? std::countr_zero(marks) : std::countl_zero(marks);
    return static_cast<std::size_t>(bit / 8);
}

// How many bytes from the start of `text` go into the string as they are.
std::size_t plainRunLength(std::string_view text)
{
    if (text.size() < sizeof(Word)) {
        std::size_t at = 0;
        while (at < text.size() && !needsALook(text[at]))
            ++at;
        return at;
    }
    for (std::size_t at = 0;; at += sizeof(Word)) {
        // The last word may overlap the one before it, whose bytes were plain.
        at = std::min(at, text.size() - sizeof(Word));
        Word word;
        std::memcpy(&word, text.data() + at, sizeof word);
        if (const Word marks = bytesToLookAt(word))
            return at + firstMarkedByte(marks);
        if (at + sizeof(Word) == text.size())
            return text.size();
    }
}

void appendEscaped(unsigned char byte, std::string& out)
{
    static constexpr char kHexDigits[] = "0123456789abcdef";
    switch (byte) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\b':
        out += "\\b";
        return;
    case '\f':
        out += "\\f";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        // A control character is itself; a byte that is no UTF-8 is kept
        // as the surrogate that stands for it.
        out += byte < 0x80 ? "\\u00" : "\\udc";
        out += kHexDigits[byte >> 4];
        out += kHexDigits[byte & 0xF];
    }
}

// Text from a byte that needs a look on: runs of plain bytes and valid UTF-8
// are copied, everything else escaped.
void appendWithEscapes(std::string_view text, std::string& out)
{
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.front());
        const std::size_t sequence = byte >= 0x80 ? utf8SequenceLength(text) : 0;
        if (sequence > 0) {
            out.append(text.data(), sequence);
            text.remove_prefix(sequence);
        } else {
            appendEscaped(byte, out);
            text.remove_prefix(1);
        }
        const std::size_t run = plainRunLength(text);
        out.append(text.data(), run);
        text.remove_prefix(run);
    }
}
}  // namespace

std::size_t utf8SequenceLength(std::string_view text)
{
    const auto byte = [text](std::size_t i) -> unsigned {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
    };
    const unsigned lead = byte(0);
    std::size_t length = 2;
    unsigned low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

void appendJsonString(std::string_view text, std::string& out)
{
    out += '"';
    appendJsonStringContent(text, out);
    out += '"';
}

void appendJsonStringContent(std::string_view text, std::string& out)
{
    const std::size_t run = plainRunLength(text);
    out.append(text.data(), run);
    if (run < text.size())
        appendWithEscapes(text.substr(run), out);
}

bool isPlainJsonText(std::string_view text) { return plainRunLength(text) == text.size(); }

}  // namespace brewick
