#include "output/formats/JsonString.h"

namespace brewick {

namespace {
bool isPlain(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte < 0x80 && c != '"' && c != '\\';
}

// The length of the well-formed UTF-8 sequence at the start of `text`, whose
// first byte is 0x80 or more; 0 when there is none (a stray continuation
// byte, an overlong form, a surrogate, a code point past U+10FFFF, a cut-off
// sequence).
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
        out += "\\u00";
        out += kHexDigits[byte >> 4];
        out += kHexDigits[byte & 0xF];
    }
}
}  // namespace

void appendJsonString(std::string_view text, std::string& out)
{
    out += '"';
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t plainEnd = at;
        while (plainEnd < text.size() && isPlain(text[plainEnd]))
            ++plainEnd;
        out += text.substr(at, plainEnd - at);
        at = plainEnd;
        if (at == text.size())
            break;
        const auto byte = static_cast<unsigned char>(text[at]);
        const std::size_t sequence = byte >= 0x80 ? utf8SequenceLength(text.substr(at)) : 0;
        if (sequence > 0) {
            out += text.substr(at, sequence);
            at += sequence;
        } else {
            appendEscaped(byte, out);
            ++at;
        }
    }
    out += '"';
}

}  // namespace brewick
