// The printed sheet's layout on a recording canvas: title, font sizes, a
// footer on every page, and pages that break where a reader expects it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "SampleInns.h"
#include "output/formats/InnSheetText.h"
#include "output/print/PrintedSheet.h"

namespace brewick {
namespace {

using test::DrawnText;
using test::RecordingCanvas;
using test::sheetTextOf;
using test::smallInn;

constexpr std::string_view kDate = "1/5/09  19:03";

std::string expectedFooter() { return std::string(bannerLine()) + " " + std::string(kDate); }

bool isFooter(const DrawnText& drawn) { return drawn.points == 8; }

// The players' card is printed as the sheet: its menu, from its heading on,
// in the size of the sheet's tables and menu.
TEST(PrintedSheet, TitleParticularsTablesAndMenuInTheirSizes)
{
    TextLines card;
    buildPlayersCardText(smallInn(), card);
    ASSERT_EQ(card[kCardMenuLine], "Today's Menu");
    const struct {
        const char* name;
        TextLines text;
        std::size_t particularLines;
    } rows[] = {{"sheet", sheetTextOf(smallInn()), kTableTextLine}, {"players' card", card, kCardMenuLine}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        // Wide enough for the bar scene.
        RecordingCanvas canvas(3000, 5000);
        printInnSheet(canvas, row.text, kDate, row.particularLines);

        std::vector<std::pair<std::string, double>> printed;
        for (const DrawnText& drawn : canvas.drawn)
            printed.emplace_back(drawn.text, drawn.points);
        std::vector<std::pair<std::string, double>> expected = {{"Brewick", 14}};
        for (std::size_t line = 1; line < row.text.size(); ++line)
            if (!trimmed(row.text[line]).empty())
                expected.emplace_back(row.text[line], line < row.particularLines ? 12 : 10);
        expected.emplace_back(expectedFooter(), 8);
        EXPECT_THAT(printed, testing::ElementsAreArray(expected));
        EXPECT_THAT(canvas.families, testing::Each(std::string(kPrintFontFamily)));
    }
}

// The footer at the bottom of every page, the page's number at its right
// when there are several; no text reaches into the footer's room.
TEST(PrintedSheet, FooterOnEveryPageNumberedWhenThereAreSeveral)
{
    InnSheet longSheet = smallInn();
    for (int line = 0; line < 200; ++line)
        longSheet.tableText.add("A patron line");
    const struct {
        const char* name;
        InnSheet sheet;
        int pages;
    } rows[] = {{"one page", smallInn(), 1}, {"several pages", longSheet, 6}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingCanvas canvas(2000, 1000);
        printInnSheet(canvas, sheetTextOf(row.sheet), kDate);

        ASSERT_EQ(canvas.pages, row.pages);
        std::vector<DrawnText> footers;
        for (const DrawnText& drawn : canvas.drawn) {
            if (isFooter(drawn))
                footers.push_back(drawn);
            else
                EXPECT_LE(drawn.y + 2 * static_cast<int>(drawn.points), 1000 - 24) << drawn;
        }
        std::vector<DrawnText> expected;
        for (int page = 1; page <= row.pages; ++page) {
            expected.push_back({page, 10, 1000 - 16, expectedFooter()});
            const std::string number = std::to_string(page) + "/" + std::to_string(row.pages);
            if (row.pages > 1)
                expected.push_back({page, 2000 - 8 * static_cast<int>(number.size()), 1000 - 16, number});
        }
        EXPECT_THAT(footers, testing::ElementsAreArray(expected));
    }
}

// A fleshed-out inn on pages of many heights: no page ends in a heading, and
// each details line is on the page of its patron's line.
TEST(PrintedSheet, NoPageEndsInAHeadingNorPartsAPatronFromTheirDetails)
{
    const TextLines text = sheetTextOf(test::fleshedOutInn());
    const auto isHeading = [](std::string_view line) {
        return line.starts_with("Table No. ") || line == "Bar Scene" || line == "Today's Menu" ||
               line == "Main Courses" || line == "Puddings" || line == "Drinks";
    };
    for (int pageHeight = 400; pageHeight <= 1600; pageHeight += 37) {
        SCOPED_TRACE(pageHeight);
        RecordingCanvas canvas(100000, pageHeight);
        printInnSheet(canvas, text, kDate);
        ASSERT_GT(canvas.pages, 3);
        for (std::size_t at = 0; at + 1 < canvas.drawn.size(); ++at) {
            const DrawnText& drawn = canvas.drawn[at];
            const DrawnText& next = canvas.drawn[at + 1];
            if (!isFooter(drawn) && isFooter(next)) {
                EXPECT_FALSE(isHeading(drawn.text)) << drawn;
            }
            if (next.text.starts_with("    ")) {
                EXPECT_EQ(next.page, drawn.page) << next;
            }
        }
    }
}

}  // namespace
}  // namespace brewick
