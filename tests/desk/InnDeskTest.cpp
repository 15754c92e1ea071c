// The desk's operations, driven without a window: what each step of the
// history shows and keeps, which commands apply, inn files opened, and the
// user's word lists followed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <fstream>
#include <map>
#include <optional>

#include "desk/InnDesk.h"
#include "output/formats/InnSheetText.h"
#include "output/formats/JsonFormat.h"
#include "support/TempDir.h"

namespace brewick {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::Not;
using testing::StartsWith;

// A desk with the first inn of seed 2026, as a window's first showing makes it.
class InnDeskTest : public testing::Test {
protected:
    test::TempDir dir;
    std::unique_ptr<InnDesk> desk;

    void SetUp() override { openDesk(); }

    void openDesk()
    {
        desk = std::make_unique<InnDesk>(2026, dir.path() / "BarScenes.txt");
        desk->start();
        desk->generate();
    }

    const InnSheet& sheet() const { return desk->generator().sheet(); }

    // The file of `inns` inns like the shown one, named "<prefix> 1" and on.
    std::filesystem::path innFile(const std::string& prefix, std::size_t inns) const
    {
        InnSheet inn = sheet();
        std::string file;
        for (std::size_t number = 1; number <= inns; ++number) {
            inn.innName = prefix + " " + std::to_string(number);
            JsonFormat().append(inn, {1, 1}, file);
        }
        const std::filesystem::path path = dir.path() / (prefix + ".jsonl");
        std::ofstream(path, std::ios::binary) << file;
        return path;
    }

