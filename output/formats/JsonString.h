// Text as a JSON string. Scene files and word lists are taken byte for byte,
// so the text may hold bytes that are not UTF-8: each such byte XX becomes a
// lone low surrogate, \udcXX, which no JSON reader takes for a letter and
// Brewick reads back as that byte. Valid UTF-8 passes through unchanged.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brewick {

// Appends `text` in quotes, with quotes, backslashes, control characters and
// bytes that are not UTF-8 escaped.
void appendJsonString(std::string_view text, std::string& out);
// Appends what stands between the quotes of `text` as a JSON string.
void appendJsonStringContent(std::string_view text, std::string& out);
// Whether `text` stands between the quotes as it is.
bool isPlainJsonText(std::string_view text);
// The length of the well-formed UTF-8 sequence at the start of `text`, whose
// first byte is 0x80 or more; 0 when there is none (a stray continuation
// byte, an overlong form, a surrogate, a code point past U+10FFFF, a cut-off
// sequence).
std::size_t utf8SequenceLength(std::string_view text);

}  // namespace brewick
