#include "output/print/LineSetter.h"

#include <algorithm>

#include "output/print/TextBreaks.h"

namespace brewick {

namespace {
// How many of the `count` candidates fit, when those that fit come first:
// the first ones are tried first, so that a long text costs no more measures
// than its first row needs.
template <typename Fits>
std::size_t countFitting(std::size_t count, Fits fits)
{
    std::size_t known = 0;  // every candidate before it fits
    for (std::size_t step = 1; known < count; step *= 2) {
        const std::size_t probe = std::min(known + step, count) - 1;
        if (!fits(probe)) {
            std::size_t tooWide = probe;
            while (known < tooWide) {
                const std::size_t middle = known + (tooWide - known) / 2;
                if (fits(middle))
                    known = middle + 1;
                else
                    tooWide = middle;
            }
            return known;
        }
        known = probe + 1;
    }
    return count;
}

std::string utf8(const QString& text) { return text.toStdString(); }
}  // namespace

LineSetter::LineSetter(const PrintCanvas& canvas) : canvas_(canvas), pageWidth_(canvas.pageWidth()) {}

SetLine LineSetter::set(std::string_view line)
{
    text_ = printableText(line);
    breaks_ = lineBreaks(text_);
    characterEnds_ = characterEnds(text_);
    line_ = {};
    row_ = {};
    x_ = rowStart_ = 0;
    line_.blank = std::ranges::all_of(text_, [](QChar c) { return c.isSpace(); });
    line_.textStart = leadingBlanksWidth();
    hang_ = std::min(line_.textStart + canvas_.textWidth("  "), pageWidth_ / 2);
    for (qsizetype from = 0;;) {
        qsizetype stop = from;
        while (stop < text_.size() && text_[stop] != u'\t' && text_[stop] != u'\n')
            ++stop;
        setRun(from, stop);
        if (stop == text_.size())
            break;
        if (text_[stop] == u'\t')
            tab();
        else
            newRow();
        from = stop + 1;
    }
    endRow();
    return std::move(line_);
}

void LineSetter::setRun(qsizetype from, qsizetype end)
{
    while (from < end) {
        qsizetype ink = from;
        while (ink < end && text_[ink].isSpace())
            ++ink;
        if (ink == end)
            break;
        const qsizetype fitting = fittingEnd(from, end);
        const qsizetype to = lastBreak(from, ink, end, fitting);
        if (to == end)
            break;
        if (to > from) {
            place(from, to);
            newRow();
            from = to;
        } else if (x_ > rowStart_) {
            newRow();  // the word may fit a row of its own
        } else {
            // The word alone is wider than a row: as much of it as fits, a
            // character at least.
            const qsizetype cut = fitting > from ? fitting : *std::ranges::upper_bound(characterEnds_, from);
            place(from, cut);
            newRow();
            from = cut;
        }
    }
    if (from < end)
        place(from, end);
}

qsizetype LineSetter::fittingEnd(qsizetype from, qsizetype end) const
{
    const auto first = std::ranges::upper_bound(characterEnds_, from);
    const auto last = std::upper_bound(first, characterEnds_.end(), end);
    const auto fitting = countFitting(static_cast<std::size_t>(last - first), [&](std::size_t i) {
        return x_ + width(from, first[static_cast<std::ptrdiff_t>(i)]) <= pageWidth_;
    });
    return fitting > 0 ? first[static_cast<std::ptrdiff_t>(fitting - 1)] : from;
}

qsizetype LineSetter::lastBreak(qsizetype from, qsizetype ink, qsizetype end, qsizetype fitting) const
{
    const auto withinFitting = [&](qsizetype to) {
        while (to > ink && text_[to - 1].isSpace())
            --to;
        return to <= fitting;
    };
    if (withinFitting(end))
        return end;
    const auto first = std::ranges::upper_bound(breaks_, ink);
    const auto last = std::lower_bound(first, breaks_.end(), end);
    const auto fitted = std::partition_point(first, last, withinFitting);
    return fitted == first ? from : *(fitted - 1);
}

void LineSetter::place(qsizetype from, qsizetype to)
{
    const QString piece = text_.sliced(from, to - from);
    const std::string bytes = utf8(piece);
    row_.height = std::max(row_.height, canvas_.textHeight(bytes));
    qsizetype ink = piece.size();
    while (ink > 0 && piece[ink - 1].isSpace())
        --ink;
    if (ink > 0)
        row_.pieces.push_back({x_, utf8(piece.first(ink))});
    x_ += canvas_.textWidth(bytes);
}

void LineSetter::tab()
{
    x_ = nextTabStop(x_);
    if (x_ > pageWidth_)
        newRow();
}

void LineSetter::endRow()
{
    row_.advance = row_.height > 0 ? row_.height + 2 : canvas_.characterHeight();
    line_.rows.push_back(std::move(row_));
    row_ = {};
}

void LineSetter::newRow()
{
    endRow();
    x_ = rowStart_ = hang_;
}

int LineSetter::nextTabStop(int x) const
{
    const int tabWidth = std::max(1, 8 * canvas_.averageCharacterWidth());
    return ((x + 1) / tabWidth + 1) * tabWidth;
}

int LineSetter::width(qsizetype from, qsizetype to) const
{
    return to > from ? canvas_.textWidth(utf8(text_.sliced(from, to - from))) : 0;
}

int LineSetter::leadingBlanksWidth() const
{
    int x = 0;
    qsizetype spaces = 0;  // where the spaces since the last tab start
    qsizetype at = 0;
    for (; at < text_.size() && (text_[at] == u' ' || text_[at] == u'\t'); ++at)
        if (text_[at] == u'\t') {
            x = nextTabStop(x + width(spaces, at));
            spaces = at + 1;
        }
    return x + width(spaces, at);
}

}  // namespace brewick
