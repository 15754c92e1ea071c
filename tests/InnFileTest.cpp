// Inn files read back: every inn as it was saved, edited or not, a clear
// reason for every file that is no inn, and the session kept between runs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <limits>
#include <span>

#include "core/TableText.h"
#include "cycle/InnGenerator.h"
#include "files/FileDescriptor.h"
#include "files/InnFile.h"
#include "files/InnReader.h"
#include "generators/PatronDetails.h"
#include "generators/Tables.h"
#include "keeping/InnChanges.h"
#include "keeping/KeptPins.h"
#include "keeping/SessionFile.h"
#include "keeping/SessionMerge.h"
#include "keeping/SessionStore.h"
#include "keeping/StarredInns.h"
#include "keeping/UnreadCopies.h"
#include "output/formats/InnSheetText.h"
#include "output/formats/JsonFormat.h"
#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/KeptInns.h"
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

const PatronDetailLists kDetailLists;

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
        {"every patron fleshed out",
         [](InnSheet& sheet) {
             for (std::size_t table = 0; table < sheet.tableBlocks.size(); ++table)
                 fleshOutTable(sheet, {1, 808}, table, kDetailLists);
         }},
        {"a fleshed-out patron's details typed over",
         [](InnSheet& sheet) {
             fleshOutTable(sheet, {1, 808}, 0, kDetailLists);
             TextLines lines = sheet.shownTableLines;
             lines.replace(2, 1, {"    Nobody at all"});
             editShownTable(sheet, lines);
         }},
        {"bytes that are not UTF-8, control characters and quotes",
         [](InnSheet& sheet) {
             sheet.innName = "The \"Odd\" \xff\x01 Inn\\";
             sheet.barScene = "\t\xc3\xa9\xe2\x82";
         }},
        {"notes of many lines, one not UTF-8",
         [](InnSheet& sheet) { sheet.notes = "Saltmarsh, session 12\n\n  the smugglers' contact\r\n\x01\xff\n"; }},
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
            // The chosen table shows as it does when chosen again.
            InnSheet shown = sheet;
            showChosenTable(shown);
            EXPECT_EQ(read.inn->sheet.shownTableLines, shown.shownTableLines);
            std::string rewritten;
            JsonFormat().append(read.inn->sheet, read.inn->place, rewritten);
            EXPECT_EQ(rewritten, json);
        }
    }
}

// Whatever inn the reader takes, the writer writes back as JSON the reader
// takes, and reading that gives the same inn: over inns with bytes changed at
// random, as a damaged or hand-edited file has them.
TEST(InnFile, WhatTheReaderTakesTheWriterWritesBack)
{
    LcgRandom random(31);
    InnGenerator generator(random, {});
    constexpr std::string_view kBytes = "0123456789\"\\,:{}[]aeu \xe9";
    std::size_t taken = 0;
    for (int inn = 1; inn <= 20; ++inn) {
        generator.generate();
        if (inn % 2 == 0)
            generator.fleshOutEveryTable({1, 31});
        std::string json;
        JsonFormat().append(generator.sheet(), {1, 31}, json);
        for (int change = 0; change < 200; ++change) {
            std::string changed = json;
            for (int byte = 0; byte <= change % 3; ++byte)
                changed[static_cast<std::size_t>(random.randomIndex(static_cast<int>(changed.size())))] =
                    kBytes[static_cast<std::size_t>(random.randomIndex(static_cast<int>(kBytes.size())))];
            const InnRead read = innFromJson(changed);
            if (!read.inn)
                continue;
            ++taken;
            std::string written;
            JsonFormat().append(read.inn->sheet, read.inn->place, written);
            const InnRead again = innFromJson(written);
            ASSERT_TRUE(again.inn) << again.error << "\n" << changed;
            EXPECT_EQ(again.inn->sheet, read.inn->sheet) << changed;
            EXPECT_EQ(again.inn->place, read.inn->place) << changed;
        }
    }
    EXPECT_GT(taken, 100u) << "most changes leave an inn";
}

