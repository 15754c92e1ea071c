// A style that marks the control with the keyboard focus where the style
// below it leaves only a caret or nothing: a multi-line box, a list and the
// room grid's cell editor get the frame of a focused one-line field, the
// current cell of a grid or line of a list and a focused push button a line
// inside their outline (which on the default button looks the same with or
// without the focus). The colours are the palette's,
// so dark themes keep the mark.
#pragma once

#include <QProxyStyle>

namespace brewick {

class FocusMarkStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Takes over `base`.
    explicit FocusMarkStyle(QStyle* base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

// The mark of the focus where no style draws one: a line in the palette's
// highlight colour just inside `rect`.
void drawFocusLine(const QRect& rect, const QPalette& palette, QPainter* painter);

}  // namespace brewick
