// An ordered list of text lines kept in one buffer. Every multi-line section of
// the inn sheet is one; clearing keeps the memory, so a list rebuilt at every
// generation stops allocating after the first.
#pragma once

#include <charconv>
#include <concepts>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace brewick {

// A number as decimal text, for joining it into a line without allocating.
class Decimal {
public:
    template <std::integral Number>
    explicit Decimal(Number value)
        : length_(static_cast<std::size_t>(std::to_chars(digits_, digits_ + sizeof digits_, value).ptr - digits_))
    {
    }
    operator std::string_view() const { return {digits_, length_}; }

private:
    char digits_[24];
    std::size_t length_;
};

// Without the characters of code 32 or less (blanks and control characters)
// at either end.
std::string_view trimmed(std::string_view text);

// A value the user gave, in single quotes for a message. Control characters
// show as \xHH, the characters that turn the direction of text as \uHHHH and
// a backslash as \\, so that the value can neither break the message's line,
// drive the terminal nor turn the message around; a value of more than
// kMostQuotedBytes is cut there, with "…".
inline constexpr std::size_t kMostQuotedBytes = 64;
std::string singleQuoted(std::string_view value);

// Replaces `out` by the pieces joined with nothing in between.
void joinInto(std::string& out, std::initializer_list<std::string_view> pieces);

class TextLines {
public:
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const TextLines* lines, std::size_t index) : lines_(lines), index_(index) {}

        std::string_view operator*() const { return (*lines_)[index_]; }
        std::string_view operator[](difference_type n) const { return (*lines_)[index_ + n]; }
        const_iterator& operator++()
        {
            ++index_;
            return *this;
        }
        const_iterator operator++(int)
        {
            auto old = *this;
            ++index_;
            return old;
        }
        const_iterator& operator--()
        {
            --index_;
            return *this;
        }
        const_iterator operator--(int)
        {
            auto old = *this;
            --index_;
            return old;
        }
        const_iterator& operator+=(difference_type n)
        {
            index_ += n;
            return *this;
        }
        const_iterator& operator-=(difference_type n)
        {
            index_ -= n;
            return *this;
        }
        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
        friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const_iterator a, const_iterator b)
        {
            return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
        }
        friend bool operator==(const_iterator a, const_iterator b) { return a.index_ == b.index_; }
        friend auto operator<=>(const_iterator a, const_iterator b) { return a.index_ <=> b.index_; }

    private:
        const TextLines* lines_ = nullptr;
        std::size_t index_ = 0;
    };
    using value_type = std::string_view;
    using size_type = std::size_t;

    TextLines() = default;
    TextLines(std::initializer_list<std::string_view> lines);
    // A copy takes the text alone, not the room the original grew for its
    // longest text so far: kept copies cost what they hold.
    TextLines(const TextLines& other) : text_(other.text()), ends_(other.ends_) {}
    TextLines& operator=(const TextLines& other);
    TextLines(TextLines&&) noexcept = default;
    TextLines& operator=(TextLines&&) noexcept = default;

    std::size_t size() const { return ends_.size(); }
    // The bytes of all lines together.
    std::size_t textSize() const { return text().size(); }
    bool empty() const { return ends_.empty(); }
    // Inline: every walk over the lines goes through here.
    std::string_view operator[](std::size_t index) const
    {
        const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
        return {text_.data() + begin, ends_[index] - begin};
    }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    void clear();
    void add(std::string_view line);
    // Adds one line made of the pieces joined with nothing in between.
    void add(std::initializer_list<std::string_view> pieces);
    void addAll(const TextLines& lines);
    // Replaces `count` lines from `first` on by `lines`.
    void replace(std::size_t first, std::size_t count, const TextLines& lines);

    friend bool operator==(const TextLines& a, const TextLines& b)
    {
        return a.ends_ == b.ends_ && a.text() == b.text();
    }

private:
    // The lines back to back, without separators.
    std::string_view text() const { return {text_.data(), ends_.empty() ? 0 : ends_.back()}; }
    // Room for `length` more bytes after the text; gives where they go. Storage
    // that has to grow moves to `retired`, so that a piece taken from these
    // very lines stays readable until it is copied.
    char* makeRoom(std::size_t length, std::string& retired)
    {
        const std::size_t used = text().size();
        if (text_.size() < used + length)
            grow(used + length, retired);
        return text_.data() + used;
    }
    // Rarely: the storage grows until it holds the longest text so far.
    void grow(std::size_t size, std::string& retired);

    // Storage for the text, used from its start. It never shrinks, so that
    // adding a line writes each byte once, and not first a filler.
    std::string text_;
    std::vector<std::size_t> ends_;
};

// The lines of a multi-line text box, which ends every line but the last with
// LF: the pieces between the LFs, without a last piece left empty by a final
// LF. The empty text has no lines.
TextLines splitLines(std::string_view text);

// The text a multi-line text box shows for the lines: joined by LF.
std::string joinLines(const TextLines& lines);

}  // namespace brewick
