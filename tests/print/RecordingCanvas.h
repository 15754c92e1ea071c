// A print canvas with simple metrics that remembers every text drawn, with
// its page, position and font size. A character (a code point) is as wide as
// the font is in points, text is twice that high plus a pixel for every '^'
// in it (for pieces of different heights), and the character height is one
// and a half times the size.
#pragma once

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "output/print/PrintCanvas.h"

namespace brewick::test {

struct DrawnText {
    int page;
    int x;
    int y;
    std::string text;
    double points = 10;

    bool operator==(const DrawnText& other) const
    {
        return page == other.page && x == other.x && y == other.y && text == other.text;
    }
    friend std::ostream& operator<<(std::ostream& out, const DrawnText& drawn)
    {
        return out << "page " << drawn.page << " (" << drawn.x << ", " << drawn.y << ") " << drawn.points << "pt \""
                   << drawn.text << '"';
    }
};

class RecordingCanvas final : public PrintCanvas {
public:
    RecordingCanvas(int pageWidth, int pageHeight) : pageWidth_(pageWidth), pageHeight_(pageHeight) {}

    void setFont(std::string_view family, double points) override
    {
        family_ = family;
        points_ = points;
    }
    int pageWidth() const override { return pageWidth_; }
    int pageHeight() const override { return pageHeight_; }
    int textWidth(std::string_view text) const override
    {
        measured += text.size();
        const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
        return static_cast<int>(characters) * size();
    }
    int textHeight(std::string_view text) const override
    {
        return 2 * size() + static_cast<int>(std::count(text.begin(), text.end(), '^'));
    }
    int characterHeight() const override { return size() * 3 / 2; }
    int averageCharacterWidth() const override { return size(); }
    void drawText(int x, int y, std::string_view text) override
    {
        drawn.push_back({pages, x, y, std::string(text), points_});
        families.push_back(family_);
    }
    void newPage() override { ++pages; }

    std::vector<DrawnText> drawn;
    std::vector<std::string> families;  // the font family of each drawn text
    int pages = 1;
    mutable std::size_t measured = 0;  // bytes of text measured

private:
    int size() const { return static_cast<int>(points_); }

    int pageWidth_;
    int pageHeight_;
    std::string family_;
    double points_ = 10;
};

}  // namespace brewick::test
