// What the printed sheet is drawn on: the current page of a print job, in
// printer pixels from the top-left corner of its printable area, with a
// current font that every measure and every text drawn afterwards uses.
#pragma once

#include <string_view>

namespace brewick {

class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    virtual void setFont(std::string_view family, double points) = 0;

    // The printable area of a page.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;

    virtual int textWidth(std::string_view text) const = 0;
    virtual int textHeight(std::string_view text) const = 0;
    // The height of the font's characters without the leading above them.
    virtual int characterHeight() const = 0;
    virtual int averageCharacterWidth() const = 0;

    // Draws the text with its top-left corner at (x, y).
    virtual void drawText(int x, int y, std::string_view text) = 0;
    virtual void newPage() = 0;
};

}  // namespace brewick
