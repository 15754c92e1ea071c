// A real print: the sheet goes through Qt and CUPS to the capture queue of the
// private scheduler that private-cups.sh runs this test under, and is read
// back from the PDF that reached the queue's backend.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>

#include "PdfDocument.h"
#include "SampleInns.h"
#include "output/print/FooterDate.h"
#include "output/print/SheetPrinter.h"
#include "support/ModalHandler.h"
#include "support/TempDir.h"
#include "ui/BrewickWindows.h"
#include "ui/controls/ObjectNames.h"

namespace brewick {

void PrintTo(const PrintProblem& problem, std::ostream* out)
{
    *out << '"' << problem.message << '"' << (problem.anotherPrinter ? ", another printer" : "");
}

namespace {

namespace names = objectNames;

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::output;
using test::sheetTextOf;
using test::singleQuoted;
using test::smallInn;

constexpr const char* kQueue = "Capture";
constexpr const char* kMarkerQueue = "Marker";

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

    void TearDown() override { removeQueues(); }

    // The queues the test added, and the documents they received, gone.
    void removeQueues()
    {
        while (!queues_.empty())
            removeQueue(queues_.back());
        for (const fs::path& document : capturedDocuments())
            fs::remove(document);
    }

    // Adds a capture queue, raw or with the PPD, and makes it the default;
    // or leaves the default as it is.
    void addQueue(const std::string& name, const std::string& ppd = "", bool asDefault = true)
    {
        cups(asDefault ? "add-queue" : "add-printer",
             singleQuoted(name) + (ppd.empty() ? "" : " " + singleQuoted(ppd)));
        queues_.push_back(name);
    }

    void removeQueue(const std::string& name)
    {
        cups("remove-queue", singleQuoted(name));
        std::erase(queues_, name);
    }

    void rejectJobs(const std::string& name) const { cups("reject-jobs", singleQuoted(name)); }

    // Removing a queue cancels the jobs it still holds: the jobs sent so
    // far, `printed` of them, arrive first.
    void removeQueueOncePrinted(const std::string& name, std::size_t printed)
    {
        ASSERT_EQ(waitForDocuments(printed).size(), printed);
        removeQueue(name);
    }

    static std::string queueOf(const fs::path& document)
    {
        const std::string name = document.filename().string();
        return name.substr(0, name.rfind('-'));
    }

