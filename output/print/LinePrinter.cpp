#include "output/print/LinePrinter.h"

#include "output/print/PageBreaks.h"

namespace brewick {

LinePrinter::LinePrinter(PrintCanvas& canvas, int footHeight)
    : canvas_(canvas),
      setter_(canvas),
      bodyHeight_(canvas.pageHeight() - footHeight)
{
}

void LinePrinter::writeLine(std::string_view line, PrintFont font)
{
    canvas_.setFont(font.family, font.points);
    lines_.push_back(setter_.set(line));
    fonts_.push_back({std::string(font.family), font.points});
}

void LinePrinter::finish(const std::function<void(int page, int pages)>& foot)
{
    std::vector<std::vector<PlacedRow>> pages = breakPages(lines_, bodyHeight_);
    if (pages.empty())
        pages.emplace_back();
    const int count = static_cast<int>(pages.size());
    for (int page = 1; page <= count; ++page) {
        if (page > 1)
            canvas_.newPage();
        const Font* font = nullptr;
        for (const PlacedRow& placed : pages[static_cast<std::size_t>(page - 1)]) {
            const Font& lineFont = fonts_[placed.line];
            if (font == nullptr || font->family != lineFont.family || font->points != lineFont.points)
                canvas_.setFont(lineFont.family, lineFont.points);
            font = &lineFont;
            for (const SetPiece& piece : lines_[placed.line].rows[placed.row].pieces)
                canvas_.drawText(piece.x, placed.y, piece.text);
        }
        foot(page, count);
    }
}

}  // namespace brewick
