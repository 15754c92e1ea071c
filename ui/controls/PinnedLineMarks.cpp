#include "ui/controls/PinnedLineMarks.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace brewick {

QColor pinnedLineTint(const QPalette& palette)
{
    // Light enough that the text over it keeps its contrast.
    QColor tint = palette.color(QPalette::Highlight);
    tint.setAlpha(72);
    return tint;
}

QString pinnedDescription(const QStringList& lines)
{
    return lines.isEmpty() ? QString() : QStringLiteral("Pinned: ") + lines.join(QStringLiteral("; "));
}

void markPinnedLines(QPlainTextEdit* box, const std::vector<std::size_t>& lines)
{
    QList<QTextEdit::ExtraSelection> marks;
    QStringList pinned;
    for (const std::size_t line : lines) {
        const QTextBlock block = box->document()->findBlockByNumber(static_cast<int>(line));
        if (!block.isValid())
            continue;
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(block);
        mark.cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        mark.format.setBackground(pinnedLineTint(box->palette()));
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks.append(mark);
        pinned.append(block.text());
    }
    box->setExtraSelections(marks);
    box->setAccessibleDescription(pinnedDescription(pinned));
}

}  // namespace brewick
