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
}  // namespace

std::string_view bannerLine() { return kBannerLine; }

void buildInnSheetText(const InnSheet& sheet, TextLines& out)
{
    const RoomTable& rooms = sheet.rooms;
    out.clear();
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
    out.add("Bar Scene");
    out.add(sheet.barScene);
    out.add("");
    out.add({"There are ", Decimal(sheet.tableCount), " tables in the main taproom."});
    out.add("");
    out.addAll(sheet.tableText);
    out.add("");
    out.add("Today's Menu");
    out.addAll(sheet.menuLines);
}

void appendCrLfText(const TextLines& lines, std::string& out) { appendEndedLines(lines, "\r\n", out); }

void appendLfText(const TextLines& lines, std::string& out) { appendEndedLines(lines, "\n", out); }

}  // namespace brewick