    // Opens the files and gives what the desk told of them.
    std::vector<std::string> open(const std::vector<std::filesystem::path>& paths)
    {
        QSignalSpy opened(desk.get(), &InnDesk::innFilesOpened);
        QSignalSpy told(desk.get(), &InnDesk::problemsFound);
        desk->openInnFiles(paths);
        EXPECT_TRUE(opened.wait(20000));
        return told.isEmpty() ? std::vector<std::string>() : told.front().front().value<std::vector<std::string>>();
    }
};

TEST_F(InnDeskTest, PreviousAndNextStepThroughTheRunsInns)
{
    enum Action { Generate, Previous, Next, EditName, ChooseTable, Relocate, RerollTable, RerollPatron, FleshOutTable };
    struct Row {
        const char* name;
        Action action;
        int shown;  // which inn, by the order of generation
        bool previous;
        bool next;
    };
    const Row rows[] = {
        {"after start-up", ChooseTable, 1, false, false},
        {"a second inn", Generate, 2, true, false},
        {"a third", Generate, 3, true, false},
        {"back", Previous, 2, true, true},
        {"an edit and notes there, no step", EditName, 2, true, true},
        {"back to the first, with its table choice", Previous, 1, false, true},
        {"past the end", Previous, 1, false, true},
        {"forward to the edited second", Next, 2, true, true},
        {"forward", Next, 3, true, false},
        {"past the other end", Next, 3, true, false},
        {"back, and generating there keeps the third ahead", Previous, 2, true, true},
        {"a fourth", Generate, 4, true, true},
        {"back", Previous, 2, true, true},
        {"another location redraws the menu and the prices", Relocate, 5, true, true},
        {"back brings the edited inn back as it was", Previous, 2, true, true},
        {"forward to the relocated inn, with the fourth and the third ahead", Next, 5, true, true},
        {"its table drawn again", RerollTable, 6, true, true},
        {"a patron drawn again from the shown table", RerollPatron, 7, true, true},
        {"its patrons fleshed out", FleshOutTable, 8, true, true},
        {"back: the table before it was fleshed out", Previous, 7, true, true},
        {"back: the table as it was before the patron", Previous, 6, true, true},
        {"back: the inn as it was before its table", Previous, 5, true, true},
    };
    std::map<int, std::pair<InnSheet, std::string>> inns;  // the sheet and what Save writes of it
    const auto savedText = [&] {
        std::string text;
        appendInnSheetText(desk->shownInn(), "\r\n", text);
        return text;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        switch (row.action) {
        case Generate:
            desk->generate();
            break;
        case Previous:
            desk->showPrevious();
            break;
        case Next:
            desk->showNext();
            break;
        case EditName:
            desk->shownSheet().innName += " Reborn";
            desk->setNotes("Session 12:\nthe smugglers' contact");
            break;
        case ChooseTable:
            desk->chooseTable(1);
            break;
        case Relocate:
            desk->selectLocation(sheet().location == InnLocation::PoorQuarter ? InnLocation::WealthyQuarter
                                                                              : InnLocation::PoorQuarter);
            break;
        case RerollTable:
            desk->rerollTable();
            break;
        case RerollPatron: {
            ASSERT_GT(sheet().tableBlocks[static_cast<std::size_t>(sheet().chosenTable)].patrons.size(), 0u);
            const std::string heading(sheet().shownTableLines[0]), patron(sheet().shownTableLines[1]);
            desk->chooseTableLine(1);
            desk->rerollTableLine();
            EXPECT_NE(sheet().shownTableLines[1], patron);
            EXPECT_EQ(sheet().shownTableLines[0], heading);
            break;
        }
        case FleshOutTable:
            desk->fleshOutTable();
            EXPECT_FALSE(desk->commands().fleshOutTable) << "every patron fleshed out";
            break;
        }
        if (row.action != Previous && row.action != Next)
            inns[row.shown] = {sheet(), savedText()};
        // Whole inns in a failure message would bury it.
        EXPECT_TRUE(sheet() == inns[row.shown].first);
        EXPECT_TRUE(savedText() == inns[row.shown].second);
        EXPECT_EQ(desk->commands().previous, row.previous);
        EXPECT_EQ(desk->commands().next, row.next);
    }
    EXPECT_THAT(inns[2].first.innName, testing::EndsWith(" Reborn"));
    EXPECT_THAT(inns[2].second, HasSubstr("\r\nNotes\r\n  Session 12:\r\n  the smugglers' contact\r\n"));
    EXPECT_EQ(inns[1].first.chosenTable, 1);
}

// The table commands apply to the shown table and the line chosen in it;
// a re-roll of a line that draws nothing is no step.
TEST_F(InnDeskTest, TheTableCommandsFollowTheShownTableAndTheLineChosen)
{
    ASSERT_FALSE(sheet().tableBlocks[static_cast<std::size_t>(sheet().chosenTable)].patrons.empty());
    struct Row {
        const char* name;
        std::size_t line;
        TableLine::Role role;
        bool fleshOut;
    };
    // Drawing a patron fleshed out again drops the details: it is someone else.
    const Row rows[] = {
        {"the heading", 0, TableLine::Heading, false},
        {"the details of the first patron, fleshed out", 2, TableLine::Details, false},
        {"the first patron", 1, TableLine::Patron, false},
        {"the first patron drawn again", 1, TableLine::Patron, true},
        {"past the last line", 1000, TableLine::Other, false},
    };
    desk->chooseTableLine(1);
    desk->fleshOutPatron();
    QSignalSpy changed(desk.get(), &InnDesk::commandsChanged);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        desk->chooseTableLine(row.line);
        EXPECT_FALSE(changed.isEmpty());
        changed.clear();
        EXPECT_TRUE(desk->commands().table);
        EXPECT_EQ(desk->commands().line, row.role);
        EXPECT_EQ(desk->commands().fleshOutPatron, row.fleshOut);
        const InnSheet before = sheet();
        const bool couldGoBack = desk->commands().previous;
        desk->rerollTableLine();
        const bool draws = row.role == TableLine::Patron || row.role == TableLine::Action;
        EXPECT_EQ(!(sheet() == before), draws);
        EXPECT_EQ(desk->commands().previous, draws || couldGoBack);
    }
}

// Details come from a stream of their own, by the patron's place: the same
// patron of the same inn gets them again, and the inns Generate makes after
// a flesh-out are those of the seed without it.
TEST_F(InnDeskTest, FleshingOutDrawsApartFromGenerate)
{
    desk->chooseTableLine(1);
    desk->fleshOutPatron();
    const std::string details(sheet().shownTableLines[2]);
    desk->fleshOutTable();
    EXPECT_EQ(sheet().shownTableLines[2], details);
    desk->generate();
    const InnSheet second = sheet();
    openDesk();
    desk->generate();
    EXPECT_TRUE(sheet() == second);
    desk->showPrevious();
    desk->chooseTableLine(1);
    desk->fleshOutPatron();
    EXPECT_EQ(sheet().shownTableLines[2], details);
}

