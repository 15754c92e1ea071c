// Edit > Inn Notes…: the game master's notes on the shown inn, in a box of
// plain text over the main window. OK or Ctrl+Return keeps them, Cancel or
// Escape gives them up; while the window is open, what is typed counts as
// typing in the main window, kept in the session as it goes. What the box
// shows other than it is (a byte that is no UTF-8, a line end of another
// kind) the window says under the box, and keeps as it is where the user
// does not type.
#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "ui/controls/UntouchedText.h"

class QPlainTextEdit;

namespace brewick {

class InnNotesDialog : public QDialog {
    Q_OBJECT

public:
    // The notes on the inn named `innName`, as they stand.
    InnNotesDialog(const std::string& innName, const std::string& notes, QWidget* parent);

    // The notes as typed; none while the box holds them as they stood.
    std::optional<std::string> typedNotes() const;

signals:
    void edited();
    // OK or Ctrl+Return, before the window closes.
    void confirmed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void confirm();

    QPlainTextEdit* notesEdit_ = nullptr;
    std::optional<UntouchedText> notes_;  // none: too large to edit, shown cut
    QString cutNotes_;
    bool notesInBox_ = false;
};

}  // namespace brewick
