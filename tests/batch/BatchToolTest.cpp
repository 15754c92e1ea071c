// brewick-batch end to end: the real program, its files and its exit status.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/mount.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <tuple>

#include "BatchProcess.h"
#include "cli/FolderOutput.h"
#include "core/Patron.h"
#include "cycle/InnGenerator.h"
#include "files/ListFile.h"
#include "output/formats/InnSheetText.h"
#ifdef BREWICK_PDF_WRITER
#include "output/print/FooterDate.h"
#endif
#include "print/PdfDocument.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace brewick {
namespace {

namespace fs = std::filesystem;
using test::BatchResult;
using test::BatchSetting;
using test::contents;
using test::entries;
using test::runBatch;
using testing::HasSubstr;
using testing::StartsWith;

void writeFile(const fs::path& path, std::string_view bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// Each line with its LF.
std::vector<std::string> outputLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t length = std::min(text.find('\n'), text.size() - 1) + 1;
        lines.emplace_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

// The inns the window shows with this seed and scene file: after start-up,
// then after each press of "Generate"; with every table fleshed out, if asked.
std::vector<InnSheet> windowInns(std::uint32_t seed, const fs::path& sceneFile, int count, bool fleshedOut = false)
{
    LcgRandom random(seed);
    InnGenerator generator(random, readListFile(sceneFile));
    std::vector<InnSheet> inns;
    for (int i = 1; i <= count; ++i) {
        generator.generate();
        if (fleshedOut)
            generator.fleshOutEveryTable({static_cast<std::uint64_t>(i), seed});
        inns.push_back(generator.sheet());
    }
    return inns;
}

std::string savedText(const std::vector<InnSheet>& inns)
{
    std::string bytes;
    TextLines lines;
    for (const InnSheet& inn : inns) {
        buildInnSheetText(inn, lines);
        appendCrLfText(lines, bytes);
    }
    return bytes;
}

// A seed whose first inn draws `scene`, the last line of the scene file. A
// broken random source may never draw it: the search gives up rather than
// hang the test.
std::uint32_t seedDrawing(std::string_view scene, const fs::path& sceneFile)
{
    for (std::uint32_t seed = 1; seed < 100000; ++seed)
        if (windowInns(seed, sceneFile, 1)[0].barScene == scene)
            return seed;
    ADD_FAILURE() << "no seed draws " << scene;
    return 0;
}

class BatchTool : public testing::Test {
protected:
    test::TempDir dir;
    const fs::path sceneFile = dir.path() / "scenes.txt";

    void SetUp() override { writeFile(sceneFile, "/* the test's own scenes\r\nA goat is loose in the taproom\r\n"); }
};

TEST_F(BatchTool, InnByInnWhatTheWindowShows)
{
    for (const bool fleshOut : {false, true}) {
        std::vector<std::string> arguments = {"--seed", "4711", "--count", "4", "--scenes", sceneFile.string()};
        if (fleshOut)
            arguments.push_back("--flesh-out");
        const BatchResult run = runBatch(arguments);
        EXPECT_EQ(run.exitStatus, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, savedText(windowInns(4711, sceneFile, 4, fleshOut))) << "fleshed out: " << fleshOut;
    }
}

// The kept golden inns, from the real program: the saved text, and the
// Markdown pages, which only the batch tool writes.
TEST_F(BatchTool, GoldenInnsInEachFormat)
{
    const fs::path noScenes = dir.path() / "no scenes.txt";
    writeFile(noScenes, "");
    struct Row {
        const char* format;
        const char* seed;
        const char* count;
        fs::path scenes;
        const char* golden;
    };
    const Row rows[] = {
        {"text", "53", "3", test::dataFile("golden/numbered-scenes.txt"), "golden/seed-53.txt"},
        {"markdown", "137", "2", noScenes, "golden/seed-137.md"},
    };
    for (const Row& row : rows) {
        const BatchResult run = runBatch(
            {"--seed", row.seed, "--count", row.count, "--format", row.format, "--scenes", row.scenes.string()});
        EXPECT_EQ(run.exitStatus, 0) << run.err;
        const std::string expected = test::contents(test::dataFile(row.golden));
        ASSERT_FALSE(expected.empty()) << row.golden;
        EXPECT_TRUE(run.out == expected) << row.golden << ", "
                                         << test::firstDifference(outputLines(expected), outputLines(run.out));
    }
}

TEST_F(BatchTool, WithoutASeedItStartsAsTheWindowDoes)
{
    const BatchSetting seeded = {.environment = {{"BREWICK_SEED", "99"}}};
    EXPECT_EQ(runBatch({"--scenes", sceneFile.string()}, seeded).out, savedText(windowInns(99, sceneFile, 1)));
}

TEST_F(BatchTool, TheSameSeedGivesTheSameBytesInEveryFormat)
{
    for (const char* format : {"text", "markdown", "json"}) {
        const std::vector<std::string> arguments = {"--seed", "12", "--count", "5", "--format", format};
        const BatchResult first = runBatch(arguments);
        EXPECT_EQ(first.exitStatus, 0) << format;
        EXPECT_FALSE(first.out.empty()) << format;
        EXPECT_EQ(runBatch(arguments).out, first.out) << format;
        EXPECT_NE(runBatch({"--seed", "13", "--count", "5", "--format", format}).out, first.out) << format;
    }
}

TEST_F(BatchTool, OutputFilesEqualStandardOutputByteForByte)
{
    struct Row {
        const char* format;
        int count;
        const char* extension;
        int digits;
    };
    const Row rows[] = {{"text", 12, "txt", 2}, {"markdown", 1, "md", 1}, {"json", 100, "json", 3}};
    for (const Row& row : rows) {
        const std::string count = std::to_string(row.count);
        // File names are bytes: this one is no UTF-8.
        const fs::path folder = dir.path() / row.format / "not yet there \xff";
        const std::vector<std::string> arguments = {"--seed", "5", "--count", count, "--format", row.format};
        std::vector<std::string> toFolder = arguments;
        toFolder.insert(toFolder.end(), {"--output", folder.string()});

        const BatchResult written = runBatch(toFolder);
        EXPECT_EQ(written.exitStatus, 0) << row.format << ": " << written.err;
        EXPECT_EQ(written.out, "") << row.format;
        std::vector<std::string> expectedNames;
        std::string joined;
        for (int n = 1; n <= row.count; ++n) {
            char name[32];
            std::snprintf(name, sizeof name, "%0*d.%s", row.digits, n, row.extension);
            expectedNames.push_back(name);
            joined += contents(folder / name);
        }
        EXPECT_EQ(entries(folder), expectedNames) << row.format;
        EXPECT_EQ(joined, runBatch(arguments).out) << row.format;
    }
}

TEST_F(BatchTool, CountZeroWritesNothing)
{
    const BatchResult toStdout = runBatch({"--count", "0"});
    EXPECT_EQ(toStdout.exitStatus, 0);
    EXPECT_EQ(toStdout.out, "");
    const BatchResult toFolder = runBatch({"--count", "0", "--output", (dir.path() / "inns").string()});
    EXPECT_EQ(toFolder.exitStatus, 0);
    EXPECT_TRUE(fs::is_empty(dir.path() / "inns"));
}

TEST_F(BatchTool, ABadCommandLineExitsTwoWithTheProblemAndTheUsageOnly)
{
    struct Row {
        std::vector<std::string> arguments;
        std::string problem;
        BatchSetting setting = {};
    };
    const BatchSetting seedWithEscape = {.environment = {{"BREWICK_SEED", "7\x1b[2J\n"}}};
    const Row rows[] = {
        {{"--colour", "red"}, "unknown option '--colour'"},
        {{"-c", "3"}, "unknown option '-c'"},
        {{"--count", "3", "5"}, "unexpected argument '5'"},
        {{"--count"}, "--count needs a value"},
        {{"--seed", "--count", "3"}, "--seed needs a value"},
        {{"--scenes"}, "--scenes needs a value"},
        {{"--format"}, "--format needs a value"},
        {{"--output"}, "--output needs a value"},
        {{"--seed", "4294967296"}, "--seed: '4294967296' is not a whole number from 0 to 4294967295"},
        {{"--seed=-1"}, "--seed: '-1' is not a whole number"},
        {{"--seed", "+7"}, "--seed: '+7' is not a whole number"},
        {{"--seed", "seven"}, "--seed: 'seven' is not a whole number"},
        {{"--count", "-2"}, "--count: '-2' is not a whole number"},
        {{"--count", "1e3"}, "--count: '1e3' is not a whole number"},
        {{"--count="}, "--count: '' is not a whole number"},
        {{"--count", "99999999999"}, "--count: '99999999999' is not a whole number from 0 to 4294967295"},
        {{"--format", "xml"}, "--format: 'xml' is not one of text, markdown, json, pdf"},
        {{"--players=no"}, "--players takes no value"},
        {{"--output="}, "--output: the name is empty"},
        {{"--flesh-out=yes"}, "--flesh-out takes no value"},
        {{"--flesh-out", "yes"}, "unexpected argument 'yes'"},
        {{"--scenes", ""}, "--scenes: the name is empty"},
        {{"--count", "\t"}, "--count: '\\x09' is not a whole number"},
        {{}, "BREWICK_SEED='12a' is not a whole number", {.environment = {{"BREWICK_SEED", "12a"}}}},
        {{"--count", "2"}, "BREWICK_SEED='7\\x1b[2J\\x0a' is not a whole number", seedWithEscape},
    };
    for (const Row& row : rows) {
        const BatchResult run = runBatch(row.arguments, row.setting);
        EXPECT_EQ(run.exitStatus, 2) << row.problem;
        EXPECT_EQ(run.out, "") << row.problem;
        const std::vector<std::string> lines = outputLines(run.err);
        ASSERT_EQ(lines.size(), 2u) << run.err;
        EXPECT_THAT(lines[1], testing::EndsWith("\n"));
        EXPECT_THAT(lines[0], StartsWith("brewick-batch: " + row.problem));
        EXPECT_THAT(lines[1], StartsWith("Usage: brewick-batch [--seed N] [--count K]"));
    }
}

// Both programs answer --help and --version on standard output, the window
// without a display; the window refuses an option it does not know on
// standard error with the usage and exit status 2, as the batch tool does,
// also without a display: no window system is named or reachable here.
TEST_F(BatchTool, HelpAndVersionExitZeroUnknownOptionsTwo)
{
    const std::string usage =
        "\nUsage: .*brewick \\[options\\] \\[file\\.\\.\\.\\]\nTry 'brewick --help' for the options\\.\n";
    const std::tuple<const char*, std::vector<std::string>, int, std::string> rows[] = {
        {BREWICK_BATCH, {"--count", "3", "--help"}, 0, "Usage: brewick-batch .*--format .*"},
        {BREWICK_BATCH, {"-h"}, 0, "Usage: brewick-batch .*"},
        {BREWICK_BATCH, {"--version"}, 0, "brewick-batch [0-9]+\\.[0-9]+\n"},
#ifdef BREWICK
        {BREWICK, {"-h"}, 0, "Usage: .*brewick \\[options\\] \\[file...\\]\n.*-v, --version.*"},
        {BREWICK, {"-platform", "xcb", "--help"}, 0, "Usage: .*brewick .*"},
        {BREWICK, {"--version"}, 0, "brewick [0-9]+\\.[0-9]+\n"},
        {BREWICK, {"-platform", "offscreen", "-x"}, 2, "brewick: unknown option '-x'" + usage},
        {BREWICK, {"--bogus"}, 2, "brewick: unknown option '--bogus'" + usage},
        {BREWICK, {"inn.json", "-platform"}, 2, "brewick: -platform needs a value" + usage},
#endif
    };
    for (const auto& [program, arguments, exitStatus, shown] : rows) {
        const BatchResult run =
            runBatch(arguments, {.program = program, .unset = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}});
        EXPECT_EQ(run.exitStatus, exitStatus) << program << " " << arguments.back() << ": " << run.err;
        EXPECT_THAT(exitStatus == 0 ? run.out : run.err, testing::MatchesRegex(shown)) << arguments.back();
        EXPECT_EQ(exitStatus == 0 ? run.err : run.out, "") << arguments.back();
    }
}

// Nothing may be left half-written: every file there is a whole inn.
TEST_F(BatchTool, AFailureExitsOneWithAMessageAndLeavesNoPartialFile)
{
    const fs::path inns = dir.path() / "inns";
    const fs::path aFile = dir.path() / "file";
    writeFile(aFile, "x");
    fs::create_directories(inns / "2.txt");
    writeFile(inns / "1.txt", "an earlier run's inn");
    fs::create_directory(dir.path() / ".brewick-batch-999999999-of-a-killed-run");
    fs::create_directory(dir.path() / "folder");
    const fs::path folderForFile = dir.path() / "data/brewick/BarScenes.txt";
    fs::create_directories(folderForFile);
    // Nobody writes the FIFOs: a reader that waited for one would wait for good.
    const fs::path fifo = dir.path() / "fifo";
    const fs::path fifoInns = dir.path() / "fifo-inns";
    fs::create_directory(fifoInns);
    mkfifo(fifo.c_str(), 0600);
    mkfifo((fifoInns / "1.txt").c_str(), 0600);
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(terminal >= 0 && grantpt(terminal) == 0 && unlockpt(terminal) == 0);
    const fs::path elsewhere = dir.path() / "elsewhere";
    fs::create_directory(elsewhere);
    fs::copy_file(BREWICK_BATCH, elsewhere / "brewick-batch");
    struct Row {
        std::vector<std::string> arguments;
        std::string message;
        BatchSetting setting = {};
    };
    const Row rows[] = {
        {{"--scenes", (dir.path() / "none.txt").string()},
         "cannot read scene file " + (dir.path() / "none.txt").string() + ": No such file or directory"},
        {{"--scenes", (dir.path() / "folder").string()}, "Is a directory"},
        {{"--words", (dir.path() / "none").string()},
         "cannot use word list " + (dir.path() / "none").string() + ": No such file or directory"},
        {{},
         "cannot read scene file " + folderForFile.string() + ": Is a directory",
         {.environment = {{"XDG_DATA_HOME", dir.path() / "data"}}}},
        {{"--output", aFile.string()}, "cannot create folder " + aFile.string()},
        {{"--output", (aFile / "inns").string()}, "cannot create folder"},
        {{"--seed", "3", "--count", "3", "--output", inns.string()},
         "Cannot create file " + (inns / "2.txt").string() + ": Is a directory; none of the 3 files was written"},
        {{"--count", "3"}, "standard output: No space left on device", {.stdoutPath = "/dev/full"}},
        {{"--scenes", fifo.string()}, "cannot read scene file " + fifo.string() + ": not a regular file"},
        {{"--scenes", "/dev/zero"}, "cannot read scene file /dev/zero: not a regular file"},
        {{"--output", fifoInns.string()},
         "Cannot create file " + (fifoInns / "1.txt").string() + ": not a regular file; the file was not written"},
        {{"--format", "pdf"}, "will not write a PDF to a terminal", {.stdoutPath = ptsname(terminal)}},
        {{"--format", "pdf"},
         "cannot write PDF: the PDF writer is not installed",
         {.program = elsewhere / "brewick-batch", .stdoutPath = "/dev/null"}},
#ifdef BREWICK_PDF_WRITER
        {{"--format", "pdf"}, "standard output: No space left on device", {.stdoutPath = "/dev/full"}},
        {{"--format", "pdf", "--output", aFile.string()}, "cannot create folder " + aFile.string()},
#endif
    };
    for (const Row& row : rows) {
        const BatchResult run = runBatch(row.arguments, row.setting);
        EXPECT_EQ(run.exitStatus, 1) << row.message;
        EXPECT_EQ(run.out, "") << row.message;
        EXPECT_THAT(run.err, StartsWith("brewick-batch: ")) << row.message;
        EXPECT_THAT(run.err, HasSubstr(row.message));
        EXPECT_EQ(outputLines(run.err).size(), 1u) << run.err;
    }
    EXPECT_EQ(entries(inns), (std::vector<std::string>{"1.txt", "2.txt"}));
    EXPECT_EQ(contents(inns / "1.txt"), "an earlier run's inn") << "the files of a run that failed are none";
    EXPECT_THAT(entries(dir.path()), testing::Each(testing::Not(StartsWith(".brewick-batch-"))));
    EXPECT_EQ(contents(aFile), "x");
    EXPECT_TRUE(fs::is_fifo(fifoInns / "1.txt"));
    close(terminal);
}

// Disk full, for real: no file may grow past a few hundred bytes, less than
// one inn, or the folder is a file system of 64 KiB that fills up midway
// (where root may mount one; the run's files then wait in the folder). A
// folder the run made is gone again, with the folders made for it; one of an
// earlier run is as it was, and a run that succeeds there replaces only the
// files of the names it writes.
TEST_F(BatchTool, AFullDiskLeavesTheFolderAsItWas)
{
    const fs::path earlier = dir.path() / "earlier";
    const fs::path small = dir.path() / "small";
    std::vector<std::pair<fs::path, std::optional<rlim_t>>> rows = {{dir.path() / "new" / "inns", 500}, {earlier, 500}};
    fs::create_directory(small);
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") == 0)
        rows.emplace_back(small, std::nullopt);
    for (const fs::path& folder : {earlier, small}) {
        fs::create_directory(folder);
        writeFile(folder / "01.txt", "an earlier run's inn");
        writeFile(folder / "notes.md", "notes");
    }
    for (const auto& [inns, room] : rows) {
        const BatchResult run = runBatch({"--count", "20", "--output", inns.string()}, {.fileSizeLimit = room});
        EXPECT_EQ(run.exitStatus, 1);
        EXPECT_THAT(run.err, testing::MatchesRegex("brewick-batch: " + inns.string() +
                                                   "/[0-9]+.txt: Stream write error: .*; none of the 20 files was "
                                                   "written\n"));
    }
    for (const fs::path& folder : {earlier, small}) {
        EXPECT_EQ(entries(folder), (std::vector<std::string>{"01.txt", "notes.md"}));
        EXPECT_EQ(contents(folder / "01.txt"), "an earlier run's inn");
    }
    ::umount(small.c_str());
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"earlier", "scenes.txt", "small"}));
    EXPECT_EQ(runBatch({"--seed", "3", "--count", "20", "--output", earlier.string()}).exitStatus, 0);
    EXPECT_EQ(entries(earlier).size(), 21u);
    EXPECT_EQ(contents(earlier / "01.txt"), runBatch({"--seed", "3"}).out);
}

