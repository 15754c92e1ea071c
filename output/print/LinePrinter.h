// Text lines set down the pages of a print canvas as a typesetter sets them:
// each line in rows as wide as the page (LineSetter), the rows in pages that
// break where a reader expects it (PageBreaks), and room left at the foot of
// every page for what goes there once the number of pages is known.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "output/print/LineSetter.h"
#include "output/print/PrintCanvas.h"

namespace brewick {

struct PrintFont {
    std::string_view family;
    double points;
};

class LinePrinter {
public:
    // The lines start at the top of the canvas's current page, whose
    // printable size holds for the whole job, and keep `footHeight` free at
    // the bottom of every page.
    LinePrinter(PrintCanvas& canvas, int footHeight);

    void writeLine(std::string_view line, PrintFont font);

    // Draws the lines written, page by page, and on each page after its
    // lines calls `foot` with the page's number, from 1, and the number of
    // pages: one at least.
    void finish(const std::function<void(int page, int pages)>& foot);

private:
    struct Font {
        std::string family;
        double points;
    };

    PrintCanvas& canvas_;
    LineSetter setter_;
    const int bodyHeight_;
    std::vector<SetLine> lines_;
    std::vector<Font> fonts_;  // of each line
};

}  // namespace brewick
