// The open dialog for inn files: asks for one or more existing files and
// starts in the folder of the last ones opened for the rest of the run.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace brewick {

class InnOpenDialog {
public:
    // The files chosen, in the order chosen; none when the user cancels.
    QStringList ask(QWidget* parent);

private:
    QString lastFolder_;
};

}  // namespace brewick
