// A printed line's text as Qt reads it, and where Unicode lets it break: the
// line break opportunities of Unicode's line breaking algorithm (UAX #14) and
// the ends of the characters a reader sees (grapheme clusters), from Qt's
// text boundary finder, as Qt's own text layout finds them.
#pragma once

#include <QString>

#include <string_view>
#include <vector>

namespace brewick {

// The line's text without its control characters, which print as nothing: a
// tab and a line feed stay, and a line or paragraph separator becomes a line
// feed. Bytes that are no UTF-8 read as U+FFFD.
QString printableText(std::string_view line);

// The positions, in UTF-16 units and ascending, where a row of the text may
// end: after a space, a dash, a CJK ideograph and so on, but not after a
// hyphen or a slash within a word, which stays whole ("half-orc", "and/or").
// The text's end is the last.
std::vector<qsizetype> lineBreaks(const QString& text);

// The ends of the text's grapheme clusters, ascending: a letter with its
// accents, an emoji with its modifiers.
std::vector<qsizetype> characterEnds(const QString& text);

}  // namespace brewick
