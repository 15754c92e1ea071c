#include "ui/ErrorBox.h"

#include <QMessageBox>

namespace brewick {

std::string withFullStop(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + '.';
    return message;
}

void showError(QWidget* parent, const std::string& message)
{
    QMessageBox::critical(parent, QStringLiteral("Brewick"), QString::fromStdString(withFullStop(message)));
}

}  // namespace brewick
