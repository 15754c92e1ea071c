// The main window: shows the inn sheet in editable fields, carries every
// command, and copies the user's edits back into the sheet as they are made,
// so that output always sees what the user sees.
#pragma once

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <string>

#include "core/InnGenerator.h"
#include "core/RandomSource.h"
#include "core/TextLines.h"
#include "output/SheetPrinter.h"
#include "ui/InnSaveDialog.h"

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace brewick {

class RadioGroup;
class RoomGrid;

class TInnIntro : public QMainWindow {
    Q_OBJECT

public:
    // Runs the start-up sequence. `sceneFile` is the scene file read at start
    // and opened by Edit > Bar Scenes.
    explicit TInnIntro(std::filesystem::path sceneFile, QWidget* parent = nullptr);

    const InnGenerator& Generator() const { return generator_; }

    // The about window of File > About, and the closing window every close
    // request shows before the main window closes.
    void SetCompanions(QDialog* about, QDialog* closing);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void CreateMenu();
    void SetTabOrder();
    void ConnectHandlers();

    void FormShow();
    void butGenerateClick();
    void radLocateClick(int index);
    void radQualityClick(int index);
    void chkClick(InnPart part, bool ticked);
    void lstTablesClick(int index);
    void Save1Click();
    void Print2Click();
    void About1Click();
    void Scenes1Click();
    void FormCloseQuery();

    // Brings every control up to date with the inn sheet, touching only the
    // ones that differ so that cursors and scroll positions stay put.
    void ShowSheet();
    void ShowScene(const std::string& barScene);
    void ShowTableChoices(const TextLines& choices, int chosen);
    void ShowParts();
    void ReportError(const std::string& message);

    // Created in this order: the start-up sequence.
    LcgRandom random_;
    TextLines exportLines_;
    InnGenerator generator_;

    InnSaveDialog saveDialog_;
    SheetPrinter printer_;
    QDialog* about_ = nullptr;
    QDialog* closing_ = nullptr;
    bool shown_ = false;
    bool waitingForEditor_ = false;
    bool closeRequested_ = false;

    QLineEdit* edInnName_ = nullptr;
    QLineEdit* edLandlord_ = nullptr;
    RadioGroup* radLocate_ = nullptr;
    RadioGroup* radQuality_ = nullptr;
    QPlainTextEdit* memMenu_ = nullptr;
    RoomGrid* roomGrid_ = nullptr;
    QListWidget* lstScene1_ = nullptr;
    QLabel* labNoTables_ = nullptr;
    QComboBox* lstTables_ = nullptr;
    QPlainTextEdit* memDispTable_ = nullptr;
    std::array<QCheckBox*, kInnPartCount> partBoxes_{};  // by InnPart
    QPushButton* butGenerate_ = nullptr;
    QPushButton* tExit_ = nullptr;
};

}  // namespace brewick
