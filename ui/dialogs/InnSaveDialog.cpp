#include "ui/dialogs/InnSaveDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace brewick {

InnSaveDialog::InnSaveDialog() : InnSaveDialog({{QStringLiteral("Text files (*.txt)"), QStringLiteral("txt")}}) {}

InnSaveDialog::InnSaveDialog(QList<SaveFileType> fileTypes) : fileTypes_(std::move(fileTypes)) {}

std::optional<InnSaveDialog::Choice> InnSaveDialog::ask(QWidget* parent, const QString& name,
                                                        std::optional<qsizetype> fileType)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const SaveFileType& type : fileTypes_)
        filters.append(type.filter);
    dialog.setNameFilters(filters);
    const auto useType = [&](qsizetype type) { dialog.setDefaultSuffix(fileTypes_.value(type).suffix); };
    // The dialog changes a typed name's suffix with the chosen type; a name
    // typed without one gets the chosen type's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& filter) { useType(filters.indexOf(filter)); });
    // Choosing the type after the name gives the name the type's suffix.
    const qsizetype offeredType = fileType.value_or(lastType_);
    const QFileInfo last(lastPath_);
    dialog.selectFile(name.isEmpty() ? lastPath_ : last.isAbsolute() ? last.dir().filePath(name) : name);
    dialog.selectNameFilter(filters.value(offeredType));
    useType(offeredType);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    lastPath_ = dialog.selectedFiles().constFirst();
    lastType_ = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
    return Choice{lastPath_, lastType_};
}

std::optional<QString> InnSaveDialog::askPath(QWidget* parent)
{
    const std::optional<Choice> choice = ask(parent);
    return choice ? std::optional(choice->path) : std::nullopt;
}

}  // namespace brewick
