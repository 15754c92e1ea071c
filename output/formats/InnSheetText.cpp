#include "output/formats/InnSheetText.h"

namespace brewick {

namespace {
constexpr std::string_view kBannerLine =
    "Brewick - Copyright (C) 2026 the Brewick developers - https://www.example.org/brewick";
static_assert(kBannerLine.starts_with(kProductName) && kBannerLine.ends_with(kMakerWebAddress));

void appendEndedLines(const TextLines& lines, std::string_view lineEnd, std::string& out)
{
    for (std::string_view line : lines) {
        out += line;
        out += lineEnd;
    }
}

// The banner and the inn's particulars and rooms, line by line, into `out`:
// a TextLines, or EndedLines for its bytes. The players' card starts so too.
template <typename Lines>
void writeParticulars(const InnSheet& sheet, Lines& out)
{
    const RoomTable& rooms = sheet.rooms;
    out.add(bannerLine());
    out.add("");
    out.add({sheet.innName, " is run by ", sheet.landlordName, "."});
    out.add({"It is ", qualityPhrase(sheet.quality), " quality establishment and is located in the ",
             locationPhrase(sheet.location), "."});
    out.add("");
    out.add({"It has ", rooms.cell(1, 1), " beds in single rooms at ", rooms.cell(1, 2), " silver pieces a night,"});
    out.add({rooms.cell(2, 1), " beds in double rooms at ", rooms.cell(2, 2), " silver pieces a night and"});
    out.add({rooms.cell(3, 1), " beds in the shared common room at ", rooms.cell(3, 2), " silver pieces a night."});
    out.add("");
}

template <typename Lines>
void writeMenu(const InnSheet& sheet, Lines& out)
{
    out.add("Today's Menu");
    out.addAll(sheet.menuLines);
}

template <typename Lines>
void writeInnSheetText(const InnSheet& sheet, Lines& out)
{
    writeParticulars(sheet, out);
    out.add("Bar Scene");
    out.add(sheet.barScene);
    out.add("");
    out.add({"There are ", Decimal(sheet.tableCount), " tables in the main taproom."});
    out.add("");
    out.addAll(sheet.tableText);
    out.add("");
    writeMenu(sheet, out);
    if (sheet.notes.empty())
        return;
    out.add("");
    out.add("Notes");
    forEachNoteLine(sheet.notes, [&out](std::string_view line) {
        if (line.empty())
            out.add("");
        else
            out.add({kNoteIndent, line});
    });
}

// The lines' bytes straight into the output, each followed by its line end.
class EndedLines {
public:
    EndedLines(std::string_view lineEnd, std::string& out) : lineEnd_(lineEnd), out_(out) {}

    void add(std::string_view line) { add({line}); }
    void add(std::initializer_list<std::string_view> pieces)
    {
        for (std::string_view piece : pieces)
            out_ += piece;
        out_ += lineEnd_;
    }
    void addAll(const TextLines& lines) { appendEndedLines(lines, lineEnd_, out_); }

private:
    std::string_view lineEnd_;
    std::string& out_;
};
}  // namespace

std::string_view bannerLine() { return kBannerLine; }

void buildInnSheetText(const InnSheet& sheet, TextLines& out)
{
    out.clear();
    writeInnSheetText(sheet, out);
}

void appendInnSheetText(const InnSheet& sheet, std::string_view lineEnd, std::string& out)
{
    EndedLines lines(lineEnd, out);
    writeInnSheetText(sheet, lines);
}

void buildPlayersCardText(const InnSheet& sheet, TextLines& out)
{
    out.clear();
    writeParticulars(sheet, out);
    writeMenu(sheet, out);
}

void appendCrLfText(const TextLines& lines, std::string& out) { appendEndedLines(lines, "\r\n", out); }

}  // namespace brewick
