#include "core/TextLines.h"

#include <algorithm>
#include <cstring>

namespace brewick {

namespace {
// Two loads and two stores of a fixed size that overlap in the middle: plain
// moves instead of a call to memcpy, for any size from kSize to 2 * kSize.
template <std::size_t kSize>
void copyOverlapping(char* out, const char* in, std::size_t size)
{
    char head[kSize], tail[kSize];
    std::memcpy(head, in, kSize);
    std::memcpy(tail, in + size - kSize, kSize);
    std::memcpy(out, head, kSize);
    std::memcpy(out + size - kSize, tail, kSize);
}

// Lines are mostly made of short words, where the call to memcpy would cost
// more than the copy.
inline char* copyPiece(char* out, std::string_view piece)
{
    const std::size_t size = piece.size();
    const char* in = piece.data();
    if (size >= 8) {
        if (size <= 16)
            copyOverlapping<8>(out, in, size);
        else if (size <= 32)
            copyOverlapping<16>(out, in, size);
        else
            std::memcpy(out, in, size);
    } else if (size >= 4) {
        copyOverlapping<4>(out, in, size);
    } else if (size > 0) {
        out[0] = in[0];
        out[size / 2] = in[size / 2];
        out[size - 1] = in[size - 1];
    }
    return out + size;
}
}  // namespace

std::string_view trimmed(std::string_view text)
{
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

namespace {
// The UTF-8 of the marks and embeddings that turn the direction of the text
// after them, with the code each stands for.
struct DirectionMark {
    std::string_view bytes;
    std::string_view code;
};
constexpr DirectionMark kDirectionMarks[] = {
    {"\xD8\x9C", "061c"},     {"\xE2\x80\x8E", "200e"}, {"\xE2\x80\x8F", "200f"}, {"\xE2\x80\xAA", "202a"},
    {"\xE2\x80\xAB", "202b"}, {"\xE2\x80\xAC", "202c"}, {"\xE2\x80\xAD", "202d"}, {"\xE2\x80\xAE", "202e"},
    {"\xE2\x81\xA6", "2066"}, {"\xE2\x81\xA7", "2067"}, {"\xE2\x81\xA8", "2068"}, {"\xE2\x81\xA9", "2069"},
};

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

std::string singleQuoted(std::string_view value)
{
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    std::string_view shown = value.substr(0, kMostQuotedBytes);
    // A cut leaves no character in halves.
    if (shown.size() < value.size())
        while (!shown.empty() && isContinuationByte(value[shown.size()]))
            shown.remove_suffix(1);
    std::string quoted = "'";
    for (std::size_t at = 0; at < shown.size(); ++at) {
        const auto byte = static_cast<unsigned char>(shown[at]);
        const auto mark = std::find_if(std::begin(kDirectionMarks), std::end(kDirectionMarks),
                                       [&](const DirectionMark& m) { return shown.substr(at).starts_with(m.bytes); });
        if (mark != std::end(kDirectionMarks)) {
            quoted += "\\u";
            quoted += mark->code;
            at += mark->bytes.size() - 1;
        } else if (byte == '\\') {
            quoted += "\\\\";
        } else if (byte < 32 || byte == 127) {
            quoted += {'\\', 'x', kHexDigits[byte >> 4], kHexDigits[byte & 15]};
        } else {
            quoted += shown[at];
        }
    }
    return quoted + (shown.size() < value.size() ? "\u2026'" : "'");
}

void joinInto(std::string& out, std::initializer_list<std::string_view> pieces)
{
    out.clear();
    for (std::string_view piece : pieces)
        out += piece;
}

TextLines::TextLines(std::initializer_list<std::string_view> lines)
{
    for (std::string_view line : lines)
        add(line);
}

TextLines& TextLines::operator=(const TextLines& other)
{
    if (this != &other) {
        text_.assign(other.text());
        ends_ = other.ends_;
    }
    return *this;
}

void TextLines::clear() { ends_.clear(); }

void TextLines::add(std::string_view line) { add({line}); }

void TextLines::add(std::initializer_list<std::string_view> pieces)
{
    std::size_t length = 0;
    for (std::string_view piece : pieces)
        length += piece.size();
    const std::size_t end = text().size() + length;
    std::string retired;
    char* out = makeRoom(length, retired);
    for (std::string_view piece : pieces)
        out = copyPiece(out, piece);
    ends_.push_back(end);
}

void TextLines::addAll(const TextLines& lines)
{
    const std::size_t offset = text().size();
    const std::size_t length = lines.text().size();
    std::string retired;
    std::memcpy(makeRoom(length, retired), lines.text_.data(), length);
    const std::size_t first = ends_.size();
    ends_.resize(first + lines.ends_.size());
    for (std::size_t i = first; i < ends_.size(); ++i)
        ends_[i] = offset + lines.ends_[i - first];
}

void TextLines::replace(std::size_t first, std::size_t count, const TextLines& lines)
{
    TextLines replaced;
    for (std::size_t line = 0; line < first; ++line)
        replaced.add((*this)[line]);
    replaced.addAll(lines);
    for (std::size_t line = first + count; line < size(); ++line)
        replaced.add((*this)[line]);
    *this = std::move(replaced);
}

void TextLines::grow(std::size_t size, std::string& retired)
{
    retired.swap(text_);
    text_.resize(std::max(2 * retired.size(), size));
    std::memcpy(text_.data(), retired.data(), text().size());
}

TextLines splitLines(std::string_view text)
{
    TextLines lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.add(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::string joinLines(const TextLines& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += lines[i];
    }
    return text;
}

}  // namespace brewick
