#include "output/print/SheetPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

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

DefaultPrinter::DefaultPrinter() = default;

DefaultPrinter::~DefaultPrinter() = default;

std::optional<std::string> DefaultPrinter::print(const TextLines& sheetText)
{
    QPrinter* printer = chosenPrinter();
    if (!printer)
        return "There is no default printer currently selected";
    if (!isSetUp(*printer) || !printer->setPageOrientation(QPageLayout::Portrait))
        return "Operation not supported on selected printer";
    return printSheet(*printer, sheetText);
}

QPrinter* DefaultPrinter::chosenPrinter()
{
    if (!chosen_) {
        chosen_ = true;
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (!info.isNull())
            printer_ = printerFor(info);
    }
    return printer_.get();
}

}  // namespace brewick
