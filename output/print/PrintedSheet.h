// The inn sheet on paper: the sheet text with the title "Brewick" in place of
// its banner line, the particulars in 12 points and the tables and the menu in
// 10, and a footer with the banner and the date of printing at the bottom of
// the last page.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/TextLines.h"
#include "output/formats/InnSheetText.h"
#include "output/print/PrintCanvas.h"

namespace brewick {

inline constexpr std::string_view kPrintFontFamily = "Arial";

// Prints the sheet text on the canvas of a job that has just started; the
// footer shows `footerDate` after the banner. The lines before
// `particularLines` are the inn's particulars: kCardMenuLine for the players'
// card's text, whose menu follows them.
void printInnSheet(PrintCanvas& canvas, const TextLines& sheetText, std::string_view footerDate,
                   std::size_t particularLines = kTableTextLine);

// Draws the banner and the date at x, at the bottom of the current page.
void printFooter(PrintCanvas& canvas, int x, std::string_view footerDate);

}  // namespace brewick
