// The box of the shown table's lines: a plain text box whose context menu
// offers the window's table commands below the usual editing ones. Asked for
// with the mouse, the menu first puts the cursor on the line clicked, so
// that the commands act on the line the user pointed at.
#pragma once

#include <QList>
#include <QPlainTextEdit>

#include <cstddef>

namespace brewick {

class TableLinesEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TableLinesEdit(QWidget* parent) : QPlainTextEdit(parent) {}

    void setTableActions(QList<QAction*> actions) { tableActions_ = std::move(actions); }
    // The line the cursor is on, from 0: a line of the text, however wrapped.
    std::size_t cursorLine() const { return static_cast<std::size_t>(textCursor().blockNumber()); }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QList<QAction*> tableActions_;
};

}  // namespace brewick
