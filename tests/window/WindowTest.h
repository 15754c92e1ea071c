// What the window tests share: a shown main window, finding its controls by
// their names, answering the dialogs of Save and Export, and choosing from a
// context menu.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/Files.h"
#include "support/ModalHandler.h"
#include "support/TempDir.h"
#include "ui/MainWindow.h"
#include "ui/controls/ObjectNames.h"
#include "ui/controls/WindowLook.h"

namespace brewick::test {

namespace names = objectNames;

// Runs a command that asks for a file name, File > Save or File > Export, and
// answers its dialog with `path`, after choosing the file type at `fileType`
// as a user does (none: the one offered), and yes when asked to replace the
// file; gives the error box's text, if any. The dialog and the box speak in
// the windows' font.
inline std::optional<std::string> writeThrough(MainWindow& window, const char* action,
                                               const std::filesystem::path& path, int fileType = -1)
{
    std::string error;
    std::deque<ModalHandler::Answer> answers = {
        typeIntoFileDialog(path, fileType, [](QFileDialog* dialog) { EXPECT_EQ(dialog->font(), windowFont()); })};
    if (std::filesystem::is_regular_file(path))
        answers.push_back(replaceTheFile());
    answers.push_back(readTheErrorBox(error, [](QMessageBox* box) { EXPECT_EQ(box->font(), windowFont()); }));
    ModalHandler handler(std::move(answers));
    window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
    return error.empty() ? std::nullopt : std::optional(error);
}

// The files of the windows that keep their session in `folder`.
inline std::function<std::vector<std::filesystem::path>()> windowSessionFiles(std::filesystem::path folder)
{
    return [windows = folder / "windows"] {
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(windows))
            for (const auto& entry : std::filesystem::directory_iterator(windows))
                if (entry.path().extension() == ".jsonl")
                    files.push_back(entry.path());
        return files;
    };
}

// What the first of the files that `holds` holds, once one does: kept inns
// are written on a thread of their own.
inline std::string waitForFile(const std::function<std::vector<std::filesystem::path>()>& files,
                               const std::function<bool(const std::string&)>& holds)
{
    std::string kept;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            for (const std::filesystem::path& file : files())
                if (kept = contents(file); holds(kept))
                    return true;
            return false;
        },
        10000));
    return kept;
}

// A key as on a keyboard: to the control that has the focus, at once.
inline void pressAtFocus(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
    QApplication::processEvents();
}

// A double-click as the window system gives it: a click, then a second press.
inline void doubleClick(QAbstractItemView* view, const QModelIndex& index)
{
    const QPoint centre = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, centre);
}

// Asks `box` for its context menu, as a right-click at `at` does or the menu
// key with the cursor there, and chooses `item` from it. A menu that offers
// no such item to choose fails the test and is closed, so that it goes on.
inline void chooseFromContextMenu(QAbstractScrollArea* box, QContextMenuEvent::Reason reason, QPoint at, QAction* item)
{
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        watch.stop();
        if (menu->actions().contains(item) && item->isEnabled()) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            return;
        }
        ADD_FAILURE() << "the context menu offers no " << item->text().remove('&').toStdString() << " to choose";
        menu->close();
    });
    watch.start(5);
    QContextMenuEvent ask(reason, at, box->viewport()->mapToGlobal(at));
    QApplication::sendEvent(box->viewport(), &ask);
}

inline std::optional<std::string> save(MainWindow& window, const std::filesystem::path& path)
{
    return writeThrough(window, names::saveAction, path);
}

// A main window with the first inn of seed 2026, shown and active, and the
// ways a test reaches its controls.
class WindowTest : public testing::Test {
protected:
    test::TempDir dir;
    std::unique_ptr<MainWindow> window;

    void SetUp() override { openWindow(); }

    // A new window with the first inn of the seed, shown and active.
    void openWindow()
    {
        window = std::make_unique<MainWindow>(2026, dir.path() / "BarScenes.txt");
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename Control>
    Control* find(const char* name) const
    {
        auto* control = window->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QString text(const char* lineEdit) const { return find<QLineEdit>(lineEdit)->text(); }
    const InnSheet& sheet() const { return window->generator().sheet(); }
    QString cell(int column, int row) const { return find<QTableWidget>(names::roomGrid)->item(row, column)->text(); }
    QRadioButton* radio(const char* group, int index) const
    {
        return find<QGroupBox>(group)->findChildren<QRadioButton*>().at(index);
    }
    void click(QAbstractButton* button) const { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5)); }
    void generate() const { click(find<QPushButton>(names::generateButton)); }

    std::optional<std::string> saveTo(const std::filesystem::path& path) const { return save(*window, path); }
};

}  // namespace brewick::test