// A file that is no inn, or holds some lines that are none, says why, naming
// the first bad line; the good lines of a file of many are read.
// A name, a trait or a rumour is a piece of the one details line: a line
// break in one, of any kind, from a file edited by hand, reads as a space.
TEST(InnFile, ADetailIsOneLine)
{
    LcgRandom random(3);
    InnGenerator generator(random, {});
    generator.generate();
    generator.fleshOutEveryTable({1, 3});
    std::string json;
    JsonFormat().append(generator.sheet(), {1, 3}, json);
    const std::size_t rumour = json.find("\"rumour\":\"") + 10;
    for (const std::string lineBreak : {"\\n", "\\r\\n", "\\r", "\\u2028"}) {
        std::string edited = json;
        edited.insert(rumour, "Odd" + lineBreak + "# Notes" + lineBreak);
        const InnRead read = innFromJson(edited);
        ASSERT_TRUE(read.inn) << read.error;
        EXPECT_THAT(savedText(read.inn->sheet), testing::HasSubstr(". Rumour: Odd # Notes ")) << lineBreak;
    }
}

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
    // As other JSON tools write them: each member on a line of its own.
    std::string prettyInns;
    for (std::string_view inn :
         {std::string_view(inns).substr(0, firstInn.size()), std::string_view(inns).substr(firstInn.size())}) {
        std::string pretty = "{\n  " + std::string(inn.substr(1));
        for (std::size_t at = pretty.find(",\""); at != std::string::npos; at = pretty.find(",\"", at + 4))
            pretty.replace(at, 2, ",\n  \"");
        prettyInns += pretty;
    }
    const auto replaced = [&firstInn](std::string_view from, std::string_view to) {
        std::string inn = firstInn;
        inn.replace(inn.find(from), from.size(), to);
        return inn;
    };
    // The first inn with `count` patrons at its first table, all alike.
    const auto withPatrons = [&firstInn](int count) {
        const std::size_t first = firstInn.find("\"patrons\":[") + 11;
        const std::string patron = firstInn.substr(first, firstInn.find('}', first) + 1 - first);
        std::string patrons = patron;
        for (int more = 1; more < count; ++more)
            patrons += "," + patron;
        std::string inn = firstInn;
        return inn.replace(first, inn.find("],\"action\"", first) - first, patrons);
    };
    const Row rows[] = {
        {"JSON Lines of two inns", write(inns), 2, nullptr},
        {"one inn over many lines", write("\n" + firstInn + "\n\n"), 1, nullptr},
        {"inns pretty-printed one after another", write(prettyInns), 2, nullptr},
        {"a byte order mark", write("\xEF\xBB\xBF" + firstInn), 1, nullptr},
        {"one inn followed by a NUL and a form feed", write(firstInn + std::string("\0\f", 2)), 1, nullptr},
        {"a text file", write("inn.example.org\n"), 0, "line 1: an inn is not a JSON object"},
        {"text saved with File > Save", write(std::string(bannerLine()) + "\r\n"), 0, "This is text saved with"},
        {"UTF-16 text", write(std::string("\xFF\xFE{\0", 4)), 0, "UTF-16 text: save it as UTF-8"},
        {"JSON that is no inn", write("{\"town\": \"Bree\"}"), 0, "line 1: unknown member 'town'"},
        {"an inn without rooms",
         write("{\"inn\":1,\"seed\":1,\"name\":\"x\",\"landlord\":\"y\",\"location\":"
               "\"Docks Area\",\"quality\":\"Good\"}"),
         0, "line 1: 'rooms' is missing"},
        {"a member given twice", write(replaced("\"seed\":1,", "\"seed\":1,\"seed\":2,")), 0,
         "line 1: member 'seed' is given twice"},
        {"notes that are not text", write(replaced("\"tables\":", "\"notes\":[\"x\"],\"tables\":")), 0,
         "line 1: 'notes' is not text"},
        {"a patron's name without its trait and rumour", write(replaced("\"text\":", "\"name\":\"Ida\",\"text\":")), 0,
         "line 1: table 1: a patron's 'name', 'trait' and 'rumour' go together"},
        {"a patron's details typed into, without the table's lines",
         write(replaced("\"text\":", "\"detailsEdited\":true,\"text\":")), 0,
         "line 1: table 1: a patron's details line was typed into, but the table has no 'lines'"},
        {"details typed into and as drawn at once",
         write(replaced("\"text\":",
                        "\"detailsEdited\":true,\"name\":\"Ida\",\"trait\":\"hums\",\"rumour\":\"x\",\"text\":")),
         0, "line 1: table 1: a patron's 'detailsEdited' stands for its 'name', 'trait' and 'rumour'"},
        {"details typed into, false", write(replaced("\"text\":", "\"detailsEdited\":false,\"text\":")), 0,
         "line 1: table 1: 'detailsEdited' is not true"},
        {"seven patrons at a table", write(withPatrons(kMostPatrons)), 1, nullptr},
        {"eight patrons at a table", write(withPatrons(kMostPatrons + 1)), 0, "line 1: table 1: more than 7 patrons"},
        {"a bad second line", write(firstInn + "{\"inn\": 2,\n" + firstInn), 2, "line 2: expected a member's name"},
        {"a bad first line", write("{\"inn\": 2,\n" + inns), 2, "line 1: expected a member's name"},
        {"an empty file", write(""), 0, "the file is empty"},
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

using test::SessionInns;

// The session comes back at the next start with every window's inns: a
// damaged line costs that line, kept aside with every line not read before,
// each once; a session that cannot be read at all is set aside whole, and
// never removed; a window that still runs keeps its file.
TEST(Session, ComesBackWithEveryInnThatCanBeRead)
{
    namespace fs = std::filesystem;
    const SessionInns made;
    const std::string abc = SessionInns::bytes(made.inns("ABC"));
    const auto write = [](const fs::path& path, const std::string& bytes) {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    };
    struct Row {
        const char* name;
        std::function<void(const fs::path&)> make;
        const char* inns;                    // their names, in order
        std::size_t lineCopies;              // of lines that could not be read, left
        std::string linesNotRead;            // what the file of all of them holds
        std::size_t wholeCopies;             // of sessions set aside whole
        const char* news;                    // the start of each message; none: ""
        std::size_t messages = 1;            // when there are any
        std::vector<std::string> kept = {};  // copies there before that stay
        std::vector<std::string> gone = {};  // and those removed
        const char* nextNews = "";           // the start of what the next start tells
        rlim_t diskRoom = 0;                 // how large a file this start may write; 0: any
    };
    const auto session = [&](std::string bytes) {
        return [&write, bytes](const fs::path& folder) { write(folder / "session.jsonl", bytes); };
    };
    const std::string firstVersion = [&] {
        std::string lines = "{\"brewickSession\":1}\n";
        for (const KeptInn& inn : made.inns("ABC"))
            lines += *inn.packed + "\n";
        return lines;
    }();
    const std::string newer =
        "{\"brewickSession\":" + std::to_string(kSessionFormat.version + 1) + "}\n" + abc.substr(abc.find('\n') + 1);
    // The last inn named with `letters` letters.
    const auto named = [&abc](std::size_t letters) {
        std::string renamed = abc;
        return renamed.replace(renamed.find("inn-C"), 5, std::string(letters, 'C'));
    };
    const auto windowFile = [](const fs::path& folder, const char* id, const char* ending = ".jsonl") {
        return folder / "windows" / (std::string(id) + ending);
    };
    // Copies of lines set aside on the first days of 2020, the first last
    // written, as a backup may bring them back.
    const auto lineCopy = [](int day) {
        return "session.jsonl.unread-lines-2020010" + std::to_string(day) + "-000000";
    };
    const auto linesCopied = [&](int days) {
        return [&write, &lineCopy, days](const fs::path& folder) {
            for (int day = 1; day <= days; ++day) {
                write(folder / lineCopy(day), "day " + std::to_string(day) + "\n");
                fs::last_write_time(folder / lineCopy(day), fs::file_time_type::clock::now() - std::chrono::hours(day));
            }
        };
    };
    const Row rows[] = {
        {"a session of three inns", session(abc), "ABC", 0, "", 0, ""},
        {"no session yet", [](const fs::path&) {}, "", 0, "", 0, ""},
        {"a session of the first version", session(firstVersion), "ABC", 0, "", 0, ""},
        {"a damaged last line", session(abc + "{\"inn\":"), "ABC", 0, "{\"inn\":\n", 0,
         "1 inn of the last session could not be read"},
        {"blank lines between the inns", session(abc + "\n \r\n" + abc.substr(abc.find('\n') + 1)), "ABC", 0, "", 0,
         ""},
        {"an inn named as long as a name may be", session(named(48)), "ABC", 0, "", 0, ""},
        {"one letter longer", session(named(49)), "AB", 0, named(49).substr(abc.rfind('\n', abc.size() - 2) + 1), 0,
         "1 inn of the last session"},
        {"a damaged first line", session(SessionInns::bytes({}) + "{\"inn\":\n" + abc.substr(abc.find('\n') + 1)),
         "ABC", 0, "{\"inn\":\n", 0, "1 inn of the last session"},
        {"NULs after a write cut short", session(abc + std::string(300, '\0')), "ABC", 0, std::string(300, '\0') + "\n",
         0, "1 inn of the last"},
        {"a newer Brewick's", session(newer), "", 0, "", 1, "The session in"},
        {"no session at all", session("inn.example.org\n"), "", 0, "", 1, "The session in"},
        {"a folder in its place", [](const fs::path& folder) { fs::create_directories(folder / "session.jsonl"); }, "",
         0, "", 1, "The session in"},
        {"a newer Brewick's session and window, each set aside under a name of its own",
         [&](const fs::path& folder) {
             write(folder / "session.jsonl", newer);
             write(windowFile(folder, "newer"), newer);
         },
         "", 0, "", 2, "The session in", 2},
        {"two windows that ended, each after its own inns",
         [&](const fs::path& folder) {
             write(folder / "session.jsonl", abc);
             // Both started from A B C; one also changed B.
             std::vector<KeptInn> first = made.inns("ABCDF");
             first[1] = made.inn('B', 100);
             write(windowFile(folder, "first"), SessionInns::bytes(first));
             write(windowFile(folder, "first", ".lock"), "");
             write(windowFile(folder, "second"), SessionInns::bytes(made.inns("ABCEG")));
             write(windowFile(folder, "second", ".lock"), "");
         },
         "ABCDEFG", 0, "", 0, ""},
        {"an inn deleted in one window, though the session and another window hold it",
         [&](const fs::path& folder) {
             write(folder / "session.jsonl", abc);
             const DeletedInn deleted[] = {{"inn-B", 'B'}};
             write(windowFile(folder, "first"), SessionInns::bytes(made.inns("ACD"), deleted));
             write(windowFile(folder, "second"), SessionInns::bytes(made.inns("ABCE")));
         },
         "ACDE", 0, "", 0, ""},
        {"an inn changed in another window after it was deleted",
         [&](const fs::path& folder) {
             write(folder / "session.jsonl", abc);
             const DeletedInn deleted[] = {{"inn-B", 'B'}};
             write(windowFile(folder, "first"), SessionInns::bytes(made.inns("AC"), deleted));
             std::vector<KeptInn> changed = made.inns("ABC");
             changed[1].changed = 'B' + 1;
             write(windowFile(folder, "second"), SessionInns::bytes(changed));
         },
         "ABC", 0, "", 0, ""},
        {"a deletion the session keeps, and a window that ended later with the inn",
         [&](const fs::path& folder) {
             const DeletedInn deleted[] = {{"inn-B", 'B'}};
             write(folder / "session.jsonl", SessionInns::bytes(made.inns("AC"), deleted));
             write(windowFile(folder, "late"), SessionInns::bytes(made.inns("ABCD")));
         },
         "ACD", 0, "", 0, ""},
        {"a window that crashed while writing, before the session was merged",
         [&](const fs::path& folder) {
             write(windowFile(folder, "crashed"), SessionInns::bytes(made.inns("D")));
             write(folder / "windows" / ".brewick-999999999-0", "the rest of D");
             write(folder / ".brewick-999999999-1", "the rest of the merged session");
         },
         "D", 0, "", 0, ""},
        {"old copies join the lines of the start by the time in their names, each line once, also one a start "
         "killed before it removed the copies left in both",
         [&](const fs::path& folder) {
             linesCopied(4)(folder);
             write(folder / "session.jsonl.lines-not-read", "day 1\n");
             write(folder / "session.jsonl", abc + "day 2\nday 5\n");
         },
         "ABC",
         0,
         "day 1\nday 2\nday 3\nday 4\nday 5\n",
         0,
         "2 inns",
         1,
         {},
         {lineCopy(1), lineCopy(2), lineCopy(3), lineCopy(4)}},
        {"a newer Brewick's session set aside, written before three copies of lines",
         [&](const fs::path& folder) {
             session(newer)(folder);
             fs::last_write_time(folder / "session.jsonl", fs::file_time_type::clock::now() - std::chrono::hours(24));
             linesCopied(3)(folder);
         },
         "",
         3,
         "",
         1,
         "The session in",
         1,
         {lineCopy(1), lineCopy(2), lineCopy(3)}},
        {"copies an earlier Brewick named for unread text, whole or not, stay",
         [&](const fs::path& folder) {
             for (int day = 1; day <= 4; ++day)
                 write(folder / ("session.jsonl.unread-2020010" + std::to_string(day) + "-000000"), newer);
             write(folder / "session.jsonl", abc + "x\n");
         },
         "ABC",
         0,
         "x\n",
         0,
         "1 inn",
         1,
         {"session.jsonl.unread-20200101-000000", "session.jsonl.unread-20200102-000000",
          "session.jsonl.unread-20200103-000000", "session.jsonl.unread-20200104-000000"}},
        {.name = "a line too long to be kept aside on a full disk: the session keeps it for the next start",
         .make = session(abc + std::string(100000, 'x') + "\n"),
         .inns = "ABC",
         .lineCopies = 0,
         .linesNotRead = "",
         .wholeCopies = 0,
         .news = "1 inn of the last session could not be read, and cannot be kept aside",
         .nextNews = "1 inn of the last session could not be read; the text",
         .diskRoom = 50000},
    };
    int number = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::TempDir dir;
        const fs::path folder = dir.path() / std::to_string(++number);
        row.make(folder);
        SessionStore store(folder, "this");
        std::optional<test::FullDisk> full;
        if (row.diskRoom > 0)
            full.emplace(row.diskRoom);
        const SessionStore::Opening opening = store.open();
        full.reset();
        EXPECT_EQ(SessionInns::names(opening.inns), row.inns);
        EXPECT_THAT(opening.news, testing::AllOf(testing::SizeIs(*row.news == '\0' ? 0 : row.messages),
                                                 testing::Each(testing::StartsWith(row.news))));
        const auto count = [&folder](std::string_view start) {
            std::size_t count = 0;
            for (const fs::directory_entry& entry : fs::directory_iterator(folder))
                count += entry.path().filename().string().starts_with(start);
            return count;
        };
        EXPECT_EQ(count("session.jsonl.unread-lines-"), row.lineCopies);
        EXPECT_EQ(test::contents(folder / "session.jsonl.lines-not-read"), row.linesNotRead);
        EXPECT_EQ(count("session.jsonl.set-aside-"), row.wholeCopies);
        EXPECT_EQ(count(".brewick-"), 0u) << "the temporaries of writers that ended are gone";
        for (const std::string& copy : row.kept)
            EXPECT_TRUE(isThere(folder / copy)) << copy;
        for (const std::string& copy : row.gone)
            EXPECT_FALSE(isThere(folder / copy)) << copy;
        // What the next start finds is what this one did, with nothing more to tell.
        const SessionStore::Opening next = SessionStore(folder, "next").open();
        EXPECT_EQ(SessionInns::names(next.inns), row.inns);
        if (*row.nextNews == '\0')
            EXPECT_THAT(next.news, testing::IsEmpty());
        else
            EXPECT_THAT(next.news, testing::ElementsAre(testing::StartsWith(row.nextNews)));
        EXPECT_EQ(test::entries(folder / "windows"), (std::vector<std::string>{"next.lock", "this.lock"}));
    }
}

