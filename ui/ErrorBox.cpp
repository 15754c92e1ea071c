#include "ui/ErrorBox.h"

#include <QMessageBox>

namespace brewick {

std::string WithFullStop(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + '.';
    return message;
}

void ShowError(QWidget* parent, const std::string& message)
{
    QMessageBox::critical(parent, QStringLiteral("Brewick"), QString::fromStdString(WithFullStop(message)));
}

}  // namespace brewick