    // The documents the capture queues have received, QUEUE-JOB, in the
    // order of their jobs.
    std::vector<fs::path> capturedDocuments() const
    {
        std::vector<fs::path> documents;
        for (const auto& entry : fs::directory_iterator(cupsDir_ / "captured"))
            if (entry.path().filename().string().front() != '.')
                documents.push_back(entry.path());
        const auto job = [](const fs::path& document) {
            const std::string name = document.filename().string();
            return std::stoi(name.substr(name.rfind('-') + 1));
        };
        std::ranges::sort(documents, {}, job);
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

    // Prints the sheet text and waits for the PDF that arrives.
    void printAndWait(const TextLines& sheetText)
    {
        DefaultPrinter printer;
        dateBefore_ = localFooterDate();
        const std::optional<PrintProblem> error = printer.print(sheetText);
        dateAfter_ = localFooterDate();
        EXPECT_EQ(error, std::nullopt);
        const std::vector<fs::path> documents = waitForDocuments(1);
        ASSERT_EQ(documents.size(), 1u);
        document_ = documents.front();
    }

    // Sends a marker job to a queue of its own and waits for it: the jobs
    // sent before it have arrived by then, and they must be those for
    // `queues`, in order.
    void expectJobsBeforeAMarker(const std::vector<std::string>& queues)
    {
        addQueue(kMarkerQueue, "", false);
        InnSheet marker = smallInn();
        marker.innName = "The Marker";
        ASSERT_EQ(
            printSheet(*printerFor(QPrinterInfo::printerInfo(QString::fromLatin1(kMarkerQueue))), sheetTextOf(marker)),
            std::nullopt);
        std::vector<fs::path> documents = waitForDocuments(queues.size() + 1);
        ASSERT_EQ(documents.size(), queues.size() + 1);
        EXPECT_EQ(queueOf(documents.back()), kMarkerQueue);
        EXPECT_THAT(test::PdfDocument(documents.back()).text(), testing::HasSubstr("The Marker"));
        documents.pop_back();
        std::vector<std::string> printedOn;
        std::ranges::transform(documents, std::back_inserter(printedOn), queueOf);
        EXPECT_EQ(printedOn, queues);
    }

    void expectSheetInOrder(const TextLines& sheetText) const
    {
        test::PdfDocument(document_).expectSheetInOrder(sheetText, {dateBefore_, dateAfter_});
    }

    fs::path cupsDir_;
    fs::path document_;
    std::string dateBefore_;
    std::string dateAfter_;

private:
    void cups(const std::string& command, const std::string& arguments) const
    {
        output(std::string(BREWICK_PRIVATE_CUPS) + " " + command + " " + singleQuoted(cupsDir_.string()) + " " +
               arguments + " >&2");
    }

    std::vector<std::string> queues_;
};

TEST_F(CupsPrint, SheetArrivesTitleFirstEveryLineInOrderFooterLast)
{
    addQueue(kQueue);
    const TextLines sheetText = sheetTextOf(smallInn());
    printAndWait(sheetText);
    EXPECT_EQ(test::PdfDocument(document_).pageCount(), 1);
    expectSheetInOrder(sheetText);
}

// The layout of the PDF files reaches the printer: lines broken between
// words, a numbered footer on every page, no heading at the foot of a page.
TEST_F(CupsPrint, LongInnSpansPagesEachWithItsNumberedFooter)
{
    addQueue(kQueue);
    const TextLines sheetText = sheetTextOf(test::fleshedOutInn());
    printAndWait(sheetText);
    expectSheetInOrder(sheetText);
    const test::PdfDocument document(document_);
    EXPECT_GE(document.pageCount(), 3);
    std::string text;
    appendCrLfText(sheetText, text);
    document.expectEveryWordWhole(text.substr(text.find("\r\n")));
}

TEST_F(CupsPrint, PrinterKeepsItsOwnPaperAndTheSheetStartsAtItsPrintableCorner)
{
    // Qt's own paper would be A4 and the raw queue's printable area the
    // whole sheet.
    addQueue("Letter", BREWICK_LETTER_PPD);
    printAndWait(sheetTextOf(smallInn()));
    EXPECT_THAT(test::PdfDocument(document_).info(), testing::HasSubstr("612 x 792 pts (letter)"));
    const auto [x, y] = test::PdfDocument(document_).firstWordCorner();
    EXPECT_NEAR(x, 36, 0.5);
    EXPECT_NEAR(y, 36, 0.5);
}

// Each print asks for the default printer of the moment: what kept the sheet
// from it is told, and the print dialog may offer another printer.
TEST_F(CupsPrint, EachPrintGoesToTheDefaultPrinterOfTheMoment)
{
    struct Row {
        const char* change;
        std::function<void()> before, between;  // the first print; the two prints
        std::optional<PrintProblem> first, second;
        std::vector<std::string> printedOn;
    };
    const auto capture = [&] { addQueue(kQueue); };
    const auto captureAndOther = [&] { capture(), addQueue("Other", "", false); };
    const std::string refused = "Destination \"Capture\" is not accepting jobs.";
    const Row rows[] = {
        {"a new default", capture, [&] { addQueue("Other"); }, {}, {}, {kQueue, "Other"}},
        {"a first default", [] {}, capture, PrintProblem{"", true}, {}, {kQueue}},
        {"the default removed",
         captureAndOther,
         [&] { removeQueueOncePrinted(kQueue, 1); },
         {},
         PrintProblem{"The printer Capture is no longer set up", true},
         {kQueue}},
        {"the default refusing jobs",
         capture,
         [&] { rejectJobs(kQueue); },
         {},
         PrintProblem{"The printer Capture did not take the print job: " + refused, true},
         {kQueue}},
    };
    const TextLines sheetText = sheetTextOf(smallInn());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.change);
        removeQueues();
        DefaultPrinter printer;
        row.before();
        EXPECT_EQ(printer.print(sheetText), row.first);
        row.between();
        EXPECT_EQ(printer.print(sheetText), row.second);
        expectJobsBeforeAMarker(row.printedOn);
    }
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
    DefaultPrinter printer;
    const std::optional<PrintProblem> error = printer.print(sheetTextOf(smallInn()));
    if (oldTmpDir)
        ::setenv("TMPDIR", oldTmpDir->c_str(), 1);
    else
        ::unsetenv("TMPDIR");

    EXPECT_EQ(error, (PrintProblem{"Printer selected is not valid", false}));
    expectJobsBeforeAMarker({});
}

// File > Print in the main window, as the user chooses it.
class WindowPrint : public CupsPrint {
protected:
    test::TempDir dir;
    BrewickWindows windows{1, dir.path() / "BarScenes.txt", [](const QUrl&) {}};

    void SetUp() override
    {
        CupsPrint::SetUp();
        windows.main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows.main));
    }

    void choose(const char* action) { windows.main.findChild<QAction*>(QString::fromLatin1(action))->trigger(); }
    void choosePrint() { choose(names::printAction); }

    // The print dialog, answered with the printer `queue` and the page
    // `page` alone, or all pages for 0.
    static test::ModalHandler::Answer printInDialogOn(const std::string& queue, int page)
    {
        return test::answerWindow<QPrintDialog>([queue, page](QPrintDialog* dialog) {
            auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
            ASSERT_NE(printers, nullptr) << "no print dialog";
            printers->setCurrentIndex(printers->findText(QString::fromStdString(queue)));
            dialog->findChild<QRadioButton*>(page > 0 ? QStringLiteral("printRange") : QStringLiteral("printAll"))
                ->setChecked(true);
            for (const QString& bound : {QStringLiteral("from"), QStringLiteral("to")})
                dialog->findChild<QSpinBox*>(bound)->setValue(page);
            dialog->accept();
        });
    }
};

