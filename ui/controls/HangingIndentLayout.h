// The layout of a box of lines that wraps a line beginning with spaces under
// its text rather than at the box's edge, so that an indented line, such as
// a patron's details, reads as one block however many rows it takes. Only
// the rows move: the text keeps its spaces.
#pragma once

#include <QPlainTextDocumentLayout>

namespace brewick {

class HangingIndentLayout : public QPlainTextDocumentLayout {
    Q_OBJECT

public:
    explicit HangingIndentLayout(QTextDocument* document) : QPlainTextDocumentLayout(document) {}

    // The plain text layout lays a line out anew whenever it is shown or
    // edited and asks for its rectangle before it is drawn, measured or hit:
    // the rows hang from here.
    QRectF blockBoundingRect(const QTextBlock& block) const override;

private:
    void hang(const QTextBlock& block);
};

}  // namespace brewick
