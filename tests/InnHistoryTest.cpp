// The history of a run's inns, stepped through like a browser's, but for
// keeping the inns ahead: what each step shows, where it can go next, that
// stepping never draws, and that only the bounds drop an inn.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "core/SearchText.h"
#include "cycle/InnStep.h"
#include "files/InnReader.h"
#include "keeping/InnHistory.h"
#include "keeping/InnListing.h"
#include "output/formats/InnSheetText.h"
#include "support/RecordingRandom.h"
#include "support/SheetPrinter.h"

namespace brewick {
namespace {

// A clock that moves at every reading, so that an inn marked changed twice
// shows two times.
InnHistory historyOfRun(std::uint32_t seed)
{
    return InnHistory(seed, innJsonPacking(), "test", [now = std::int64_t{0}]() mutable { return ++now; });
}

std::vector<std::int64_t> changedTimes(const std::vector<KeptInn>& inns)
{
    std::vector<std::int64_t> times;
    for (const KeptInn& inn : inns)
        times.push_back(inn.changed);
    return times;
}

class History : public testing::Test {
protected:
    test::RecordingRandom random{4711};
    InnGenerator generator{random, {}};
    InnHistory history = historyOfRun(4711);
};

TEST_F(History, StepsBackAndForthLikeABrowser)
{
    enum Action {
        Generate,
        Back,
        Forward,
        Edit,
        Relocate,
        Requalify,
        KeepQuality,
        TickNothing,
        Open,
        Reroll,
        Show,
        Delete
    };
    struct Row {
        const char* name;
        Action action;
        int shown;             // which inn, by the order they were first shown
        std::uint64_t number;  // its number in the run
        bool back;
        bool forward;
        std::vector<int> chosen = {};  // the inns shown or deleted from a list
    };
    const Row rows[] = {
        {"the first inn", Generate, 1, 1, false, false},
        {"the second", Generate, 2, 2, true, false},
        {"the third", Generate, 3, 3, true, false},
        {"back to the second", Back, 2, 2, true, true},
        {"an edit of the second, and another table chosen", Edit, 2, 2, true, true},
        {"back to the first", Back, 1, 1, false, true},
        {"back past the first end", Back, 1, 1, false, true},
        {"forward to the edited second", Forward, 2, 2, true, true},
        {"generating from the second keeps the third ahead", Generate, 4, 4, true, true},
        {"forward to the third", Forward, 3, 3, true, false},
        {"forward past the last end", Forward, 3, 3, true, false},
        {"back to the fourth", Back, 4, 4, true, true},
        {"back to the edited second", Back, 2, 2, true, true},
        {"back to the first again", Back, 1, 1, false, true},
        {"forward", Forward, 2, 2, true, true},
        {"forward to the fourth", Forward, 4, 4, true, true},
        {"another location keeps the inn before its new menu and prices", Relocate, 5, 4, true, true},
        {"back to the fourth as it was", Back, 4, 4, true, true},
        {"another quality there keeps the relocated one ahead", Requalify, 6, 4, true, true},
        {"back to the fourth again", Back, 4, 4, true, true},
        {"the quality already shown changes nothing", KeepQuality, 4, 4, true, true},
        {"forward", Forward, 6, 4, true, true},
        {"nothing ticked: Generate keeps no inn", TickNothing, 6, 4, true, true},
        {"nothing ticked, and back", Back, 4, 4, true, true},
        {"a file of two inns goes right after the shown inn", Open, 7, 70, true, true},
        {"the file's second inn follows it", Forward, 8, 71, true, true},
        {"then the inn that was ahead", Forward, 6, 4, true, true},
        {"then the relocated one", Forward, 5, 4, true, true},
        {"and the third, last", Forward, 3, 3, true, false},
        {"a table drawn again keeps the third as it was", Reroll, 9, 3, true, false},
        {"back to the third as it was", Back, 3, 3, true, true},
        {"back through all of them", Back, 5, 4, true, true},
        {"the first, chosen from a list, as stepping back would show it", Show, 1, 1, false, true, {1}},
        {"and forward from there, every inn where it was", Forward, 2, 2, true, true},
        {"the fourth and the first of the file deleted", Delete, 2, 2, true, true, {4, 7}},
        {"forward skips them", Forward, 8, 71, true, true},
        {"the shown one is not deleted", Delete, 8, 71, true, true, {8}},
        {"the last, chosen from a list", Show, 9, 3, true, false, {9}},
        {"back to the third, and back again", Back, 3, 3, true, true},
        {"to the relocated fourth", Back, 5, 4, true, true},
        {"to the requalified one", Back, 6, 4, true, true},
        {"to the second inn of the file", Back, 8, 71, true, true},
        {"to the edited second", Back, 2, 2, true, true},
    };
    // The file's inns, from another run.
    test::RecordingRandom otherRandom{99};
    InnGenerator other{otherRandom, {}};
    std::vector<PlacedInn> file;
    for (std::uint64_t number : {70, 71}) {
        other.generate();
        file.push_back({other.sheet(), {number, 99}});
    }

    // Each inn as it was last shown: generated, edited, changed by a reaction or opened.
    std::map<int, InnSheet> inns{{8, file[1].sheet}};
    std::map<int, std::string> ids;  // and its name among the kept inns
    std::vector<std::string> deleted;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::size_t draws = random.ranges.size();
        std::vector<std::string> chosen;
        for (int inn : row.chosen)
            chosen.push_back(ids[inn]);
        switch (row.action) {
        case Generate:
            history.generate(generator);
            EXPECT_GT(random.ranges.size(), draws);
            break;
        case Back:
            history.goBack(generator);
            break;
        case Forward:
            history.goForward(generator);
            break;
        case Edit:
            generator.sheet().innName += " Reborn";
            generator.sheet().rooms.cell(1, 2) = "plenty";
            generator.chooseTable(generator.sheet().tableCount - 1);
            break;
        case Relocate:
            history.selectLocation(generator, generator.sheet().location == InnLocation::PoorQuarter
                                                  ? InnLocation::WealthyQuarter
                                                  : InnLocation::PoorQuarter);
            break;
        case Requalify:
            history.selectQuality(generator, generator.sheet().quality == InnQuality::Poor ? InnQuality::Excellent
                                                                                           : InnQuality::Poor);
            break;
        case KeepQuality:
            history.selectQuality(generator, generator.sheet().quality);
            break;
        case TickNothing:
            generator.setPart(InnPart::All, false);
            history.generate(generator);
            break;
        case Open:
            history.open(generator, file);
            break;
        case Reroll:
            history.changeShown(generator, [&] { generator.rerollChosenTable(); });
            break;
        case Show:
            EXPECT_TRUE(history.show(generator, {nullptr, {}, chosen.front()}));
            break;
        case Delete:
            history.remove(chosen);
            if (row.shown != row.chosen.front())
                deleted.insert(deleted.end(), chosen.begin(), chosen.end());
            break;
        }
        if (row.action != Generate && row.action != Relocate && row.action != Reroll) {
            EXPECT_EQ(random.ranges.size(), draws) << "only new inns, menus and tables draw";
        }
        if (row.action != Back && row.action != Forward && row.action != Show && row.action != Delete)
            inns[row.shown] = generator.sheet();
        if (!ids.contains(row.shown))
            ids[row.shown] = history.shownId();
        EXPECT_EQ(history.shownId(), ids[row.shown]);
        EXPECT_EQ(history.shownPlace().seed, row.number >= 70 ? 99u : 4711u);
        EXPECT_EQ(history.shownPlace().number, row.number);
        EXPECT_EQ(generator.sheet(), inns[row.shown]);
        EXPECT_EQ(history.canGoBack(), row.back);
        EXPECT_EQ(history.canGoForward(), row.forward);
    }
    EXPECT_THAT(inns[2].innName, testing::EndsWith(" Reborn"));
    EXPECT_NE(inns[5].menuLines, inns[4].menuLines) << "a new location draws a new menu";
    EXPECT_NE(inns[9].tableText, inns[3].tableText) << "a table drawn again";
    std::vector<std::string> remembered;
    for (const DeletedInn& inn : history.deleted())
        remembered.push_back(inn.id);
    EXPECT_EQ(remembered, deleted) << "the session keeps the deletions";
}

// A step that drew part of an inn again says what it drew, for the history
// list; any other change says nothing.
TEST_F(History, AStepSaysWhatItDrewAgain)
{
    generator.generate();
    const InnSheet first = generator.sheet();
    std::size_t table = 0;  // the first with two patrons or more: a patron's own line
    while (first.tableBlocks[table].patrons.size() < 2)
        ++table;
    const std::string number = std::to_string(table + 1);
    const std::size_t action = first.tableBlocks[table].patrons.size() + 1;
    struct Row {
        const char* name;
        std::function<void()> step;
        std::string said;
    };
    const Row rows[] = {
        {"a table", [&] { generator.rerollChosenTable(); }, "Table " + number + " drawn again"},
        {"a patron", [&] { generator.rerollChosenTableLine(2); }, "Patron 2 of table " + number + " drawn again"},
        {"what they are doing", [&] { generator.rerollChosenTableLine(action); },
         "What table " + number + " is doing drawn again"},
        {"a patron fleshed out",
         [&] {
             generator.fleshOutChosenPatron({1, 4711}, 2);
         },
         "Patron 2 of table " + number + " fleshed out"},
        {"the table fleshed out",
         [&] {
             generator.fleshOutChosenTable({1, 4711});
         },
         "Table " + number + " fleshed out"},
        {"another location",
         [&] {
             generator.selectLocation(InnLocation::PoorQuarter == first.location ? InnLocation::DocksArea
                                                                                 : InnLocation::PoorQuarter);
         },
         "Location chosen: "},
        {"the name typed", [&] { generator.sheet().innName += " Renamed"; }, ""},
    };
    for (const Row& row : rows) {
        generator.sheet() = first;
        generator.chooseTable(static_cast<int>(table));
        const InnSheet before = generator.sheet();
        row.step();
        EXPECT_THAT(describeStep(before, generator.sheet()), testing::StartsWith(row.said)) << row.name;
        EXPECT_EQ(row.said.empty(), describeStep(before, generator.sheet()).empty()) << row.name;
        // The history list tells the same from the listing made when the step was kept.
        InnHistory steps = historyOfRun(4711);
        generator.sheet() = before;
        steps.open(generator, {{before, {1, 4711}}});
        steps.changeShown(generator, row.step);
        const std::string said = describeStep(before, generator.sheet());
        const std::vector<KeptInn> inns = steps.inns(generator.sheet());
        ASSERT_EQ(inns.size(), 2u);
        EXPECT_EQ(inns[1].listing->step, said) << row.name;
        EXPECT_EQ(stepOf(inns[1], &inns[0]), said) << row.name;
        KeptInn repacked = inns[0];
        repacked.packed = std::make_shared<const std::string>(*inns[0].packed);
        EXPECT_EQ(stepOf(inns[1], &repacked), said) << row.name << ", told anew from other bytes";
    }
}

// The history list's filter finds any word of the inn as File > Save writes
// it, in any case, but the banner's, which every inn holds.
TEST_F(History, AListingHoldsTheSavedTextFolded)
{
    generator.generate();
    InnSheet sheet = generator.sheet();
    sheet.innName = "The Éel and Ωmega";
    sheet.notes = "Owes the GUILD";
    const std::shared_ptr<const InnListing> listing = listInn(sheet);
    TextLines lines;
    buildInnSheetText(sheet, lines);
    for (std::size_t line = 1; line < lines.size(); ++line) {
        std::istringstream words{foldedForSearch(lines[line])};
        for (std::string word; words >> word;)
            EXPECT_TRUE(listing->searchWords.holds(word)) << word;
    }
    EXPECT_TRUE(listing->searchWords.holds("ωmega"));
    const std::string_view text = listing->searchWords.shortWords;
    EXPECT_TRUE(text.starts_with("the\n"));
    EXPECT_EQ(text.find("\nthe\n"), std::string_view::npos) << "each word once";
    EXPECT_FALSE(listing->searchWords.holds(foldedForSearch(kMakerWebAddress))) << "the banner's";
    EXPECT_TRUE(listing->hasNotes);
    EXPECT_FALSE(listInn(generator.sheet())->hasNotes);
    // A word pasted into every step of an inn is kept once, from the longest
    // word a drawn inn could hold on.
    for (const std::size_t length : {127u, 128u}) {
        sheet.barScene = "Q" + std::string(length - 2, 'x') + "Z";
        const std::shared_ptr<const InnListing> first = listInn(sheet);
        const std::shared_ptr<const InnListing> second = listInn(sheet);
        EXPECT_TRUE(second->searchWords.holds("xz")) << length;
        EXPECT_EQ(second->searchWords.longWords.size(), length == 128 ? 1u : 0u) << length;
        if (length == 128) {
            EXPECT_EQ(first->searchWords.longWords[0], second->searchWords.longWords[0]);
        }
    }
    // Each end of a run of capitals, and one past it.
    EXPECT_EQ(foldedForSearch("@AZ[`az{ ÀÖ×ØÞß ĀĮİĲ Ÿ ΑΡΣΫ ЀЯа \xC3"), "@az[`az{ àö×øþß āįİĳ ÿ αρσϋ ѐяа \xC3");
}

// Stepping back and forth between generations leaves the generated inns those
// of a run that never stepped, and changes none of them.
TEST_F(History, SteppingLeavesTheGeneratedInnsAsWithoutIt)
{
    test::RecordingRandom plainRandom{4711};
    InnGenerator plain{plainRandom, {}};
    for (int inn = 1; inn <= 4; ++inn) {
        history.generate(generator);
        plain.generate();
        EXPECT_EQ(generator.sheet(), plain.sheet()) << "inn " << inn;
        const std::vector<std::int64_t> changed = changedTimes(history.inns(generator.sheet()));
        history.goBack(generator);
        history.goForward(generator);
        history.goForward(generator);
        EXPECT_EQ(changedTimes(history.inns(generator.sheet())), changed) << "inn " << inn;
    }
    EXPECT_EQ(random.ranges, plainRandom.ranges);
}

// The oldest inns go first, when there are more than the bound or when they
// hold more bytes than it; the shown inn stays, however large, though no
// session can hold it then.
TEST(HistoryBounds, KeepsTheLastInnsWithinItsCountAndItsBytes)
{
    struct Row {
        const char* name;
        std::size_t menuBytes;  // a menu line of this many bytes in every inn
        int generated;
        std::size_t kept;  // before the shown one
        bool firstStarred = false;
    };
    const Row rows[] = {
        {"ordinary inns at the bound: all", 0, kMostKeptInns, kMostKeptInns - 1},
        {"one past the bound: all but the first", 0, kMostKeptInns + 1, kMostKeptInns - 1},
        {"the first starred, one past the bound: all but the second", 0, kMostKeptInns + 1, kMostKeptInns - 1, true},
        {"menus of an eighth of the bound, written twice: seven", kMostKeptBytes / 16, 20, 6},
        {"the same with the first starred: the first and the last six", kMostKeptBytes / 16, 20, 6, true},
        {"an inn over the bound: none", kMostKeptBytes / 2 + 1, 3, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::RecordingRandom random{4711};
        InnGenerator generator{random, {}};
        InnHistory history = historyOfRun(4711);
        history.generate(generator);
        if (row.firstStarred)
            history.useStarred({history.shownId()});
        if (row.menuBytes > 0) {
            generator.sheet().menuLines.add(std::string(row.menuBytes, 'x'));
            generator.setPart(InnPart::InnName, true);
        }
        std::map<std::uint64_t, std::string> names{{1, generator.sheet().innName}};
        for (int inn = 2; inn <= row.generated; ++inn) {
            history.generate(generator);
            names[history.shownPlace().number] = generator.sheet().innName;
        }
        const InnSheet shown = generator.sheet();
        std::size_t steps = 0;
        for (; history.canGoBack(); ++steps) {
            history.goBack(generator);
            EXPECT_EQ(generator.sheet().innName, names[history.shownPlace().number]);
        }
        EXPECT_EQ(steps, row.kept);
        EXPECT_EQ(history.shownPlace().number,
                  row.firstStarred ? 1 : static_cast<std::uint64_t>(row.generated) - row.kept);
        while (history.canGoForward())
            history.goForward(generator);
        EXPECT_TRUE(generator.sheet() == shown);
        EXPECT_EQ(history.inns(shown).size(), row.kept + (row.menuBytes > kMostKeptBytes / 2 ? 0 : 1))
            << "the session holds what fits";
    }
}

// At the bounds the oldest inn goes first, also among inns restored or shown
// from the list, and an inn ahead only after them; a deletion frees its
// bytes, and the newest deletions are remembered within their own bound.
TEST(HistoryBounds, DropTheOldestFirstWhereverTheInnsCameFrom)
{
    test::RecordingRandom otherRandom{99};
    InnGenerator other{otherRandom, {}};
    other.generate();
    // An inn of another run, numbered `number`, as a session or the list gives it.
    const auto elsewhere = [&other](std::uint64_t number) {
        const InnPlace place{number, 99};
        const auto time = static_cast<std::int64_t>(number);
        return KeptInn{std::make_shared<const std::string>(innJsonPacking().pack(other.sheet(), place)), place,
                       "other-" + std::to_string(number), time, time};
    };
    struct Row {
        const char* name;
        std::function<void(InnHistory&, InnGenerator&, std::vector<std::string>& ids)> make;
        std::size_t steps;       // back from the shown inn to the oldest
        std::uint64_t oldest;    // its number
        std::uint64_t farthest;  // the number of the last inn ahead
    };
    const auto generate = [](InnHistory& history, InnGenerator& generator, std::vector<std::string>& ids, int count) {
        for (int inn = 0; inn < count; ++inn) {
            history.generate(generator);
            ids.push_back(history.shownId());
        }
    };
    // Inns of an eighth of the bytes the history keeps: seven fit.
    const auto generateLarge = [&generate](InnHistory& history, InnGenerator& generator, std::vector<std::string>& ids,
                                           int count) {
        generator.sheet().menuLines.add(std::string(kMostKeptBytes / 16, 'x'));
        generator.setPart(InnPart::InnName, true);
        generate(history, generator, ids, count);
    };
    const auto deleteAllButShown = [](InnHistory& history, std::vector<std::string>& ids, std::size_t remembered) {
        ids.pop_back();
        history.remove(ids);
        EXPECT_EQ(history.deleted().size(), remembered);
        EXPECT_EQ(history.deleted().front().id, ids[ids.size() - remembered]);
    };
    const Row rows[] = {
        {"at the bound with an inn ahead, a new inn drops the oldest, not the one ahead",
         [&](InnHistory& history, InnGenerator& generator, std::vector<std::string>& ids) {
             generate(history, generator, ids, kMostKeptInns);
             history.goBack(generator);
             generate(history, generator, ids, 1);
         },
         kMostKeptInns - 2, 2, kMostKeptInns},
        {"a session restored that fills the bound with the first inn: its oldest goes",
         [&](InnHistory& history, InnGenerator& generator, std::vector<std::string>& ids) {
             generate(history, generator, ids, 1);
             std::vector<KeptInn> restored;
             for (std::uint64_t number = 1; number <= kMostKeptInns; ++number)
                 restored.push_back(elsewhere(number));
             EXPECT_EQ(history.restore(std::move(restored)), 1u);
         },
         kMostKeptInns - 1, 2, 1},
        {"an inn shown from the list at the bound: the oldest goes",
         [&](InnHistory& history, InnGenerator& generator, std::vector<std::string>& ids) {
             generate(history, generator, ids, kMostKeptInns);
             EXPECT_TRUE(history.show(generator, elsewhere(5000)));
         },
         kMostKeptInns - 1, 2, 5000},
        {"three of seven large inns deleted make room for three more",
         [&](InnHistory& history, InnGenerator& generator, std::vector<std::string>& ids) {
             generateLarge(history, generator, ids, 7);
             history.remove({ids[0], ids[1], ids[2]});
             generate(history, generator, ids, 3);
         },
         6, 4, 10},
        {"as many deletions as their bound: all remembered",
         [&](InnHistory& history, InnGenerator& generator, std::vector<std::string>& ids) {
             generate(history, generator, ids, kMostDeletedInns + 1);
             deleteAllButShown(history, ids, kMostDeletedInns);
         },
         0, kMostDeletedInns + 1, kMostDeletedInns + 1},
        {"one deletion more: the oldest forgotten",
         [&](InnHistory& history, InnGenerator& generator, std::vector<std::string>& ids) {
             generate(history, generator, ids, kMostDeletedInns + 2);
             deleteAllButShown(history, ids, kMostDeletedInns);
         },
         0, kMostDeletedInns + 2, kMostDeletedInns + 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::RecordingRandom random{4711};
        InnGenerator generator{random, {}};
        InnHistory history = historyOfRun(4711);
        std::vector<std::string> ids;
        row.make(history, generator, ids);
        std::size_t steps = 0;
        for (; history.canGoBack(); ++steps)
            history.goBack(generator);
        EXPECT_EQ(steps, row.steps);
        EXPECT_EQ(history.shownPlace().number, row.oldest);
        while (history.canGoForward())
            history.goForward(generator);
        EXPECT_EQ(history.shownPlace().number, row.farthest);
    }
}

}  // namespace
}  // namespace brewick
