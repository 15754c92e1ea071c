#include "output/print/SheetPdf.h"

#include <algorithm>
#include <array>

#include <QBuffer>
#include <QPdfWriter>

#include "output/formats/InnSheetText.h"
#include "output/print/PrintedSheet.h"
#include "output/print/QtPrintCanvas.h"
#include "output/print/QtText.h"

namespace brewick {

namespace {
constexpr std::array kLetterTerritories = {
    QLocale::UnitedStates,
    QLocale::Canada,
    QLocale::Mexico,
    QLocale::Chile,
    QLocale::Colombia,
    QLocale::CostaRica,
    QLocale::DominicanRepublic,
    QLocale::ElSalvador,
    QLocale::Guatemala,
    QLocale::Nicaragua,
    QLocale::Panama,
    QLocale::Philippines,
    QLocale::PuertoRico,
    QLocale::Venezuela,
};

// A printer's unprintable border is about this wide; a PDF has none, and text
// on the very edge of the paper is cut by the printers it goes on to.
constexpr qreal kBorderPoints = 36;
}  // namespace

QPageSize paperFor(QLocale::Territory territory)
{
    const bool letter = std::ranges::find(kLetterTerritories, territory) != kLetterTerritories.end();
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

std::optional<std::string> sheetPdf(const TextLines& sheetText, std::string_view title, const QPageSize& paper,
                                    std::string_view footerDate)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(toQString(kProductName));
        writer.setTitle(toQString(title));
        writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait,
                                         QMarginsF(kBorderPoints, kBorderPoints, kBorderPoints, kBorderPoints),
                                         QPageLayout::Point));
        QtPrintCanvas canvas(writer);
        if (!canvas.isOpen())
            return std::nullopt;
        printInnSheet(canvas, sheetText, footerDate);
    }
    return bytes.toStdString();
}

}  // namespace brewick
