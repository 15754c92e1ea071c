// The save dialog for inns: asks for a file name of one of its file types and
// offers the last confirmed name and type again for the rest of the run.
#pragma once

#include <optional>

#include <QList>
#include <QString>

class QWidget;

namespace brewick {

struct SaveFileType {
    QString filter;  // "Markdown (*.md)"
    QString suffix;  // "md": added to a name typed without one
};

class InnSaveDialog {
public:
    struct Choice {
        QString path;
        qsizetype fileType;  // index into the file types
    };

    // File > Save's: text files only.
    InnSaveDialog();
    // Offers the types in this order; the first is chosen until the user
    // confirms another.
    explicit InnSaveDialog(QList<SaveFileType> fileTypes);

    // The confirmed path and the file type chosen with it, or nothing when the
    // user cancels. The dialog offers the last path, or `name` in its folder,
    // and the file type at `fileType` when one is given, else the last.
    std::optional<Choice> ask(QWidget* parent, const QString& name = {},
                              std::optional<qsizetype> fileType = std::nullopt);
    std::optional<QString> askPath(QWidget* parent);

private:
    QList<SaveFileType> fileTypes_;
    QString lastPath_ = QStringLiteral("Brewick");  // no folder until the first is confirmed
    qsizetype lastType_ = 0;
};

}  // namespace brewick
