// The save dialog for inns: asks for a text file name and offers the last
// confirmed one again for the rest of the run.
#pragma once

#include <optional>

#include <QString>

class QWidget;

namespace brewick {

class InnSaveDialog {
public:
    // The confirmed path, or nothing when the user cancels.
    std::optional<QString> askPath(QWidget* parent);

private:
    QString lastPath_ = QStringLiteral("Brewick");
};

}  // namespace brewick
