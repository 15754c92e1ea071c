#include "ui/dialogs/InnOpenDialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace brewick {

QStringList InnOpenDialog::ask(QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters({QStringLiteral("Inns (*.json *.jsonl)"), QStringLiteral("All files (*)")});
    if (!lastFolder_.isEmpty())
        dialog.setDirectory(lastFolder_);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    if (!files.isEmpty())
        lastFolder_ = QFileInfo(files.constFirst()).absolutePath();
    return files;
}

}  // namespace brewick
