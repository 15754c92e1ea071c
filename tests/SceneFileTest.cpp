#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <functional>

#include "files/ListFile.h"
#include "files/UserSceneFile.h"
#include "generators/Scenes.h"
#include "support/RecordingRandom.h"
#include "support/TempDir.h"

namespace brewick {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::ElementsAre;

std::string repeated(const std::string& text, std::size_t times)
{
    std::string all;
    for (std::size_t i = 0; i < times; ++i)
        all += text;
    return all;
}

std::vector<std::string> entries(const WordList& list, std::size_t from = 0)
{
    return {list.begin() + static_cast<std::ptrdiff_t>(from), list.end()};
}

struct FileRow {
    const char* name;
    std::string bytes;
    std::vector<std::string> scenes;
};

const FileRow kFiles[] = {
    {"empty file", "", {}},
    {"one line without a break", "A goat is loose", {"A goat is loose"}},
    {"CR LF", "a\r\nb\r\n", {"a", "b"}},
    {"lone CR", "a\rb\r", {"a", "b"}},
    {"lone LF", "a\nb\n", {"a", "b"}},
    {"LF then CR is two breaks", "a\n\rb", {"a", "", "b"}},
    {"a single break after the last line adds nothing", "a\r\n\r\n", {"a", ""}},
    {"break alone is one empty line", "\r\n", {""}},
    {"blanks and tabs trimmed", "  \tx  y\t \r\n", {"x  y"}},
    {"all-blank line is an empty scene", "   \r\nz", {"", "z"}},
    {"a line starting with one slash is a scene", "/ is no comment\r\n/*\r\n", {"/ is no comment"}},
    {"comments only where a line starts with /*",
     "/* comment\r\n  \t/* also\r\n*/\r\nx /* not\r\n",
     {"*/", "x /* not"}},
    {"byte 26 ends the file",
     "a\x1a"
     "b\r\nc",
     {"a"}},
    {"byte 26 after a break", "a\r\n\x1a\r\nb", {"a"}},
    {"byte 26 first",
     "\x1a"
     "a",
     {}},
    {"control characters kept inside, trimmed at the ends",
     "\x01"
     "a\x01"
     "b\x01\r\n"s,
     {"a\x01"
      "b"s}},
    {"invalid UTF-8 kept", "\xff\xfe caf\xe9\r\n", {"\xff\xfe caf\xe9"}},
    {"a byte order mark is skipped", "\xEF\xBB\xBF/* a comment\r\nA\r\n", {"A"}},
    {"a byte order mark alone", "\xEF\xBB\xBF", {}},
    {"the start of a mark that is none is kept", "\xEF\xBBx\r\n\xEF", {"\xEF\xBBx", "\xEF"}},
    {"a mark after the start is kept", "a\r\n\xEF\xBB\xBF", {"a", "\xEF\xBB\xBF"}},
    {"UTF-8 kept",
     "Caf\xc3\xa9 s\xc3\xa9"
     "ance\n",
     {"Caf\xc3\xa9 s\xc3\xa9"
      "ance"}},
};

TEST(SceneFileParser, SplitsTrimsAndSkipsWhateverThePieces)
{
    for (const FileRow& row : kFiles) {
        for (std::size_t piece : {std::size_t{1}, std::size_t{2}, std::size_t{3}, row.bytes.size() + 1}) {
            WordList scenes;
            ListFileParser parser(scenes);
            for (std::size_t at = 0; at < row.bytes.size(); at += piece)
                parser.feed(std::string_view(row.bytes).substr(at, piece));
            parser.finish();
            EXPECT_EQ(entries(scenes), row.scenes) << row.name << ", pieces of " << piece;
        }
    }
}

class SceneFile : public testing::Test {
protected:
    test::TempDir dir;
    std::filesystem::path path = dir.path() / std::string(kSceneFileName);