// A window that runs keeps its file to itself; once it ends, the next start
// takes its inns. Writes replace the window's file by rename only.
TEST(Session, AWindowThatRunsKeepsItsFile)
{
    namespace fs = std::filesystem;
    const test::TempDir dir;
    const SessionInns made;
    std::optional<SessionStore> running(std::in_place, dir.path(), "running");
    EXPECT_THAT(running->open().inns, testing::IsEmpty());
    EXPECT_EQ(running->write(made.inns("AB")), std::nullopt);
    // A writer that runs keeps its temporary file.
    const std::string ownTemporary = ".brewick-" + std::to_string(::getpid()) + "-0";
    std::ofstream(dir.path() / "windows" / ownTemporary) << "x";
    EXPECT_EQ(SessionInns::names(SessionStore(dir.path(), "second").open().inns), "");
    EXPECT_EQ(test::entries(dir.path() / "windows"),
              (std::vector<std::string>{ownTemporary, "running.jsonl", "running.lock", "second.lock"}));
    running.reset();
    EXPECT_EQ(SessionInns::names(SessionStore(dir.path(), "third").open().inns), "AB");
}

// Sessions merged: each inn once, as last changed, in the order of every
// session that holds it, else in the order the inns were made.
TEST(Session, MergesEveryInnOnceInTheOrderItWasMade)
{
    const SessionInns made;
    struct Row {
        const char* name;
        std::vector<std::vector<KeptInn>> sessions;
        const char* merged;
        std::size_t changedTwice = 0;  // inns two windows changed
    };
    std::vector<KeptInn> changed = made.inns("ABC");
    changed[1] = made.inn('X', 200);
    changed[1].id = "inn-B";
    // Made as X was, later than C.
    const KeptInn changedLater = changed[1];
    // Inn B as a window changed it after reading it from the session.
    const auto changedInWindow = [&made](char name, std::string notes, std::int64_t at) {
        const KeptInn read = made.inn('B');
        KeptInn version = made.inn(name, at, std::move(notes));
        version.id = read.id;
        version.based = read.changed;
        version.was = std::make_shared<const std::string>(changedMembers(*read.packed, *version.packed));
        return version;
    };
    const KeptInn notedB = changedInWindow('B', "Owes the first window", 300);
    const Row rows[] = {
        {"one session", {made.inns("ABC")}, "ABC"},
        {"the same twice", {made.inns("ABC"), made.inns("ABC")}, "ABC"},
        {"two windows made inns by turns", {made.inns("AC"), made.inns("BD")}, "ABCD"},
        {"an inn made later shown before one made earlier", {made.inns("ADB"), made.inns("C")}, "ACDB"},
        {"the later change wins, wherever it is", {changed, made.inns("ABC")}, "AXC"},
        {"sessions that disagree on the order", {made.inns("AB"), made.inns("BA")}, "AB"},
        {"the later change keeps when the inn was first made", {made.inns("B"), {changedLater}, made.inns("C")}, "XC"},
        {"none", {}, ""},
        {"two windows' changes of one inn, joined",
         {made.inns("ABC"), {notedB}, {changedInWindow('Y', "", 301)}},
         "AYC"},
        {"two windows' changes of one inn that overlap, both kept",
         {made.inns("ABC"), {changedInWindow('X', "", 300)}, {changedInWindow('Y', "", 301)}},
         "AYXC"},
    };
    for (const Row& row : rows) {
        const MergedSessions merged = mergeSessions(row.sessions);
        EXPECT_EQ(SessionInns::names(merged.inns), row.merged) << row.name;
        EXPECT_EQ(merged.changedTwice.size(),
                  row.merged == std::string_view("AYC") || row.merged == std::string_view("AYXC") ? 1u : 0u)
            << row.name;
    }
}

