// Text lines written down the pages of a print canvas, the way a line printer
// would: a line too wide for the page goes on under itself, a tab jumps to the
// next tab stop, a form feed starts a new page, and a new page begins by
// itself when the next line might not fit.
#pragma once

#include <cstddef>
#include <string_view>

#include "output/print/PrintCanvas.h"

namespace brewick {

class LinePrinter {
public:
    // Starts at the top-left corner of the canvas's current page, whose
    // printable size holds for the whole job.
    explicit LinePrinter(PrintCanvas& canvas);

    // Writes the line in the canvas's current font, then moves to the next.
    void writeLine(std::string_view line);

private:
    void writeText(std::string_view text);
    // How many bytes of the text, cut after a whole UTF-8 character, fit
    // between x and the right edge.
    std::size_t fittingLength(std::string_view text) const;
    void drawPiece(std::string_view piece);
    void tab();
    void newPage();
    void advance();

    PrintCanvas& canvas_;
    const int pageWidth_;
    const int pageHeight_;
    int x_ = 0;
    int y_ = 0;
    int lineHeight_ = 0;  // 0 while nothing has been drawn on the line
};

}  // namespace brewick
