// The application's style with one change: a group box's caption sits on its
// frame line, as the fixed layouts expect, rather than above the frame. The
// layouts put a box's first control 16 pixels below its top, which is inside
// the frame only when the frame starts halfway down the caption.
#pragma once

#include <QProxyStyle>

namespace brewick {

class CaptionOnFrameStyle : public QProxyStyle {
    Q_OBJECT

public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};

}  // namespace brewick
