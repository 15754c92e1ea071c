// The room table on screen: a grid with a fixed heading row and column whose
// six inner cells are edited in place.
#pragma once

#include <QTableWidget>

#include "core/InnSheet.h"

namespace brewick {

class RoomGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit RoomGrid(QWidget* parent);

    // Shows the table's cells; emits nothing.
    void showRooms(const RoomTable& rooms);

signals:
    void cellEdited(int column, int row, const QString& text);
};

}  // namespace brewick
