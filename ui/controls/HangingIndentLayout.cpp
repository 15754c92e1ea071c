#include "ui/controls/HangingIndentLayout.h"

#include <QTextBlock>
#include <QTextLayout>
#include <QtMath>

namespace brewick {

QRectF HangingIndentLayout::blockBoundingRect(const QTextBlock& block) const
{
    if (block.isValid()) {
        ensureBlockLayout(block);
        const_cast<HangingIndentLayout*>(this)->hang(block);
    }
    return QPlainTextDocumentLayout::blockBoundingRect(block);
}

// The first row keeps the width the plain layout gave it; the others start
// where the text after the spaces does.
void HangingIndentLayout::hang(const QTextBlock& block)
{
    QTextLayout* rows = block.layout();
    // The plain layout puts every row at the edge.
    if (rows->lineCount() < 2 || rows->lineAt(1).x() > rows->lineAt(0).x())
        return;
    const QString text = block.text();
    qsizetype spaces = 0;
    while (spaces < text.size() && text[spaces] == u' ')
        ++spaces;
    if (spaces == 0 || spaces == text.size())
        return;
    const QTextLine first = rows->lineAt(0);
    const qreal left = first.x();
    const qreal width = first.width();
    const qreal indent = first.cursorToX(static_cast<int>(spaces)) - left;
    // Rows hung further would hold a word or two: such a line wraps at the edge.
    if (indent > width / 2)
        return;
    rows->beginLayout();
    qreal top = 0;
    for (QTextLine row = rows->createLine(); row.isValid(); row = rows->createLine()) {
        const qreal hung = row.lineNumber() == 0 ? 0 : indent;
        row.setLeadingIncluded(true);
        row.setLineWidth(width - hung);
        row.setPosition(QPointF(left + hung, top));
        top += row.height() + (row.leading() < 0 ? qCeil(row.leading()) : 0);
    }
    rows->endLayout();
    if (block.lineCount() != rows->lineCount()) {
        QTextBlock counted = block;
        counted.setLineCount(rows->lineCount());
        emit documentSizeChanged(documentSize());
    }
}

}  // namespace brewick
