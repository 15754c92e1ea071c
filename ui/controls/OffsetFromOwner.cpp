#include "ui/controls/OffsetFromOwner.h"

#include <QEvent>
#include <QWidget>

namespace brewick {

namespace {
// Where the window's inside stands on the screen. Where its frame stands is
// known only once a window manager has framed it, and a window that has not
// been shown yet is placed by its inside.
QPoint insidePosition(const QWidget* window) { return window->geometry().topLeft(); }
}  // namespace

OffsetFromOwner::OffsetFromOwner(QWidget* dialog, const QWidget* owner, QPoint position)
    : QObject(dialog),
      dialog_(dialog),
      owner_(owner),
      offset_(position - insidePosition(owner))
{
    place();
}

// By the inside: a window placed by its frame before it is first shown is
// placed by the frame of whatever window was framed before, if any.
void OffsetFromOwner::place() { dialog_->setGeometry({insidePosition(owner_) + offset_, dialog_->size()}); }

// A window is told it is shown before the window system maps it, and hidden
// while it still stands where it was left.
bool OffsetFromOwner::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Show)
        place();
    else if (event->type() == QEvent::Hide)
        offset_ = insidePosition(dialog_) - insidePosition(owner_);
    return false;
}

}  // namespace brewick
