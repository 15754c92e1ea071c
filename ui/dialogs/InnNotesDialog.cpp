#include "ui/dialogs/InnNotesDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "output/print/QtText.h"
#include "ui/controls/BoundedTextBox.h"
#include "ui/controls/ObjectNames.h"
#include "ui/controls/OneLineDelegate.h"

namespace brewick {

namespace {
namespace names = objectNames;

QString shownDifferentlyNote(const UntouchedText::Oddities& oddities)
{
    QStringList kinds;
    if (oddities.otherLineEnds)
        kinds.append(QStringLiteral("line ends of other kinds (CR, CR LF, U+2028) as plain ones"));
    if (oddities.noUtf8)
        kinds.append(QStringLiteral("bytes that are no UTF-8 as \uFFFD"));
    if (oddities.controlCharacters)
        kinds.append(QStringLiteral("control characters as best it can"));
    const QString last = kinds.takeLast();
    return QStringLiteral("These notes hold characters this box shows differently: %1. Where you do not type, "
                          "they stay as they are.")
        .arg(kinds.isEmpty() ? last : kinds.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last);
}
}  // namespace

InnNotesDialog::InnNotesDialog(const std::string& innName, const std::string& notes, QWidget* parent) : QDialog(parent)
{
    setObjectName(QString::fromLatin1(names::notesDialog));
    const QString name = oneLineText(innName).shown.simplified();
    setWindowTitle(name.isEmpty() ? QStringLiteral("Inn Notes") : QStringLiteral("Notes on %1").arg(name));

    notesEdit_ = new QPlainTextEdit(this);
    notesEdit_->setObjectName(QString::fromLatin1(names::notesEdit));
    notesEdit_->setAccessibleName(QStringLiteral("Notes on the inn"));
    notesEdit_->setPlaceholderText(QStringLiteral("Why you kept this inn, who the party met here…"));
    notesEdit_->setTabChangesFocus(true);
    breakLongWordsAnywhere(notesEdit_);
    auto* shownDifferently = new QLabel(this);
    shownDifferently->setObjectName(QString::fromLatin1(names::notesShownDifferentlyLabel));
    shownDifferently->setWordWrap(true);
    const TextLines lines = splitLines(notes);
    if (fitsTextBox(lines))
        notes_.emplace(notes);
    else
        cutNotes_ = toQString(cutLines(lines));
    const bool showsDifferently = notes_ && notes_->oddities().any();
    shownDifferently->setVisible(showsDifferently);
    if (showsDifferently) {
        shownDifferently->setText(shownDifferentlyNote(notes_->oddities()));
        notesEdit_->setAccessibleDescription(shownDifferently->text());
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QString::fromLatin1(names::notesOkButton));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QString::fromLatin1(names::notesCancelButton));
    // Return starts a new line in the box; Ctrl with it is OK.
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &InnNotesDialog::confirm);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notesEdit_);
    layout->addWidget(shownDifferently);
    layout->addWidget(buttons);
    resize(420, 260);
    notesEdit_->setFocus();

    connect(buttons, &QDialogButtonBox::accepted, this, &InnNotesDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(notesEdit_, &QPlainTextEdit::textChanged, this, &InnNotesDialog::edited);
}

// The box lays the notes out once, at the width it shows them at, which is
// its own only once the window shows: a long line takes a while.
void InnNotesDialog::showEvent(QShowEvent* event)
{
    if (!std::exchange(notesInBox_, true)) {
        const QSignalBlocker notTyped(notesEdit_);
        showBoundedText(notesEdit_, notes_ ? notes_->shown() : cutNotes_, notes_.has_value());
        notesEdit_->moveCursor(QTextCursor::End);
        QTextDocument* document = notesEdit_->document();
        if (notes_)
            connect(document, &QTextDocument::contentsChange, this,
                    [this, document](int position) { notes_->follow(document->toRawText(), position); });
    }
    QDialog::showEvent(event);
}

void InnNotesDialog::confirm()
{
    emit confirmed();
    accept();
}

std::optional<std::string> InnNotesDialog::typedNotes() const
{
    if (!notes_ || !notesEdit_->document()->isModified())
        return std::nullopt;
    return notes_->bytes();
}

}  // namespace brewick
