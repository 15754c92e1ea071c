// The history of a run's inns, stepped through like a browser's: what each
// step shows, where it can go next, and that stepping never draws.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "cycle/InnHistory.h"
#include "support/RecordingRandom.h"
#include "support/SheetPrinter.h"

namespace brewick {
namespace {

class History : public testing::Test {
protected:
    test::RecordingRandom random{4711};
    InnGenerator generator{random, {}};
    InnHistory history;
};

TEST_F(History, StepsBackAndForthLikeABrowser)
{
    enum Action { Generate, Back, Forward, Edit };
    struct Row {
        const char* name;
        Action action;
        std::uint64_t shown;  // the inn's number
        bool back;
        bool forward;
    };
    const Row rows[] = {
        {"the first inn", Generate, 1, false, false},
        {"the second", Generate, 2, true, false},
        {"the third", Generate, 3, true, false},
        {"back to the second", Back, 2, true, true},
        {"an edit of the second, and another table chosen", Edit, 2, true, true},
        {"back to the first", Back, 1, false, true},
        {"back past the first end", Back, 1, false, true},
        {"forward to the edited second", Forward, 2, true, true},
        {"generating from the second drops the third", Generate, 4, true, false},
        {"forward past the last end", Forward, 4, true, false},
        {"back to the edited second", Back, 2, true, true},
        {"back to the first again", Back, 1, false, true},
        {"forward", Forward, 2, true, true},
        {"forward to the fourth", Forward, 4, true, false},
    };
    // Each inn as it was last shown: generated, or edited.
    std::map<std::uint64_t, InnSheet> inns;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::size_t draws = random.ranges.size();
        switch (row.action) {
        case Generate:
            history.generate(generator);
            EXPECT_GT(random.ranges.size(), draws);
            inns[history.shownNumber()] = generator.sheet();
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
            inns[history.shownNumber()] = generator.sheet();
            break;
        }
        if (row.action != Generate) {
            EXPECT_EQ(random.ranges.size(), draws) << "stepping and editing draw nothing";
        }
        EXPECT_EQ(history.shownNumber(), row.shown);
        EXPECT_EQ(generator.sheet(), inns[row.shown]);
        EXPECT_EQ(history.canGoBack(), row.back);
        EXPECT_EQ(history.canGoForward(), row.forward);
    }
    EXPECT_THAT(inns[2].innName, testing::EndsWith(" Reborn"));
}

// Stepping back and forth between generations leaves the generated inns those
// of a run that never stepped.
TEST_F(History, SteppingLeavesTheGeneratedInnsAsWithoutIt)
{
    test::RecordingRandom plainRandom{4711};
    InnGenerator plain{plainRandom, {}};
    for (int inn = 1; inn <= 4; ++inn) {
        history.generate(generator);
        plain.generate();
        EXPECT_EQ(generator.sheet(), plain.sheet()) << "inn " << inn;
        history.goBack(generator);
        history.goForward(generator);
        history.goForward(generator);
    }
    EXPECT_EQ(random.ranges, plainRandom.ranges);
}

TEST_F(History, KeepsTheLastHundredInnsAndOnlyThose)
{
    constexpr int kGenerated = 130;
    std::map<std::uint64_t, std::string> names;
    for (int inn = 1; inn <= kGenerated; ++inn) {
        history.generate(generator);
        names[history.shownNumber()] = generator.sheet().innName;
    }
    std::size_t steps = 0;
    for (; history.canGoBack(); ++steps) {
        history.goBack(generator);
        EXPECT_EQ(generator.sheet().innName, names[history.shownNumber()]);
    }
    EXPECT_EQ(steps, InnHistory::kLimit - 1);
    EXPECT_EQ(history.shownNumber(), kGenerated - InnHistory::kLimit + 1);
    while (history.canGoForward())
        history.goForward(generator);
    EXPECT_EQ(history.shownNumber(), static_cast<std::uint64_t>(kGenerated));
}

}  // namespace
}  // namespace brewick
