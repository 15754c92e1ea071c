#include <gtest/gtest.h>

#include <sstream>

#include "core/RandomSource.h"
#include "core/StartSeed.h"
#include "core/WordList.h"

namespace brewick {
namespace {

std::vector<int> Draws(std::uint32_t state, std::vector<int> ranges)
{
    LcgRandom random(state);
    std::vector<int> results;
    for (int n : ranges)
        results.push_back(random.RandomIndex(n));
    return results;
}

TEST(RandomSource, KnownSequences)
{
    struct Row {
        const char* name;
        std::uint32_t state;
        std::vector<int> ranges;
        std::vector<int> expected;
    };
    const Row rows[] = {
        {"from state 0", 0, {100, 100, 100, 100, 100, 100}, {0, 3, 86, 20, 27, 67}},
        {"from 12:34:56.789", SeedFromTimeOfDay(12, 34, 56, 789), {100, 100, 100, 100, 100},
         {48, 27, 35, 2, 69}},
        {"RandomIndex(0) still steps", 0, {0, 100}, {0, 3}},
        {"a negative range gives 0 and steps", 0, {-5, 100}, {0, 3}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Draws(row.state, row.ranges), row.expected) << row.name;
}

TEST(RandomSource, StepIsTheLinearCongruence)
{
    LcgRandom random(0xFFFFFFFFu);
    random.RandomIndex(1);
    EXPECT_EQ(random.State(), 0xFFFFFFFFu * 134775813u + 1u);  // wraps modulo 2^32
}

TEST(RandomSource, RangeIsRespectedAtTheExtremes)
{
    LcgRandom random(0);
    for (int i = 0; i < 10000; ++i) {
        const int big = random.RandomIndex(2147483647);
        ASSERT_GE(big, 0);
        ASSERT_LT(big, 2147483647);
        ASSERT_EQ(random.RandomIndex(1), 0);
    }
}

TEST(StartSeed, TimeOfDayIsMillisecondsSinceMidnight)
{
    EXPECT_EQ(SeedFromTimeOfDay(12, 34, 56, 789), 45296789u);
    EXPECT_EQ(SeedFromTimeOfDay(0, 0, 0, 0), 0u);
    EXPECT_EQ(SeedFromTimeOfDay(23, 59, 59, 999), 86399999u);
    EXPECT_LT(ClockSeed(), 86400000u);
}

TEST(StartSeed, ParsesOnlyPlainDecimalNumbersInRange)
{
    struct Row {
        const char* text;
        std::optional<std::uint32_t> expected;
    };
    const Row rows[] = {
        {"0", 0u},
        {"4294967295", 4294967295u},
        {"007", 7u},
        {"4294967296", std::nullopt},
        {"-1", std::nullopt},
        {"+1", std::nullopt},
        {" 1", std::nullopt},
        {"1 ", std::nullopt},
        {"12a", std::nullopt},
        {"0x10", std::nullopt},
        {"", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ParseSeed(row.text), row.expected) << '"' << row.text << '"';
}

TEST(StartSeed, EnvironmentValueWinsWhenValidAndIsReportedWhenNot)
{
    std::ostringstream warnings;
    EXPECT_EQ(StartSeed("123", warnings), 123u);
    EXPECT_EQ(warnings.str(), "");

    EXPECT_LT(StartSeed(nullptr, warnings), 86400000u);
    EXPECT_LT(StartSeed("", warnings), 86400000u);
    EXPECT_EQ(warnings.str(), "");

    EXPECT_LT(StartSeed("soon", warnings), 86400000u);
    EXPECT_NE(warnings.str().find("BREWICK_SEED='soon'"), std::string::npos);
}

TEST(PickRandom, DrawsOnceEvenFromAnEmptyList)
{
    LcgRandom random(0);
    const WordList empty;
    EXPECT_EQ(PickRandom(empty, random), "");
    EXPECT_EQ(random.RandomIndex(100), 3);  // the second draw from state 0

    const std::string_view entries[] = {" a ", "b"};
    const WordList list(entries);
    LcgRandom again(0);
    EXPECT_EQ(PickRandom(list, again), " a ");  // blanks are kept
}

}  // namespace
}  // namespace brewick
