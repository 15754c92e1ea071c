// File > Print: the inn sheet text on the system's default printer, portrait,
// without a dialog, every other setting left at the printer's own.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/TextLines.h"

class QPrinter;

namespace brewick {

class SheetPrinter {
public:
    SheetPrinter();
    ~SheetPrinter();
    SheetPrinter(const SheetPrinter&) = delete;
    SheetPrinter& operator=(const SheetPrinter&) = delete;

    // Prints the inn sheet text (its banner line replaced by the title) on the
    // system's default printer, which is chosen on the first print of the run
    // and kept. Gives the message for the user on failure.
    std::optional<std::string> print(const TextLines& sheetText);

private:
    // The default printer of the first call, or null when there was none.
    QPrinter* chosenPrinter();

    bool chosen_ = false;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace brewick
