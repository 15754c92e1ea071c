#include "ui/controls/CaptionOnFrameStyle.h"

#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

namespace brewick {

namespace {
constexpr int kCaptionLeft = 8;     // where the caption starts on the frame line
constexpr int kCaptionPadding = 2;  // the gap in the line on either side of it
constexpr int kFrameWidth = 2;

const QStyleOptionGroupBox* plainGroupBox(QStyle::ComplexControl control, const QStyleOptionComplex* option)
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != QStyle::CC_GroupBox || box == nullptr || (box->subControls & QStyle::SC_GroupBoxCheckBox))
        return nullptr;
    return box;
}
}  // namespace

QRect CaptionOnFrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                          const QWidget* widget) const
{
    const QStyleOptionGroupBox* box = plainGroupBox(control, option);
    if (box == nullptr)
        return QProxyStyle::subControlRect(control, option, part, widget);
    const QFontMetrics metrics = box->fontMetrics;
    const int captionHeight = metrics.height();
    const QRect frame = box->rect.adjusted(0, captionHeight / 2, 0, 0);
    switch (part) {
    case SC_GroupBoxFrame:
        return frame;
    case SC_GroupBoxLabel:
        if (box->text.isEmpty())
            return {};
        return {box->rect.left() + kCaptionLeft, box->rect.top(),
                metrics.horizontalAdvance(box->text) + 2 * kCaptionPadding, captionHeight};
    case SC_GroupBoxContents:
        // Below the caption, as the items of a radio group are placed.
        return box->rect.adjusted(kFrameWidth, captionHeight, -kFrameWidth, -kFrameWidth);
    default:
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
}

void CaptionOnFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                             QPainter* painter, const QWidget* widget) const
{
    const QStyleOptionGroupBox* box = plainGroupBox(control, option);
    if (box == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
    const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
    painter->save();
    // An etched line, broken where the caption stands on it. (Styles draw
    // their own group box frames below where they put the caption.)
    painter->setClipRegion(QRegion(box->rect).subtracted(caption));
    qDrawShadeRect(painter, frame, box->palette, true, 1);
    painter->restore();
    proxy()->drawItemText(painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, box->palette,
                          box->state & State_Enabled, box->text, QPalette::WindowText);
}

}  // namespace brewick
