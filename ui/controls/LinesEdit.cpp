#include "ui/controls/LinesEdit.h"

#include <QContextMenuEvent>
#include <QMenu>

#include <memory>

#include "ui/controls/HangingIndentLayout.h"

namespace brewick {

LinesEdit::LinesEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    auto* lines = new QTextDocument(this);
    lines->setDocumentLayout(new HangingIndentLayout(lines));
    setDocument(lines);
}

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