// Of each pin, the latest that the sessions kept holds: a pin taken away in
// one window stays away, pinned again later it is back, and two windows'
// pins are both kept; of the pins taken away, the newest are remembered.
TEST(Session, KeepsTheLatestOfEachPin)
{
    const auto pin = [](std::string line) {
        LinePin pin;
        pin.kind = LinePin::Kind::MenuLine;
        pin.line = std::move(line);
        return pin;
    };
    const auto takenAway = [&pin](std::size_t count) {
        std::vector<KeptPin> pins;
        for (std::size_t at = 0; at < count; ++at)
            pins.push_back({pin("Dish " + std::to_string(at)), static_cast<std::int64_t>(at), false});
        return pins;
    };
    struct Row {
        const char* name;
        std::vector<KeptPin> kept;
        std::vector<std::string> pinned;
        std::size_t merged;  // pins and pins taken away
    };
    const Row rows[] = {
        {"pinned in two windows", {{pin("Mead"), 1}, {pin("Grog"), 2}}, {"Mead", "Grog"}, 2},
        {"taken away later", {{pin("Mead"), 1}, {pin("Mead"), 2, false}}, {}, 1},
        {"taken away, then pinned again", {{pin("Mead"), 3}, {pin("Mead"), 2, false}}, {"Mead"}, 1},
        {"pinned as it reads after an edit",
         {{pin("Mead"), 1}, {pin("Mead"), 2, false}, {pin("Mead!"), 2}},
         {"Mead!"},
         2},
        {"as many taken away as are remembered", takenAway(kMostUnpinned), {}, kMostUnpinned},
        {"one more", takenAway(kMostUnpinned + 1), {}, kMostUnpinned},
    };
    for (const Row& row : rows) {
        const std::vector<KeptPin> merged = mergePins(row.kept);
        std::vector<std::string> pinned;
        for (const LinePin& kept : pinnedOf(merged))
            pinned.push_back(kept.line);
        EXPECT_EQ(pinned, row.pinned) << row.name;
        EXPECT_EQ(merged.size(), row.merged) << row.name;
    }
}

