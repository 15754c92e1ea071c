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
// the menu lines, and last "Notes" and the notes' lines when there are notes.
void buildInnSheetText(const InnSheet& sheet, TextLines& out);

// The notes' lines are indented by this, so that none reads as a heading.
inline constexpr std::string_view kNoteIndent = "  ";

// Calls `line` with each line of `notes`: the pieces between the line ends,
// CR LF, CR or LF alike, as a line end of any kind starts a line wherever the
// notes are read. A last piece left empty by a final line end is none.
template <typename Line>
void forEachNoteLine(std::string_view notes, Line&& line)
{
    while (!notes.empty()) {
        const std::size_t end = notes.find_first_of("\r\n");
        line(notes.substr(0, end));
        if (end == std::string_view::npos)
            return;
        notes.remove_prefix(notes.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1);
    }
}

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
