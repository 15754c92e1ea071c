// The inn sheet on paper: the sheet text with the title "Brewick" in place of
// its banner line, the particulars in 12 points and the tables and the menu in
// 10, set as the line printer sets them, and at the bottom of every page a
// footer with the banner and the date of printing, and the page's number when
// the sheet takes more than one ("2/3").
#pragma once

#include <cstddef>
#include <string_view>

#include "core/TextLines.h"
#include "output/formats/InnSheetText.h"
#include "output/print/PrintCanvas.h"

namespace brewick {

inline constexpr std::string_view kPrintFontFamily = "Arial";

// Prints the sheet text from the canvas's current page on; the footer shows
// `footerDate` after the banner. The lines before `particularLines` are the
// inn's particulars: kCardMenuLine for the players' card's text, whose menu
// follows them.
void printInnSheet(PrintCanvas& canvas, const TextLines& sheetText, std::string_view footerDate,
                   std::size_t particularLines = kTableTextLine);

}  // namespace brewick
