#include "ui/controls/WholePixelFrameStyle.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QStyleOption>

#include <cmath>

namespace brewick {

namespace {
// The painter's scale from layout pixels to device pixels is not whole.
bool scalesByAFraction(const QPainter* painter)
{
    const qreal scale = painter->deviceTransform().m11();
    return scale != std::floor(scale);
}
}  // namespace

WholePixelFrameStyle::WholePixelFrameStyle(QStyle* base) : QProxyStyle(base) {}

void WholePixelFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                         const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_Frame || qobject_cast<const QAbstractScrollArea*>(widget) == nullptr ||
        !scalesByAFraction(painter))
        return;
    // The colour the application's own style, Fusion, draws the frame in.
    const QColor line = option->palette.color(QPalette::Window).darker(140).lighter(108);
    const QRect frame = option->rect;
    painter->fillRect(QRect(frame.right(), frame.top(), 1, frame.height()), line);
    painter->fillRect(QRect(frame.left(), frame.bottom(), frame.width(), 1), line);
}

}  // namespace brewick
