#include "ui/controls/UntouchedText.h"

#include <algorithm>
#include <string_view>

#include "output/formats/JsonString.h"

namespace brewick {

namespace {
// A character of the text, or a byte that is no UTF-8 (`code` 0xFFFD), or a
// CR LF (`code` CR).
struct Unit {
    std::size_t length;
    char32_t code;
    bool utf8;
};

Unit unitAt(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text.front());
    if (lead < 0x80)
        return {lead == '\r' && text.substr(1, 1) == "\n" ? 2u : 1u, lead, true};
    const std::size_t length = utf8SequenceLength(text);
    if (length == 0)
        return {1, 0xFFFD, false};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        code = code << 6 | (static_cast<unsigned char>(text[i]) & 0x3F);
    return {length, code, true};
}

bool isOtherLineEnd(char32_t code)
{
    return code == '\r' || code == QChar::LineSeparator || code == QChar::ParagraphSeparator;
}

// The frame marks of a rich text, which a box's document also ends a line at.
bool isFrameMark(char32_t code) { return code == 0xFDD0 || code == 0xFDD1; }

bool isControl(char32_t code)
{
    return (code < 0x20 && code != '\t' && code != '\n' && code != '\r') || (code >= 0x7F && code <= 0x9F) ||
           isFrameMark(code);
}
}  // namespace

UntouchedText::UntouchedText(std::string bytes) : bytes_(std::move(bytes))
{
    const std::string_view text = bytes_;
    shown_.reserve(static_cast<qsizetype>(text.size()));
    byteAt_.reserve(text.size() + 1);
    for (std::size_t at = 0; at < text.size();) {
        const Unit unit = unitAt(text.substr(at));
        oddities_.noUtf8 |= !unit.utf8;
        oddities_.otherLineEnds |= isOtherLineEnd(unit.code);
        oddities_.controlCharacters |= isControl(unit.code);
        // The box's document holds a paragraph's end for each.
        if (unit.code == '\n' || isOtherLineEnd(unit.code) || isFrameMark(unit.code)) {
            shown_.append(u'\n');
            byteAt_.push_back(at);
        } else {
            const auto character = QChar::fromUcs4(unit.code);
            for (const QChar c : QStringView(character)) {
                shown_.append(c);
                byteAt_.push_back(at);
            }
        }
        at += unit.length;
    }
    byteAt_.push_back(text.size());
    held_ = shown_;
    if (!held_.isEmpty())
        spans_.push_back({false, held_.size(), 0});
}

// The span changed is what lies between the longest start and end the box
// holds as it held them, the start ending no later than where the box says
// the edit began; a character of two halves is changed whole or not at all.
void UntouchedText::follow(const QString& raw, qsizetype position)
{
    QString now = raw;
    now.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    const qsizetype shorter = std::min(held_.size(), now.size());
    qsizetype from = 0;
    while (from < std::min(shorter, position) && held_[from] == now[from])
        ++from;
    if (from > 0 && held_[from - 1].isHighSurrogate())
        --from;
    qsizetype same = 0;
    while (same < shorter - from && held_[held_.size() - 1 - same] == now[now.size() - 1 - same])
        ++same;
    if (same > 0 && held_[held_.size() - same].isLowSurrogate())
        --same;
    replace(from, held_.size() - same, now.size() - same - from);
    held_ = std::move(now);
}

void UntouchedText::replace(qsizetype from, qsizetype to, qsizetype typed)
{
    std::vector<Span> spans;
    const auto add = [&spans](Span span) {
        if (span.length == 0)
            return;
        if (!spans.empty() && spans.back().typed && span.typed)
            spans.back().length += span.length;
        else
            spans.push_back(span);
    };
    bool inserted = false;
    qsizetype at = 0;
    for (const Span& span : spans_) {
        const qsizetype end = at + span.length;
        if (at < from)
            add({span.typed, std::min(end, from) - at, span.from});
        if (!inserted && end >= from) {
            add({true, typed, 0});
            inserted = true;
        }
        if (end > to) {
            const qsizetype start = std::max(at, to);
            add({span.typed, end - start, span.from + (start - at)});
        }
        at = end;
    }
    if (!inserted)
        add({true, typed, 0});
    spans_ = std::move(spans);
}

std::string UntouchedText::bytes() const
{
    std::string bytes;
    bytes.reserve(bytes_.size());
    qsizetype at = 0;
    for (const Span& span : spans_) {
        if (span.typed) {
            const QByteArray typed = QStringView(held_).sliced(at, span.length).toUtf8();
            bytes.append(typed.constData(), static_cast<std::size_t>(typed.size()));
        } else {
            const std::size_t begin = byteAt_[static_cast<std::size_t>(span.from)];
            bytes.append(bytes_, begin, byteAt_[static_cast<std::size_t>(span.from + span.length)] - begin);
        }
        at += span.length;
    }
    return bytes;
}

}  // namespace brewick