// A merged session keeps its newest inns within the bounds a session's reader
// takes: at each bound all of them, one past it all but the oldest. So do the
// starred inns, the last star past their bounds refused, and the deletions,
// each inn's latest once.
TEST(Session, KeepsTheNewestInnsWithinItsBounds)
{
    enum Kind { Kept, Starred, Restarred, Deleted, DeletedTwice };
    struct Row {
        const char* name;
        std::size_t inns;
        std::size_t bytes;  // of each, overhead included
        std::size_t dropped;
        Kind kind = Kept;
    };
    const Row rows[] = {
        {"as many inns as the bound", kMostKeptInns, kKeptInnOverhead, 0},
        {"one more", kMostKeptInns + 1, kKeptInnOverhead, 1},
        {"as many bytes as the bound", 4, kMostKeptBytes / 4, 0},
        {"one byte more", 4, kMostKeptBytes / 4 + 1, 1},
        {"as many starred inns as their bound", kMostStarredInns, kKeptInnOverhead, 0, Starred},
        {"one more starred", kMostStarredInns + 1, kKeptInnOverhead, 1, Starred},
        {"as many starred bytes as their bound", 2, kMostStarredBytes / 2, 0, Starred},
        {"one starred byte more", 2, kMostStarredBytes / 2 + 1, 1, Starred},
        {"as many starred bytes as their bound, the first unstarred and starred again", 2, kMostStarredBytes / 2, 0,
         Restarred},
        {"as many deletions as their bound", kMostDeletedInns, 0, 0, Deleted},
        {"one deletion more", kMostDeletedInns + 1, 0, 1, Deleted},
        {"each inn deleted twice, the second later", 3, 0, 3, DeletedTwice},
    };
    for (const Row& row : rows) {
        std::vector<KeptInn> inns(row.inns);
        std::vector<StarChange> stars;
        std::vector<DeletedInn> deleted;
        for (std::size_t i = 0; i < row.inns; ++i) {
            inns[i].packed =
                std::make_shared<const std::string>(row.bytes - std::min(row.bytes, kKeptInnOverhead), 'x');
            inns[i].id = std::to_string(i);
            stars.push_back({StarChange::Star, inns[i]});
            deleted.push_back({inns[i].id, static_cast<std::int64_t>(i)});
            if (row.kind == DeletedTwice)
                deleted.push_back({inns[i].id, static_cast<std::int64_t>(i) + 1000});
        }
        if (row.kind == Restarred) {
            stars.push_back({StarChange::Unstar, inns.front()});
            stars.push_back({StarChange::Star, inns.front()});
        }
        if (row.kind == Starred || row.kind == Restarred) {
            std::vector<KeptInn> starred;
            EXPECT_EQ(changeStars(starred, stars).refused.size(), row.dropped) << row.name;
            EXPECT_EQ(starred.size(), row.inns - row.dropped) << row.name;
        } else if (row.kind != Kept) {
            const std::vector<DeletedInn> merged = mergeDeletions(deleted);
            EXPECT_EQ(merged.size(), row.inns - (row.kind == Deleted ? row.dropped : 0)) << row.name;
            EXPECT_EQ(merged.front().deleted, row.kind == Deleted ? std::int64_t(row.dropped) : 1000) << row.name;
        } else {
            EXPECT_EQ(dropBeyondBounds(inns), row.dropped) << row.name;
            EXPECT_EQ(inns.back().id, std::to_string(row.inns - 1)) << row.name;
        }
    }
}

