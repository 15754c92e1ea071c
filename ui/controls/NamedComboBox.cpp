#include "ui/controls/NamedComboBox.h"

#include "ui/controls/AccessibleControls.h"

namespace brewick {

NamedComboBox::NamedComboBox(const QString& accessibleName, QWidget* parent) : QComboBox(parent)
{
    describeOwnControls();
    setAccessibleName(accessibleName);
}

}  // namespace brewick
