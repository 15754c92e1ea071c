#include "output/formats/MarkdownFormat.h"

#include <array>

#include "core/TableText.h"
#include "output/formats/InnSheetText.h"

namespace brewick {

namespace {
// Bytes found by a look-up of each byte, not a search of a list.
class Openers {
public:
    consteval explicit Openers(std::string_view openers)
    {
        for (const char c : openers)
            isOpener_[static_cast<unsigned char>(c)] = true;
    }

    // Where the first opener in `text` is; its size when there is none.
    std::size_t find(std::string_view text) const
    {
        std::size_t at = 0;
        while (at < text.size() && !isOpener_[static_cast<unsigned char>(text[at])])
            ++at;
        return at;
    }

private:
    std::array<bool, 256> isOpener_{};
};

// What the inn's own text may hold that would change the page's structure if
// it went in as it is: in a heading, a paragraph or a list item, the
// characters that open a construct; in a table's cell, its separator. Either
// way a line end would end the block. Text without any goes in as it is.
constexpr Openers kOpenersInText("\\`*_<>#[]|\r\n");
constexpr Openers kOpenersInCell("\\|\r\n");

// Runs without an opener are copied as they are.
void appendEscaped(std::string_view text, const Openers& openers, std::string& out)
{
    for (std::size_t run = openers.find(text); run < text.size(); run = openers.find(text)) {
        out.append(text.data(), run);
        const char c = text[run];
        if (c == '\r' || c == '\n')
            out += ' ';
        else
            (out += '\\') += c;
        text.remove_prefix(run + 1);
    }
    out += text;
}

// Where text that starts a heading, a paragraph or a list item would open
// a list: at the "-" or "+" it starts with, or at the "." or ")" after the
// number it starts with.
std::size_t listMarker(std::string_view text)
{
    if (text.starts_with('-') || text.starts_with('+'))
        return 0;
    const std::size_t digits = text.find_first_not_of("0123456789");
    if (digits > 0 && digits != std::string_view::npos && (text[digits] == '.' || text[digits] == ')'))
        return digits;
    return std::string_view::npos;
}

void appendText(std::string_view text, std::string& out)
{
    const std::size_t marker = listMarker(text);
    if (marker != std::string_view::npos) {
        out += text.substr(0, marker);  // digits, if any
        out += '\\';
        text.remove_prefix(marker);
    }
    appendEscaped(text, kOpenersInText, out);
}

// A line of the page's own words.
void appendLine(std::string& out, std::initializer_list<std::string_view> pieces)
{
    for (std::string_view piece : pieces)
        out += piece;
    out += '\n';
}

// A line holding the inn's text between the page's own words.
void appendTextLine(std::string& out, std::string_view before, std::string_view text, std::string_view after = {})
{
    out += before;
    appendText(text, out);
    out += after;
    out += '\n';
}

void appendRoomRow(const RoomTable& rooms, int row, std::string& out)
{
    for (int column = 0; column < RoomTable::kColumns; ++column) {
        out += "| ";
        appendEscaped(rooms.cell(column, row), kOpenersInCell, out);
        out += ' ';
    }
    out += "|\n";
}

void appendRooms(const RoomTable& rooms, std::string& out)
{
    appendLine(out, {"## Rooms\n"});
    appendRoomRow(rooms, 0, out);
    appendLine(out, {"| --- | ---: | ---: | ---: |"});
    for (int row = 1; row < RoomTable::kRows; ++row)
        appendRoomRow(rooms, row, out);
    out += '\n';
}

// Each table is an item holding its heading, with its other lines below it.
void appendTables(const InnSheet& sheet, std::string& out)
{
    appendLine(out, {"## Tables\n"});
    appendLine(out, {"There are ", Decimal(sheet.tableCount), " tables in the main taproom.\n"});
    forEachTableBlock(sheet, [&out](auto first, auto last, const TableBlock& block) {
        appendMarkdownTable(first, last, block, out);
    });
    out += '\n';
}

// A paragraph for each run of lines between empty ones, its lines kept apart
// by hard line breaks. The lines lose their blanks at either end: a margin
// would open a code block. A line starting with "=" would make the one above
// it a heading, and one starting with "~" could open a code block.
void appendNotes(std::string_view notes, std::string& out)
{
    constexpr std::string_view kLineBreak = "\\\n";
    appendLine(out, {"## Notes"});
    std::string_view before = "\n";  // ends the line above and starts a paragraph, or breaks the line
    forEachNoteLine(notes, [&](std::string_view line) {
        const std::string_view text = trimmed(line);
        if (text.empty()) {
            if (before == kLineBreak)
                before = "\n\n";
            return;
        }
        out += before;
        if (text.starts_with('=') || text.starts_with('~'))
            out += '\\';
        appendText(text, out);
        before = kLineBreak;
    });
    out += "\n\n";
}

}  // namespace

// The blank lines between the menu's groups are left out.
void appendMarkdownMenu(const TextLines& menuLines, std::string& out)
{
    appendLine(out, {"## Today's Menu\n"});
    for (std::string_view line : menuLines) {
        const std::string_view item = trimmed(line);
        const bool indented = item.data() != line.data();
        if (!item.empty())
            appendTextLine(out, indented ? "  - " : "- ", item);
    }
    out += '\n';
}

void appendMarkdownTable(TextLines::const_iterator first, TextLines::const_iterator last, const TableBlock& block,
                         std::string& out)
{
    if (first == last)
        return;
    appendTextLine(out, "- **", *first, "**");
    for (std::size_t line = 1; line < static_cast<std::size_t>(last - first); ++line) {
        std::string_view text = first[static_cast<std::ptrdiff_t>(line)];
        // Indented as the line is, the item would open a code block.
        if (tableLineAt(block, line).role == TableLine::Details && text.starts_with(detailsLine::kIndent)) {
            text.remove_prefix(detailsLine::kIndent.size());
            appendTextLine(out, "    - ", text);
        } else {
            appendTextLine(out, "  - ", text);
        }
    }
}

void appendMarkdownParticulars(const InnSheet& sheet, std::string& out)
{
    appendTextLine(out, "# ", sheet.innName, "\n");
    out += "Landlord: ";
    appendEscaped(sheet.landlordName, kOpenersInText, out);
    appendLine(out, {" · Location: ", locationName(sheet.location), " · Quality: ", qualityName(sheet.quality), "\n"});
    appendRooms(sheet.rooms, out);
}

void MarkdownFormat::append(const InnSheet& sheet, InnPlace, std::string& out)
{
    appendMarkdownParticulars(sheet, out);
    appendLine(out, {"## Bar Scene\n"});
    appendTextLine(out, "", sheet.barScene, "\n");
    appendTables(sheet, out);
    appendMarkdownMenu(sheet.menuLines, out);
    if (!sheet.notes.empty())
        appendNotes(sheet.notes, out);
}

}  // namespace brewick
