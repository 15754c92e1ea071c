#include "output/print/TextBreaks.h"

#include <QTextBoundaryFinder>

#include "output/print/QtText.h"

namespace brewick {

namespace {
std::vector<qsizetype> boundaries(QTextBoundaryFinder::BoundaryType type, const QString& text)
{
    std::vector<qsizetype> ends;
    QTextBoundaryFinder finder(type, text);
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary())
        ends.push_back(end);
    return ends;
}
}  // namespace

QString printableText(std::string_view line)
{
    const QString text = toQString(line);
    QString printable;
    printable.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\t' || c == u'\n')
            printable += c;
        else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            printable += u'\n';
        else if (c.category() != QChar::Other_Control)
            printable += c;
    }
    return printable;
}

std::vector<qsizetype> lineBreaks(const QString& text)
{
    // A reader of the PDF (pdftotext, a viewer's copy) takes a hyphen at the
    // end of a row for one of hyphenation, and drops it.
    const auto joinsAWord = [&](qsizetype at) {
        const QChar joiner = text[at - 1];
        return at >= 2 && (joiner == u'-' || joiner == u'\u2010' || joiner == u'/') && !text[at - 2].isSpace();
    };
    std::vector<qsizetype> breaks = boundaries(QTextBoundaryFinder::Line, text);
    std::erase_if(breaks, [&](qsizetype at) { return at < text.size() && joinsAWord(at); });
    return breaks;
}

std::vector<qsizetype> characterEnds(const QString& text) { return boundaries(QTextBoundaryFinder::Grapheme, text); }

}  // namespace brewick
