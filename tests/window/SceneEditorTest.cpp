// Edit > Bar Scenes with a real desktop: test editors named the default for
// text/plain the way a user names theirs, through the XDG folders. Like the
// editors users have, they return before the file is saved: one hands the
// file to a background process, one is started by D-Bus activation.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>

#include "files/UserSceneFile.h"
#include "generators/Scenes.h"
#include "platform/EditedFileWatcher.h"
#include "platform/TextEditor.h"
#include "support/Files.h"
#include "support/ModalHandler.h"
#include "support/TempDir.h"
#include "ui/MainWindow.h"
#include "ui/controls/ObjectNames.h"

namespace brewick {
namespace {

namespace names = objectNames;

namespace fs = std::filesystem;
using test::contents;

constexpr const char* kTypedScene = "A scene typed in the editor";
constexpr const char* kTestEditorId = "org.example.BrewickTestEditor";
// The editors write after they return, when the test has them save.
constexpr int kSaveWaitMilliseconds = 15000;

enum class Desktop { HandOffEditor, DBusEditor, NoEditor };

void writeFile(const fs::path& path, const std::string& text,
               fs::perms perms = fs::perms::owner_read | fs::perms::owner_write)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
    fs::permissions(path, perms);
}

// A text editor of the kind gedit, Kate or VS Code are when one of them runs
// already: it hands the file on and ends at once. The hand-off saves once the
// user does (the test writes "save-now"), the way most editors save: a new
// file renamed over the old. What it saw is copied the same way, so that the
// test never reads a copy half-written.
void addHandOffEditor(const fs::path& root)
{
    const fs::path editor = root / "hand-off-editor.sh";
    writeFile(editor,
              "#!/bin/sh\n"
              "printf '%s\\n' \"$1\" >> '" +
                  (root / "opened").string() +
                  "'\n"
                  "cp \"$1\" '" +
                  (root / "seen.new").string() + "' && mv '" + (root / "seen.new").string() + "' '" +
                  (root / "seen").string() +
                  "'\n"
                  "[ -f '" +
                  (root / "to-type").string() +
                  "' ] || exit 0\n"
                  "( while [ ! -e '" +
                  (root / "save-now").string() + "' ]; do sleep 0.05; done; cat \"$1\" '" +
                  (root / "to-type").string() +
                  "' > \"$1.new\"; mv \"$1.new\" \"$1\" )"
                  " >/dev/null 2>&1 &\n",
              fs::perms::owner_all);
    writeFile(root / "data/applications/brewick-test-editor.desktop",
              "[Desktop Entry]\nType=Application\nName=Hand-off Editor\nExec=" + editor.string() +
                  " %f\nMimeType=text/plain;\n");
    writeFile(root / "config/mimeapps.list", "[Default Applications]\ntext/plain=brewick-test-editor.desktop\n");
}

// A text editor of the kind GNOME Text Editor is: a GApplication that the
// session bus starts and hands the file to. Its Exec line types nothing, so
// only D-Bus activation gets the scene into the file.
void addDBusEditor(const fs::path& root)
{
    const fs::path editor = root / "dbus-editor.py";
    writeFile(editor, "import sys\n"
                      "import gi\n"
                      "gi.require_version('Gio', '2.0')\n"
                      "from gi.repository import Gio\n"
                      "def open_files(application, files, count, hint):\n"
                      "    for file in files:\n"
                      "        with open('" +
                          (root / "opened").string() +
                          "', 'a') as opened:\n"
                          "            opened.write(file.get_path() + '\\n')\n"
                          "        with open('" +
                          (root / "to-type").string() +
                          "') as typed, open(file.get_path(), 'a') as out:\n"
                          "            out.write(typed.read())\n"
                          "application = Gio.Application(application_id='" +
                          kTestEditorId +
                          "',\n"
                          "                              flags=Gio.ApplicationFlags.HANDLES_OPEN)\n"
                          "application.connect('open', open_files)\n"
                          "sys.exit(application.run(sys.argv))\n");
    writeFile(root / "data/dbus-1/services" / (std::string(kTestEditorId) + ".service"),
              "[D-BUS Service]\nName=" + std::string(kTestEditorId) + "\nExec=/usr/bin/python3 " + editor.string() +
                  " --gapplication-service\n");
    writeFile(root / "data/applications" / (std::string(kTestEditorId) + ".desktop"),
              "[Desktop Entry]\nType=Application\nName=D-Bus Editor\nDBusActivatable=true\nExec=/bin/false %f\n"
              "MimeType=text/plain;\n");
    writeFile(root / "config/mimeapps.list",
              "[Default Applications]\ntext/plain=" + std::string(kTestEditorId) + ".desktop\n");
}

// A private session bus that lives as long as this process: it ends when the
// pipe written here closes, which is when the process ends. Ending it sooner
// would end the process too, as GIO does when its session bus goes away.
bool startSessionBus(const fs::path& root)
{
    const fs::path address = root / "bus-address";
    const std::string command = "exec dbus-run-session -- sh -c 'printf %s \"$DBUS_SESSION_BUS_ADDRESS\" > " +
                                address.string() + "; read _' >/dev/null 2>&1";
    if (popen(command.c_str(), "w") == nullptr)
        return false;
    if (!QTest::qWaitFor([&] { return !contents(address).empty(); }, 10000))
        return false;
    setenv("DBUS_SESSION_BUS_ADDRESS", contents(address).c_str(), 1);
    return true;
}

// GIO reads the XDG folders once a process, so a process has one desktop.
// CTest runs every test in a process of its own.
class TestDesktop {
public:
    // The folder of the desktop, or nothing when this process has another.
    static std::optional<fs::path> setUp(Desktop desktop)
    {
        static const Desktop chosen = desktop;
        static const std::unique_ptr<test::TempDir> root = create(desktop);
        if (chosen != desktop || root == nullptr)
            return std::nullopt;
        return root->path();
    }

private:
    static std::unique_ptr<test::TempDir> create(Desktop desktop)
    {
        auto root = std::make_unique<test::TempDir>();
        const fs::path path = root->path();
        for (const char* folder : {"data/applications", "config", "system-data", "system-config"})
            fs::create_directories(path / folder);
        setenv("XDG_DATA_HOME", (path / "data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (path / "config").c_str(), 1);
        // No editor of the machine's own may stand in.
        setenv("XDG_DATA_DIRS", (path / "system-data").c_str(), 1);
        setenv("XDG_CONFIG_DIRS", (path / "system-config").c_str(), 1);
        if (desktop == Desktop::HandOffEditor)
            addHandOffEditor(path);
        // The bus finds the editor's service through XDG_DATA_HOME.
        if (desktop == Desktop::DBusEditor) {
            addDBusEditor(path);
            if (!startSessionBus(path))
                return nullptr;
        }
        return root;
    }
};

class SceneEditor : public testing::Test {
protected:
    explicit SceneEditor(Desktop desktop) : desktop_(desktop) {}

    void SetUp() override
    {
        const auto root = TestDesktop::setUp(desktop_);
        if (!root)
            GTEST_SKIP() << "this process has another test desktop or no session bus";
        desktop = *root;
        for (const char* left : {"opened", "seen", "to-type", "save-now"})
            fs::remove(desktop / left);
    }

    // The window, started with `bytes` in the scene file or with no file.
    void start(std::optional<std::string> bytes)
    {
        if (bytes)
            writeFile(sceneFile, *bytes);
        window = std::make_unique<MainWindow>(1, sceneFile);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // What the editor will have typed when it saves.
    void typeLater(const std::string& text) const { writeFile(desktop / "to-type", text); }
    // The user saves in the hand-off editor.
    void saveInEditor() const { writeFile(desktop / "save-now", ""); }

    std::vector<std::string> fileScenes() const
    {
        const WordList& scenes = window->generator().sceneList();
        return {scenes.begin() + kBuiltInSceneCount, scenes.end()};
    }

    bool waitForFileScenes(const std::vector<std::string>& scenes) const
    {
        return QTest::qWaitFor([&] { return fileScenes() == scenes; }, kSaveWaitMilliseconds);
    }

    QString shownScene() const
    {
        return window->findChild<QListWidget*>(QString::fromLatin1(names::barSceneList))->item(0)->text();
    }

    void editScenes() const { window->findChild<QAction*>(QString::fromLatin1(names::barScenesAction))->trigger(); }

    // Chooses Edit > Bar Scenes and gives the text of the error box it opens.
    std::string editScenesExpectingError() const
    {
        std::string text;
        test::ModalHandler handler(
            {test::readTheErrorBox(text, [](QMessageBox* box) { EXPECT_EQ(box->windowTitle(), "Brewick"); })});
        editScenes();
        EXPECT_TRUE(handler.allAnswered());
        return text;
    }

    const Desktop desktop_;
    fs::path desktop;
    test::TempDir dir;
    fs::path sceneFile = dir.path() / "brewick/BarScenes.txt";
    std::unique_ptr<MainWindow> window;
};

class HandOffEditor : public SceneEditor {
protected:
    HandOffEditor() : SceneEditor(Desktop::HandOffEditor) {}
};

class DBusEditor : public SceneEditor {
protected:
    DBusEditor() : SceneEditor(Desktop::DBusEditor) {}
};

class NoEditor : public SceneEditor {
protected:
    NoEditor() : SceneEditor(Desktop::NoEditor) {}
};

TEST_F(HandOffEditor, ScenesSavedAfterTheEditorReturnedReachTheListAndTheWindowWorksMeanwhile)
{
    start("A scene from before\r\n");
    typeLater(std::string(kTypedScene) + "\n");
    const test::ModalHandler noModals({});
    editScenes();
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(fileScenes(), std::vector<std::string>{"A scene from before"}) << "nothing is saved yet";

    const InnSheet before = window->generator().sheet();
    window->findChild<QPushButton*>(QString::fromLatin1(names::generateButton))->click();
    EXPECT_NE(window->generator().sheet(), before) << "Generate works while the editor is open";
    const QString scene = shownScene();

    saveInEditor();
    EXPECT_TRUE(waitForFileScenes({"A scene from before", kTypedScene}));
    EXPECT_EQ(shownScene(), scene) << "the scene shown stays until the next draw";
    EXPECT_EQ(contents(desktop / "opened"), sceneFile.string() + "\n") << "the editor gets the full path";
}

TEST_F(HandOffEditor, TheFirstEditCreatesTheFolderAndACommentedFileThatAddsNoScene)
{
    start(std::nullopt);
    const test::ModalHandler noModals({});
    editScenes();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(desktop / "seen"); }, kSaveWaitMilliseconds));
    EXPECT_EQ(contents(desktop / "seen"), kSceneFileIntroduction) << "the editor opens a real, commented file";
    EXPECT_EQ(contents(sceneFile), kSceneFileIntroduction);
    // A scene added below the introduction is the only one the list gains.
    writeFile(sceneFile, std::string(kSceneFileIntroduction) + kTypedScene + "\n");
    EXPECT_TRUE(waitForFileScenes({kTypedScene}));
}

TEST_F(HandOffEditor, AnEditorThatIsGoneOrCannotStartIsReportedWithThePath)
{
    start("A scene from before\r\n");
    const fs::path editor = desktop / "hand-off-editor.sh";
    const std::string scenePath = ". Open the scene file in a text editor yourself: " + sceneFile.string() + ".";
    struct Row {
        const char* name;
        std::function<void()> breakEditor;
        std::string start;  // of the message
    };
    const Row rows[] = {
        {"its program is gone", [&] { fs::remove(editor); }, "No application is set up to open text files" + scenePath},
        {"its working folder is gone",
         [&] {
             addHandOffEditor(desktop);
             std::ofstream(desktop / "data/applications/brewick-test-editor.desktop", std::ios::app)
                 << "Path=" << (desktop / "gone").string() << "\n";
         },
         "The text editor Hand-off Editor cannot be started: Failed to change to directory"},
    };
    for (const Row& row : rows) {
        row.breakEditor();
        const std::string text = editScenesExpectingError();
        EXPECT_THAT(text, testing::StartsWith(row.start)) << row.name;
        EXPECT_THAT(text, testing::EndsWith(scenePath)) << row.name;
        EXPECT_EQ(fileScenes(), std::vector<std::string>{"A scene from before"}) << row.name;
    }
    addHandOffEditor(desktop);
}

TEST_F(HandOffEditor, AReadErrorAfterAChangeIsShownOnce)
{
    start("A scene from before\r\n");
    // A second box would be unexpected.
    std::string told;
    const test::ModalHandler handler({test::readTheErrorBox(told)});
    editScenes();
    fs::remove(sceneFile);
    fs::create_directory(sceneFile);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !told.empty(); }, kSaveWaitMilliseconds));
    EXPECT_EQ(fileScenes(), std::vector<std::string>{});
    // Another change in the folder leaves the same error: no second box once
    // the window has read the file again.
    QSignalSpy reread(window->findChild<EditedFileWatcher*>(QString::fromLatin1(InnDesk::sceneFileWatcherName)),
                      &EditedFileWatcher::changed);
    std::ofstream(sceneFile.parent_path() / "BarScenes.txt~") << "A backup\n";
    EXPECT_TRUE(reread.wait(kSaveWaitMilliseconds));
    EXPECT_EQ(told, "Cannot read scene file " + sceneFile.string() + ": Is a directory.");
    fs::remove(sceneFile);
    writeFile(sceneFile, "A scene after\n");
    EXPECT_TRUE(waitForFileScenes({"A scene after"}));
}

