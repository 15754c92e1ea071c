#include "ui/dialogs/InnNotesDialog.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "output/print/QtText.h"
#include "ui/controls/ObjectNames.h"

namespace brewick {

namespace names = objectNames;

InnNotesDialog::InnNotesDialog(const std::string& innName, const std::string& notes, QWidget* parent) : QDialog(parent)
{
    setObjectName(QString::fromLatin1(names::notesDialog));
    const QString name = toQString(innName).simplified();
    setWindowTitle(name.isEmpty() ? QStringLiteral("Inn Notes") : QStringLiteral("Notes on %1").arg(name));

    notesEdit_ = new QPlainTextEdit(toQString(notes), this);
    notesEdit_->setObjectName(QString::fromLatin1(names::notesEdit));
    notesEdit_->setAccessibleName(QStringLiteral("Notes on the inn"));
    notesEdit_->setPlaceholderText(QStringLiteral("Why you kept this inn, who the party met here…"));
    notesEdit_->setTabChangesFocus(true);
    notesEdit_->moveCursor(QTextCursor::End);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QString::fromLatin1(names::notesOkButton));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QString::fromLatin1(names::notesCancelButton));
    // Return starts a new line in the box; Ctrl with it is OK.
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notesEdit_);
    layout->addWidget(buttons);
    resize(420, 260);
    notesEdit_->setFocus();

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(notesEdit_, &QPlainTextEdit::textChanged, this, &InnNotesDialog::edited);
}

std::optional<std::string> InnNotesDialog::typedNotes() const
{
    if (!notesEdit_->document()->isModified())
        return std::nullopt;
    return notesEdit_->toPlainText().toStdString();
}

}  // namespace brewick