// A file that cannot be moved in once others were: they go back, and the
// folder is as it was.
TEST_F(BatchTool, AFileThatCannotBeMovedInTakesTheOthersBack)
{
    const fs::path inns = dir.path() / "inns";
    {
        FolderOutput output(inns, 2, "txt");
        ASSERT_EQ(output.open(), std::nullopt);
        std::string page;
        for (const std::uint64_t number : {1, 2})
            ASSERT_EQ(output.take(number, page), std::nullopt);
        fs::create_directory(inns / "2.txt");
        EXPECT_THAT(output.finish(page).value_or(""),
                    testing::EndsWith("2.txt: Is a directory; none of the 2 files was written"));
    }
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"inns", "scenes.txt"}));
    EXPECT_EQ(entries(inns), std::vector<std::string>{"2.txt"});
}

// "| head": the reader went away, wanting no more, which is no failure.
TEST_F(BatchTool, AClosedPipeEndsTheRunQuietly)
{
    const BatchResult run = runBatch({"--count", "100000"}, {.stdoutIsAClosedPipe = true});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.err, "");
}

TEST_F(BatchTool, WithoutScenesTheUsersOwnSceneFileIsRead)
{
    const std::string scene = "A bard plays the song of the test";
    const fs::path data = dir.path() / "data";
    const fs::path home = dir.path() / "home";
    const fs::path besideProgram = dir.path() / "program";
    for (const fs::path& folder : {data / "brewick", home / ".local/share/brewick", besideProgram}) {
        fs::create_directories(folder);
        writeFile(folder / "BarScenes.txt", scene + "\n");
    }
    fs::copy_file(BREWICK_BATCH, besideProgram / "brewick-batch");
    const std::uint32_t seed = seedDrawing(scene, data / "brewick/BarScenes.txt");
    struct Row {
        const char* name;
        BatchSetting setting;
        bool read;
    };
    const Row rows[] = {
        {"XDG_DATA_HOME", {.environment = {{"XDG_DATA_HOME", data}, {"HOME", dir.path() / "nobody"}}}, true},
        {"no XDG_DATA_HOME: under HOME", {.environment = {{"HOME", home}}}, true},
        {"a relative XDG_DATA_HOME is ignored", {.environment = {{"XDG_DATA_HOME", "data"}, {"HOME", home}}}, true},
        {"no file there: the built-in scenes", {.environment = {{"HOME", dir.path() / "nobody"}}}, false},
        {"no absolute folder: the built-in scenes", {.environment = {{"HOME", "home"}}}, false},
        {"the one beside the program is not read", {.program = besideProgram / "brewick-batch"}, false},
    };
    const std::string withScene = savedText(windowInns(seed, data / "brewick/BarScenes.txt", 1));
    const std::string withoutScene = savedText(windowInns(seed, "", 1));
    ASSERT_THAT(withScene, HasSubstr("\r\nBar Scene\r\n" + scene + "\r\n"));
    for (const Row& row : rows) {
        const BatchResult run = runBatch({"--seed", std::to_string(seed)}, row.setting);
        EXPECT_EQ(run.exitStatus, 0) << row.name << ": " << run.err;
        EXPECT_EQ(run.out, row.read ? withScene : withoutScene) << row.name;
    }
}

