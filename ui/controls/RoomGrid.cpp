#include "ui/controls/RoomGrid.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

#include "ui/controls/OneLineDelegate.h"

namespace brewick {

namespace {
constexpr int kColumnWidth = 100;
constexpr int kRowHeight = 24;

bool isHeading(int column, int row) { return column == 0 || row == 0; }
}  // namespace

RoomGrid::RoomGrid(QWidget* parent) : QTableWidget(RoomTable::kRows, RoomTable::kColumns, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // The last column and row take up what the fixed sizes leave of the box.
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setStretchLastSection(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The focus marks the current cell; a highlight would linger once the
    // focus has gone elsewhere.
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(false);
    setItemDelegate(new OneLineDelegate(this));
    // The hidden header views still give a screen reader a cell's headings:
    // they hold the texts of the heading row and column.
    for (int column = 0; column < RoomTable::kColumns; ++column) {
        setColumnWidth(column, kColumnWidth);
        setHorizontalHeaderItem(column, new QTableWidgetItem);
    }
    for (int row = 0; row < RoomTable::kRows; ++row) {
        setRowHeight(row, kRowHeight);
        setVerticalHeaderItem(row, new QTableWidgetItem);
    }

    const QBrush headingBrush = palette().button();
    for (int row = 0; row < RoomTable::kRows; ++row) {
        for (int column = 0; column < RoomTable::kColumns; ++column) {
            auto* cell = new QTableWidgetItem;
            if (isHeading(column, row)) {
                cell->setFlags(Qt::ItemIsEnabled);
                cell->setBackground(headingBrush);
            }
            setItem(row, column, cell);
        }
    }
    setCurrentCell(1, 1);
    connect(this, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* cell) { emit cellEdited(cell->column(), cell->row(), cell->text()); });
}

void RoomGrid::showRooms(const RoomTable& rooms)
{
    const QSignalBlocker quiet(this);
    for (int row = 0; row < RoomTable::kRows; ++row) {
        for (int column = 0; column < RoomTable::kColumns; ++column) {
            const auto [text, whole] = oneLineText(rooms.cell(column, row));
            QTableWidgetItem* cell = item(row, column);
            if (!isHeading(column, row))
                cell->setFlags(whole ? cell->flags() | Qt::ItemIsEditable : cell->flags() & ~Qt::ItemIsEditable);
            if (cell->text() == text)
                continue;
            cell->setText(text);
            if (row == 0)
                horizontalHeaderItem(column)->setText(text);
            if (column == 0)
                verticalHeaderItem(row)->setText(text);
        }
    }
}

// An Enter that ends an edit reaches the grid too, once the editor has taken it.
void RoomGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (state() != EditingState)
            edit(currentIndex());
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

QModelIndex RoomGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    return model()->index(std::max(next.row(), 1), std::max(next.column(), 1));
}

// Tab and Backtab in the editor leave the grid, as they do from the grid.
void RoomGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    const bool backward = hint == QAbstractItemDelegate::EditPreviousItem;
    QTableWidget::closeEditor(editor, forward || backward ? QAbstractItemDelegate::NoHint : hint);
    if (forward || backward)
        focusNextPrevChild(forward);
}

}  // namespace brewick
