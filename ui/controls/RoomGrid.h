// The room table on screen: a grid with a fixed heading row and column whose
// six inner cells are edited in place, as in a spreadsheet: the arrow keys
// move among them; typing, F2, Enter or a double-click start an edit, typing
// in place of what the cell holds; Enter ends it and Escape gives it up. Tab
// leaves the grid.
#pragma once

#include <QTableWidget>

#include "core/InnSheet.h"

namespace brewick {

class RoomGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit RoomGrid(QWidget* parent);

    // Shows the table's cells; the view refreshes an open editor whose cell
    // changes, and leaves one whose cell stays as it is. Emits nothing.
    void showRooms(const RoomTable& rooms);

signals:
    void cellEdited(int column, int row, const QString& text);

protected:
    // Return and the keypad's Enter start or end a cell's edit and go no
    // further: in the grid they never press "Generate".
    void keyPressEvent(QKeyEvent* event) override;
    // The keys never move onto a heading.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
};

}  // namespace brewick
