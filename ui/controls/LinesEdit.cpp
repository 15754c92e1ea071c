#include "ui/controls/LinesEdit.h"

#include <QContextMenuEvent>
#include <QMenu>

#include <memory>

namespace brewick {

void LinesEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // A selection stays, for the editing commands to act on.
    if (event->reason() == QContextMenuEvent::Mouse && !textCursor().hasSelection())
        setTextCursor(cursorForPosition(event->pos()));
    emit lineMenuAsked();
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    menu->addSeparator();
    menu->addActions(lineActions_);
    menu->exec(event->globalPos());
}

}  // namespace brewick
