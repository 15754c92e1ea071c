// The print canvas on a real printer: a QPainter on a QPrinter, one print job
// from construction to destruction.
#pragma once

#include <QPainter>

#include "output/PrintCanvas.h"

class QPrinter;

namespace brewick {

class QtPrintCanvas final : public PrintCanvas {
public:
    // Starts the job and its first page; isOpen() tells whether the printer
    // could be opened.
    explicit QtPrintCanvas(QPrinter& printer);
    // Ends the last page and hands the job to the printer.
    ~QtPrintCanvas() override;
    QtPrintCanvas(const QtPrintCanvas&) = delete;
    QtPrintCanvas& operator=(const QtPrintCanvas&) = delete;

    bool isOpen() const { return painter_.isActive(); }

    void setFont(std::string_view family, double points) override;
    void setWhiteBrush() override;
    int pageWidth() const override;
    int pageHeight() const override;
    int textWidth(std::string_view text) const override;
    int textHeight(std::string_view text) const override;
    int characterHeight() const override;
    int averageCharacterWidth() const override;
    void drawText(int x, int y, std::string_view text) override;
    void newPage() override;

private:
    QPrinter& printer_;
    QPainter painter_;
};

}  // namespace brewick
