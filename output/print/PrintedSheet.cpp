#include "output/print/PrintedSheet.h"

#include <algorithm>
#include <string>

#include "output/formats/InnSheetText.h"
#include "output/print/LinePrinter.h"

namespace brewick {

void printInnSheet(PrintCanvas& canvas, const TextLines& sheetText, std::string_view footerDate,
                   std::size_t particularLines)
{
    canvas.setFont(kPrintFontFamily, 14);
    LinePrinter printer(canvas);
    printer.writeLine(kProductName);
    const std::size_t tableText = std::min(particularLines, sheetText.size());
    canvas.setFont(kPrintFontFamily, 12);
    for (std::size_t line = 1; line < tableText; ++line)
        printer.writeLine(sheetText[line]);
    canvas.setFont(kPrintFontFamily, 10);
    for (std::size_t line = tableText; line < sheetText.size(); ++line)
        printer.writeLine(sheetText[line]);
    printFooter(canvas, 10, footerDate);
}

void printFooter(PrintCanvas& canvas, int x, std::string_view footerDate)
{
    canvas.setFont(kPrintFontFamily, 8);
    canvas.setWhiteBrush();
    std::string text;
    joinInto(text, {bannerLine(), " ", footerDate});
    canvas.drawText(x, canvas.pageHeight() - canvas.textHeight("X"), text);
}

}  // namespace brewick
