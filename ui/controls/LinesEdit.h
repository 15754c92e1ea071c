// A box of lines, the menu's or the shown table's: a plain text box whose
// context menu offers the window's commands on its lines below the usual
// editing ones. Asked for with the mouse, the menu first puts the cursor on
// the line clicked, so that the commands act on the line the user pointed
// at. A line that begins with spaces wraps under its text.
#pragma once

#include <QList>
#include <QPlainTextEdit>

#include <cstddef>

namespace brewick {

class LinesEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit LinesEdit(QWidget* parent);

    void setLineActions(QList<QAction*> actions) { lineActions_ = std::move(actions); }
    // The line the cursor is on, from 0: a line of the text, however wrapped.
    std::size_t cursorLine() const { return static_cast<std::size_t>(textCursor().blockNumber()); }

signals:
    // The context menu is about to show, its cursor on the line it acts on.
    void lineMenuAsked();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QList<QAction*> lineActions_;
};

}  // namespace brewick