// Two windows star, unstar and change inns in one file of starred inns:
// each change is made to the file as it stands, so neither loses the
// other's; what is refused, or cannot be kept, is said once, and again only
// after a change was made; a writer killed before it was done leaves nothing
// for good; a line that cannot be read is kept aside, and a file of a newer
// Brewick is left as it is.
TEST(StarredInns, WindowsKeepEachOthersStarsAndLoseNoLine)
{
    namespace fs = std::filesystem;
    const test::TempDir dir;
    const fs::path path = dir.path() / "brewick" / "kept-inns.jsonl";
    const SessionInns made;
    StarredInnsFile windows[] = {StarredInnsFile(path), StarredInnsFile(path)};
    KeptInn later = made.inn('X', 200);
    later.id = "inn-D";
    KeptInn earlier = made.inn('Y', 100);
    earlier.id = "inn-D";
    // Past what a session holds, and so what a star may take.
    const auto tooLarge = [huge = std::make_shared<const std::string>(kMostKeptBytes, 'x')](KeptInn inn) {
        inn.packed = huge;
        return inn;
    };
    KeptInn laterStill = made.inn('Z', 300);
    laterStill.id = "inn-D";
    // Writers of the file: one killed before it was done, one that runs.
    const fs::path killed = path.parent_path() / ".brewick-999999999-0";
    const fs::path running = path.parent_path() / (".brewick-" + std::to_string(::getpid()) + "-99");
    fs::create_directories(path.parent_path());
    std::ofstream(killed) << "the first star";
    std::ofstream(running) << "a star";
    struct Row {
        const char* name;
        int window;
        std::optional<StarChange> change;  // none: the window starts
        const char* starred;               // the inns' names in the file, in order
        const char* news = "";             // the start of the one message; none: ""
        bool diskFull = false;             // no file may grow
    };
    const Row rows[] = {
        {"the first window starts, after a writer was killed at the first star", 0, std::nullopt, ""},
        {"the first window stars B", 0, StarChange{StarChange::Star, made.inn('B')}, "B"},
        {"the second stars D, though it read no B", 1, StarChange{StarChange::Star, made.inn('D')}, "BD"},
        {"the first unstars B", 0, StarChange{StarChange::Unstar, made.inn('B')}, "D"},
        {"the first changes D, which the second starred", 0, StarChange{StarChange::Update, later}, "X"},
        {"the second's earlier change of D comes too late", 1, StarChange{StarChange::Update, earlier}, "X"},
        {"a change of an inn not starred stars nothing", 1, StarChange{StarChange::Update, made.inn('E')}, "X"},
        {"a star past the bounds is refused", 1, StarChange{StarChange::Star, tooLarge(made.inn('F'))}, "X",
         "An inn cannot be starred"},
        {"and refused again, each time it is asked", 1, StarChange{StarChange::Star, tooLarge(made.inn('F'))}, "X",
         "An inn cannot be starred"},
        {"a change of D past what a session holds is refused", 0, StarChange{StarChange::Update, tooLarge(later)}, "X",
         "The changes of the starred inn"},
        {"refused again: said once", 0, StarChange{StarChange::Update, tooLarge(later)}, "X"},
        {"a change of D that fits is made", 0, StarChange{StarChange::Update, laterStill}, "Z"},
        {"one past the bounds after it: said again", 0, StarChange{StarChange::Update, tooLarge(laterStill)}, "Z",
         "The changes of the starred inn"},
        {"the disk full, B is not starred", 0, StarChange{StarChange::Star, made.inn('B')}, "Z",
         "The starred inns cannot be kept", true},
        {"still full: said once", 0, StarChange{StarChange::Star, made.inn('B')}, "Z", "", true},
        {"room again: B is starred", 0, StarChange{StarChange::Star, made.inn('B')}, "ZB"},
        {"full again: said again", 0, StarChange{StarChange::Star, made.inn('C')}, "ZB",
         "The starred inns cannot be kept", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::optional<test::FullDisk> full;
        if (row.diskFull)
            full.emplace(fs::file_size(path));
        const StarredInnsFile::Starred starred =
            row.change ? windows[row.window].change(std::span(&*row.change, 1)) : windows[row.window].open();
        full.reset();
        EXPECT_EQ(SessionInns::names(starred.inns), row.starred);
        EXPECT_EQ(SessionInns::names(readSessionFile(path, kStarredInnsFormat).inns), row.starred);
        if (*row.news == '\0')
            EXPECT_THAT(starred.news, testing::IsEmpty());
        else
            EXPECT_THAT(starred.news, testing::ElementsAre(testing::StartsWith(row.news)));
        EXPECT_FALSE(isThere(killed));
        EXPECT_TRUE(isThere(running));
    }

    // Copies of lines set aside on the first days of 2020 join the line of
    // this start, each line once.
    const auto copy = [&path](int day) {
        return path.string() + ".unread-lines-2020010" + std::to_string(day) + "-000000";
    };
    for (int day = 1; day <= 3; ++day)
        std::ofstream(copy(day)) << "x\n";
    std::ofstream(path, std::ios::app) << "{\"entry\":\n";
    const StarredInnsFile::Starred damaged = StarredInnsFile(path).change({});
    EXPECT_EQ(SessionInns::names(damaged.inns), "ZB");
    EXPECT_THAT(damaged.news, testing::ElementsAre("1 inn of the starred inns could not be read; the text that could "
                                                   "not be read is kept in " +
                                                   path.string() + ".lines-not-read"));
    EXPECT_EQ(readSessionFile(path, kStarredInnsFormat).unread, 0u) << "the file keeps what it could read";
    EXPECT_EQ(test::contents(path.string() + ".lines-not-read"), "x\n{\"entry\":\n");
    for (int day = 1; day <= 3; ++day)
        EXPECT_FALSE(isThere(copy(day)));

    std::ofstream(path, std::ios::binary) << "{\"brewickKeptInns\":2}\n";
    const StarChange star[] = {{StarChange::Star, made.inn('B')}};
    StarredInnsFile newer(path);
    EXPECT_THAT(newer.change(star).news,
                testing::ElementsAre("The starred inns cannot be kept: " + path.string() +
                                     " cannot be read (it comes from a newer Brewick); it is left as it is until it "
                                     "is mended or moved away"));
    EXPECT_THAT(newer.change(star).news, testing::IsEmpty()) << "told once";
    EXPECT_EQ(test::contents(path), "{\"brewickKeptInns\":2}\n");
}

// Six starts, each after one more line of the session or the starred inns
// was damaged: every damaged line stays on the disk once, and each start
// names the file that holds it. At the third the disk is full, so that the
// fourth keeps that line again; before the fifth, the file of lines not read
// is filled so that the fifth line takes it to its bound, or one byte past.
TEST(UnreadLines, StayOnTheDiskOnceHoweverManyStarts)
{
    namespace fs = std::filesystem;
    const SessionInns made;
    const std::pair<bool, std::uintmax_t> rows[] = {{false, 0}, {true, 1}};  // starred, bytes past the bound
    for (const auto& [starred, pastBound] : rows) {
        SCOPED_TRACE(starred ? "starred inns" : "session");
        const test::TempDir dir;
        const fs::path file = dir.path() / (starred ? "kept-inns.jsonl" : "session.jsonl");
        const StarChange star[] = {{StarChange::Star, made.inn('A')}};
        if (starred)
            StarredInnsFile(file).change(star);
        else
            std::ofstream(file) << SessionInns::bytes(made.inns("A"));
        const fs::path linesNotRead = UnreadCopies(file).linesNotRead();
        std::vector<std::string> damaged;
        for (int start = 1; start <= 6; ++start) {
            const std::string& line = damaged.emplace_back("{\"inn\":\"damaged at start " + std::to_string(start));
            std::ofstream(file, std::ios::app) << line << '\n';
            if (start == 5) {
                const std::string held = test::contents(linesNotRead);
                const std::uintmax_t weight = held.size() + line.size() + 2 * (UnreadCopies::kLineOverhead + 1) +
                                              UnreadCopies::kLineOverhead * std::ranges::count(held, '\n');
                std::ofstream(linesNotRead, std::ios::app)
                    << std::string(UnreadCopies::kMostLinesNotRead + pastBound - weight, 'f') << '\n';
            }
            std::optional<test::FullDisk> full;
            if (start == 3)
                full.emplace(2 * line.size());
            const std::vector<std::string> news = starred ? StarredInnsFile(file).open().news
                                                          : SessionStore(dir.path(), std::to_string(start)).open().news;
            full.reset();
            const bool joined = start != 3 && (start < 5 || (start == 5 && pastBound == 0));
            const std::string keptIn = "kept in " + (joined ? linesNotRead.string() : file.string() + ".unread-lines-");
            EXPECT_THAT(news, testing::Contains(testing::HasSubstr("could not be read")).Times(1)) << start;
            EXPECT_THAT(news, testing::Contains(testing::HasSubstr(keptIn))) << start;
            std::string kept = "\n";
            for (const fs::directory_entry& entry : fs::directory_iterator(dir.path()))
                if (entry.path().string().starts_with(file.string() + "."))
                    kept += test::contents(entry.path());
            for (const std::string& text : damaged) {
                const std::size_t first = kept.find('\n' + text + '\n');
                EXPECT_NE(first, std::string::npos) << text;
                EXPECT_EQ(kept.find('\n' + text + '\n', first + 1), std::string::npos) << text << " is kept twice";
            }
        }
    }
}

}  // namespace
}  // namespace brewick
