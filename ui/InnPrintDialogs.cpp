#include "ui/InnPrintDialogs.h"

#include <QLocale>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "output/print/SheetPdf.h"
#include "output/print/SheetPrinter.h"

namespace brewick {

InnPrintDialogs::InnPrintDialogs() = default;

InnPrintDialogs::~InnPrintDialogs() = default;

std::optional<std::string> InnPrintDialogs::print(QWidget* parent, const TextLines& sheetText)
{
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        return "No printer is set up. File > Export… writes the printed sheet to a PDF file instead";
    QPrintDialog dialog(&printer(), parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return printSheet(printer(), sheetText);
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
