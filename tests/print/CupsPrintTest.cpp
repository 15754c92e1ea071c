// A real print: the sheet goes through Qt and CUPS to the capture queue of the
// private scheduler that private-cups.sh runs this test under, and is read
// back from the PDF that reached the queue's backend.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "core/RandomSource.h"
#include "generators/Tables.h"
#include "output/FooterDate.h"
#include "output/SheetPrinter.h"
#include "SampleInns.h"
#include "support/ModalHandler.h"
#include "support/TempDir.h"
#include "ui/BrewickWindows.h"

namespace brewick {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::sheetTextOf;
using test::smallInn;

constexpr const char* kQueue = "Capture";

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// What the shell command writes on its standard output; a failing command
// fails the test.
std::string output(const std::string& command)
{
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return output;
    }
    char buffer[4096];
    std::size_t length;
    while ((length = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, length);
    EXPECT_EQ(::pclose(pipe), 0) << command;
    return output;
}

// The text without white space, so that neither pdftotext's spacing nor the
// cut of a line wider than the page gets in the way of comparing it.
std::string squeeze(std::string_view text)
{
    std::string squeezed;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            squeezed += c;
    return squeezed;
}

InnSheet longInn()
{
    InnSheet sheet = smallInn();
    const PatronLists lists;
    LcgRandom random(20240607);
    sheet.tableText.clear();
    sheet.tableCount = 30;
    sheet.drawnTables.resize(30);
    for (int table = 1; table <= sheet.tableCount; ++table)
        addTableBlock(sheet.tableText, sheet.drawnTables[table - 1], table, 7, lists, random);
    return sheet;
}

class CupsPrint : public testing::Test {
protected:
    void SetUp() override
    {
        const char* dir = std::getenv("BREWICK_CUPS_DIR");
        ASSERT_NE(dir, nullptr) << "run this test under tests/print/private-cups.sh run";
        cupsDir_ = dir;
        for (const fs::path& document : capturedDocuments())
            fs::remove(document);
    }

    void TearDown() override
    {
        for (const std::string& queue : queues_)
            cups("remove-queue", Quoted(queue));
    }

    // Adds a capture queue, raw or with the PPD, and makes it the default.
    void addQueue(const std::string& name, const std::string& ppd = "")
    {
        cups("add-queue", Quoted(name) + (ppd.empty() ? "" : " " + Quoted(ppd)));
        queues_.push_back(name);
    }

    // The documents the capture queues have received, in name order.
    std::vector<fs::path> capturedDocuments() const
    {
        std::vector<fs::path> documents;
        for (const auto& entry : fs::directory_iterator(cupsDir_ / "captured"))
            if (entry.path().filename().string().front() != '.')
                documents.push_back(entry.path());
        std::sort(documents.begin(), documents.end());
        return documents;
    }

    // Jobs run after the print has been handed over, so wait for them.
    std::vector<fs::path> waitForDocuments(std::size_t count) const
    {
        const auto deadline = std::chrono::steady_clock::now() + 60s;
        std::vector<fs::path> documents = capturedDocuments();
        while (documents.size() < count && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(100ms);
            documents = capturedDocuments();
        }
        return documents;
    }

    // Prints the sheet text and gives the text of the PDF that arrives.
    std::string printAndRead(const TextLines& sheetText)
    {
        SheetPrinter printer;
        dateBefore_ = localFooterDate();
        const std::optional<std::string> error = printer.print(sheetText);
        dateAfter_ = localFooterDate();
        EXPECT_EQ(error, std::nullopt);
        const std::vector<fs::path> documents = waitForDocuments(1);
        EXPECT_EQ(documents.size(), 1u);
        if (documents.empty())
            return {};
        document_ = documents.front();
        return pdfText();
    }

    // The text of the document, of one page of it when `page` is not 0.
    std::string pdfText(int page = 0) const
    {
        const std::string pages = page == 0 ? "" : "-f " + std::to_string(page) + " -l " + std::to_string(page) + " ";
        return output("pdftotext -q -enc UTF-8 " + pages + Quoted(document_.string()) + " -");
    }

    std::string pdfInfo() const { return output("pdfinfo " + Quoted(document_.string())); }

