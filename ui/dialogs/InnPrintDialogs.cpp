#include "ui/dialogs/InnPrintDialogs.h"

#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "output/print/SheetPdf.h"
#include "output/print/SheetPrinter.h"

namespace brewick {

InnPrintDialogs::InnPrintDialogs() = default;

InnPrintDialogs::~InnPrintDialogs() = default;

namespace {
// Says that there is no printer, and offers the PDF export in its place:
// gives whether the user took it.
bool offerPdfExport(QWidget* parent)
{
    QMessageBox box(
        QMessageBox::Information, QStringLiteral("Brewick"),
        QStringLiteral("No printer is set up. File > Export… writes the printed sheet to a PDF file instead."),
        QMessageBox::Ok, parent);
    QPushButton* exportPdf = box.addButton(QStringLiteral("Export as PDF…"), QMessageBox::AcceptRole);
    box.setDefaultButton(exportPdf);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == exportPdf;
}
}  // namespace

std::optional<std::string> InnPrintDialogs::print(QWidget* parent, const TextLines& sheetText,
                                                  const std::function<void()>& exportPdf)
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        if (offerPdfExport(parent))
            exportPdf();
        return std::nullopt;
    }
    QPrintDialog dialog(&printer(), parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const std::optional<PrintProblem> problem = printSheetJob(printer(), sheetText);
    return problem ? std::optional(problem->message) : std::nullopt;
}

std::optional<std::string> InnPrintDialogs::preview(QWidget* parent, const TextLines& sheetText)
{
    QPrintPreviewDialog dialog(&printer(), parent);
    // The dialog draws the sheet for its pages, and again for its Print.
    std::optional<std::string> error;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&](QPrinter* target) { error = printSheet(*target, sheetText); });
    dialog.exec();
    return error;
}

QPrinter& InnPrintDialogs::printer()
{
    if (!printer_) {
        QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull() && !QPrinterInfo::availablePrinters().isEmpty())
            info = QPrinterInfo::availablePrinters().constFirst();
        printer_ = printerFor(info);
        if (info.isNull())
            printer_->setPageSize(paperFor(QLocale::system().territory()));
        printer_->setPageOrientation(QPageLayout::Portrait);
    }
    return *printer_;
}

}  // namespace brewick