    void write(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
};

TEST_F(SceneFile, ReadsTheLinesOfTheFile)
{
    for (const FileRow& row : kFiles) {
        write(row.bytes);
        const WordListFile read = readListFile(path);
        EXPECT_EQ(read.error, std::nullopt) << row.name;
        EXPECT_EQ(entries(read.entries), row.scenes) << row.name;
    }
}

TEST_F(SceneFile, AMissingFileHasNoScenesAndNoError)
{
    const WordListFile read = readListFile(path);
    EXPECT_EQ(read.error, std::nullopt);
    EXPECT_EQ(read.entries.count(), 0u);
}

// Whatever stands in the file's place, the read ends at once, reporting why.
TEST_F(SceneFile, WhatIsNoTextFileOfScenesIsReportedAtOnce)
{
    struct Row {
        const char* name;
        std::function<void()> make;
        fs::path file;
        std::optional<std::string> error;
        std::size_t scenes;
    };
    const Row rows[] = {
        {"a folder", [&] { fs::create_directory(path); }, path, "Is a directory", 0},
        {"a FIFO that no one writes", [&] { mkfifo(path.c_str(), 0600); }, path, "not a regular file", 0},
        {"a device without end", [] {}, "/dev/zero", "not a regular file", 0},
        {"a link to itself", [&] { fs::create_symlink(path, path); }, path, "Too many levels of symbolic links", 0},
        {"a line as long as allowed", [&] { write(std::string(kListLineLimit, 'x') + "\n"); }, path, std::nullopt, 1},
        {"a longer line", [&] { write("a\n/*\n" + std::string(kListLineLimit + 1, 'x')); }, path,
         "line 3 is longer than 1 KiB", 1},
        {"as many entries as allowed", [&] { write(repeated("x\n", kListEntryLimit)); }, path, std::nullopt,
         kListEntryLimit},
        {"one entry more", [&] { write(repeated("x\n", kListEntryLimit + 1)); }, path,
         "line 10001 holds one entry more than the 10000 a list may have", kListEntryLimit},
        {"as many entry bytes as allowed", [&] { write(repeated(std::string(1024, 'x') + "\n", 1024)); }, path,
         std::nullopt, 1024},
        {"one entry byte more", [&] { write(repeated(std::string(1024, 'x') + "\n", 1024) + "x"); }, path,
         "line 1025 takes the entries past the 1 MiB a list may have", 1024},
        {"UTF-16 text", [&] { write(std::string("\xFF\xFEx\0\n\0", 6)); }, path,
         "line 1 holds a NUL byte, as UTF-16 text does: save the file as UTF-8", 0},
        {"a file too large",
         [&] {
             write("");
             fs::resize_file(path, kListFileLimit + 1);
         },
         path, "the file is larger than 2 MiB", 0},
    };
    for (const Row& row : rows) {
        fs::remove(path);
        row.make();
        const WordListFile read = readListFile(row.file);
        EXPECT_EQ(read.error, row.error) << row.name;
        EXPECT_EQ(read.entries.count(), row.scenes) << row.name;
    }
}

TEST(SceneList, TheFileScenesFollowTheHundredBuiltInScenes)
{
    test::RecordingRandom random;
    WordList fileScenes;
    fileScenes.append("A goat is loose");
    WordList sceneList;
    buildSceneList(sceneList, fileScenes, random);
    ASSERT_EQ(sceneList.count(), 101u);
    EXPECT_EQ(sceneList[100], "A goat is loose");
}

TEST_F(SceneFile, ALongFileIsReadWhole)
{
    std::string bytes;
    for (std::size_t i = 0; i < kListEntryLimit; ++i)
        bytes += "/* a comment\r\nScene number " + std::to_string(i) + "\r\n";
    write(bytes);
    const WordListFile read = readListFile(path);
    EXPECT_EQ(read.error, std::nullopt);
    ASSERT_EQ(read.entries.count(), kListEntryLimit);
    EXPECT_EQ(read.entries[kListEntryLimit - 1], "Scene number 9999");
}

// Lines of 16 bytes up to `size` bytes, the last one cut short without a break.
std::string sceneLines(std::size_t size)
{
    std::string bytes;
    for (int n = 0; bytes.size() + 16 <= size; ++n) {
        const std::string number = std::to_string(n);
        bytes += "Scene " + std::string(8 - number.size(), '0') + number + "\r\n";
    }
    return bytes + std::string(size - bytes.size(), 'x');
}

// The file is read 64 KiB at a time; what ends a line or the file must work
// the same on either side of a read.
TEST_F(SceneFile, ReadsJoinUpWhereverTheyEnd)
{
    struct Row {
        const char* name;
        std::string bytes;
        std::size_t scenes;
        std::string last;
    };
    const Row rows[] = {
        {"byte 26 last in the first read",
         sceneLines(65535) + "\x1a"
                             "after\r\n",
         4096, std::string(15, 'x')},
        {"byte 26 first in the second read",
         sceneLines(65536) + "\x1a"
                             "after\r\n",
         4096, "Scene 00004095"},
        {"byte 26 further on",
         sceneLines(70000) + "\x1a"
                             "after",
         4375, "Scene 00004374"},
        {"CR LF split between two reads", sceneLines(65535) + "\r\nlast\r\n", 4097, "last"},
        {"a last line without a break after a full read", sceneLines(65536) + "last", 4097, "last"},
    };
    for (const Row& row : rows) {
        write(row.bytes);
        const WordListFile read = readListFile(path);
        EXPECT_EQ(read.error, std::nullopt) << row.name;
        ASSERT_EQ(read.entries.count(), row.scenes) << row.name;
        EXPECT_EQ(read.entries[row.scenes - 1], row.last) << row.name;
    }
}

TEST(BuiltInScenes, NumberedScenesDuplicatesAndSpellings)
{
    struct Row {
        std::vector<int> draws;
        std::string beans, toughs;
    };
    const Row rows[] = {
        {{0, 0}, "A patron offers to sell you 2 magic beans", "1 drunken toughs are picking fights with customers"},
        {{7, 9}, "A patron offers to sell you 9 magic beans", "10 drunken toughs are picking fights with customers"},
    };
    for (const Row& row : rows) {
        test::ScriptedRandom random(row.draws);
        WordList scenes;
        buildSceneList(scenes, {}, random);
        EXPECT_THAT(random.ranges, ElementsAre(8, 10));
        ASSERT_EQ(scenes.count(), 100u);
        EXPECT_EQ(scenes[65], row.beans);
        EXPECT_EQ(scenes[88], row.toughs);
        EXPECT_EQ(scenes[30], "No-one will meet your eye");
        EXPECT_EQ(scenes[40], "A drunken brawl breaks out (Wild West style)");
        EXPECT_EQ(scenes[32], "A patron challenges the smallest in your party to a fight");
        EXPECT_EQ(scenes[36], scenes[32]);
        EXPECT_EQ(scenes[33], "A patron challenges the largest in your party to a fight");
        EXPECT_EQ(scenes[37], scenes[33]);
        const std::vector<std::string> all = entries(scenes);
        EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), 98u);
        EXPECT_THAT(all, testing::Contains("A halfing thief fails to pick your pocket"));
        EXPECT_THAT(all, testing::Contains("A halfing thief picks your pocket"));
        for (const std::string& scene : all) {
            EXPECT_FALSE(scene.ends_with(".")) << scene;
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(scene[0])) || std::isdigit(scene[0])) << scene;
        }
    }
}

TEST(BuiltInScenes, SceneDrawsOneEntryAndReplacesTheOld)
{
    test::ScriptedRandom random({0, 0, 99});
    WordList scenes;
    buildSceneList(scenes, {}, random);
    InnSheet sheet;
    sheet.barScene = "old";
    drawBarScene(sheet, scenes, random);
    EXPECT_EQ(sheet.barScene, scenes[99]);
}

}  // namespace
}  // namespace brewick
