#include <gtest/gtest.h>

#include <sstream>

#include "core/RandomSource.h"
#include "core/StartSeed.h"
#include "core/WordList.h"

namespace brewick {
namespace {

std::vector<int> draws(std::uint32_t state, std::vector<int> ranges)
{
    LcgRandom random(state);
    std::vector<int> results;
    for (int n : ranges)
        results.push_back(random.randomIndex(n));
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
        {"from 12:34:56.789", seedFromTimeOfDay(12, 34, 56, 789), {100, 100, 100, 100, 100}, {48, 27, 35, 2, 69}},
        {"randomIndex(0) still steps", 0, {0, 100}, {0, 3}},
        {"a negative range gives 0 and steps", 0, {-5, 100}, {0, 3}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(draws(row.state, row.ranges), row.expected) << row.name;
}

TEST(RandomSource, StepIsTheLinearCongruence)
{
    LcgRandom random(0xFFFFFFFFu);
    random.randomIndex(1);
    EXPECT_EQ(random.state(), 0xFFFFFFFFu * 134775813u + 1u);  // wraps modulo 2^32
}

TEST(RandomSource, RangeIsRespectedAtTheExtremes)
{
    LcgRandom random(0);
    for (int i = 0; i < 10000; ++i) {
        const int big = random.randomIndex(2147483647);
        ASSERT_GE(big, 0);
        ASSERT_LT(big, 2147483647);
        ASSERT_EQ(random.randomIndex(1), 0);
    }
}

TEST(StartSeed, TimeOfDayIsMillisecondsSinceMidnight)
{
    EXPECT_EQ(seedFromTimeOfDay(12, 34, 56, 789), 45296789u);
    EXPECT_EQ(seedFromTimeOfDay(0, 0, 0, 0), 0u);
    EXPECT_EQ(seedFromTimeOfDay(23, 59, 59, 999), 86399999u);
    EXPECT_LT(clockSeed(), 86400000u);
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
        EXPECT_EQ(parseSeed(row.text), row.expected) << '"' << row.text << '"';
}

TEST(StartSeed, EnvironmentValueWinsWhenValidAndIsReportedWhenNot)
{
    std::ostringstream warnings;
    EXPECT_EQ(startSeed("123", warnings), 123u);
    EXPECT_EQ(warnings.str(), "");

    EXPECT_LT(startSeed(nullptr, warnings), 86400000u);
    EXPECT_LT(startSeed("", warnings), 86400000u);
    EXPECT_EQ(warnings.str(), "");

    EXPECT_LT(startSeed("soon", warnings), 86400000u);
    EXPECT_NE(warnings.str().find("BREWICK_SEED='soon'"), std::string::npos);
}

TEST(PickRandom, DrawsOnceEvenFromAnEmptyList)
{
    LcgRandom random(0);
    const WordList empty;
    EXPECT_EQ(pickRandom(empty, random), "");
    EXPECT_EQ(random.randomIndex(100), 3);  // the second draw from state 0

    const std::string_view entries[] = {" a ", "b"};
    const WordList list(entries);
    LcgRandom again(0);
    EXPECT_EQ(pickRandom(list, again), " a ");  // blanks are kept
}

}  // namespace
}  // namespace brewick
