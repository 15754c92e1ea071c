// The inn form: the main window's client area, every control at its fixed
// place, showing the inn sheet. What the user types goes straight into the
// sheet; what the user chooses (a location, a quality, a part, a table,
// "Generate", "Exit") is told by a signal, for the window to carry out.
#pragma once

#include <QWidget>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "core/InnSheet.h"
#include "core/PartSelection.h"
#include "cycle/LinePins.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brewick {

class LinesEdit;
class RadioGroup;
class RoomGrid;
class SceneLine;

class InnForm : public QWidget {
    Q_OBJECT

public:
    // The form shows `sheet` and writes the user's edits into it; the sheet
    // must outlive the form.
    InnForm(InnSheet& sheet, QWidget* parent);

    // Brings every control up to date with the sheet, touching only the ones
    // that differ so that cursors and scroll positions stay put.
    void showSheet();
    void showParts(const PartSelection& parts);

    // Puts what the user typed and has not confirmed yet into the sheet:
    // every field but the room grid and the bar scene writes the sheet as
    // the user types, their editors hold the typing back until they close.
    // The editors stay open.
    void commitEdits();
    // The sheet as the user sees it, what the open editors hold included,
    // leaving the sheet as it is: an edit read so can still be given up.
    InnSheet sheetAsShown() const;

    // The keyboard focus to "Generate", as after start-up.
    void focusGenerate();

    // The commands on a line of `box`, offered also by its context menu,
    // which makes it the box the user was last in.
    void setLineActions(LineBox box, QList<QAction*> actions);
    // The line of the shown table the box's cursor is on, wherever the focus is.
    std::size_t tableLineAtCursor() const;
    std::size_t menuLineAtCursor() const;
    // Marks the pinned lines of the shown table and the menu, from 0, and the bar scene.
    void showPinnedLines(const std::vector<std::size_t>& tableLines, const std::vector<std::size_t>& menuLines,
                         bool scenePinned);

signals:
    void generateClicked();
    void exitClicked();
    void locationChosen(InnLocation location);
    void qualityChosen(InnQuality quality);
    void partTicked(InnPart part, bool ticked);
    // The user chose another table; choosing from the program tells nothing.
    void tableChosen(int index);
    // The user typed into a field, the room grid's open cell editor
    // included, or gave up the edit of such an editor.
    void edited();
    // The cursor of the shown table's box moved.
    void tableCursorMoved();
    void menuCursorMoved();
    // The focus went into the box of the shown table, the menu or the bar scene.
    void lineBoxEntered(LineBox box);
    // The user typed into the box, whose lines read `after` now.
    void linesEdited(LineBox box, const TextLines& before, const TextLines& after);

protected:
    // Return and the keypad's Enter reach the form only where the focused
    // control does not take them itself: they press "Generate".
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void orderTabs();
    void connectControls();
    void showTableCount();
    void showTableChoices();
    void showDefaultButton(QWidget* focus);
    void tellLineBoxEntered(QWidget* focus);
    // The menu and the shown table's lines.
    QList<LinesEdit*> textBoxes() const;

    InnSheet& sheet_;
    QLineEdit* innNameEdit_ = nullptr;
    QLineEdit* landlordEdit_ = nullptr;
    RadioGroup* locationGroup_ = nullptr;
    RadioGroup* qualityGroup_ = nullptr;
    LinesEdit* menuEdit_ = nullptr;
    RoomGrid* roomGrid_ = nullptr;
    SceneLine* barSceneLine_ = nullptr;
    QLabel* tableCountLabel_ = nullptr;
    QComboBox* tableChoice_ = nullptr;
    LinesEdit* tableLinesEdit_ = nullptr;
    std::array<QCheckBox*, kInnPartCount> partCheckBoxes_{};  // by InnPart
    QPushButton* generateButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
};

}  // namespace brewick
