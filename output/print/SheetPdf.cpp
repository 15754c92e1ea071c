#include "output/print/SheetPdf.h"

#include <algorithm>
#include <array>
#include <utility>

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

namespace {
// The bytes of a PDF titled `title` whose pages `print` draws on the canvas.
template <typename Print>
std::optional<std::string> pdfOf(std::string_view title, const QPageSize& paper, Print print)
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
        print(canvas);
    }
    return bytes.toStdString();
}
}  // namespace

std::optional<std::string> sheetPdf(const TextLines& sheetText, std::string_view title, const QPageSize& paper,
                                    std::string_view footerDate)
{
    return pdfOf(title, paper, [&](PrintCanvas& canvas) { printInnSheet(canvas, sheetText, footerDate); });
}

std::string handoutTitle(std::span<const InnSheet> inns)
{
    if (inns.empty())
        return std::string(kProductName);
    if (inns.size() == 1)
        return inns.front().innName;
    std::string title;
    joinInto(title,
             {inns.front().innName, " and ", Decimal(inns.size() - 1), inns.size() == 2 ? " more inn" : " more inns"});
    return title;
}

std::optional<std::string> handoutPdf(std::span<const InnSheet> inns, Printout printout, const QPageSize& paper,
                                      std::string_view footerDate)
{
    return pdfOf(handoutTitle(inns), paper, [&](PrintCanvas& canvas) {
        TextLines text;
        bool firstPage = true;
        const auto startPrintout = [&] {
            if (!std::exchange(firstPage, false))
                canvas.newPage();
        };
        for (const InnSheet& inn : inns) {
            if (printout != Printout::PlayersCard) {
                startPrintout();
                buildInnSheetText(inn, text);
                printInnSheet(canvas, text, footerDate);
            }
            if (printout != Printout::Sheet) {
                startPrintout();
                buildPlayersCardText(inn, text);
                printInnSheet(canvas, text, footerDate, kCardMenuLine);
            }
        }
    });
}

}  // namespace brewick