TEST_F(HandOffEditor, WithoutADataFolderTheBoxSaysSoAndNoEditorStarts)
{
    sceneFile.clear();
    start(std::nullopt);
    EXPECT_EQ(editScenesExpectingError(), "There is no folder for the scene file: neither XDG_DATA_HOME nor HOME "
                                          "names an absolute folder.");
    // An editor started now opens after any the command would have started.
    const fs::path marker = desktop / "marker.txt";
    writeFile(marker, "");
    EXPECT_EQ(openInTextEditor(marker.string()), std::nullopt);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !contents(desktop / "opened").empty(); }, kSaveWaitMilliseconds));
    EXPECT_EQ(contents(desktop / "opened"), marker.string() + "\n");
    EXPECT_EQ(window->generator().sceneList().count(), kBuiltInSceneCount);
}

TEST_F(DBusEditor, ScenesADBusActivatedEditorSavesReachTheList)
{
    start("A scene from before\r\n");
    typeLater(std::string(kTypedScene) + "\n");
    const test::ModalHandler noModals({});
    editScenes();
    EXPECT_TRUE(waitForFileScenes({"A scene from before", kTypedScene}));
    EXPECT_EQ(contents(desktop / "opened"), sceneFile.string() + "\n");
}

// Reading a FIFO would wait for a writer, maybe for good.
TEST_F(NoEditor, AFifoForAFileIsReportedAtStartUpAndTheWindowComesUp)
{
    fs::create_directories(sceneFile.parent_path());
    ASSERT_EQ(mkfifo(sceneFile.c_str(), 0600), 0);
    std::string text;
    const test::ModalHandler handler({test::readTheErrorBox(text)});
    start(std::nullopt);
    EXPECT_EQ(text, "Cannot read scene file " + sceneFile.string() + ": not a regular file.");
    EXPECT_EQ(window->generator().sceneList().count(), kBuiltInSceneCount);
}

TEST_F(NoEditor, TheErrorBoxSaysSoAndNamesTheFileItCreated)
{
    start(std::nullopt);
    EXPECT_EQ(editScenesExpectingError(),
              "No application is set up to open text files. Open the scene file in a text editor yourself: " +
                  sceneFile.string() + ".");
    EXPECT_EQ(contents(sceneFile), kSceneFileIntroduction) << "ready to be opened another way";
}

}  // namespace
}  // namespace brewick
