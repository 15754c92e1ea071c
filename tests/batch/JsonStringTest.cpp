// JSON strings from any bytes: valid UTF-8 passes, everything else is escaped.
#include <gtest/gtest.h>

#include "output/formats/JsonString.h"

namespace brewick {
namespace {

TEST(JsonString, EscapesWhatJsonForbidsAndBytesThatAreNotUtf8)
{
    struct Row {
        const char* name;
        std::string bytes;
        std::string json;
    };
    const Row rows[] = {
        {"plain text", "The Pig and Duck", R"("The Pig and Duck")"},
        {"quote and backslash", R"(a "b" \c)", R"("a \"b\" \\c")"},
        {"control characters", "\n\r\t\b\f\x01\x1f\x7f", "\"\\n\\r\\t\\b\\f\\u0001\\u001f\x7f\""},
        {"NUL", std::string("a\0b", 3), R"("a\u0000b")"},
        {"two, three and four bytes", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80",
         "\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\""},
        {"the last code point", "\xF4\x8F\xBF\xBF", "\"\xF4\x8F\xBF\xBF\""},
        {"Latin-1 byte", "caf\xE9", R"("caf\u00e9")"},
        {"stray continuation byte", "\x80", R"("\u0080")"},
        {"overlong slash", "\xC0\xAF", R"("\u00c0\u00af")"},
        {"overlong three bytes", "\xE0\x80\xAF", R"("\u00e0\u0080\u00af")"},
        {"surrogate", "\xED\xA0\x80", R"("\u00ed\u00a0\u0080")"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", R"("\u00f4\u0090\u0080\u0080")"},
        {"cut off at the end", "\xE2\x82", R"("\u00e2\u0082")"},
        {"cut off before ASCII",
         "\xE2\x82"
         "A",
         R"("\u00e2\u0082A")"},
        {"lead byte that never starts UTF-8", "\xF8\x88\x80\x80\x80", R"("\u00f8\u0088\u0080\u0080\u0080")"},
        // Text is looked at eight bytes at a time, the last eight overlapping
        // the ones before when the length is no multiple of eight.
        {"the neighbours of what needs a look, in whole words", " !#$[]^_`{|}~\x7f A", "\" !#$[]^_`{|}~\x7f A\""},
        {"escape first", "\"abcdefghij", R"("\"abcdefghij")"},
        {"escape last of the first word", "abcdefg\\hij", R"("abcdefg\\hij")"},
        {"escape last of an overlapping word", "abcdefghij\n", R"("abcdefghij\n")"},
        {"escape first of the second word", "abcdefgh\x01", R"("abcdefgh\u0001")"},
        {"escape last of a short text", "ab\t", R"("ab\t")"},
        {"UTF-8 across two words", "abcdefg\xC3\xA9hijkl", "\"abcdefg\xC3\xA9hijkl\""},
        {"Latin-1 in the overlap", "abcdefghi\xE9jk", R"("abcdefghi\u00e9jk")"},
    };
    for (const Row& row : rows) {
        std::string json = "[";
        appendJsonString(row.bytes, json);
        EXPECT_EQ(json, "[" + row.json) << row.name;
    }
}

}  // namespace
}  // namespace brewick
