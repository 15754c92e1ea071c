#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/TextLines.h"

namespace brewick {
namespace {

using namespace std::string_literals;

TEST(TextHelpers, TrimmedRemovesEveryCodeUpTo32AtBothEnds)
{
    const std::pair<std::string, std::string> rows[] = {
        {"", ""},           {" ", ""},      {" \t\r\n\x01\x1f", ""},    {"\0x\0"s, "x"},
        {"  a b  ", "a b"}, {"!x!", "!x!"}, {"\xa0x\xa0", "\xa0x\xa0"},  // bytes above 127 stay
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(trimmed(text), expected) << '"' << text << '"';
}

// A value in a message shows what it holds and no more than a line's worth.
TEST(TextHelpers, SingleQuotedShowsControlAndDirectionCharactersAndCutsLongValues)
{
    const std::string longest(kMostQuotedBytes, 'x');
    const std::pair<std::string, std::string> rows[] = {
        {"plain", "'plain'"},
        {"a\x1b[2J\n\\", "'a\\x1b[2J\\x0a\\\\'"},
        {"Caf\xC3\xA9", "'Caf\xC3\xA9'"},
        {"abc\xE2\x80\xAE"
         "fed",
         "'abc\\u202efed'"},
        {"\xE2\x81\xA6x\xD8\x9C", "'\\u2066x\\u061c'"},
        {longest, "'" + longest + "'"},
        {longest + "y", "'" + longest + "\u2026'"},
        {longest.substr(1) + "\xC3\xA9", "'" + longest.substr(1) + "\u2026'"},
    };
    for (const auto& [value, quoted] : rows)
        EXPECT_EQ(singleQuoted(value), quoted);
}

TEST(TextHelpers, DecimalIsPlain)
{
    EXPECT_EQ(std::string_view(Decimal(0)), "0");
    EXPECT_EQ(std::string_view(Decimal(5)), "5");
    EXPECT_EQ(std::string_view(Decimal(-12)), "-12");
    EXPECT_EQ(std::string_view(Decimal(4294967295LL)), "4294967295");
}

TEST(TextLines, KeepsLinesApartAndReusesItself)
{
    TextLines lines;
    lines.add("");
    lines.add({"a", Decimal(1), " b"});
    lines.add(" ");
    EXPECT_THAT(lines, testing::ElementsAre("", "a1 b", " "));

    TextLines more = {"x"};
    more.addAll(lines);
    EXPECT_THAT(more, testing::ElementsAre("x", "", "a1 b", " "));
    EXPECT_NE(more, lines);

    lines.clear();
    EXPECT_TRUE(lines.empty());
    lines.add("y");
    EXPECT_THAT(lines, testing::ElementsAre("y"));
}

TEST(TextLines, SplitAndJoinAsATextBoxHoldsThem)
{
    struct Row {
        std::string text;
        std::vector<std::string> lines;
        std::string joined;  // the text shown for those lines
    };
    const Row rows[] = {
        {"", {}, ""},
        {"a", {"a"}, "a"},
        {"a\nb", {"a", "b"}, "a\nb"},
        {"a\n", {"a"}, "a"},  // a final line break makes no line
        {"a\n\n", {"a", ""}, "a\n"},
        {"\n", {""}, ""},
        {"\n\nx", {"", "", "x"}, "\n\nx"},
        {" \r", {" \r"}, " \r"},  // only LF breaks a box's lines
    };
    for (const Row& row : rows) {
        const TextLines lines = splitLines(row.text);
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), row.lines) << row.text;
        EXPECT_EQ(joinLines(lines), row.joined) << row.text;
    }
}

}  // namespace
}  // namespace brewick
