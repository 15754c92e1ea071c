#include "ui/NamedComboBox.h"

#include "ui/AccessibleControls.h"

namespace brewick {

NamedComboBox::NamedComboBox(const QString& accessibleName, QWidget* parent) : QComboBox(parent)
{
    describeOwnControls();
    setAccessibleName(accessibleName);
}

}  // namespace brewick
