// The printed sheet as a PDF file, read back with poppler's tools: the pages
// File > Print makes, on the paper of the system locale's country.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QPdfWriter>

#include "PdfDocument.h"
#include "SampleInns.h"
#include "files/SafeFileWriter.h"
#include "output/print/FooterDate.h"
#include "output/print/PrintedSheet.h"
#include "output/print/QtPrintCanvas.h"
#include "output/print/SheetPdf.h"
#include "support/TempDir.h"

namespace brewick {
namespace {

using test::PdfDocument;

// Writes the sheet as a PDF on the paper; gives the document.
PdfDocument writePdf(const test::TempDir& dir, const InnSheet& sheet, const QPageSize& paper)
{
    const std::filesystem::path path = dir.path() / "inn.pdf";
    const std::optional<std::string> bytes = sheetPdf(test::sheetTextOf(sheet), paper, "12/6/26  9:05");
    EXPECT_TRUE(bytes.has_value());
    EXPECT_EQ(writeFileSafely(path, bytes.value_or("")), std::nullopt);
    return PdfDocument(path);
}

TEST(SheetPdf, TitleFirstEveryLineInOrderAndOneFooterOnTheLastPage)
{
    struct Row {
        const char* name;
        InnSheet sheet;
        int pages;
    };
    const Row rows[] = {{"small", test::smallInn(), 1}, {"thirty full tables", test::longInn(), 3}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::TempDir dir;
        const PdfDocument pdf = writePdf(dir, row.sheet, QPageSize(QPageSize::A4));
        EXPECT_GE(pdf.pageCount(), row.pages);
        pdf.expectSheetInOrder(test::sheetTextOf(row.sheet), {"12/6/26  9:05"});
        pdf.expectOneFooterOnTheLastPage();
    }
}

// The pages a print dialog asks for, and those alone, in their order.
TEST(SheetPdf, OnlyThePagesAskedForArePrinted)
{
    const test::TempDir dir;
    const TextLines sheetText = test::sheetTextOf(test::longInn());
    const auto print = [&](const QPageRanges& pages, const char* name) {
        const std::filesystem::path path = dir.path() / name;
        {
            QPdfWriter writer(QString::fromStdString(path.string()));
            writer.setPageRanges(pages);
            QtPrintCanvas canvas(writer);
            printInnSheet(canvas, sheetText, "12/6/26  9:05");
        }
        return PdfDocument(path);
    };
    const PdfDocument all = print({}, "all.pdf");
    const int last = all.pageCount();
    ASSERT_GE(last, 3);
    const auto pages = [](std::initializer_list<std::pair<int, int>> ranges) {
        QPageRanges pages;
        for (const auto& [from, to] : ranges)
            pages.addRange(from, to);
        return pages;
    };
    struct Row {
        const char* name;
        QPageRanges asked;
        std::vector<int> printed;
    };
    const Row rows[] = {
        {"the first", pages({{1, 1}}), {1}},
        {"the second", pages({{2, 2}}), {2}},
        {"the first two", pages({{1, 2}}), {1, 2}},
        {"the first and the last", pages({{1, 1}, {last, last}}), {1, last}},
        {"the last and one past it", pages({{last, last + 1}}), {last}},
    };
    for (const Row& row : rows) {
        const PdfDocument pdf = print(row.asked, "some.pdf");
        ASSERT_EQ(pdf.pageCount(), int(row.printed.size())) << row.name;
        for (std::size_t page = 0; page < row.printed.size(); ++page)
            EXPECT_EQ(pdf.text(int(page) + 1), all.text(row.printed[page])) << row.name << ", page " << page + 1;
    }
}

TEST(SheetPdf, PaperFollowsTheCountryAndTheSheetStartsInsideItsBorder)
{
    struct Row {
        QLocale::Territory territory;
        QPageSize::PageSizeId paper;
        const char* pdfinfo;
    };
    const Row rows[] = {
        {QLocale::UnitedStates, QPageSize::Letter, "612 x 792 pts (letter)"},
        {QLocale::Canada, QPageSize::Letter, "612 x 792 pts (letter)"},
        {QLocale::Mexico, QPageSize::Letter, "612 x 792 pts (letter)"},
        {QLocale::Germany, QPageSize::A4, "(A4)"},
        {QLocale::UnitedKingdom, QPageSize::A4, "(A4)"},
        {QLocale::Japan, QPageSize::A4, "(A4)"},
        {QLocale::AnyTerritory, QPageSize::A4, "(A4)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QLocale::territoryToString(row.territory).toStdString());
        EXPECT_EQ(paperFor(row.territory).id(), row.paper);
        const test::TempDir dir;
        const PdfDocument pdf = writePdf(dir, test::smallInn(), paperFor(row.territory));
        EXPECT_THAT(pdf.info(), testing::HasSubstr(row.pdfinfo));
        const auto [x, y] = pdf.firstWordCorner();
        EXPECT_NEAR(x, 36, 1);
        EXPECT_NEAR(y, 36, 1);
    }
}

}  // namespace
}  // namespace brewick
