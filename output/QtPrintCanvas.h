// The print canvas on a real printer: a QPainter on a QPrinter, one print job
// from construction to destruction.
#pragma once

#include <QPainter>

#include "output/PrintCanvas.h"

class QPrinter;

namespace brewick {

class QtPrintCanvas final : public PrintCanvas {
public:
    // Starts the job and its first page; IsOpen() tells whether the printer
    // could be opened.
    explicit QtPrintCanvas(QPrinter& printer);
    // Ends the last page and hands the job to the printer.
    ~QtPrintCanvas() override;
    QtPrintCanvas(const QtPrintCanvas&) = delete;
    QtPrintCanvas& operator=(const QtPrintCanvas&) = delete;

    bool IsOpen() const { return painter_.isActive(); }

    void SetFont(std::string_view family, double points) override;
    void SetWhiteBrush() override;
    int PageWidth() const override;
    int PageHeight() const override;
    int TextWidth(std::string_view text) const override;
    int TextHeight(std::string_view text) const override;
    int CharacterHeight() const override;
    int AverageCharacterWidth() const override;
    void DrawText(int x, int y, std::string_view text) override;
    void NewPage() override;

private:
    QPrinter& printer_;
    QPainter painter_;
};

}  // namespace brewick
