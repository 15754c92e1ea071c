// Printing with Qt's dialogs: File > Print where there is no default printer,
// and File > Print Preview. Both work on one printer of the user's choosing,
// kept for the run: at first the default printer, else the first one
// installed, else a PDF file on the paper the system locale's country uses.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/TextLines.h"

class QPrinter;
class QWidget;

namespace brewick {

class InnPrintDialogs {
public:
    InnPrintDialogs();
    ~InnPrintDialogs();
    InnPrintDialogs(const InnPrintDialogs&) = delete;
    InnPrintDialogs& operator=(const InnPrintDialogs&) = delete;

    // Asks for the printer, the copies and the pages, and prints the inn
    // sheet text there; with no printer installed, says how to get the sheet
    // without one and runs `exportPdf` when the user asks for that at once.
    // Gives the message for the user on failure.
    std::optional<std::string> print(QWidget* parent, const TextLines& sheetText,
                                     const std::function<void()>& exportPdf);

    // Shows the sheet as it will print, with the printer, the copies and the
    // pages to choose, and prints it from there when asked to.
    std::optional<std::string> preview(QWidget* parent, const TextLines& sheetText);

private:
    QPrinter& printer();

    std::unique_ptr<QPrinter> printer_;
};

}  // namespace brewick
