#include "core/TextLines.h"

#include <charconv>

namespace brewick {

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

std::string_view TextLines::operator[](std::size_t index) const
{
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(text_).substr(begin, ends_[index] - begin);
}

void TextLines::Clear()
{
    text_.clear();
    ends_.clear();
}

void TextLines::Add(std::string_view line)
{
    text_ += line;
    ends_.push_back(text_.size());
}

void TextLines::Add(std::initializer_list<std::string_view> pieces)
{
    for (std::string_view piece : pieces)
        text_ += piece;
    ends_.push_back(text_.size());
}

void TextLines::AddAll(const TextLines& lines)
{
    const std::size_t offset = text_.size();
    text_ += lines.text_;
    for (std::size_t end : lines.ends_)
        ends_.push_back(offset + end);
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
