#include "output/print/SheetPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <utility>

#include "output/print/CupsAnswer.h"
#include "output/print/FooterDate.h"
#include "output/print/PrintedSheet.h"
#include "output/print/QtPrintCanvas.h"

namespace brewick {

namespace {
// Qt falls back to a PDF file, or to no printer at all, when the printer it
// was given cannot be set up; either would lose the job without a word.
bool isSetUp(const QPrinter& printer)
{
    return printer.isValid() && printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty();
}
}  // namespace

std::unique_ptr<QPrinter> printerFor(const QPrinterInfo& info)
{
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // Qt starts from its own paper size; the printer's own comes first.
    const QPageSize paper = info.defaultPageSize();
    if (paper.isValid())
        printer->setPageSize(paper);
    return printer;
}

std::optional<std::string> printSheet(QPrinter& printer, const TextLines& sheetText)
{
    QtPrintCanvas canvas(printer);
    if (!canvas.isOpen())
        return "Printer selected is not valid";
    printInnSheet(canvas, sheetText, localFooterDate());
    return std::nullopt;
}

std::optional<PrintProblem> printSheetJob(QPrinter& printer, const TextLines& sheetText)
{
    const bool job = printer.outputFormat() == QPrinter::NativeFormat;
    const std::string name = printer.printerName().toStdString();
    if (const auto gone = job ? askCupsForPrinter(name) : std::nullopt)
        return PrintProblem{*gone, true};
    if (const auto error = printSheet(printer, sheetText))
        return PrintProblem{*error, false};
    if (const auto refused = job ? cupsRefusal(name) : std::nullopt)
        return PrintProblem{*refused, true};
    return std::nullopt;
}

std::optional<PrintProblem> DefaultPrinter::print(const TextLines& sheetText)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    const QString last = std::exchange(lastPrinter_, {});
    if (info.isNull()) {
        const bool lastGone = !last.isEmpty() && QPrinterInfo::printerInfo(last).isNull();
        return PrintProblem{lastGone ? printerGoneMessage(last.toStdString()) : std::string(), true};
    }
    const std::unique_ptr<QPrinter> printer = printerFor(info);
    if (!isSetUp(*printer) || !printer->setPageOrientation(QPageLayout::Portrait))
        return PrintProblem{"Operation not supported on selected printer", true};
    std::optional<PrintProblem> problem = printSheetJob(*printer, sheetText);
    if (!problem)
        lastPrinter_ = info.printerName();
    return problem;
}

}  // namespace brewick
