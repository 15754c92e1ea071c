#include "output/PrintedSheet.h"

#include <algorithm>
#include <string>

#include "output/InnSheetText.h"
#include "output/LinePrinter.h"

namespace brewick {

void PrintInnSheet(PrintCanvas& canvas, const TextLines& sheetText, std::string_view footerDate)
{
    canvas.SetFont(kPrintFontFamily, 14);
    LinePrinter printer(canvas);
    printer.WriteLine(kProductName);
    const std::size_t tableText = std::min(kTableTextLine, sheetText.size());
    canvas.SetFont(kPrintFontFamily, 12);
    for (std::size_t line = 1; line < tableText; ++line)
        printer.WriteLine(sheetText[line]);
    canvas.SetFont(kPrintFontFamily, 10);
    for (std::size_t line = tableText; line < sheetText.size(); ++line)
        printer.WriteLine(sheetText[line]);
    PrintFooter(canvas, 10, footerDate);
}

void PrintFooter(PrintCanvas& canvas, int x, std::string_view footerDate)
{
    canvas.SetFont(kPrintFontFamily, 8);
    canvas.SetWhiteBrush();
    std::string text;
    JoinInto(text, {BannerLine(), " ", footerDate});
    canvas.DrawText(x, canvas.PageHeight() - canvas.TextHeight("X"), text);
}

}  // namespace brewick
