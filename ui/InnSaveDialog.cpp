#include "ui/InnSaveDialog.h"

#include <QFileDialog>

namespace brewick {

std::optional<QString> InnSaveDialog::askPath(QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setNameFilter(QStringLiteral("Text files (*.txt)"));
    dialog.selectFile(lastPath_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    lastPath_ = dialog.selectedFiles().constFirst();
    return lastPath_;
}

}  // namespace brewick
