// The scene list following its file: a rebuild, with its two draws, only when
// the file's scenes or its read error change.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "cycle/InnGenerator.h"
#include "files/ListFile.h"
#include "generators/Scenes.h"
#include "support/RecordingRandom.h"
#include "support/TempDir.h"

namespace brewick {
namespace {

namespace fs = std::filesystem;

TEST(SceneListUpdate, RebuildsOnlyWhenTheScenesOrTheReadErrorChange)
{
    const test::TempDir dir;
    const fs::path file = dir.path() / "BarScenes.txt";
    const auto write = [&](const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; };
    // Editors that save by renaming a new file over the old one.
    const auto replace = [&](const std::string& bytes) {
        std::ofstream(dir.path() / "new", std::ios::binary) << bytes;
        fs::rename(dir.path() / "new", file);
    };
    write("A\n");
    test::RecordingRandom random;
    InnGenerator generator(random, readListFile(file));
    generator.generate();
    const std::string barScene = generator.sheet().barScene;

    struct Step {
        const char* name;
        std::function<void()> change;
        bool rebuilt;
        std::vector<std::string> fileScenes;
        std::optional<std::string> error;  // of the rebuild, to be told
    };
    const Step steps[] = {
        {"nothing changed", [] {}, false, {"A"}, {}},
        {"a comment, CR LF and blanks", [&] { write("/* mine\r\n  A \r\n"); }, false, {"A"}, {}},
        {"a scene added", [&] { write("A\nB\n"); }, true, {"A", "B"}, {}},
        {"the same saved by rename", [&] { replace("A\r\nB"); }, false, {"A", "B"}, {}},
        {"the scenes reordered", [&] { replace("B\nA\n"); }, true, {"B", "A"}, {}},
        {"an empty line is a scene", [&] { write("B\nA\n\n"); }, true, {"B", "A", ""}, {}},
        {"the file removed", [&] { fs::remove(file); }, true, {}, {}},
        {"still no file", [] {}, false, {}, {}},
        {"a folder in its place", [&] { fs::create_directory(file); }, true, {}, "Is a directory"},
        {"the same error is told once", [] {}, false, {}, {}},
        {"a file again",
         [&] {
             fs::remove(file);
             write("C");
         },
         true,
         {"C"},
         {}},
    };
    for (const Step& step : steps) {
        step.change();
        const std::size_t drawsBefore = random.ranges.size();
        const WordListFile read = readListFile(file);
        const bool rebuilt = generator.updateSceneList(read);
        EXPECT_EQ(rebuilt, step.rebuilt) << step.name;
        const std::vector<int> draws(random.ranges.begin() + static_cast<std::ptrdiff_t>(drawsBefore),
                                     random.ranges.end());
        const std::vector<int> buildDraws = {8, 10};  // the beans, then the toughs
        EXPECT_EQ(draws, step.rebuilt ? buildDraws : std::vector<int>()) << step.name;
        const WordList& scenes = generator.sceneList();
        EXPECT_EQ(std::vector<std::string>(scenes.begin() + kBuiltInSceneCount, scenes.end()), step.fileScenes)
            << step.name;
        EXPECT_EQ(rebuilt ? read.error : std::nullopt, step.error) << step.name;
        EXPECT_EQ(generator.sheet().barScene, barScene) << step.name << ": the bar scene waits for the next draw";
    }
}

}  // namespace
}  // namespace brewick
