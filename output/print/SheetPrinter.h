// File > Print: the inn sheet text on the system's default printer of the
// moment, portrait, without a dialog, every other setting left at the
// printer's own; and the inn sheet text on any printer, as the print dialogs
// send it there.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include <QString>

#include "core/TextLines.h"

class QPrinter;
class QPrinterInfo;

namespace brewick {

// What kept the sheet from a printer.
struct PrintProblem {
    std::string message;          // for the user; empty when there was just no default printer
    bool anotherPrinter = false;  // another printer, chosen in the print dialog, may take the sheet

    bool operator==(const PrintProblem&) const = default;
};

// Where File > Print sends the inn sheet text without asking.
class SheetPrinter {
public:
    virtual ~SheetPrinter() = default;

    // Prints the inn sheet text; gives what kept it from the printer.
    virtual std::optional<PrintProblem> print(const TextLines& sheetText) = 0;
};

// A printer on the installed printer `info`, at the printer's resolution and
// on its own paper.
std::unique_ptr<QPrinter> printerFor(const QPrinterInfo& info);

// Prints the inn sheet text (its banner line replaced by the title) on the
// printer as it is set up: its orientation, copies and pages; gives the
// message for the user when the printer cannot be opened.
std::optional<std::string> printSheet(QPrinter& printer, const TextLines& sheetText);

// Prints the inn sheet text as printSheet does, as a job for the printer,
// and gives what kept the job from it: the printer gone, the job refused,
// or the printer not opened. A PDF file the print dialog chose is no job.
std::optional<PrintProblem> printSheetJob(QPrinter& printer, const TextLines& sheetText);

class DefaultPrinter final : public SheetPrinter {
public:
    // Prints the inn sheet text on the printer the system names default at
    // the time, portrait. Without one, says once that the printer of the last
    // print is gone, where it went with the default.
    std::optional<PrintProblem> print(const TextLines& sheetText) override;

private:
    // The printer of the last print, until it is told gone.
    QString lastPrinter_;
};

}  // namespace brewick
