// The footer's date and the separators taken from the system's formats.
#include <gtest/gtest.h>

#include "output/print/FooterDate.h"

namespace brewick {
namespace {

TEST(FooterDate, DateInItsFormatWithTwoDigitYearTwoBlanksHourMinutes)
{
    struct Row {
        const char* name;
        QDateTime when;
        const char* dateFormat;
        const char* timeSeparator;
        const char* text;
    };
    const Row rows[] = {
        {"no leading zeros but the year's and the minutes'", {{2009, 1, 5}, {19, 3}}, "M/d/yy", ":", "1/5/09  19:03"},
        {"two-digit month and day, morning hour", {{2026, 12, 6}, {9, 5}}, "M/d/yy", ":", "12/6/26  9:05"},
        {"midnight and the year 2000", {{2000, 10, 31}, {0, 0}}, "M/d/yy", ":", "10/31/00  0:00"},
        {"the system's separators", {{2009, 1, 5}, {19, 3}}, "M.d.yy", ".", "1.5.09  19.03"},
        {"separators longer than one character", {{2009, 1, 5}, {19, 3}}, "M - d - yy", "h", "1 - 5 - 09  19h03"},
        {"a four-digit year cut to two", {{2099, 12, 31}, {23, 59}}, "dd/MM/yyyy", ":", "31/12/99  23:59"},
        {"the year 2100", {{2100, 1, 1}, {0, 0}}, "yyyy/MM/dd", ":", "00/01/01  0:00"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(footerDate(row.when, row.dateFormat, row.timeSeparator), row.text) << row.name;
}

// The date in the locale's own order; the C locale, no one's, keeps the month first.
TEST(FooterDate, InTheLocalesShortDateOrder)
{
    const std::pair<const char*, const char*> rows[] = {
        {"en_US", "12/7/26  9:05"},  {"en_GB", "07/12/26  9:05"},   {"de_DE", "07.12.26  9:05"},
        {"ja_JP", "26/12/07  9:05"}, {"ko_KR", "26. 12. 7.  9:05"}, {"C", "12/7/26  9:05"},
    };
    for (const auto& [locale, text] : rows)
        EXPECT_EQ(footerDate({{2026, 12, 7}, {9, 5}}, QLocale(QString::fromLatin1(locale))), text) << locale;
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
