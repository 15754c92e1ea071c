// The user's scene file: where it lives and how the first edit creates it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <functional>

#include "files/ListFile.h"
#include "files/UserSceneFile.h"
#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/RecordingRandom.h"
#include "support/TempDir.h"

namespace brewick {
namespace {

namespace fs = std::filesystem;
using test::contents;
using testing::HasSubstr;

TEST(UserSceneFile, LivesInTheUsersDataFolder)
{
    struct Row {
        const char* name;
        const char* dataHome;
        const char* home;
        fs::path expected;
    };
    const Row rows[] = {
        {"XDG_DATA_HOME first", "/data", "/home/ann", "/data/brewick/BarScenes.txt"},
        {"XDG_DATA_HOME with a trailing slash", "/data/", "/home/ann", "/data/brewick/BarScenes.txt"},
        {"XDG_DATA_HOME alone", "/data", nullptr, "/data/brewick/BarScenes.txt"},
        {"no XDG_DATA_HOME: under HOME", nullptr, "/home/ann", "/home/ann/.local/share/brewick/BarScenes.txt"},
        {"an empty XDG_DATA_HOME is unset", "", "/home/ann", "/home/ann/.local/share/brewick/BarScenes.txt"},
        {"a relative XDG_DATA_HOME is invalid", "data", "/home/ann", "/home/ann/.local/share/brewick/BarScenes.txt"},
        {"neither", nullptr, nullptr, ""},
        {"a relative XDG_DATA_HOME and no HOME", "data", nullptr, ""},
        {"a relative HOME", nullptr, "ann", ""},
        {"an empty HOME", "", "", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(userSceneFile(row.dataHome, row.home), row.expected) << row.name;
}

mode_t modeOf(const fs::path& path)
{
    struct stat status = {};
    stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

class SceneFileCreation : public testing::Test {
protected:
    test::TempDir dir;

    // The scenes the file adds to the built-in ones.
    static std::vector<std::string> fileScenes(const fs::path& path)
    {
        const WordListFile read = readListFile(path);
        EXPECT_EQ(read.error, std::nullopt);
        return {read.entries.begin(), read.entries.end()};
    }
};

TEST_F(SceneFileCreation, TheFirstEditMakesThePrivateFoldersAndACommentedFileWithoutScenes)
{
    fs::create_directories(dir.path() / "home");
    fs::permissions(dir.path() / "home", fs::perms(0750));
    const fs::path file = dir.path() / "home/.local/share/brewick/BarScenes.txt";
    EXPECT_EQ(createSceneFile(file), std::nullopt);
    EXPECT_EQ(contents(file), kSceneFileIntroduction);
    EXPECT_EQ(fileScenes(file), std::vector<std::string>{});
    for (const char* folder : {"home/.local", "home/.local/share", "home/.local/share/brewick"})
        EXPECT_EQ(modeOf(dir.path() / folder), 0700u) << folder;
    EXPECT_EQ(modeOf(dir.path() / "home"), 0750u) << "an existing folder keeps its mode";
    EXPECT_THAT(std::string(kSceneFileIntroduction), HasSubstr("one scene a line"));
    EXPECT_THAT(std::string(kSceneFileIntroduction), HasSubstr("Lines starting with /* are comments"));
}

TEST_F(SceneFileCreation, AFileThatIsThereIsLeftAsItIs)
{
    struct Row {
        const char* name;
        std::function<void(const fs::path&)> make;
        std::string bytes;  // what the file reads as afterwards
    };
    const fs::path elsewhere = dir.path() / "elsewhere.txt";
    std::ofstream(elsewhere) << "A scene kept elsewhere\n";
    const Row rows[] = {
        {"scenes", [](const fs::path& p) { std::ofstream(p) << "A goat is loose\n"; }, "A goat is loose\n"},
        {"an empty file", [](const fs::path& p) { std::ofstream{p}; }, ""},
        {"a link to a file elsewhere", [&](const fs::path& p) { fs::create_symlink(elsewhere, p); },
         "A scene kept elsewhere\n"},
        {"a file made by the first edit", [](const fs::path& p) { createSceneFile(p); },
         std::string(kSceneFileIntroduction)},
    };
    for (const Row& row : rows) {
        const fs::path file = dir.path() / row.name / "BarScenes.txt";
        fs::create_directories(file.parent_path());
        row.make(file);
        EXPECT_EQ(createSceneFile(file), std::nullopt) << row.name;
        EXPECT_EQ(contents(file), row.bytes) << row.name;
    }
    EXPECT_TRUE(fs::is_symlink(dir.path() / "a link to a file elsewhere/BarScenes.txt"));
}

TEST_F(SceneFileCreation, ProblemsNameThePathAndLeaveNothingHalfWritten)
{
    const fs::path aFile = dir.path() / "a-file";
    std::ofstream(aFile) << "x";
    fs::create_directories(dir.path() / "folder/BarScenes.txt");
    struct Row {
        const char* name;
        fs::path path;
        std::string message;
        rlim_t diskSpace = RLIM_INFINITY;
    };
    const Row rows[] = {
        {"no folder known", "",
         "There is no folder for the scene file: neither XDG_DATA_HOME nor HOME names an "
         "absolute folder"},
        {"a folder in the file's place", dir.path() / "folder/BarScenes.txt",
         "Cannot create file " + (dir.path() / "folder/BarScenes.txt").string() + ": Is a directory"},
        {"a file in the folder's place", aFile / "BarScenes.txt",
         "Cannot create folder " + aFile.string() + ": Not a directory"},
        {"a file on the way to the folder", aFile / "brewick/BarScenes.txt",
         "Cannot create folder " + (aFile / "brewick").string() + ": Not a directory"},
        {"a full disk", dir.path() / "full/BarScenes.txt",
         "Cannot write file " + (dir.path() / "full/BarScenes.txt").string() + ": File too large", 64},
    };
    for (const Row& row : rows) {
        std::optional<std::string> problem;
        {
            const test::FullDisk disk(row.diskSpace);
            problem = createSceneFile(row.path);
        }
        EXPECT_EQ(problem, row.message) << row.name;
    }
    EXPECT_EQ(contents(aFile), "x");
    EXPECT_TRUE(fs::is_empty(dir.path() / "full")) << "no half-written file";
}

}  // namespace
}  // namespace brewick