QString json(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::set<QString> patronRaces(std::string_view jsonLines)
{
    std::set<QString> races;
    for (const std::string& line : outputLines(jsonLines))
        for (const QJsonValue table : QJsonDocument::fromJson(QByteArray::fromStdString(line))["tables"].toArray())
            for (const QJsonValue patron : table["patrons"].toArray())
                races.insert(patron["race"].toString());
    return races;
}

// A word folder of one file a row: the races of the run's patrons, or the
// problem that ends the run.
TEST_F(BatchTool, AWordListFileReplacesOrJoinsItsListOrEndsTheRunNamed)
{
    const std::set<QString> builtIn = {"human", "elven", "halfling", "half-elven", "dwarven", "half-orc", "gnome"};
    std::set<QString> joined = builtIn;
    joined.insert("gnomish");
    struct Row {
        const char* file;
        std::optional<std::string> bytes;  // none: a folder
        std::set<QString> races;
        std::string problem = {};
    };
    const Row rows[] = {
        {"races.txt", "/* mine\r\n  gnomish \r\n", {"gnomish"}},
        {"races.add.txt", "gnomish\n", joined},
        {"races.txt", "", {}, "it holds no entry"},
        {"races.txt", "/* none yet\n\x1agnomish\n", {}, "it holds no entry"},
        {"races.txt", std::string(kListLineLimit + 1, 'x'), {}, "line 1 is longer than 1 KiB"},
        {"races.txt", std::nullopt, {}, "Is a directory"},
        {"race.txt", "gnomish\n", {}, "no word list has this name; README.txt names them all"},
        {"races.TXT", "gnomish\n", {}, "no word list has this name; README.txt names them all"},
        {"Races.add.txt", "gnomish\n", {}, "no word list has this name; README.txt names them all"},
        {"races.txt",
         std::string("\xFF\xFEg\0\n\0", 6),
         {},
         "line 1 holds a NUL byte, as UTF-16 text does: save the file as UTF-8"},
    };
    for (const Row& row : rows) {
        const fs::path words = dir.path() / std::to_string(&row - rows);
        fs::create_directories(row.bytes ? words : words / row.file);
        if (row.bytes)
            writeFile(words / row.file, *row.bytes);
        const BatchResult run = runBatch({"--count", "20", "--format", "json", "--words", words.string()});
        EXPECT_EQ(run.exitStatus, row.problem.empty() ? 0 : 1) << row.file << ": " << run.err;
        EXPECT_EQ(patronRaces(run.out), row.races) << row.file;
        const std::string message = "cannot use word list " + (words / row.file).string() + ": " + row.problem;
        EXPECT_EQ(run.err, row.problem.empty() ? "" : "brewick-batch: " + message + "\n");
    }
}

// The JSON's own shape is checked line by line against the schema by
// check-json-lines.py; here each line must be the inn the window shows.
TEST_F(BatchTool, JsonLinesCarryTheSectionsOfEachInn)
{
    const std::vector<InnSheet> inns = windowInns(31, sceneFile, 3);
    const BatchResult run =
        runBatch({"--seed", "31", "--count", "3", "--format", "json", "--scenes", sceneFile.string()});
    const std::vector<std::string> lines = outputLines(run.out);
    ASSERT_EQ(lines.size(), inns.size());
    for (std::size_t i = 0; i < inns.size(); ++i) {
        const InnSheet& inn = inns[i];
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(lines[i]), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << lines[i];
        EXPECT_EQ(object["inn"].toInt(), static_cast<int>(i + 1));
        EXPECT_EQ(object["seed"].toInteger(), 31);
        EXPECT_EQ(object["name"].toString(), json(inn.innName));
        EXPECT_EQ(object["landlord"].toString(), json(inn.landlordName));
        EXPECT_EQ(object["location"].toString(), json(locationName(inn.location)));
        EXPECT_EQ(object["quality"].toString(), json(qualityName(inn.quality)));
        const char* kinds[] = {"single", "double", "common"};
        for (int column = 1; column <= 3; ++column) {
            const QJsonObject room = object["rooms"][kinds[column - 1]].toObject();
            EXPECT_EQ(room["beds"].toInt(-1), std::stoi(inn.rooms.cell(column, 1)));
            EXPECT_EQ(room["cost"].toInt(-1), std::stoi(inn.rooms.cell(column, 2)));
        }
        EXPECT_EQ(object["scene"].toString(), json(inn.barScene));
        EXPECT_EQ(object["tableCount"].toInt(), inn.tableCount);
        const QJsonArray tables = object["tables"].toArray();
        ASSERT_EQ(tables.size(), inn.tableCount);
        ASSERT_EQ(inn.tableBlocks.size(), static_cast<std::size_t>(inn.tableCount));
        for (int table = 0; table < inn.tableCount; ++table) {
            const QJsonArray patrons = tables[table]["patrons"].toArray();
            const std::vector<Patron>& drawn = inn.tableBlocks[static_cast<std::size_t>(table)].patrons;
            ASSERT_EQ(patrons.size(), static_cast<qsizetype>(drawn.size()));
            for (std::size_t p = 0; p < drawn.size(); ++p) {
                const std::string line = patrons[p]["text"].toString().toStdString();
                EXPECT_EQ(patrons[p]["race"].toString(), json(patronWords(drawn[p], line).race));
                EXPECT_EQ(patrons[p]["gender"].toString(), drawn[p].woman ? "woman" : "man");
            }
        }
    }
}

#ifdef BREWICK_PDF_WRITER
// A handout: one PDF, every inn from a page of its own on, each page with its
// footer, numbered within its inn; to a folder, one PDF per inn, titled with
// the inn's name.
TEST_F(BatchTool, PdfHoldsEveryInnFromANewPageOrOneFilePerInn)
{
    const std::vector<InnSheet> inns = windowInns(4, sceneFile, 3);
    const std::vector<std::string> arguments = {"--seed",   "4",   "--count",  "3",
                                                "--format", "pdf", "--scenes", sceneFile.string()};
    const fs::path handout = dir.path() / "handout.pdf";
    const std::string dateBefore = localFooterDate();
    const BatchResult run = runBatch(arguments, {.stdoutPath = handout});
    const std::string dateAfter = localFooterDate();
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.err, "");
    const test::PdfDocument pdf(handout);
    EXPECT_THAT(pdf.info(), HasSubstr("Title:           " + inns[0].innName + " and 2 more inns\n"));
    const int pages = pdf.pageCount();
    int page = 0;
    for (const InnSheet& inn : inns) {
        const std::string opening = test::squeeze(std::string(kProductName) + inn.innName + " is run by");
        while (++page <= pages && !test::squeeze(pdf.text(page)).starts_with(opening)) {
        }
        EXPECT_LE(page, pages) << inn.innName << " starts no page after the inn before it";
    }
    EXPECT_EQ(pdf.expectSheetsPaged({dateBefore, dateAfter}), inns.size());

    std::vector<std::string> toFolder = arguments;
    toFolder.insert(toFolder.end(), {"--output", (dir.path() / "inns").string()});
    EXPECT_EQ(runBatch(toFolder).exitStatus, 0);
    EXPECT_EQ(entries(dir.path() / "inns"), (std::vector<std::string>{"1.pdf", "2.pdf", "3.pdf"}));
    for (std::size_t n = 1; n <= inns.size(); ++n)
        EXPECT_THAT(test::PdfDocument(dir.path() / "inns" / (std::to_string(n) + ".pdf")).info(),
                    HasSubstr("Title:           " + inns[n - 1].innName + "\n"));
}

