#include "output/print/QtPrintCanvas.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPagedPaintDevice>

#include "output/print/QtText.h"

namespace brewick {

QtPrintCanvas::QtPrintCanvas(QPagedPaintDevice& device) : device_(device), wantedPages_(device.pageRanges())
{
    painter_.begin(&device_);
    devicePageUsed_ = isWanted(page_);
}

QtPrintCanvas::~QtPrintCanvas()
{
    if (painter_.isActive())
        painter_.end();
}

void QtPrintCanvas::setFont(std::string_view family, double points)
{
    QFont font(toQString(family));
    // Points, not pixels: the painter scales them to the printer's
    // resolution, so the sizes hold on paper.
    font.setPointSizeF(points);
    painter_.setFont(font);
}

void QtPrintCanvas::setWhiteBrush()
{
    painter_.setBackground(Qt::white);
    painter_.setBackgroundMode(Qt::OpaqueMode);
}

int QtPrintCanvas::pageWidth() const { return device_.width(); }

int QtPrintCanvas::pageHeight() const { return device_.height(); }

int QtPrintCanvas::textWidth(std::string_view text) const
{
    return painter_.fontMetrics().horizontalAdvance(toQString(text));
}

int QtPrintCanvas::textHeight(std::string_view) const { return painter_.fontMetrics().height(); }

int QtPrintCanvas::characterHeight() const { return painter_.fontInfo().pixelSize(); }

int QtPrintCanvas::averageCharacterWidth() const { return painter_.fontMetrics().averageCharWidth(); }

void QtPrintCanvas::drawText(int x, int y, std::string_view text)
{
    if (isWanted(page_))
        painter_.drawText(x, y + painter_.fontMetrics().ascent(), toQString(text));
}

// A page left out takes no page of the device: the next wanted one goes on
// the page the device has open, unless a wanted one is there already.
void QtPrintCanvas::newPage()
{
    ++page_;
    if (!isWanted(page_))
        return;
    if (devicePageUsed_)
        device_.newPage();
    devicePageUsed_ = true;
}

bool QtPrintCanvas::isWanted(int page) const { return wantedPages_.isEmpty() || wantedPages_.contains(page); }

}  // namespace brewick
