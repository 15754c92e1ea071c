// The line printer's rules on a canvas that records where each piece lands.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "output/print/LinePrinter.h"

namespace brewick {
namespace {

using test::DrawnText;
using test::RecordingCanvas;

// In 10 points a character is 10 pixels wide, a row of text 20 high and 22
// apart, an empty line 15, two blanks 20, and tab stops are 80 apart.
struct LinesRow {
    const char* name;
    std::vector<std::string> lines;
    std::vector<DrawnText> drawn;
    int pages = 1;
    int pageWidth = 100;
    int pageHeight = 1000;
    double points = 10;
    int footHeight = 0;
};

void PrintTo(const LinesRow& row, std::ostream* out) { *out << row.name; }

const LinesRow kLinesRows[] = {
    {"lines go down the page", {"Inn", "Menu"}, {{1, 0, 0, "Inn"}, {1, 0, 22, "Menu"}}},
    {"a line that just fits stays whole", {"0123456789"}, {{1, 0, 0, "0123456789"}}},
    {"a line too wide breaks between words, its rows two blanks further in",
     {"The Weeping Dragon", "next"},
     {{1, 0, 0, "The"}, {1, 20, 22, "Weeping"}, {1, 20, 44, "Dragon"}, {1, 0, 66, "next"}}},
    {"a word breaks only where it alone is wider than a row",
     {"Supercalifragilistic is long"},
     {{1, 0, 0, "Supercalif"}, {1, 20, 22, "ragilist"}, {1, 20, 44, "ic is"}, {1, 20, 66, "long"}}},
    {"the rows of an indented line hang two blanks further in than its text",
     {"    Bardok hums the same four notes"},
     {{1, 0, 0, "    Bardok hums the"}, {1, 60, 22, "same four notes"}},
     1,
     220},
    {"a word with a hyphen or a slash stays whole",
     {"the half-elven and/or"},
     {{1, 0, 0, "the"}, {1, 20, 22, "half-elven"}, {1, 20, 44, "and/or"}},
     1,
     120},
    {"a row may end after any CJK ideograph",
     {"abcdefgh \xe4\xb8\x80\xe4\xba\x8c\xe4\xb8\x89\xe5\x9b\x9b\xe4\xba\x94\xe5\x85\xad\xe4\xb8\x83"},
     {{1, 0, 0, "abcdefgh \xe4\xb8\x80"},
      {1, 20, 22, "\xe4\xba\x8c\xe4\xb8\x89\xe5\x9b\x9b\xe4\xba\x94\xe5\x85\xad\xe4\xb8\x83"}}},
    {"a broken word keeps a letter with its accent",
     {"aaaaaaaaae\xcc\x81"
      "b"},
     {{1, 0, 0, "aaaaaaaaa"},
      {1, 20, 22,
       "e\xcc\x81"
       "b"}}},
    {"a page narrower than a character gets one a row", {"ab"}, {{1, 0, 0, "a"}, {1, 2, 22, "b"}}, 1, 5},
    {"a tab goes to the next stop", {"ab\tc", "\td"}, {{1, 0, 0, "ab"}, {1, 80, 0, "c"}, {1, 80, 22, "d"}}},
    {"a tab skips a stop only one pixel away",
     {"abcdefg\tX"},
     {{1, 0, 0, "abcdefg"}, {1, 16, 0, "X"}},
     1,
     100,
     1000,
     1},
    {"a tab past the right edge starts the next row", {"abcdefghi\tX"}, {{1, 0, 0, "abcdefghi"}, {1, 20, 22, "X"}}},
    {"a word after a tab that does not fit there starts the next row",
     {"a\tbcdef"},
     {{1, 0, 0, "a"}, {1, 20, 22, "bcdef"}}},
    {"control characters print as nothing, and a form feed starts no page",
     {"ab\fcd", "\x1b[1mef\x07\x7f\xc2\x85"},
     {{1, 0, 0, "abcd"}, {1, 0, 22, "[1mef"}}},
    {"a line feed, after a carriage return or not, starts a row of the line",
     {"ab\r\ncd\nef", "gh\xe2\x80\xa8ij"},
     {{1, 0, 0, "ab"}, {1, 20, 22, "cd"}, {1, 20, 44, "ef"}, {1, 0, 66, "gh"}, {1, 20, 88, "ij"}}},
    {"an empty line is the font's character height", {"", "", "a"}, {{1, 0, 30, "a"}}},
    {"a line of blanks is as high as text and prints nothing", {" ", "a"}, {{1, 0, 22, "a"}}},
    {"a row is as high as its tallest piece",
     {"a\tb^^^", "c"},
     {{1, 0, 0, "a"}, {1, 80, 0, "b^^^"}, {1, 0, 25, "c"}},
     1,
     200},
    {"rows fill a page while they fit",
     {"1", "2", "3", "4", "5", "6", "7", "8"},
     {{1, 0, 0, "1"},
      {1, 0, 22, "2"},
      {1, 0, 44, "3"},
      {1, 0, 66, "4"},
      {1, 0, 88, "5"},
      {1, 0, 110, "6"},
      {1, 0, 132, "7"},
      {1, 0, 154, "8"}},
     1,
     100,
     174},
    {"a row that does not fit starts the next page",
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
     173},
    {"the foot's room stays free",
     {"1", "2", "3", "4"},
     {{1, 0, 0, "1"}, {1, 0, 22, "2"}, {1, 0, 44, "3"}, {2, 0, 0, "4"}},
     2,
     100,
     100,
     10,
     30},
    {"a heading never ends a page: it goes on with its first line",
     {"a", "b", "", "Heading", "c"},
     {{1, 0, 0, "a"}, {1, 0, 22, "b"}, {2, 0, 0, "Heading"}, {2, 0, 22, "c"}},
     2,
     100,
     100},
    {"a patron's details stay on the page of the patron's line",
     {"a", "b", "A patron", "    details"},
     {{1, 0, 0, "a"}, {1, 0, 22, "b"}, {2, 0, 0, "A patron"}, {2, 0, 22, "    details"}},
     2,
     200,
     80},
    {"a heading stays with its indented items, blank lines between them",
     {"a", "b", "Puddings", "", "  Apple"},
     {{1, 0, 0, "a"}, {1, 0, 22, "b"}, {2, 0, 0, "Puddings"}, {2, 0, 37, "  Apple"}},
     2,
     100,
     100},
    {"a page of rows that stay together breaks where it is full",
     {"H", "  a", "    b", "      c"},
     {{1, 0, 0, "H"}, {1, 0, 22, "  a"}, {2, 0, 0, "    b"}, {2, 0, 22, "      c"}},
     2,
     100,
     50},
    {"a line's rows split with two of them on either page",
     {"x", "", "aaaa bbbb cccc dddd eeee"},
     {{1, 0, 0, "x"}, {1, 0, 37, "aaaa bbbb"}, {1, 20, 59, "cccc"}, {2, 20, 0, "dddd"}, {2, 20, 22, "eeee"}},
     2,
     100,
     105},
    {"a line's rows do not split leaving one alone",
     {"x", "y", "", "aaaa bbbb cccc dddd eeee"},
     {{1, 0, 0, "x"},
      {1, 0, 22, "y"},
      {2, 0, 0, "aaaa bbbb"},
      {2, 20, 22, "cccc"},
      {2, 20, 44, "dddd"},
      {2, 20, 66, "eeee"}},
     2,
     100,
     90},
    {"a page starts with its first row that is not blank",
     {"a", "b", "", "", "c"},
     {{1, 0, 0, "a"}, {1, 0, 22, "b"}, {2, 0, 0, "c"}},
     2,
     100,
     50},
};

class LinePrinterRules : public testing::TestWithParam<LinesRow> {};

TEST_P(LinePrinterRules, PlacesEveryPieceAndAFootOnEveryPage)
{
    const LinesRow& row = GetParam();
    RecordingCanvas canvas(row.pageWidth, row.pageHeight);
    LinePrinter printer(canvas, row.footHeight);
    for (const std::string& line : row.lines)
        printer.writeLine(line, {"Arial", row.points});
    std::vector<std::pair<int, int>> feet;
    printer.finish([&](int page, int pages) {
        EXPECT_EQ(page, canvas.pages);
        feet.emplace_back(page, pages);
    });
    EXPECT_THAT(canvas.drawn, testing::ElementsAreArray(row.drawn));
    EXPECT_EQ(canvas.pages, row.pages);
    std::vector<std::pair<int, int>> everyPage;
    for (int page = 1; page <= row.pages; ++page)
        everyPage.emplace_back(page, row.pages);
    EXPECT_EQ(feet, everyPage);
}

INSTANTIATE_TEST_SUITE_P(Rows, LinePrinterRules, testing::ValuesIn(kLinesRows),
                         [](const testing::TestParamInfo<LinesRow>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

// Each row of a long word is measured by its own length, not by the rest of
// the word: 100,000 characters in rows of ten take no more than a few
// measures each.
TEST(LinePrinter, AWordOfAHundredThousandCharactersIsMeasuredRowByRow)
{
    const std::string word(100000, 'w');
    RecordingCanvas canvas(100, 1000000000);
    LinePrinter printer(canvas, 0);
    printer.writeLine(word, {"Arial", 10});
    printer.finish([](int, int) {});
    ASSERT_EQ(canvas.drawn.size(), 1u + (word.size() - 10 + 7) / 8);
    EXPECT_EQ(canvas.drawn[1], (DrawnText{1, 20, 22, "wwwwwwww"}));
    EXPECT_LT(canvas.measured, 50 * word.size());
}

}  // namespace
}  // namespace brewick
