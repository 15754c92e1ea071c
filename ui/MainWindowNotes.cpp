// The main window's notes on the shown inn: Edit > Inn Notes… opens them in
// a window of their own, whose typing the desk reads and keeps as it does the
// typing in the form.
#include <QAction>

#include "ui/InnForm.h"
#include "ui/MainWindow.h"
#include "ui/dialogs/InnNotesDialog.h"

namespace brewick {

void MainWindow::editNotes()
{
    const InnSheet& shown = desk_.shownSheet();
    InnNotesDialog dialog(shown.innName, shown.notes, this);
    connect(&dialog, &InnNotesDialog::edited, &desk_, &InnDesk::keepTyping);
    // Written before the window closes, as a star is: a kill right after OK
    // loses nothing confirmed.
    connect(&dialog, &InnNotesDialog::confirmed, this, [this, &dialog] {
        if (std::optional<std::string> typed = dialog.typedNotes()) {
            desk_.setNotes(std::move(*typed));
            desk_.finishKeeping();
        }
    });
    notesDialog_ = &dialog;
    const bool kept = dialog.exec() == QDialog::Accepted;
    // None left: a change of the shown inn took the notes in while the window was open.
    if (std::exchange(notesDialog_, nullptr) == nullptr)
        return;
    if (!kept && dialog.typedNotes())
        desk_.keepTyping();  // the session goes back to the notes as they were
    showCommands();
}

void MainWindow::commitEdits()
{
    form_->commitEdits();
    if (InnNotesDialog* dialog = std::exchange(notesDialog_, nullptr)) {
        if (std::optional<std::string> typed = dialog->typedNotes())
            desk_.shownSheet().notes = std::move(*typed);
        dialog->accept();
    }
}

void MainWindow::showNotesMark()
{
    const bool hasNotes = !desk_.shownSheet().notes.empty();
    actions_.editInnNotes->setChecked(hasNotes);
    actions_.editInnNotes->setToolTip(hasNotes ? QStringLiteral("The shown inn has notes: read or change them")
                                               : QStringLiteral("Writes notes on the shown inn"));
}

}  // namespace brewick
