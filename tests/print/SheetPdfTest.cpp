// The printed sheet as a PDF file, read back with poppler's tools: the pages
// File > Print makes, on the paper of the system locale's country.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "PdfDocument.h"
#include "SampleInns.h"
#include "files/SafeFileWriter.h"
#include "output/print/FooterDate.h"
#include "output/print/SheetPdf.h"
#include "support/TempDir.h"

namespace brewick {
namespace {

using test::PdfDocument;

// Writes the sheet as a PDF on the paper; gives the document.
PdfDocument writePdf(const test::TempDir& dir, const InnSheet& sheet, const QPageSize& paper)
{
    const std::filesystem::path path = dir.path() / "inn.pdf";
    const std::optional<std::string> bytes = sheetPdf(test::sheetTextOf(sheet), sheet.innName, paper, "12/6/26  9:05");
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
