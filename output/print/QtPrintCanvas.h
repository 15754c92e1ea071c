// The print canvas on a paged paint device: a QPainter on a QPrinter for a real
// printer, or on a QPdfWriter for a PDF file; one job from construction to
// destruction. Of the sheet's pages, the device gets those its page ranges
// hold (all of them when it names none), as the user chose them in the print
// dialog. A character the font lacks prints from the fallback fonts, Noto
// Sans and then Symbola, or else from any font of the system's that has it;
// one that no font has, or only a colour emoji font has (whose pictures
// neither a PDF nor a printer shows), prints as the replacement mark U+FFFD.
#pragma once

#include <QPageRanges>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <string>
#include <unordered_map>

#include "output/print/PrintCanvas.h"

class QPagedPaintDevice;

namespace brewick {

class QtPrintCanvas final : public PrintCanvas {
public:
    // Starts the job and its first page; isOpen() tells whether the device
    // could be opened.
    explicit QtPrintCanvas(QPagedPaintDevice& device);
    // Ends the last page and hands the job to the printer, or the file to
    // its writer.
    ~QtPrintCanvas() override;
    QtPrintCanvas(const QtPrintCanvas&) = delete;
    QtPrintCanvas& operator=(const QtPrintCanvas&) = delete;

    bool isOpen() const { return painter_.isActive(); }

    void setFont(std::string_view family, double points) override;
    int pageWidth() const override;
    int pageHeight() const override;
    int textWidth(std::string_view text) const override;
    int textHeight(std::string_view text) const override;
    int characterHeight() const override;
    int averageCharacterWidth() const override;
    void drawText(int x, int y, std::string_view text) override;
    void newPage() override;

private:
    bool isWanted(int page) const;
    // The text with the replacement mark for each character that would not print.
    QString printable(std::string_view text) const;
    bool prints(char32_t character) const;
    bool drawnInColour(char32_t character) const;

    QPagedPaintDevice& device_;
    QPainter painter_;
    const QPageRanges wantedPages_;
    int page_ = 1;                                       // the sheet's page being written
    bool devicePageUsed_ = false;                        // whether a wanted page is on the device's current page
    std::string family_;                                 // as the sheet names it
    QStringList families_;                               // as the system names it, and the fallback fonts
    mutable std::unordered_map<char32_t, bool> prints_;  // in these families
};

}  // namespace brewick
