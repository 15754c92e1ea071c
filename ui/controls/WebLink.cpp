#include "ui/controls/WebLink.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/controls/AccessibleControls.h"
#include "ui/controls/FocusMarkStyle.h"

namespace brewick {

WebLink::WebLink(const QString& address, QWidget* parent) : QLabel(address, parent)
{
    describeOwnControls();
    setAccessibleName(address);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void WebLink::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit followed();
}

void WebLink::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit followed();
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}

void WebLink::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusLine(rect(), palette(), &painter);
    }
}

}  // namespace brewick
