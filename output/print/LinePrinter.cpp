#include "output/print/LinePrinter.h"

#include <algorithm>
#include <vector>

namespace brewick {

namespace {
bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

LinePrinter::LinePrinter(PrintCanvas& canvas)
    : canvas_(canvas),
      pageWidth_(canvas.pageWidth()),
      pageHeight_(canvas.pageHeight())
{
}

void LinePrinter::writeLine(std::string_view line)
{
    for (;;) {
        const std::size_t control = line.find_first_of("\t\n\f\r");
        writeText(line.substr(0, control));
        if (control == std::string_view::npos)
            break;
        switch (line[control]) {
        case '\t':
            tab();
            break;
        case '\n':
            advance();
            break;
        case '\f':
            newPage();
            break;
        default:  // a carriage return moves nothing; the line feed after it does
            break;
        }
        line.remove_prefix(control + 1);
    }
    advance();
}

void LinePrinter::writeText(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t length = fittingLength(text);
        if (length > 0)
            drawPiece(text.substr(0, length));
        text.remove_prefix(length);
        if (!text.empty())
            advance();
    }
}

std::size_t LinePrinter::fittingLength(std::string_view text) const
{
    const auto fits = [&](std::size_t length) { return x_ + canvas_.textWidth(text.substr(0, length)) <= pageWidth_; };
    if (fits(text.size()))
        return text.size();
    std::vector<std::size_t> characterEnds;
    for (std::size_t end = 1; end < text.size(); ++end)
        if (!isContinuationByte(text[end]))
            characterEnds.push_back(end);
    characterEnds.push_back(text.size());
    const auto tooWide = std::partition_point(characterEnds.begin(), characterEnds.end(), fits);
    if (tooWide != characterEnds.begin())
        return *(tooWide - 1);
    // A page narrower than one character still gets one a line, or the text
    // would never end.
    return x_ == 0 ? characterEnds.front() : 0;
}

void LinePrinter::drawPiece(std::string_view piece)
{
    const int height = canvas_.textHeight(piece);
    // The page-break test after an empty line leaves no room below it, so
    // text after a run of empty lines could reach past the printable area
    // and be lost.
    if (y_ > 0 && y_ + height > pageHeight_)
        newPage();
    canvas_.drawText(x_, y_, piece);
    x_ += canvas_.textWidth(piece);
    // A later piece raises the line only when it is taller than the line
    // so far, its 2 pixels of spacing included.
    if (lineHeight_ == 0 || height > lineHeight_)
        lineHeight_ = height + 2;
}

void LinePrinter::tab()
{
    const int tabWidth = std::max(1, 8 * canvas_.averageCharacterWidth());
    x_ = ((x_ + 1) / tabWidth + 1) * tabWidth;
    if (x_ > pageWidth_)
        advance();
}

void LinePrinter::newPage()
{
    canvas_.newPage();
    y_ = 0;
    lineHeight_ = 0;
}

void LinePrinter::advance()
{
    x_ = 0;
    y_ += lineHeight_ > 0 ? lineHeight_ : canvas_.characterHeight();
    if (y_ > pageHeight_ - 2 * lineHeight_)
        newPage();
    lineHeight_ = 0;
}

}  // namespace brewick
