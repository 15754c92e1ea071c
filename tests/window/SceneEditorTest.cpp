// Edit > Bar Scenes with a real desktop: a test editor named the default for
// text/plain the way a user names theirs, through the XDG folders.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include <fstream>

#include "support/ModalHandler.h"
#include "support/TempDir.h"
#include "ui/MainWindow.h"

namespace brewick {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTypedScene = "A scene typed in the editor";

class SceneEditor : public testing::Test {
protected:
    // The desktop is set up once a process: GIO reads the XDG folders once.
    static void SetUpTestSuite()
    {
        desktop_ = new test::TempDir;
        const fs::path root = desktop_->path();
        for (const char* folder : {"data/applications", "config", "system-data", "system-config"})
            fs::create_directories(root / folder);
        // Waits a little, so that reading the file too early would miss the scene.
        std::ofstream(editor()) << "#!/bin/sh\nsleep 0.3\nprintf '" << kTypedScene << "\\r\\n' >> \"$1\"\n";
        fs::permissions(editor(), fs::perms::owner_all);
        std::ofstream(root / "data/applications/brewick-test-editor.desktop")
            << "[Desktop Entry]\nType=Application\nName=Test Editor\nExec=" << editor().string()
            << " %f\nMimeType=text/plain;\n";
        std::ofstream(root / "config/mimeapps.list")
            << "[Default Applications]\ntext/plain=brewick-test-editor.desktop\n";
        setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        // No editor of the machine's own may stand in.
        setenv("XDG_DATA_DIRS", (root / "system-data").c_str(), 1);
        setenv("XDG_CONFIG_DIRS", (root / "system-config").c_str(), 1);
    }

    static void TearDownTestSuite() { delete desktop_; }

    static fs::path editor() { return desktop_->path() / "editor.sh"; }

    void SetUp() override
    {
        std::ofstream(sceneFile, std::ios::binary) << "A scene from before\r\n";
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    std::vector<std::string> fileScenes() const
    {
        const WordList& scenes = window.generator().sceneList();
        return {scenes.begin() + 100, scenes.end()};
    }

    QString shownScene() const
    {
        return window.findChild<QListWidget*>(QStringLiteral("lstScene1"))->item(0)->text();
    }

    // Chooses Edit > Bar Scenes; no error box may open.
    void editScenes()
    {
        test::ModalHandler noModals({});
        window.findChild<QAction*>(QStringLiteral("Scenes1"))->trigger();
    }

    static test::TempDir* desktop_;
    test::TempDir dir;
    fs::path sceneFile = dir.path() / "BarScenes.txt";
    MainWindow window{sceneFile};
};

test::TempDir* SceneEditor::desktop_ = nullptr;

TEST_F(SceneEditor, TheSceneListIsReadAfterTheEditorHasEnded)
{
    const QString scene = shownScene();
    editScenes();
    EXPECT_EQ(fileScenes(), (std::vector<std::string>{"A scene from before", kTypedScene}));
    EXPECT_EQ(shownScene(), scene) << "the scene shown stays until the next generation with the scene";
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(SceneEditor, AnEditorThatCannotStartRebuildsAtOnceAndSaysNothing)
{
    fs::remove(editor());
    std::ofstream(sceneFile, std::ios::binary | std::ios::app) << "Added by hand\r\n";
    editScenes();
    EXPECT_EQ(fileScenes(), (std::vector<std::string>{"A scene from before", "Added by hand"}));
}

}  // namespace
}  // namespace brewick