// Typing included: in a field, and in a room cell whose editor is still open
// when File > Print is chosen.
TEST_F(WindowPrint, PrintsTheInnAsTheWindowShowsIt)
{
    addQueue(kQueue);
    auto* innName = windows.main.findChild<QLineEdit*>(QString::fromLatin1(names::innNameEdit));
    innName->selectAll();
    QTest::keyClicks(innName, "The Typed Name");
    auto* grid = windows.main.findChild<QTableWidget*>(QString::fromLatin1(names::roomGrid));
    grid->setFocus();
    QTest::keyClick(grid, '7');  // opens the cell's editor, which takes the next key
    auto* cellEditor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_TRUE(cellEditor != nullptr && grid->isAncestorOf(cellEditor));
    QTest::keyClick(cellEditor, '7');

    dateBefore_ = localFooterDate();
    choosePrint();
    dateAfter_ = localFooterDate();
    TextLines sheetText;
    buildInnSheetText(windows.main.shownInn(), sheetText);
    ASSERT_EQ(sheetText[2].substr(0, 15), "The Typed Name ");
    ASSERT_EQ(sheetText[5].substr(0, 15), "It has 77 beds ");
    const std::vector<fs::path> documents = waitForDocuments(1);
    ASSERT_EQ(documents.size(), 1u);
    document_ = documents.front();
    expectSheetInOrder(sheetText);
}

// Two printers, no default: File > Print asks which in the print dialog, and the pages (the
// second alone here); so does the Print of File > Print Preview (all pages here).
TEST_F(WindowPrint, WithoutADefaultPrinterThePrintDialogAsksForOne)
{
    addQueue("First", "", false);
    addQueue("Second", "", false);
    const auto printFromPreview = test::answerWindow<QPrintPreviewDialog>([](QPrintPreviewDialog* preview) {
        for (QAction* action : preview->findChildren<QAction*>())
            if (action->text() == QStringLiteral("Print"))
                QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
    });
    test::ModalHandler handler({printInDialogOn("Second", 2), printFromPreview, printInDialogOn("Second", 0)});
    choosePrint();
    choose(names::printPreviewAction);
    EXPECT_TRUE(handler.allAnswered());
    const std::vector<fs::path> documents = waitForDocuments(2);  // the print's, then the preview's
    ASSERT_EQ(documents.size(), 2u);
    for (const fs::path& document : documents)
        EXPECT_TRUE(document.filename().string().starts_with("Second-")) << document;
    EXPECT_EQ(test::PdfDocument(documents[0]).text(), test::PdfDocument(documents[1]).text(2));
}

// The printer of the last print removed with the default: the user is told,
// and the print dialog offers another printer.
TEST_F(WindowPrint, ARemovedDefaultPrinterIsToldAndThePrintDialogOffersAnother)
{
    addQueue(kQueue);
    addQueue("Other", "", false);
    choosePrint();
    removeQueueOncePrinted(kQueue, 1);
    std::string shown;
    test::ModalHandler handler({test::readTheErrorBox(shown), printInDialogOn("Other", 0)});
    choosePrint();
    EXPECT_TRUE(handler.allAnswered());
    EXPECT_EQ(shown, "The printer Capture is no longer set up.");
    const std::vector<fs::path> documents = waitForDocuments(2);
    ASSERT_EQ(documents.size(), 2u);
    EXPECT_EQ(queueOf(documents[0]), kQueue);
    EXPECT_EQ(queueOf(documents[1]), "Other");
}

// With no printer at all, the message offers File > Export with the PDF
// file type chosen.
TEST_F(WindowPrint, NoPrinterAtAllOffersToExportAPdfAndPrintsNothing)
{
    std::string shown;
    QString offeredType;
    test::ModalHandler handler({test::answerWindow<QMessageBox>([&](QMessageBox* box) {
                                    shown = box->text().toStdString();
                                    EXPECT_EQ(box->windowTitle(), "Brewick");
                                    ASSERT_NE(box->button(QMessageBox::Ok), nullptr);
                                    const QList<QAbstractButton*> buttons = box->buttons();
                                    const auto exportPdf = std::ranges::find(buttons, QStringLiteral("Export as PDF…"),
                                                                             &QAbstractButton::text);
                                    ASSERT_NE(exportPdf, buttons.end());
                                    (*exportPdf)->click();
                                }),
                                test::typeIntoFileDialog(dir.path() / "sheet", -1, [&](QFileDialog* dialog) {
                                    offeredType = dialog->selectedNameFilter();
                                })});
    const InnSheet before = windows.main.generator().sheet();
    choosePrint();
    EXPECT_TRUE(handler.allAnswered());
    EXPECT_EQ(shown, "No printer is set up. File > Export… writes the printed sheet to a PDF file instead.");
    EXPECT_EQ(windows.main.generator().sheet(), before);
    EXPECT_EQ(offeredType, "PDF (*.pdf)");
    EXPECT_THAT(test::PdfDocument(dir.path() / "sheet.pdf").text(), testing::HasSubstr(before.innName));
    // With no queue, no job could have been taken.
}

}  // namespace
}  // namespace brewick