    int pageCount() const
    {
        const std::string info = pdfInfo();
        const std::size_t pages = info.find("Pages:");
        return pages == std::string::npos ? 0 : std::atoi(info.c_str() + pages + 6);
    }

    // Where the first word of the document starts, in points from the top-left
    // corner of the paper.
    std::pair<double, double> firstWordCorner() const
    {
        const std::string words = output("pdftotext -q -bbox -f 1 -l 1 " + Quoted(document_.string()) + " -");
        const std::size_t x = words.find("xMin=\"");
        const std::size_t y = words.find("yMin=\"");
        if (x == std::string::npos || y == std::string::npos)
            return {-1, -1};
        return {std::atof(words.c_str() + x + 6), std::atof(words.c_str() + y + 6)};
    }

    // "Brewick" first, then every line of the sheet text after the banner in
    // order, then the footer and nothing else.
    void expectSheetInOrder(const std::string& pdfText, const TextLines& sheetText) const
    {
        const std::string text = squeeze(pdfText);
        ASSERT_TRUE(text.starts_with(kProductName)) << pdfText;
        std::size_t at = kProductName.size();
        for (std::size_t line = 1; line < sheetText.size(); ++line) {
            const std::string squeezed = squeeze(sheetText[line]);
            const std::size_t found = text.find(squeezed, at);
            ASSERT_NE(found, std::string::npos) << "line " << line << " \"" << sheetText[line] << "\" in\n" << pdfText;
            at = found + squeezed.size();
        }
        EXPECT_THAT(text.substr(at), testing::AnyOf(squeeze(footer(dateBefore_)), squeeze(footer(dateAfter_))))
            << pdfText;
    }

    static std::string footer(const std::string& date) { return std::string(bannerLine()) + " " + date; }

    fs::path cupsDir_;
    fs::path document_;
    std::string dateBefore_;
    std::string dateAfter_;

private:
    void cups(const std::string& command, const std::string& arguments) const
    {
        output(std::string(BREWICK_PRIVATE_CUPS) + " " + command + " " + Quoted(cupsDir_.string()) + " "
               + arguments + " >&2");
    }

