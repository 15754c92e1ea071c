// The line printer's rules on a canvas that records where each piece lands.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "output/print/LinePrinter.h"

namespace brewick {
namespace {

using test::DrawnText;
using test::RecordingCanvas;

// In 10 points a character is 10 pixels wide, a line of text 22 high, an
// empty line 15, and tab stops are 80 apart.
struct LinesRow {
    const char* name;
    std::vector<std::string> lines;
    std::vector<DrawnText> drawn;
    int pages = 1;
    int pageWidth = 100;
    int pageHeight = 1000;
    double points = 10;
};

void PrintTo(const LinesRow& row, std::ostream* out) { *out << row.name; }

const LinesRow kLinesRows[] = {
    {"lines go down the page", {"Inn", "Menu"}, {{1, 0, 0, "Inn"}, {1, 0, 22, "Menu"}}},
    {"a line that just fits stays whole", {"0123456789"}, {{1, 0, 0, "0123456789"}}},
    {"a line wider than the page is cut mid-word",
     {"The Weeping Dragon", "next"},
     {{1, 0, 0, "The Weepin"}, {1, 0, 22, "g Dragon"}, {1, 0, 44, "next"}}},
    {"a cut keeps UTF-8 characters whole",
     {"aaaaaaaaa\xc3\xa9\xc3\xa9"},
     {{1, 0, 0, "aaaaaaaaa\xc3\xa9"}, {1, 0, 22, "\xc3\xa9"}}},
    {"a page narrower than a character gets one a line", {"ab"}, {{1, 0, 0, "a"}, {1, 0, 22, "b"}}, 1, 5},
    {"a tab goes to the next stop", {"ab\tc", "\td"}, {{1, 0, 0, "ab"}, {1, 80, 0, "c"}, {1, 80, 22, "d"}}},
    {"a tab skips a stop only one pixel away",
     {"abcdefg\tX"},
     {{1, 0, 0, "abcdefg"}, {1, 16, 0, "X"}},
     1,
     100,
     1000,
     1},
    {"a tab past the right edge starts the next line", {"abcdefghi\tX"}, {{1, 0, 0, "abcdefghi"}, {1, 0, 22, "X"}}},
    {"text after a tab is cut at the right edge", {"a\tbcdef"}, {{1, 0, 0, "a"}, {1, 80, 0, "bc"}, {1, 0, 22, "def"}}},
    {"a form feed starts a new page at the top",
     {"ab\fcd", "\fef"},
     {{1, 0, 0, "ab"}, {2, 20, 0, "cd"}, {3, 0, 0, "ef"}},
     3},
    {"the line after a form feed is as high as its own text",
     {"a^^^\fb", "c"},
     {{1, 0, 0, "a^^^"}, {2, 40, 0, "b"}, {2, 0, 22, "c"}},
     2,
     200},
    {"a carriage return alone does nothing", {"ab\rcd"}, {{1, 0, 0, "ab"}, {1, 20, 0, "cd"}}},
    {"a line feed, after a carriage return or not, starts a line",
     {"ab\r\ncd\nef"},
     {{1, 0, 0, "ab"}, {1, 0, 22, "cd"}, {1, 0, 44, "ef"}}},
    {"an empty line is the font's character height", {"", "", "a"}, {{1, 0, 30, "a"}}},
    {"a line of blanks is text", {" ", "a"}, {{1, 0, 0, " "}, {1, 0, 22, "a"}}},
    {"a taller later piece raises the line",
     {"a\tb^^^", "c"},
     {{1, 0, 0, "a"}, {1, 80, 0, "b^^^"}, {1, 0, 25, "c"}},
     1,
     200},
    {"a later piece no taller than the line with its spacing does not",
     {"a\tb^^", "c"},
     {{1, 0, 0, "a"}, {1, 80, 0, "b^^"}, {1, 0, 22, "c"}},
     1,
     200},
    {"a shorter later piece keeps the first piece's height",
     {"a^^^\tb", "c"},
     {{1, 0, 0, "a^^^"}, {1, 80, 0, "b"}, {1, 0, 25, "c"}},
     1,
     200},
    // 7 lines end at y = 154; the page breaks once y passes the height less
    // two lines.
    {"no new page while y is at the limit",
     {"1", "2", "3", "4", "5", "6", "7", "8"},
     {{1, 0, 0, "1"},
      {1, 0, 22, "2"},
      {1, 0, 44, "3"},
      {1, 0, 66, "4"},
      {1, 0, 88, "5"},
      {1, 0, 110, "6"},
      {1, 0, 132, "7"},
      {1, 0, 154, "8"}},
     2,
     100,
     198},
    {"a new page once y passes the limit",
     {"1", "2", "3", "4", "5", "6", "7", "8"},
     {{1, 0, 0, "1"},
      {1, 0, 22, "2"},
      {1, 0, 44, "3"},
      {1, 0, 66, "4"},
      {1, 0, 88, "5"},
      {1, 0, 110, "6"},
      {1, 0, 132, "7"},
      {2, 0, 0, "8"}},
     2,
     100,
     197},
    {"empty lines may reach the page height", {"", "", ""}, {}, 1, 100, 45},
    {"an empty line past the page height starts a new page", {"", "", "", ""}, {}, 2, 100, 45},
    {"text that would reach past the page after empty lines starts a new page",
     {"a", "", "", "", "", "b"},
     {{1, 0, 0, "a"}, {2, 0, 0, "b"}},
     2,
     100,
     100},
    {"text ending exactly on the bottom edge stays on the page",
     {"a", "", "", "", "", "b"},
     {{1, 0, 0, "a"}, {1, 0, 82, "b"}},
     2,
     100,
     102},
};

class LinePrinterRules : public testing::TestWithParam<LinesRow> {};

TEST_P(LinePrinterRules, PlacesEveryPiece)
{
    const LinesRow& row = GetParam();
    RecordingCanvas canvas(row.pageWidth, row.pageHeight);
    canvas.setFont("Arial", row.points);
    LinePrinter printer(canvas);
    for (const std::string& line : row.lines)
        printer.writeLine(line);
    EXPECT_THAT(canvas.drawn, testing::ElementsAreArray(row.drawn));
    EXPECT_EQ(canvas.pages, row.pages);
}

INSTANTIATE_TEST_SUITE_P(Rows, LinePrinterRules, testing::ValuesIn(kLinesRows),
                         [](const testing::TestParamInfo<LinesRow>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

}  // namespace
}  // namespace brewick