// A pinned line stays through the draws that would replace it, in the inn
// a desk without pins draws; Re-roll Patron leaves it, and unpinned it is
// no longer marked.
TEST_F(InnDeskTest, PinnedLinesStayThroughTheDrawsInTheInnsDrawnWithoutThem)
{
    constexpr std::size_t kClosingLine = ~std::size_t{0};
    std::size_t pinnedTable = 0;
    const auto regenerate = [](InnPart part) {
        return [part](InnDesk& desk) {
            desk.setPart(part, true);
            desk.generate();
        };
    };
    struct Row {
        const char* name;
        LineBox box;
        std::size_t line;  // at the box's cursor
        bool lastTable;    // pinned at the last table, then drawn until there are fewer
        std::function<void(InnDesk&)> draw;
    };
    const Row rows[] = {
        {"a patron, Generate", LineBox::Table, 1, false, regenerate(InnPart::All)},
        {"a patron, Regenerate Tables", LineBox::Table, 1, false, regenerate(InnPart::Tables)},
        {"a patron, Re-roll Table", LineBox::Table, 1, false, [](InnDesk& desk) { desk.rerollTable(); }},
        {"what they are doing, Re-roll Table", LineBox::Table, kClosingLine, false,
         [](InnDesk& desk) { desk.rerollTable(); }},
        {"a patron of the last table, until there are fewer", LineBox::Table, 1, true,
         [&](InnDesk& desk) {
             while (desk.generator().sheet().tableBlocks.size() > pinnedTable)
                 desk.generate();
         }},
        {"a menu line, Regenerate Menu", LineBox::Menu, 1, false, regenerate(InnPart::Menu)},
        {"the bar scene, Regenerate Scene", LineBox::Scene, 0, false, regenerate(InnPart::Scene)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openDesk();
        InnDesk plain(2026, dir.path() / "BarScenes.txt");
        plain.start();
        plain.generate();
        const std::vector<TableBlock>& blocks = sheet().tableBlocks;
        pinnedTable = row.lastTable ? blocks.size() - 1 : 0;
        while (blocks[pinnedTable].patrons.empty())
            --pinnedTable;
        desk->chooseTable(static_cast<int>(pinnedTable));
        desk->chooseLineBox(row.box);
        desk->chooseTableLine(row.line == kClosingLine ? sheet().shownTableLines.size() - 1 : row.line);
        desk->chooseMenuLine(row.line);
        desk->togglePin();
        ASSERT_TRUE(desk->commands().pinned);
        const std::vector<std::string> pinned = desk->pinnedLinesOf(desk->shownId());
        ASSERT_EQ(pinned.size(), 1u);
        row.draw(*desk);
        row.draw(plain);
        const InnSheet& drawn = plain.generator().sheet();
        EXPECT_EQ(std::tie(sheet().innName, sheet().landlordName, sheet().rooms, sheet().tableCount),
                  std::tie(drawn.innName, drawn.landlordName, drawn.rooms, drawn.tableCount));
        desk->chooseTable(static_cast<int>(std::min(pinnedTable, blocks.size() - 1)));
        const TextLines& lines = row.box == LineBox::Menu ? sheet().menuLines : sheet().shownTableLines;
        const auto at = row.box == LineBox::Scene ? 0 : std::ranges::find(lines, pinned[0]) - lines.begin();
        ASSERT_EQ(row.box == LineBox::Scene ? sheet().barScene : std::string(lines[static_cast<std::size_t>(at)]),
                  pinned[0]);
        EXPECT_THAT(desk->pinnedLines(row.box), ElementsAre(at));
        desk->chooseTableLine(static_cast<std::size_t>(at));
        desk->chooseMenuLine(static_cast<std::size_t>(at));
        if (row.box == LineBox::Table) {
            const InnSheet before = sheet();
            desk->rerollTableLine();
            EXPECT_TRUE(sheet() == before);
        }
        desk->togglePin();
        EXPECT_FALSE(desk->commands().pinned);
        EXPECT_THAT(desk->pinnedLines(row.box), ElementsAre());
    }
}

TEST_F(InnDeskTest, OpeningAPartlyDamagedFileKeepsItsGoodInnsInOrder)
{
    const std::string before = sheet().innName;
    std::string file;
    for (const char* line : {"The First Good", "{\"inn\": damaged\n", "The Second Good"}) {
        InnSheet inn = sheet();
        inn.innName = line;
        if (line[0] == '{')
            file += line;
        else
            JsonFormat().append(inn, {1, 1}, file);
    }
    const std::filesystem::path path = dir.path() / "inns.jsonl";
    std::ofstream(path, std::ios::binary) << file;
    const std::vector<std::string> told = open({path});
    ASSERT_EQ(told.size(), 1u);
    EXPECT_THAT(told[0], StartsWith("Inn file " + path.string() +
                                    ": 2 of 3 inns are open; the other could not be read, at line 2: "));
    EXPECT_EQ(sheet().innName, "The First Good");
    desk->showNext();
    EXPECT_EQ(sheet().innName, "The Second Good");
    desk->showPrevious();
    EXPECT_EQ(sheet().innName, "The First Good");
    desk->showPrevious();
    EXPECT_EQ(sheet().innName, before);
}

// Opening more inns than the history has room for asks first, saying how
// many of the oldest would go; the user may say no.
TEST_F(InnDeskTest, OpeningInnsThatDropOthersAsksFirst)
{
    struct Row {
        const char* name;
        std::size_t inns;
        std::optional<bool> answer;  // none: no question
        bool opened;
        bool oldInnKept;
    };
    const Row rows[] = {
        {"as many as there is room for", kMostKeptInns - 1, std::nullopt, true, true},
        {"one more, refused", kMostKeptInns, false, false, false},
        {"one more, allowed", kMostKeptInns, true, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openDesk();
        const std::string before = sheet().innName;
        std::vector<std::pair<std::size_t, std::size_t>> asked;
        desk->askBeforeDropping([&](std::size_t opened, std::size_t drops) {
            asked.emplace_back(opened, drops);
            return row.answer.value_or(true);
        });
        EXPECT_THAT(open({innFile("Opened", row.inns)}), ElementsAre());
        if (row.answer)
            EXPECT_THAT(asked, ElementsAre(std::pair(row.inns, std::size_t{1})));
        else
            EXPECT_THAT(asked, ElementsAre());
        EXPECT_EQ(sheet().innName, row.opened ? "Opened 1" : before);
        EXPECT_EQ(desk->commands().previous, row.oldInnKept);
    }
}

// Two windows started on one session change an inn of the run before: the
// next start joins their changes where they do not overlap and keeps both
// versions where they do, and says so once; so does the file of starred
// inns, as the second window writes its change there.
TEST(InnDeskWindows, TwoWindowsChangingOneInnLoseNeither)
{
    using Edit = std::function<void(InnDesk&)>;
    const auto notes = [](std::string text) { return [text](InnDesk& desk) { desk.setNotes(text); }; };
    const Edit rename = [](InnDesk& desk) { desk.shownSheet().innName += " Reborn"; };
    struct Row {
        const char* name;
        Edit first, second;
        bool starred;
        std::vector<std::vector<std::string>> versions;  // what each version of the inn holds
    };
    const Row rows[] = {
        {"notes in one, the name in the other",
         notes("Owes the first window"),
         rename,
         false,
         {{"Owes the first window", " Reborn"}}},
        {"notes in both",
         notes("Owes the first window"),
         notes("Owes the second window"),
         false,
         {{"Owes the first window"}, {"Owes the second window"}}},
        {"a starred inn, notes in one, the name in the other",
         notes("Owes the first window"),
         rename,
         true,
         {{"Owes the first window", " Reborn"}}},
        {"a starred inn, notes in both",
         notes("Owes the first window"),
         notes("Owes the second window"),
         true,
         {{"Owes the first window"}, {"Owes the second window"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::TempDir dir;
        std::vector<std::string> told;
        const auto start = [&](std::uint32_t seed) {
            auto desk = std::make_unique<InnDesk>(seed, dir.path() / "BarScenes.txt");
            QObject::connect(desk.get(), &InnDesk::problemsFound, [&told](const std::vector<std::string>& messages) {
                told.insert(told.end(), messages.begin(), messages.end());
            });
            desk->keepInnsIn(dir.path() / "state", dir.path() / "kept-inns.jsonl");
            desk->start();
            desk->generate();
            desk->startKeeping();
            return desk;
        };
        std::unique_ptr<InnDesk> before = start(1);
        const std::string innName = before->generator().sheet().innName;
        if (row.starred)
            before->toggleStar();
        before->finishKeeping();
        before.reset();
        std::unique_ptr<InnDesk> first = start(2), second = start(3);
        for (const auto& [desk, edit] : {std::pair{first.get(), row.first}, {second.get(), row.second}}) {
            desk->showPrevious();
            ASSERT_EQ(desk->generator().sheet().innName, innName);
            edit(*desk);
            desk->finishKeeping();
        }
        const auto toldTimes = [&](long times) {
            return QTest::qWaitFor(
                [&] {
                    return std::ranges::count_if(told, [&](const std::string& message) {
                               return message.starts_with("Another Brewick window changed " + innName) &&
                                      message.ends_with(" too: both are kept");
                           }) == times;
                },
                20000);
        };
        // The second window tells of the starred inn the first changed too.
        EXPECT_TRUE(!row.starred || toldTimes(1));
        first.reset();
        second.reset();
        const std::unique_ptr<InnDesk> next = start(4);
        const InnDesk::ListedInns listed = next->listedInns();
        for (const std::vector<KeptInn>* inns : {&listed.history, &listed.starred}) {
            if (inns == &listed.starred && !row.starred)
                continue;
            std::vector<std::string> versions;
            for (const KeptInn& inn : *inns)
                if (inn.packed->find(innName) != std::string::npos)
                    versions.push_back(*inn.packed);
            ASSERT_EQ(versions.size(), row.versions.size());
            for (std::size_t version = 0; version < versions.size(); ++version)
                for (const std::string& text : row.versions[version])
                    EXPECT_THAT(versions, testing::Contains(HasSubstr(text)));
        }
        // And the next start of the inn of the session, once.
        EXPECT_TRUE(toldTimes(row.starred ? 2 : 1));
    }
}

// The word lists follow their folder: a list saved there is drawn by the
// next Generate, and a problem is told once however often the folder
// changes while it lasts.
TEST(InnDeskWords, AListSavedIsDrawnAndAProblemIsToldOnce)
{
    const test::TempDir dir;
    const std::filesystem::path words = dir.path() / "words";
    std::filesystem::create_directory(words);
    // Two problems at start: told together.
    for (const char* misspelt : {"rcaes.txt", "rcaes2.txt"})
        std::ofstream(words / misspelt) << "elven\n";
    InnDesk desk(5, dir.path() / "BarScenes.txt", words);
    QSignalSpy told(&desk, &InnDesk::problemsFound);
    desk.start();
    const auto misspelt = [&](const char* name) {
        return "Cannot use word list " + (words / name).string() +
               ": no word list has this name; README.txt names them all";
    };
    ASSERT_EQ(told.size(), 1);
    EXPECT_THAT(told.front().front().value<std::vector<std::string>>(),
                ElementsAre(misspelt("rcaes.txt"), misspelt("rcaes2.txt")));
    QSignalSpy reread(desk.findChild<EditedFileWatcher*>(QString::fromLatin1(InnDesk::wordFolderWatcherName)),
                      &EditedFileWatcher::changed);
    // The gnome lists name the gnomish.
    for (const auto& [file, text] : {std::pair{"races.txt", "gnomish\n"},
                                     {"hair.txt", "green hair\n"},
                                     {"first-names-gnome-women.txt", "Zed\n"},
                                     {"first-names-gnome-men.txt", "Zed\n"}}) {
        reread.clear();
        std::ofstream(words / file) << text;
        EXPECT_TRUE(reread.wait(10000)) << file;
    }
    desk.generate();
    const std::string tables = joinLines(desk.generator().sheet().tableText);
    EXPECT_THAT(tables, HasSubstr(" gnomish "));
    EXPECT_THAT(tables, Not(HasSubstr(" elven ")));
    EXPECT_THAT(tables, HasSubstr(" has green hair and "));
    const std::vector<TableBlock>& blocks = desk.generator().sheet().tableBlocks;
    desk.chooseTable(
        static_cast<int>(std::ranges::find_if(blocks, [](auto& b) { return !b.patrons.empty(); }) - blocks.begin()));
    desk.fleshOutTable();
    EXPECT_THAT(joinLines(desk.generator().sheet().shownTableLines), HasSubstr("\n    Zed "));
    EXPECT_EQ(told.size(), 1);
}

}  // namespace
}  // namespace brewick
