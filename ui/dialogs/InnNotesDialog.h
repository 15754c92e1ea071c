// Edit > Inn Notes…: the game master's notes on the shown inn, in a box of
// plain text over the main window. OK or Ctrl+Return keeps them, Cancel or
// Escape gives them up; while the window is open, what is typed counts as
// typing in the main window, kept in the session as it goes.
#pragma once

#include <QDialog>

#include <optional>
#include <string>

class QPlainTextEdit;

namespace brewick {

class InnNotesDialog : public QDialog {
    Q_OBJECT

public:
    // The notes on the inn named `innName`, as they stand.
    InnNotesDialog(const std::string& innName, const std::string& notes, QWidget* parent);

    // The notes as typed; none while the box holds them as they stood, so
    // that notes the box cannot show byte for byte come back unchanged.
    std::optional<std::string> typedNotes() const;

signals:
    void edited();

private:
    QPlainTextEdit* notesEdit_ = nullptr;
};

}  // namespace brewick
