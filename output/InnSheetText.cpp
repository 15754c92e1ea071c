#include "output/InnSheetText.h"

namespace brewick {

namespace {
constexpr std::string_view kBannerLine =
    "Brewick - Copyright (C) 2026 the Brewick developers - https://www.example.org/brewick";
static_assert(kBannerLine.ends_with(kMakerWebAddress));
}  // namespace

std::string_view BannerLine() { return kBannerLine; }

void InnSheetText(const InnSheet& sheet, TextLines& out)
{
    const RoomTable& rooms = sheet.rooms;
    out.Clear();
    out.Add(BannerLine());
    out.Add("");
    out.Add({sheet.innName, " is run by ", sheet.landlordName, "."});
    out.Add({"It is ", QualityPhrase(sheet.quality), " quality establishment and is located in the ",
             LocationPhrase(sheet.location), "."});
    out.Add("");
    out.Add({"It has ", rooms.Cell(1, 1), " beds in single rooms at ", rooms.Cell(1, 2),
             " silver pieces a night,"});
    out.Add({rooms.Cell(2, 1), " beds in double rooms at ", rooms.Cell(2, 2), " silver pieces a night and"});
    out.Add({rooms.Cell(3, 1), " beds in the shared common room at ", rooms.Cell(3, 2),
             " silver pieces a night."});
    out.Add("");
    out.Add("Bar Scene");
    out.Add(sheet.barScene);
    out.Add("");
    out.Add({"There are ", Decimal(sheet.tableCount), " tables in the main taproom."});
    out.Add("");
    out.AddAll(sheet.tableText);
    out.Add("");
    out.Add("Today's Menu");
    out.AddAll(sheet.menuLines);
}

void AppendCrLfText(const TextLines& lines, std::string& out)
{
    for (std::string_view line : lines) {
        out += line;
        out += "\r\n";
    }
}

}  // namespace brewick
