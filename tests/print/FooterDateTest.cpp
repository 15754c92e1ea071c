// The footer's date and the separators taken from the system's formats.
#include <gtest/gtest.h>

#include "output/print/FooterDate.h"

namespace brewick {
namespace {

TEST(FooterDate, MonthDayTwoDigitYearTwoBlanksHourMinutes)
{
    struct Row {
        const char* name;
        QDateTime when;
        const char* dateSeparator;
        const char* timeSeparator;
        const char* text;
    };
    const Row rows[] = {
        {"no leading zeros but the year's and the minutes'", {{2009, 1, 5}, {19, 3}}, "/", ":", "1/5/09  19:03"},
        {"two-digit month and day, morning hour", {{2026, 12, 6}, {9, 5}}, "/", ":", "12/6/26  9:05"},
        {"midnight and the year 2000", {{2000, 10, 31}, {0, 0}}, "/", ":", "10/31/00  0:00"},
        {"the system's separators", {{2009, 1, 5}, {19, 3}}, ".", ".", "1.5.09  19.03"},
        {"separators longer than one character", {{2009, 1, 5}, {19, 3}}, " - ", "h", "1 - 5 - 09  19h03"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(footerDate(row.when, row.dateSeparator, row.timeSeparator), row.text) << row.name;
}

TEST(FooterDate, SeparatorOfADateOrTimeFormat)
{
    struct Row {
        const char* format;
        const char* separator;
    };
    const Row rows[] = {
        {"M/d/yy", "/"},     {"dd.MM.yy", "."},    {"dd-MM-yyyy", "-"}, {"yy. M. d.", "."},
        {"h:mm AP", ":"},    {"AP h:mm", ":"},     {"H.mm", "."},       {"HH:mm:ss", ":"},
        {"d MMM yyyy", "?"}, {"d 'de' MMMM", "?"}, {"", "?"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(formatSeparator(row.format, "?"), row.separator) << row.format;
}

}  // namespace
}  // namespace brewick
