#include "ui/controls/BoundedTextBox.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace brewick {

namespace {
bool hasLongWord(QStringView text)
{
    constexpr auto kLongest = static_cast<qsizetype>(kLongestWord);
    qsizetype word = 0;
    for (const QChar c : text) {
        const bool breaks =
            c == u' ' || c == u'\t' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
        if ((word = breaks ? 0 : word + 1) > kLongest)
            return true;
    }
    return false;
}
}  // namespace

bool fitsTextBox(const TextLines& lines)
{
    return lines.size() <= kMostShownLines && lines.textSize() <= kMostShownBytes;
}

std::string cutLines(const TextLines& lines)
{
    std::string shown;
    std::size_t count = 0;
    for (; count < lines.size() && count < kMostShownLines && shown.size() < kMostShownBytes; ++count)
        shown.append(lines[count].substr(0, kMostShownBytes - shown.size())).append("\n");
    return shown +
           "\u2026 this is too large to show whole here, and kept whole: File > Save, Export or "
           "Edit > Copy Inn gives all of its " +
           std::to_string(lines.size()) + " lines";
}

void showEditable(QWidget* control, bool editable)
{
    control->setToolTip(editable ? QString() : QStringLiteral("Too large to edit here; kept whole in the inn"));
}

void showBoundedText(QPlainTextEdit* box, const QString& text, bool editable)
{
    box->setReadOnly(!editable);
    showEditable(box, editable);
    box->setWordWrapMode(!editable || hasLongWord(text) ? QTextOption::WrapAnywhere
                                                        : QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setPlainText(text);
}

// The document tells of an edit before it lays the text out anew.
void breakLongWordsAnywhere(QPlainTextEdit* box)
{
    QObject::connect(box->document(), &QTextDocument::contentsChange, box, [box](int position, int, int added) {
        if (box->wordWrapMode() == QTextOption::WrapAnywhere)
            return;
        const int end = position + added;
        for (QTextBlock block = box->document()->findBlock(position); block.isValid() && block.position() <= end;
             block = block.next())
            if (hasLongWord(block.text())) {
                box->setWordWrapMode(QTextOption::WrapAnywhere);
                return;
            }
    });
}

}  // namespace brewick
