#include "output/print/PrintedSheet.h"

#include <algorithm>
#include <string>

#include "output/formats/InnSheetText.h"
#include "output/print/LinePrinter.h"

namespace brewick {

namespace {
constexpr double kFooterPoints = 8;

// The banner and the date at the left, the page's number at the right.
void printFooter(PrintCanvas& canvas, std::string_view footerDate, int page, int pages)
{
    canvas.setFont(kPrintFontFamily, kFooterPoints);
    const int y = canvas.pageHeight() - canvas.textHeight("X");
    std::string text;
    joinInto(text, {bannerLine(), " ", footerDate});
    canvas.drawText(10, y, text);
    if (pages == 1)
        return;
    joinInto(text, {Decimal(page), "/", Decimal(pages)});
    canvas.drawText(canvas.pageWidth() - canvas.textWidth(text), y, text);
}
}  // namespace

void printInnSheet(PrintCanvas& canvas, const TextLines& sheetText, std::string_view footerDate,
                   std::size_t particularLines)
{
    canvas.setFont(kPrintFontFamily, kFooterPoints);
    const int footer = canvas.textHeight("X");
    LinePrinter printer(canvas, footer + footer / 2);
    printer.writeLine(kProductName, {kPrintFontFamily, 14});
    const std::size_t tableText = std::min(particularLines, sheetText.size());
    for (std::size_t line = 1; line < sheetText.size(); ++line)
        printer.writeLine(sheetText[line], {kPrintFontFamily, line < tableText ? 12.0 : 10.0});
    printer.finish([&](int page, int pages) { printFooter(canvas, footerDate, page, pages); });
}

}  // namespace brewick
