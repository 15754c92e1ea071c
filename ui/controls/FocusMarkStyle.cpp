#include "ui/controls/FocusMarkStyle.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOption>

namespace brewick {

namespace {
// The line edit an item view opens on a cell, drawn without a frame: its
// caret alone is easily missed.
bool isCellEditor(const QWidget* widget)
{
    const QWidget* viewport = widget != nullptr ? widget->parentWidget() : nullptr;
    return viewport != nullptr && qobject_cast<const QAbstractItemView*>(viewport->parentWidget()) != nullptr;
}
}  // namespace

FocusMarkStyle::FocusMarkStyle(QStyle* base) : QProxyStyle(base) {}

void FocusMarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (!(option->state & State_HasFocus))
        return;
    // The frame of a scroll area: a multi-line box or a list.
    if (element == PE_Frame || (element == PE_PanelLineEdit && isCellEditor(widget)))
        QProxyStyle::drawPrimitive(PE_FrameLineEdit, option, painter, widget);
    // The current cell of a grid or the current line of a list.
    if (element == PE_FrameFocusRect && qobject_cast<const QAbstractItemView*>(widget) != nullptr)
        drawFocusLine(option->rect, option->palette, painter);
}

void FocusMarkStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus))
        drawFocusLine(subElementRect(SE_PushButtonFocusRect, option, widget), option->palette, painter);
}

void drawFocusLine(const QRect& rect, const QPalette& palette, QPainter* painter)
{
    painter->save();
    painter->setPen(palette.color(QPalette::Highlight));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

}  // namespace brewick
