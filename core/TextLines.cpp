#include "core/TextLines.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace brewick {

namespace {
// Two loads and two stores of a fixed size that overlap in the middle: plain
// moves instead of a call to memcpy, for any size from kSize to 2 * kSize.
template <std::size_t kSize>
void CopyOverlapping(char* out, const char* in, std::size_t size)
{
    char head[kSize], tail[kSize];
    std::memcpy(head, in, kSize);
    std::memcpy(tail, in + size - kSize, kSize);
    std::memcpy(out, head, kSize);
    std::memcpy(out + size - kSize, tail, kSize);
}

// Lines are mostly made of short words, where the call to memcpy would cost
// more than the copy.
inline char* CopyPiece(char* out, std::string_view piece)
{
    const std::size_t size = piece.size();
    const char* in = piece.data();
    if (size >= 8) {
        if (size <= 16)
            CopyOverlapping<8>(out, in, size);
        else if (size <= 32)
            CopyOverlapping<16>(out, in, size);
        else
            std::memcpy(out, in, size);
    } else if (size >= 4) {
        CopyOverlapping<4>(out, in, size);
    } else if (size > 0) {
        out[0] = in[0];
        out[size / 2] = in[size / 2];
        out[size - 1] = in[size - 1];
    }
    return out + size;
}
}  // namespace

Decimal::Decimal(long long value)
{
    length_ = static_cast<std::size_t>(std::to_chars(digits_, digits_ + sizeof digits_, value).ptr - digits_);
}

std::string_view Trimmed(std::string_view text)
{
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

void JoinInto(std::string& out, std::initializer_list<std::string_view> pieces)
{
    out.clear();
    for (std::string_view piece : pieces)
        out += piece;
}

TextLines::TextLines(std::initializer_list<std::string_view> lines)
{
    for (std::string_view line : lines)
        Add(line);
}

void TextLines::Clear() { ends_.clear(); }

void TextLines::Add(std::string_view line) { Add({line}); }

void TextLines::Add(std::initializer_list<std::string_view> pieces)
{
    std::size_t length = 0;
    for (std::string_view piece : pieces)
        length += piece.size();
    const std::size_t end = Text().size() + length;
    std::string retired;
    char* out = MakeRoom(length, retired);
    for (std::string_view piece : pieces)
        out = CopyPiece(out, piece);
    ends_.push_back(end);
}

void TextLines::AddAll(const TextLines& lines)
{
    const std::size_t offset = Text().size();
    const std::size_t length = lines.Text().size();
    std::string retired;
    std::memcpy(MakeRoom(length, retired), lines.text_.data(), length);
    const std::size_t first = ends_.size();
    ends_.resize(first + lines.ends_.size());
    for (std::size_t i = first; i < ends_.size(); ++i)
        ends_[i] = offset + lines.ends_[i - first];
}

void TextLines::Grow(std::size_t size, std::string& retired)
{
    retired.swap(text_);
    text_.resize(std::max(2 * retired.size(), size));
    std::memcpy(text_.data(), retired.data(), Text().size());
}

TextLines SplitLines(std::string_view text)
{
    TextLines lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.Add(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::string JoinLines(const TextLines& lines)
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
