// JSON strings from any bytes: valid UTF-8 passes, everything else is
// escaped, and reading the string gives the bytes back. JSON strings as other
// programs write them: an escape is the character it names, in UTF-8; a lone
// low surrogate of 80 … ff is the byte a program kept that way.
#include <gtest/gtest.h>

#include "files/JsonReader.h"
#include "output/formats/JsonString.h"

namespace brewick {
namespace {

TEST(JsonString, EscapesWhatJsonForbidsAndBytesThatAreNotUtf8)
{
    struct Row {
        const char* name;
        std::string bytes;  // read from the JSON; empty: refused
        std::string json;
        bool written = true;  // as Brewick writes the bytes
    };
    const Row rows[] = {
        {"plain text", "The Pig and Duck", R"("The Pig and Duck")"},
        {"quote and backslash", R"(a "b" \c)", R"("a \"b\" \\c")"},
        {"control characters", "\n\r\t\b\f\x01\x1f\x7f", "\"\\n\\r\\t\\b\\f\\u0001\\u001f\x7f\""},
        {"NUL", std::string("a\0b", 3), R"("a\u0000b")"},
        {"two, three and four bytes", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80",
         "\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\""},
        {"the last code point", "\xF4\x8F\xBF\xBF", "\"\xF4\x8F\xBF\xBF\""},
        {"Latin-1 byte", "caf\xE9", R"("caf\udce9")"},
        {"stray continuation byte", "\x80", R"("\udc80")"},
        {"overlong slash", "\xC0\xAF", R"("\udcc0\udcaf")"},
        {"overlong three bytes", "\xE0\x80\xAF", R"("\udce0\udc80\udcaf")"},
        {"surrogate", "\xED\xA0\x80", R"("\udced\udca0\udc80")"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", R"("\udcf4\udc90\udc80\udc80")"},
        {"cut off at the end", "\xE2\x82", R"("\udce2\udc82")"},
        {"cut off before ASCII",
         "\xE2\x82"
         "A",
         R"("\udce2\udc82A")"},
        {"lead byte that never starts UTF-8", "\xF8\x88\x80\x80\x80", R"("\udcf8\udc88\udc80\udc80\udc80")"},
        // Text is looked at eight bytes at a time, the last eight overlapping
        // the ones before when the length is no multiple of eight.
        {"the neighbours of what needs a look, in whole words", " !#$[]^_`{|}~\x7f A", "\" !#$[]^_`{|}~\x7f A\""},
        {"escape first", "\"abcdefghij", R"("\"abcdefghij")"},
        {"escape last of the first word", "abcdefg\\hij", R"("abcdefg\\hij")"},
        {"escape last of an overlapping word", "abcdefghij\n", R"("abcdefghij\n")"},
        {"escape first of the second word", "abcdefgh\x01", R"("abcdefgh\u0001")"},
        {"escape last of a short text", "ab\t", R"("ab\t")"},
        {"UTF-8 across two words", "abcdefg\xC3\xA9hijkl", "\"abcdefg\xC3\xA9hijkl\""},
        {"Latin-1 in the overlap", "abcdefghi\xE9jk", R"("abcdefghi\udce9jk")"},
        {"an escaped Latin-1 letter", "Caf\xC3\xA9", R"("Caf\u00e9")", false},
        {"the last escape of one byte", "\x7f", R"("\u007f")", false},
        {"the first of two bytes", "\xC2\x80", R"("\u0080")", false},
        {"the first of three bytes", "\xE0\xA0\x80", R"("\u0800")", false},
        {"a surrogate pair", "\xF0\x9F\x98\x80", R"("\ud83d\ude00")", false},
        {"the last byte kept as a surrogate", "\xff", R"("\udcff")", false},
        {"a low surrogate past the bytes", "", R"("\udd00")", false},
        {"a low surrogate before the bytes", "", R"("\udc7f")", false},
        {"a lone high surrogate", "", R"("\ud83dx")", false},
        {"bytes that are no UTF-8, unescaped", "caf\xE9", "\"caf\xE9\"", false},
        {"a line end in the string", "", "\"a\nb\"", false},
        {"an unknown escape", "", R"("\x41")", false},
    };
    for (const Row& row : rows) {
        std::string json = "[";
        appendJsonString(row.bytes, json);
        if (row.written) {
            EXPECT_EQ(json, "[" + row.json) << row.name;
        }
        std::string read;
        try {
            JsonReader(row.json).readString(read);
        } catch (const JsonFault&) {
            read.clear();
        }
        EXPECT_EQ(read, row.bytes) << row.name;
    }
}

}  // namespace
}  // namespace brewick
