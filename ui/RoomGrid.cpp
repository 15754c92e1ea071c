#include "ui/RoomGrid.h"

#include <QHeaderView>

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
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The inner cells open their editor as soon as they become current.
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setTabKeyNavigation(false);
    for (int column = 0; column < RoomTable::kColumns; ++column)
        setColumnWidth(column, kColumnWidth);
    for (int row = 0; row < RoomTable::kRows; ++row)
        setRowHeight(row, kRowHeight);

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
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* cell) {
        emit cellEdited(cell->column(), cell->row(), cell->text());
    });
}

void RoomGrid::showRooms(const RoomTable& rooms)
{
    const QSignalBlocker quiet(this);
    for (int row = 0; row < RoomTable::kRows; ++row) {
        for (int column = 0; column < RoomTable::kColumns; ++column) {
            const QString text = QString::fromStdString(rooms.cell(column, row));
            if (item(row, column)->text() != text)
                item(row, column)->setText(text);
        }
    }
}

}  // namespace brewick
