// File > Print: the inn sheet text on the system's default printer, portrait,
// without a dialog, every other setting left at the printer's own; and the
// inn sheet text on any printer, as the print dialogs send it there.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/TextLines.h"

class QPrinter;
class QPrinterInfo;

namespace brewick {

// Where File > Print sends the inn sheet text without asking.
class SheetPrinter {
public:
    virtual ~SheetPrinter() = default;

    // Whether there is a printer to print on without asking.
    virtual bool hasPrinter() = 0;
    // Prints the inn sheet text; gives the message for the user on failure.
    virtual std::optional<std::string> print(const TextLines& sheetText) = 0;
};

// A printer on the installed printer `info`, at the printer's resolution and
// on its own paper.
std::unique_ptr<QPrinter> printerFor(const QPrinterInfo& info);

// Prints the inn sheet text (its banner line replaced by the title) on the
// printer as it is set up: its orientation, copies and pages; gives the
// message for the user when the printer cannot be opened.
std::optional<std::string> printSheet(QPrinter& printer, const TextLines& sheetText);

class DefaultPrinter final : public SheetPrinter {
public:
    DefaultPrinter();
    ~DefaultPrinter() override;
    DefaultPrinter(const DefaultPrinter&) = delete;
    DefaultPrinter& operator=(const DefaultPrinter&) = delete;

    // The system's default printer, which is chosen on the first print of the
    // run and kept; none when there was none then.
    bool hasPrinter() override { return chosenPrinter() != nullptr; }
    // Prints the inn sheet text on the default printer, portrait.
    std::optional<std::string> print(const TextLines& sheetText) override;

private:
    // The default printer of the first call, or null when there was none.
    QPrinter* chosenPrinter();

    bool chosen_ = false;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace brewick