// The printed page of issue 46: every word of the text whole in the PDF,
// though nearly every line of details is wider than the page; a footer on
// every page, numbered within its inn; no page that ends in a heading.
TEST_F(BatchTool, FleshedOutPdfKeepsEveryWordWholeAFooterOnEveryPageAndNoHeadingLast)
{
    const std::vector<std::string> arguments = {"--seed", "1234", "--count", "2", "--flesh-out", "--format"};
    const auto withFormat = [&](const char* format) {
        std::vector<std::string> withFormat = arguments;
        withFormat.push_back(format);
        return withFormat;
    };
    const BatchResult text = runBatch(withFormat("text"));
    ASSERT_EQ(text.exitStatus, 0) << text.err;
    const fs::path handout = dir.path() / "handout.pdf";
    const std::string dateBefore = localFooterDate();
    const BatchResult run = runBatch(withFormat("pdf"), {.stdoutPath = handout});
    const std::string dateAfter = localFooterDate();
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const test::PdfDocument pdf(handout);
    EXPECT_GE(pdf.pageCount(), 4);
    pdf.expectEveryWordWhole(text.out);
    EXPECT_EQ(pdf.expectSheetsPaged({dateBefore, dateAfter}), 2u);
}
#endif

// What the players may see, in every format: the inn and its menu, and no
// patron nor bar scene.
TEST_F(BatchTool, PlayersCardsNameTheInnAndItsMenuAndNoPatron)
{
    const std::vector<InnSheet> inns = windowInns(4, sceneFile, 3);
    const fs::path pdfFile = dir.path() / "cards.pdf";
    const std::vector<std::string> formats = {"text", "markdown", "json",
#ifdef BREWICK_PDF_WRITER
                                              "pdf"
#endif
    };
    for (const std::string& format : formats) {
        const bool pdf = format == "pdf";
        const BatchResult run =
            runBatch({"--seed", "4", "--count", "3", "--players", "--format", format, "--scenes", sceneFile.string()},
                     {.stdoutPath = pdf ? std::optional(pdfFile) : std::nullopt});
        EXPECT_EQ(run.exitStatus, 0) << format << ": " << run.err;
        const std::string out = pdf ? test::squeeze(test::PdfDocument(pdfFile).text()) : run.out;
        const auto holds = [&](std::string_view text) {
            return out.find(pdf ? test::squeeze(text) : std::string(text)) != std::string::npos;
        };
        for (const InnSheet& inn : inns) {
            EXPECT_TRUE(holds(inn.innName)) << format;
            EXPECT_TRUE(holds(trimmed(inn.menuLines[1]))) << format << ": the first main course";
            EXPECT_FALSE(holds(inn.barScene)) << format;
            for (std::string_view line : inn.tableText)
                EXPECT_TRUE(trimmed(line).empty() || !holds(line)) << format << ": " << line;
        }
    }
}

// Scene files are taken byte for byte: invalid UTF-8 shows as Latin-1.
TEST_F(BatchTool, JsonStaysValidWhateverBytesTheSceneFileHolds)
{
    const std::string scene = "Caf\xC3\xA9 \xFF\xC0\xAF \x01\t\"sic\" \\ \xE2\x82";
    writeFile(sceneFile, scene + "\n");
    const std::uint32_t seed = seedDrawing(scene, sceneFile);
    const BatchResult run =
        runBatch({"--seed", std::to_string(seed), "--format", "json", "--scenes", sceneFile.string()});
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out;
    // Any other JSON reader takes the bytes that are no UTF-8 for no letter
    // at all: each is the lone surrogate U+DC00 plus the byte.
    const auto kept = [](std::initializer_list<char16_t> bytes) {
        QString surrogates;
        for (char16_t byte : bytes)
            surrogates += QChar(0xDC00 + byte);
        return surrogates;
    };
    EXPECT_EQ(object["scene"].toString(), QString::fromUtf8(u8"Café ") + kept({0xFF, 0xC0, 0xAF}) +
                                              QString::fromUtf8(u8" \u0001\t\"sic\" \\ ") + kept({0xE2, 0x82}));
}

}  // namespace
}  // namespace brewick
