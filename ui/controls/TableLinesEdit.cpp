#include "ui/controls/TableLinesEdit.h"

#include <QContextMenuEvent>
#include <QMenu>

#include <memory>

namespace brewick {

void TableLinesEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // The commands that act on a box's line, such as Pin Line, act on this one's.
    setFocus(Qt::PopupFocusReason);
    // A selection stays, for the editing commands to act on.
    if (event->reason() == QContextMenuEvent::Mouse && !textCursor().hasSelection())
        setTextCursor(cursorForPosition(event->pos()));
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    menu->addSeparator();
    menu->addActions(tableActions_);
    menu->exec(event->globalPos());
}

}  // namespace brewick
