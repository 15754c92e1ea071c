// File > Print: the inn sheet text on the system's default printer, portrait,
// without a dialog, every other setting left at the printer's own.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/TextLines.h"

class QPrinter;

namespace brewick {

// Where File > Print sends the inn sheet text.
class SheetPrinter {
public:
    virtual ~SheetPrinter() = default;

    // Prints the inn sheet text; gives the message for the user on failure.
    virtual std::optional<std::string> print(const TextLines& sheetText) = 0;
};

class DefaultPrinter final : public SheetPrinter {
public:
    DefaultPrinter();
    ~DefaultPrinter() override;
    DefaultPrinter(const DefaultPrinter&) = delete;
    DefaultPrinter& operator=(const DefaultPrinter&) = delete;

    // Prints the inn sheet text (its banner line replaced by the title) on the
    // system's default printer, which is chosen on the first print of the run
    // and kept.
    std::optional<std::string> print(const TextLines& sheetText) override;

private:
    // The default printer of the first call, or null when there was none.
    QPrinter* chosenPrinter();

    bool chosen_ = false;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace brewick
