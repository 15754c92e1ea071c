// Inn files read back: every inn as it was saved, edited or not, a clear
// reason for every file that is no inn, and the session kept between runs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <limits>
#include <sstream>

#include "core/TableText.h"
#include "cycle/InnGenerator.h"
#include "files/InnFile.h"
#include "files/SessionFile.h"
#include "generators/Tables.h"
#include "output/formats/InnSheetText.h"
#include "output/formats/JsonFormat.h"
#include "support/TempDir.h"

namespace brewick {
namespace {

std::string savedText(const InnSheet& sheet)
{
    TextLines lines;
    buildInnSheetText(sheet, lines);
    std::string text;
    appendCrLfText(lines, text);
    return text;
}

// Every inn of a run, as generated and after each kind of edit a user makes,
// is saved as the same bytes once exported as JSON and opened again.
TEST(InnFile, EveryInnOpensAsItWasSavedEditedOrNot)
{
    struct Edit {
        const char* name;
        std::function<void(InnSheet&)> apply;
    };
    const Edit edits[] = {
        {"none", [](InnSheet&) {}},
        {"a menu item added and a heading removed",
         [](InnSheet& sheet) {
             TextLines menu = sheet.menuLines;
             menu.add("  Gnome Soup");
             menu.replace(0, 1, {});
             sheet.menuLines = menu;
         }},
        {"room cells typed", [](InnSheet& sheet) { sheet.rooms.cell(2, 1) = "5 | 6", sheet.rooms.cell(3, 2) = ""; }},
        {"a note under a table, another table chosen",
         [](InnSheet& sheet) {
             sheet.chosenTable = sheet.tableCount - 1;
             showChosenTable(sheet);
             TextLines lines = sheet.shownTableLines;
             lines.add("They owe the landlord");
             editShownTable(sheet, lines);
         }},
        {"a patron's line and the heading changed",
         [](InnSheet& sheet) {
             TextLines lines;
             lines.add("Table No. 1 - the loud one");
             lines.add("A tall stranger");
             editShownTable(sheet, lines);
         }},
        {"bytes that are not UTF-8, control characters and quotes",
         [](InnSheet& sheet) {
             sheet.innName = "The \"Odd\" \xff\x01 Inn\\";
             sheet.barScene = "\t\xc3\xa9\xe2\x82";
         }},
    };
    LcgRandom random(808);
    InnGenerator generator(random, {});
    for (std::uint64_t number = 1; number <= 40; ++number) {
        generator.generate();
        for (const Edit& edit : edits) {
            SCOPED_TRACE(std::to_string(number) + ", edit: " + edit.name);
            InnSheet sheet = generator.sheet();
            edit.apply(sheet);
            // The last inn has the largest number a file may give.
            const InnPlace place{number < 40 ? number : std::numeric_limits<std::uint64_t>::max(), 808};
            std::string json;
            JsonFormat().append(sheet, place, json);
            const InnRead read = innFromJson(json);
            ASSERT_TRUE(read.inn) << read.error;
            EXPECT_EQ(read.inn->place, place);
            EXPECT_EQ(savedText(read.inn->sheet), savedText(sheet));
            EXPECT_EQ(read.inn->sheet.chosenTable, sheet.chosenTable);
            EXPECT_EQ(read.inn->sheet.tableChoices, sheet.tableChoices);
        }
    }
}

// A file that is no inn, or holds some lines that are none, says why, naming
// the first bad line; the good lines of a file of many are read.
TEST(InnFile, AFileThatIsNoInnSaysWhy)
{
    const test::TempDir dir;
    LcgRandom random(1);
    InnGenerator generator(random, {});
    std::string inns;
    for (std::uint64_t number = 1; number <= 2; ++number) {
        generator.generate();
        JsonFormat().append(generator.sheet(), {number, 1}, inns);
    }
    const std::string firstInn = inns.substr(0, inns.find('\n') + 1);
    struct Row {
        const char* name;
        std::function<void(const std::filesystem::path&)> make;
        std::size_t inns;
        const char* error;  // nullptr: none
    };
    const auto write = [](std::string bytes) {
        return [bytes](const std::filesystem::path& path) { std::ofstream(path, std::ios::binary) << bytes; };
    };
    const Row rows[] = {
        {"JSON Lines of two inns", write(inns), 2, nullptr},
        {"one inn over many lines", write("\n" + firstInn + "\n\n"), 1, nullptr},
        {"a text file", write("inn.example.org\n"), 0, "not JSON: byte 1: expected a value"},
        {"JSON that is no inn", write("{\"town\": \"Bree\"}"), 0, "unknown member 'town'"},
        {"an inn without rooms",
         write("{\"inn\":1,\"seed\":1,\"name\":\"x\",\"landlord\":\"y\",\"location\":"
               "\"Docks Area\",\"quality\":\"Good\"}"),
         0, "'rooms' is missing"},
        {"a bad second line", write(firstInn + "{\"inn\": 2,\n" + firstInn), 2, "line 2: not JSON: byte 11: expected"},
        {"an empty file", write(""), 0, "not JSON: byte 1: expected a value"},
        {"a folder", [](const std::filesystem::path& path) { std::filesystem::create_directory(path); }, 0,
         "Is a directory"},
        {"a FIFO", [](const std::filesystem::path& path) { ::mkfifo(path.c_str(), 0600); }, 0, "not a regular file"},
        {"a file over the limit",
         [](const std::filesystem::path& path) {
             std::ofstream(path, std::ios::binary) << "{";
             std::filesystem::resize_file(path, kInnFileLimit + 1);
         },
         0, "the file is larger than 64 MiB"},
        {"no file", [](const std::filesystem::path&) {}, 0, "No such file or directory"},
    };
    int file = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::filesystem::path path = dir.path() / ("inn" + std::to_string(++file));
        row.make(path);
        const InnFileRead read = readInnFile(path);
        EXPECT_EQ(read.inns.size(), row.inns);
        if (row.error == nullptr)
            EXPECT_EQ(read.error, std::nullopt);
        else
            EXPECT_THAT(read.error.value_or(""), testing::StartsWith(row.error));
    }
}

// The inns of a session come back at the next start; a session that cannot
// be read is set aside, said so, and gives none.
TEST(Session, SurvivesARestartOrIsSetAside)
{
    const test::TempDir dir;
    LcgRandom random(5);
    InnGenerator generator(random, {});
    SessionWriter kept;
    std::vector<std::string> texts;
    for (std::uint64_t number = 1; number <= 3; ++number) {
        generator.generate();
        generator.sheet().innName += " Reborn";
        kept.add(generator.sheet(), {number, 5});
        texts.push_back(savedText(generator.sheet()));
    }
    struct Row {
        const char* name;
        std::function<void(const std::filesystem::path&)> make;
        std::size_t inns;
        bool setAside;
    };
    const auto write = [](std::string bytes) {
        return [bytes](const std::filesystem::path& path) { std::ofstream(path, std::ios::binary) << bytes; };
    };
    const Row rows[] = {
        {"a session of three inns", [&](const std::filesystem::path& path) { writeSession(path, kept.bytes()); }, 3,
         false},
        {"no session yet", [](const std::filesystem::path&) {}, 0, false},
        {"a damaged line", write(kept.bytes() + "{\"inn\":"), 0, true},
        {"a newer Brewick's", write("{\"brewickSession\":2}\n"), 0, true},
        {"a folder in its place", [](const std::filesystem::path& path) { std::filesystem::create_directory(path); }, 0,
         true},
    };
    int session = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::filesystem::path path = dir.path() / std::to_string(++session) / "session.jsonl";
        std::filesystem::create_directories(path.parent_path());
        row.make(path);
        std::ostringstream warnings;
        const std::vector<PlacedInn> inns = restoreSession(path, warnings);
        ASSERT_EQ(inns.size(), row.inns);
        for (std::size_t inn = 0; inn < inns.size(); ++inn) {
            EXPECT_EQ(inns[inn].place, (InnPlace{inn + 1, 5}));
            EXPECT_EQ(savedText(inns[inn].sheet), texts[inn]);
        }
        EXPECT_EQ(warnings.str().empty(), !row.setAside) << warnings.str();
        EXPECT_EQ(std::filesystem::exists(path), !row.setAside && row.inns > 0);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path.parent_path()), {}),
                  row.inns > 0 || row.setAside ? 1 : 0);
    }
}

}  // namespace
}  // namespace brewick
