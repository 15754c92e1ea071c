// The inn sheet as lines of text: what File > Save writes and, with its own
// first line and fonts, what File > Print prints.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/InnSheet.h"
#include "core/ProductIdentity.h"
#include "core/TextLines.h"

namespace brewick {

// Product, copyright and the maker's web address, on one line.
std::string_view bannerLine();

// Replaces `out` by the inn sheet text: the banner line, the inn, its rooms,
// the bar scene, the table count, the table text, then "Today's Menu" and
// the menu lines.
void buildInnSheetText(const InnSheet& sheet, TextLines& out);

// Where the table text starts: the lines before it are the inn's particulars.
inline constexpr std::size_t kTableTextLine = 14;

// Replaces `out` by the players' card text: the inn sheet text without the
// bar scene and the tables, the lines the players may see.
void buildPlayersCardText(const InnSheet& sheet, TextLines& out);

// Where the players' card's menu starts: the lines before it are the inn's
// particulars.
inline constexpr std::size_t kCardMenuLine = 9;

// Appends every line followed by CR LF, the last one included: a saved inn.
void appendCrLfText(const TextLines& lines, std::string& out);

// Appends the inn sheet text with every line followed by `lineEnd`, straight
// from the sheet: CR LF for a saved inn, LF for one on the clipboard, whose
// convention on Linux it is.
void appendInnSheetText(const InnSheet& sheet, std::string_view lineEnd, std::string& out);

}  // namespace brewick
