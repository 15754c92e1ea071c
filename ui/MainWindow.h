// The main window: shows the inn sheet in editable fields, carries every
// command, and copies the user's edits back into the sheet as they are made,
// so that output always sees what the user sees.
#pragma once

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "core/RandomSource.h"
#include "core/TextLines.h"
#include "cycle/InnGenerator.h"
#include "cycle/InnHistory.h"
#include "output/formats/InnFormat.h"
#include "output/print/SheetPrinter.h"
#include "platform/EditedFileWatcher.h"
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

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Runs the start-up sequence. `sceneFile` is the scene file read at start
    // and opened by Edit > Bar Scenes; empty when the user has none.
    explicit MainWindow(std::filesystem::path sceneFile, QWidget* parent = nullptr);

    const InnGenerator& generator() const { return generator_; }

    // The about window of File > About, and the closing window every close
    // request shows before the main window closes.
    void setCompanions(QDialog* about, QDialog* closing);

    // The session ends: closes, with the closing window only when the session
    // manager lets the program ask the user.
    void closeForLogout(bool mayAsk);

    // File > Print prints there from now on; the system's default printer
    // until then.
    void usePrinter(std::unique_ptr<SheetPrinter> printer) { printer_ = std::move(printer); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void createMenu();
    void orderTabs();
    void connectHandlers();

    void generateFirstInn();
    void generateInn();
    void chooseLocation(int index);
    void chooseQuality(int index);
    void tickPart(InnPart part, bool ticked);
    void chooseTable(int index);
    void saveInn();
    void exportInn();
    void printInn();
    void copyInn();
    void showPreviousInn();
    void showNextInn();
    // Generates or steps through the history, then shows the inn.
    void changeInn(void (InnHistory::*change)(InnGenerator&));
    // Previous Inn and Next Inn, where there is an inn to step to.
    void enableHistorySteps();
    // Puts what the user typed and has not confirmed yet into the inn sheet:
    // every output and the history read the sheet only.
    void commitEdits();
    // The shown inn's place in the run, as brewick-batch numbers its inns.
    InnPlace shownInnPlace() const;
    void showAbout();
    void editBarScenes();
    void answerCloseRequest();
    void updateSceneList();

    // Brings every control up to date with the inn sheet, touching only the
    // ones that differ so that cursors and scroll positions stay put.
    void showSheet();
    void showScene(const std::string& barScene);
    void showTableChoices(const TextLines& choices, int chosen);
    void showParts();
    void showDefaultButton(QWidget* focus);
    void reportError(const std::string& message);

    // Created in this order: the start-up sequence.
    const std::uint32_t seed_;
    LcgRandom random_;
    TextLines exportLines_;
    std::filesystem::path sceneFile_;
    InnGenerator generator_;
    InnHistory history_;

    InnSaveDialog saveDialog_;
    InnSaveDialog exportDialog_;
    std::unique_ptr<SheetPrinter> printer_ = std::make_unique<DefaultPrinter>();
    QDialog* about_ = nullptr;
    QDialog* closing_ = nullptr;
    bool shown_ = false;
    bool askOnClose_ = true;       // false at a logout that may not wait for the user
    bool closeAsked_ = false;      // a close request is waiting for its answer
    bool closingWindowUp_ = false;
    bool closeAnswered_ = false;   // the closing window was dismissed: closes go ahead
    EditedFileWatcher sceneFileWatcher_;

    QLineEdit* innNameField_ = nullptr;
    QLineEdit* landlordField_ = nullptr;
    RadioGroup* locationGroup_ = nullptr;
    RadioGroup* qualityGroup_ = nullptr;
    QPlainTextEdit* menuBox_ = nullptr;
    RoomGrid* roomGrid_ = nullptr;
    QListWidget* barSceneList_ = nullptr;
    QLabel* tableCountLabel_ = nullptr;
    QComboBox* tableChoice_ = nullptr;
    QPlainTextEdit* tableBox_ = nullptr;
    std::array<QCheckBox*, kInnPartCount> partBoxes_{};  // by InnPart
    QPushButton* generateButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QAction* previousInn_ = nullptr;
    QAction* nextInn_ = nullptr;
};

}  // namespace brewick
