// The application's style with one change: at a fractional scale (1.25,
// 1.5, …) the frame of a scroll area, a multi-line box, a list or a grid,
// keeps its right and bottom lines. The style draws a line one pixel wide in
// the layout's pixels, which then covers part of a device pixel; the scroll
// bar or the viewport inside, rounded to whole device pixels, can paint over
// all of the line. Drawn again over whole layout pixels, the line keeps the
// last device pixel inside the box, which nothing inside reaches.
#pragma once

#include <QProxyStyle>

namespace brewick {

class WholePixelFrameStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Takes over `base`.
    explicit WholePixelFrameStyle(QStyle* base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

}  // namespace brewick
