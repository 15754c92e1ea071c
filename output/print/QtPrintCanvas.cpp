#include "output/print/QtPrintCanvas.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPagedPaintDevice>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>

#include "output/print/QtText.h"

namespace brewick {

namespace {
// Outline fonts, which a printer and a PDF take: Noto Sans for the letters
// of most alphabets, Symbola for symbols and emoji (fonts-noto-core and
// fonts-symbola). Scripts neither has come from the fonts Noto has for them.
const QStringList kFallbackFamilies = {QStringLiteral("Noto Sans"), QStringLiteral("Symbola")};
constexpr char16_t kReplacementMark = u'\uFFFD';
}  // namespace

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
    if (family != family_) {
        family_ = family;
        // A family of the list is taken as it is named, not as the system
        // names it: "Arial" is Liberation Sans on Linux.
        families_ = QStringList{QFontInfo(QFont(toQString(family))).family()} + kFallbackFamilies;
        prints_.clear();
    }
    QFont font;
    font.setFamilies(families_);
    // Points, not pixels: the painter scales them to the printer's
    // resolution, so the sizes hold on paper.
    font.setPointSizeF(points);
    painter_.setFont(font);
}

int QtPrintCanvas::pageWidth() const { return device_.width(); }

int QtPrintCanvas::pageHeight() const { return device_.height(); }

int QtPrintCanvas::textWidth(std::string_view text) const
{
    return painter_.fontMetrics().horizontalAdvance(printable(text));
}

int QtPrintCanvas::textHeight(std::string_view) const { return painter_.fontMetrics().height(); }

int QtPrintCanvas::characterHeight() const { return painter_.fontInfo().pixelSize(); }

int QtPrintCanvas::averageCharacterWidth() const { return painter_.fontMetrics().averageCharWidth(); }

void QtPrintCanvas::drawText(int x, int y, std::string_view text)
{
    if (isWanted(page_))
        painter_.drawText(x, y + painter_.fontMetrics().ascent(), printable(text));
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

QString QtPrintCanvas::printable(std::string_view text) const
{
    const QString string = toQString(text);
    // The sheet's font has every ASCII character.
    if (std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return string;
    QString shown;
    shown.reserve(string.size());
    for (qsizetype at = 0; at < string.size();) {
        char32_t character = string[at].unicode();
        qsizetype length = 1;
        if (string[at].isHighSurrogate() && at + 1 < string.size() && string[at + 1].isLowSurrogate()) {
            character = QChar::surrogateToUcs4(string[at], string[at + 1]);
            length = 2;
        }
        if (prints(character))
            shown.append(string.constData() + at, length);
        else
            shown.append(QChar(kReplacementMark));
        at += length;
    }
    return shown;
}

bool QtPrintCanvas::prints(char32_t character) const
{
    switch (QChar::category(character)) {
    // No glyph of their own: Qt lays them out as blanks or not at all.
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
    case QChar::Other_Format:
        return true;
    default:
        break;
    }
    // Variation selectors choose among a character's forms and show nothing.
    if ((character >= 0xFE00 && character <= 0xFE0F) || (character >= 0xE0100 && character <= 0xE01EF))
        return true;
    const auto known = prints_.find(character);
    if (known != prints_.end())
        return known->second;
    const bool prints = painter_.fontMetrics().inFontUcs4(character) && !drawnInColour(character);
    prints_.emplace(character, prints);
    return prints;
}

// Colour fonts draw their glyphs as pictures in tables of their own.
bool QtPrintCanvas::drawnInColour(char32_t character) const
{
    QTextLayout layout(QString::fromUcs4(&character, 1), painter_.font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        for (const char* table : {"CBDT", "sbix", "COLR", "SVG "})
            if (!font.fontTable(table).isEmpty())
                return true;
    }
    return false;
}

}  // namespace brewick
