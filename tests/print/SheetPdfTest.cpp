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

constexpr const char* kDate = "12/6/26  9:05";

// Writes the sheet as a PDF on the paper; gives the document.
PdfDocument writePdf(const test::TempDir& dir, const InnSheet& sheet, const QPageSize& paper)
{
    const std::filesystem::path path = dir.path() / "inn.pdf";
    const std::optional<std::string> bytes = sheetPdf(test::sheetTextOf(sheet), sheet.innName, paper, kDate);
    EXPECT_TRUE(bytes.has_value());
    EXPECT_EQ(writeFileSafely(path, bytes.value_or("")), std::nullopt);
    return PdfDocument(path);
}

TEST(SheetPdf, TitleFirstEveryLineInOrderAndANumberedFooterOnEveryPage)
{
    struct Row {
        const char* name;
        InnSheet sheet;
        int pages;
    };
    const Row rows[] = {{"small", test::smallInn(), 1},
                        {"thirty full tables", test::longInn(), 3},
                        {"thirty full tables fleshed out", test::fleshedOutInn(), 5}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::TempDir dir;
        const PdfDocument pdf = writePdf(dir, row.sheet, QPageSize(QPageSize::A4));
        EXPECT_GE(pdf.pageCount(), row.pages);
        pdf.expectSheetInOrder(test::sheetTextOf(row.sheet), {kDate});
    }
}

// What the notes hold, printed: every word whole, every character from a font
// that has it or as one mark, and no control character.
TEST(SheetPdf, EveryWordWholeAndEveryCharacterPrinted)
{
    struct Row {
        const char* name;
        std::string notes;
        std::string printed = "";  // among the PDF's text, white space left out; the notes' words when empty
        const char* font = "";     // one the PDF embeds
    };
    const std::string longWord(150, 'w');
    const Row rows[] = {
        {"a line too long for the page breaks between words",
         "The harbourmaster swears the fog that rolled in last week carried voices, and that the lighthouse keeper "
         "has not been seen since the bells of the old chapel rang thirteen times at midnight."},
        {"a word longer than a line breaks inside it alone", "before " + longWord + " after",
         "before" + longWord + "after"},
        {"scripts the sheet's font lacks print from the fallback fonts",
         "\xe0\xb8\xa0\xe0\xb8\xb2\xe0\xb8\xa9\xe0\xb8\xb2\xe0\xb9\x84\xe0\xb8\x97\xe0\xb8\xa2 "  // Thai
         "\xe1\x88\xb0\xe1\x88\x8b\xe1\x88\x9d "                                                  // Ethiopic
         "\xd5\x80\xd5\xa1\xd5\xb5\xd5\xa5\xd6\x80\xd5\xa5\xd5\xb6 caf\xc3\xa9",                  // Armenian
         "", "NotoSansThai"},
        {"an emoji prints in outlines", "\xf0\x9f\x8d\xba", "Notes", "Symbola"},
        {"a character no font has prints as one mark", "\xee\x80\x80", "Notes\xef\xbf\xbd"},
        // Newer than Symbola: at most in a colour font, whose pictures print as nothing.
        {"an emoji no outline font has prints as one mark", "\xf0\x9f\xa5\xb2", "Notes\xef\xbf\xbd"},
        {"control characters print as nothing, and a form feed starts no page", "one\x1b[31m\ftwo\x07",
         "Notesone[31mtwo"},
    };
    const test::TempDir dir;
    InnSheet sheet = test::smallInn();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        sheet.notes = row.notes;
        const PdfDocument pdf = writePdf(dir, sheet, QPageSize(QPageSize::A4));
        EXPECT_EQ(pdf.pageCount(), 1);
        if (row.printed.empty()) {
            pdf.expectEveryWordWhole(row.notes);
        } else {
            EXPECT_THAT(test::squeeze(pdf.text()), testing::HasSubstr(row.printed));
        }
        EXPECT_EQ(test::squeeze(pdf.text()).find("\xef\xbf\xbd") != std::string::npos,
                  row.printed.ends_with("\xef\xbf\xbd"));
        EXPECT_THAT(pdf.fonts(), testing::HasSubstr(row.font));
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
