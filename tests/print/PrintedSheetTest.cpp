// The printed sheet's layout on a recording canvas: title, font sizes and the
// footer on the last page.
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
            if (!row.text[line].empty())
                expected.emplace_back(row.text[line], line < row.particularLines ? 12 : 10);
        expected.emplace_back(expectedFooter(), 8);
        EXPECT_THAT(printed, testing::ElementsAreArray(expected));
        EXPECT_THAT(canvas.families, testing::Each(std::string(kPrintFontFamily)));
    }
}

TEST(PrintedSheet, FooterOnlyAtTheBottomOfTheLastPageOnWhite)
{
    InnSheet sheet = smallInn();
    for (int line = 0; line < 200; ++line)
        sheet.tableText.add("A patron line");
    RecordingCanvas canvas(2000, 1000);
    printInnSheet(canvas, sheetTextOf(sheet), kDate);

    ASSERT_GT(canvas.pages, 2);
    const DrawnText& footer = canvas.drawn.back();
    EXPECT_EQ(footer, (DrawnText{canvas.pages, 10, 1000 - 16, expectedFooter()}));
    EXPECT_TRUE(footer.whiteBrush);
    for (auto drawn = canvas.drawn.begin(); drawn != canvas.drawn.end() - 1; ++drawn) {
        EXPECT_NE(drawn->text.find(bannerLine()), 0u) << *drawn;
        EXPECT_FALSE(drawn->whiteBrush) << *drawn;
    }
}

// A title alone: "Brewick" in 14 points is a line of 30 pixels, so the
// advance after it starts a new page when the page is less than 90 high.
struct FooterPageRow {
    const char* name;
    int pageHeight;
    int footerPage;
};

const FooterPageRow kFooterPageRows[] = {
    {"footer under the last line", 90, 1},
    {"footer alone when the last advance starts a page", 89, 2},
};

TEST(PrintedSheet, FooterGoesOnThePageTheLastAdvanceLeaves)
{
    for (const FooterPageRow& row : kFooterPageRows) {
        SCOPED_TRACE(row.name);
        RecordingCanvas canvas(2000, row.pageHeight);
        printInnSheet(canvas, TextLines{bannerLine()}, kDate);
        EXPECT_THAT(canvas.drawn,
                    testing::ElementsAre(DrawnText{1, 0, 0, "Brewick"},
                                         DrawnText{row.footerPage, 10, row.pageHeight - 16, expectedFooter()}));
        EXPECT_EQ(canvas.pages, row.footerPage);
    }
}

}  // namespace
}  // namespace brewick
