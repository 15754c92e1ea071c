// A drop-down list that a screen reader names by its accessible name, as it
// names the other controls, and not by its current entry.
#pragma once

#include <QComboBox>

namespace brewick {

class NamedComboBox : public QComboBox {
    Q_OBJECT

public:
    NamedComboBox(const QString& accessibleName, QWidget* parent);
};

}  // namespace brewick
