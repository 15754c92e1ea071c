// Following a file through every way editors save it, on the real file system.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <fstream>
#include <functional>

#include "platform/EditedFileWatcher.h"
#include "support/TempDir.h"

namespace brewick {
namespace {

namespace fs = std::filesystem;

TEST(EditedFileWatcher, EachSaveIsToldOnceAfterItSettlesWhateverWayTheEditorSaves)
{
    const test::TempDir dir;
    // A folder name that is not UTF-8: file names are bytes.
    const fs::path folder = dir.path() / "caf\xe9";
    fs::create_directory(folder);
    const fs::path file = folder / "BarScenes.txt";
    const auto write = [](const fs::path& path, const char* text, std::ios::openmode mode = std::ios::trunc) {
        std::ofstream(path, std::ios::out | mode) << text;
    };
    struct Row {
        const char* name;
        std::function<void()> save;
        int told;
    };
    // In this order: each row starts where the one before left the file.
    const Row rows[] = {
        {"no file yet, nothing happens", [] {}, 0},
        {"created", [&] { write(file, "A\n"); }, 1},
        {"appended in place", [&] { write(file, "B\n", std::ios::app); }, 1},
        {"a new file renamed over it",
         [&] {
             write(folder / ".BarScenes.txt.new", "C\n");
             fs::rename(folder / ".BarScenes.txt.new", file);
         },
         1},
        {"in place again, after the rename", [&] { write(file, "D\n", std::ios::app); }, 1},
        {"a backup beside it, then the new file renamed over it",
         [&] {
             fs::copy_file(file, folder / "BarScenes.txt~");
             write(folder / ".goutputstream-1", "E\n");
             fs::rename(folder / ".goutputstream-1", file);
         },
         1},
        {"a burst of a hundred writes",
         [&] {
             for (int i = 0; i < 100; ++i)
                 write(file, "F\n", std::ios::app);
         },
         1},
        {"removed", [&] { fs::remove(file); }, 1},
        {"made anew", [&] { write(file, "G\n"); }, 1},
        {"untouched", [] {}, 0},
    };
    EditedFileWatcher watcher;
    watcher.watch(file);
    QSignalSpy told(&watcher, &EditedFileWatcher::changed);
    int toldBefore = 0;
    for (const Row& row : rows) {
        row.save();
        // A file written after the save settled is told after anything the
        // save itself set off.
        if (row.told > 0) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return told.count() >= toldBefore + row.told; }, 10000)) << row.name;
        }
        write(folder / "marker", "M\n", std::ios::app);
        EXPECT_TRUE(QTest::qWaitFor([&] { return told.count() > toldBefore + row.told; }, 10000)) << row.name;
        EXPECT_EQ(told.count(), toldBefore + row.told + 1) << row.name;
        toldBefore = told.count();
    }
}

}  // namespace
}  // namespace brewick