    std::vector<std::string> queues_;
};

TEST_F(CupsPrint, SheetArrivesTitleFirstEveryLineInOrderFooterLast)
{
    addQueue(kQueue);
    const TextLines sheetText = sheetTextOf(smallInn());
    const std::string text = printAndRead(sheetText);
    EXPECT_EQ(pageCount(), 1);
    expectSheetInOrder(text, sheetText);
}

TEST_F(CupsPrint, LongInnSpansPagesWithOneFooterOnTheLastPage)
{
    addQueue(kQueue);
    const TextLines sheetText = sheetTextOf(longInn());
    const std::string text = printAndRead(sheetText);
    expectSheetInOrder(text, sheetText);

    const int pages = pageCount();
    ASSERT_GE(pages, 3);
    const std::string banner = squeeze(bannerLine());
    for (int page = 1; page < pages; ++page)
        EXPECT_EQ(squeeze(pdfText(page)).find(banner), std::string::npos) << "page " << page;
    const std::string last = squeeze(pdfText(pages));
    const std::size_t footer = last.find(banner);
    EXPECT_NE(footer, std::string::npos);
    EXPECT_EQ(last.find(banner, footer + 1), std::string::npos);
}

TEST_F(CupsPrint, PrinterKeepsItsOwnPaperAndTheSheetStartsAtItsPrintableCorner)
{
    // Qt's own paper would be A4 and the raw queue's printable area the
    // whole sheet.
    addQueue("Letter", BREWICK_LETTER_PPD);
    printAndRead(sheetTextOf(smallInn()));
    EXPECT_THAT(pdfInfo(), testing::HasSubstr("612 x 792 pts (letter)"));
    const auto [x, y] = firstWordCorner();
    EXPECT_NEAR(x, 36, 0.5);
    EXPECT_NEAR(y, 36, 0.5);
}

TEST_F(CupsPrint, PrinterChosenOnTheFirstPrintIsKeptForTheRun)
{
    addQueue(kQueue);
    SheetPrinter printer;
    const TextLines sheetText = sheetTextOf(smallInn());
    EXPECT_EQ(printer.print(sheetText), std::nullopt);
    addQueue("Other");
    EXPECT_EQ(printer.print(sheetText), std::nullopt);

    const std::vector<fs::path> documents = waitForDocuments(2);
    ASSERT_EQ(documents.size(), 2u);
    for (const fs::path& document : documents)
        EXPECT_TRUE(document.filename().string().starts_with(std::string(kQueue) + "-")) << document;
}

TEST_F(CupsPrint, NoDefaultPrinterPrintsNothingForTheWholeRun)
{
    SheetPrinter printer;
    const TextLines sheetText = sheetTextOf(smallInn());
    EXPECT_EQ(printer.print(sheetText), "There is no default printer currently selected");
    // The printers are looked up once a run: a queue added later is not seen.
    addQueue(kQueue);
    EXPECT_EQ(printer.print(sheetText), "There is no default printer currently selected");
    std::this_thread::sleep_for(1s);
    EXPECT_THAT(capturedDocuments(), testing::IsEmpty());
}

TEST_F(CupsPrint, PrinterThatCannotBeOpenedPrintsNothing)
{
    addQueue(kQueue);
    // The print job is spooled to a temporary file first; with TMPDIR a plain
    // file, none can be made.
    test::TempDir dir;
    const fs::path notAFolder = dir.path() / "file";
    std::fclose(std::fopen(notAFolder.c_str(), "w"));
    const char* tmpDir = std::getenv("TMPDIR");
    const std::optional<std::string> oldTmpDir = tmpDir ? std::optional<std::string>(tmpDir) : std::nullopt;
    ::setenv("TMPDIR", notAFolder.c_str(), 1);
    SheetPrinter printer;
    const std::optional<std::string> error = printer.print(sheetTextOf(smallInn()));
    if (oldTmpDir)
        ::setenv("TMPDIR", oldTmpDir->c_str(), 1);
    else
        ::unsetenv("TMPDIR");

    EXPECT_EQ(error, "Printer selected is not valid");
    std::this_thread::sleep_for(1s);
    EXPECT_THAT(capturedDocuments(), testing::IsEmpty());
}

// File > Print in the main window, as the user chooses it.
class WindowPrint : public CupsPrint {
protected:
    test::TempDir dir;
    BrewickWindows windows{dir.path() / "BarScenes.txt", [](const QUrl&) {}};

    void SetUp() override
    {
        CupsPrint::SetUp();
        windows.main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows.main));
    }

    void choosePrint() { windows.main.findChild<QAction*>(QStringLiteral("Print2"))->trigger(); }
};

TEST_F(WindowPrint, PrintsTheInnAsTheWindowShowsIt)
{
    addQueue(kQueue);
    auto* innName = windows.main.findChild<QLineEdit*>(QStringLiteral("edInnName"));
    innName->selectAll();
    QTest::keyClicks(innName, "The Typed Name");
    TextLines sheetText;
    buildInnSheetText(windows.main.generator().sheet(), sheetText);
    ASSERT_EQ(sheetText[2].substr(0, 15), "The Typed Name ");

    dateBefore_ = localFooterDate();
    choosePrint();
    dateAfter_ = localFooterDate();
    const std::vector<fs::path> documents = waitForDocuments(1);
    ASSERT_EQ(documents.size(), 1u);
    document_ = documents.front();
    expectSheetInOrder(pdfText(), sheetText);
}

TEST_F(WindowPrint, NoDefaultPrinterShowsTheErrorBoxAndPrintsNothing)
{
    std::string shown;
    test::ModalHandler handler({[&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        shown = box->text().toStdString();
        EXPECT_EQ(box->windowTitle(), "Brewick");
        box->accept();
    }});
    const InnSheet before = windows.main.generator().sheet();
    choosePrint();
    EXPECT_EQ(shown, "There is no default printer currently selected.");
    EXPECT_EQ(windows.main.generator().sheet(), before);
    std::this_thread::sleep_for(1s);
    EXPECT_THAT(capturedDocuments(), testing::IsEmpty());
}

}  // namespace
}  // namespace brewick

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
