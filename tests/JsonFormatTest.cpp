// The JSON of an inn as a program reads it: numbers where the sheet holds
// plain numbers, the menu by its groups however it was edited, and each table
// with its patrons word by word.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/TableText.h"
#include "generators/Tables.h"
#include "output/formats/JsonFormat.h"
#include "support/RecordingRandom.h"

namespace brewick {
namespace {

using testing::HasSubstr;

std::string jsonOf(const InnSheet& sheet)
{
    std::string out;
    JsonFormat().append(sheet, {7, 42}, out);
    return out;
}

TEST(JsonFormat, RoomCellsAreNumbersOnlyWhenTheyHoldAPlainNumber)
{
    const std::pair<const char*, const char*> rows[] = {
        {"12", "12"},
        {"0", "0"},
        {"999999999999999", "999999999999999"},
        {"1000000000000000", "\"1000000000000000\""},  // past what a double keeps exactly
        {"007", "\"007\""},
        {"-3", "\"-3\""},
        {"+3", "\"+3\""},
        {" 5", "\" 5\""},
        {"5 ", "\"5 \""},
        {"1.5", "\"1.5\""},
        {"", "\"\""},
        {"plenty", "\"plenty\""},
        {"\x1f", "\"\\u001f\""},                        // a control character in a short text
        {"\xed\x9f\xbf", "\"\xed\x9f\xbf\""},           // the last character before the surrogates
        {"\xed\xa0\x80", "\"\\udced\\udca0\\udc80\""},  // a surrogate's bytes are no UTF-8
    };
    for (const auto& [cell, json] : rows) {
        InnSheet sheet;
        sheet.rooms.cell(2, 1) = cell;
        sheet.rooms.cell(3, 2) = cell;
        const std::string out = jsonOf(sheet);
        EXPECT_THAT(out, HasSubstr(std::string("\"double\":{\"beds\":") + json + ",\"cost\":\"\"}")) << cell;
        EXPECT_THAT(out, HasSubstr(std::string("\"common\":{\"beds\":\"\",\"cost\":") + json + "}}")) << cell;
    }
}

// The groups hold the items however the menu was edited; a menu that is not
// as the groups would build it also has its lines as they stand.
TEST(JsonFormat, TheMenuIsSplitAtItsHeadingsHoweverItWasEdited)
{
    struct Row {
        const char* name;
        TextLines menu;
        const char* json;
    };
    const Row rows[] = {
        {"as generated",
         {"Main Courses", "  Roast Boar", " ", "Puddings", "  Apple Pie", " ", "Drinks", "  Mead", "  Grog"},
         R"j({"mainCourses":["Roast Boar"],"puddings":["Apple Pie"],"drinks":["Mead","Grog"]})j"},
        {"empty", {}, R"j({"mainCourses":[],"puddings":[],"drinks":[],"lines":[]})j"},
        {"lines before the first heading",
         {"Chef's special", "  Eel Pie", "Main Courses", "  Stew"},
         R"j({"mainCourses":["Stew"],"puddings":[],"drinks":[],"other":["Chef's special","Eel Pie"],)j"
         R"j("lines":["Chef's special","  Eel Pie","Main Courses","  Stew"]})j"},
        {"headings in another order, one twice, blanks and tabs around",
         {"Drinks ", "\tCider", "", "Main Courses", "  Stew", "  ", "Drinks", "Ale"},
         R"j({"mainCourses":["Stew"],"puddings":[],"drinks":["Cider","Ale"],)j"
         R"j("lines":["Drinks ","\tCider","","Main Courses","  Stew","  ","Drinks","Ale"]})j"},
        {"an indented heading is an item",
         {"Puddings", "  Drinks", "  Custard"},
         R"j({"mainCourses":[],"puddings":["Drinks","Custard"],"drinks":[],"lines":["Puddings","  Drinks","  Custard"]})j"},
        {"a heading in other words is an item",
         {"Main courses", "  Stew"},
         R"j({"mainCourses":[],"puddings":[],"drinks":[],"other":["Main courses","Stew"],)j"
         R"j("lines":["Main courses","  Stew"]})j"},
        {"a generated menu's item typed with one indent less",
         {"Main Courses", " Roast Boar", " ", "Puddings", " ", "Drinks"},
         R"j({"mainCourses":["Roast Boar"],"puddings":[],"drinks":[],)j"
         R"j("lines":["Main Courses"," Roast Boar"," ","Puddings"," ","Drinks"]})j"},
        {"an empty line typed after the last item",
         {"Main Courses", "  Roast Boar", " ", "Puddings", " ", "Drinks", ""},
         R"j({"mainCourses":["Roast Boar"],"puddings":[],"drinks":[],)j"
         R"j("lines":["Main Courses","  Roast Boar"," ","Puddings"," ","Drinks",""]})j"},
    };
    for (const Row& row : rows) {
        InnSheet sheet;
        sheet.menuLines = row.menu;
        EXPECT_THAT(jsonOf(sheet), HasSubstr(std::string("\"menu\":") + row.json + ",\"scene\"")) << row.name;
    }
}

TEST(JsonFormat, AgesLoseTheirArticleOnly)
{
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"A very young", "very young"},
        {"An ancient", "ancient"},
        {"A", ""},
        {"An", ""},
        {"Angry", "Angry"},
        {"Ample", "Ample"},
        {"A  old", " old"},
        {"", ""},
    };
    for (const auto& [age, without] : rows)
        EXPECT_EQ(ageWithoutArticle(age), without) << age;
}

// Two tables: a woman alone, then nobody. Every word is entry 1 of its list.
InnSheet twoTables(const PatronLists& lists)
{
    test::ScriptedRandom random({1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 0});
    InnSheet sheet;
    sheet.location = InnLocation::PoorQuarter;
    drawTables(sheet, lists, random);
    return sheet;
}

TEST(JsonFormat, TablesListTheirPatronsWordByWordAndEmptyTablesNoAction)
{
    const PatronLists lists;
    const InnSheet sheet = twoTables(lists);
    ASSERT_EQ(sheet.tableCount, 2);
    const std::string line(sheet.tableText[1]);
    const std::string patron = R"j({"age":"young","race":"human","occupation":"fighter","clothes":")j" +
                               lists.clothes[1] + R"j(","gender":"woman","hair":")j" + lists.hair[1] +
                               R"j(","face":")j" + lists.faces[1] + R"j(","text":")j" + line + "\"}";
    const std::string expected = R"j("tables":[{"number":1,"heading":"Table No. 1 (1 patrons)","patrons":[)j" + patron +
                                 R"j(],"action":"She is )j" + lists.singleActions[1] + "\"}," +
                                 R"j({"number":2,"heading":"Table No. 2 (Empty)","patrons":[],"action":null}]})j";
    EXPECT_THAT(jsonOf(sheet), testing::EndsWith(expected + "\n"));
}

// Words from a list of the user's own may need escapes like any text: a
// patron's words are escaped one by one when the line needs any.
TEST(JsonFormat, PatronWordsAreEscapedWhenTheLineNeedsIt)
{
    const std::string_view words[] = {"An old", "\"elf\"", "caf\xE9", "rags", "a hat", "a \\ wide"};
    Patron patron;
    for (std::size_t word = 0; word < std::size(words); ++word)
        patron.wordLengths[word] = static_cast<std::uint32_t>(words[word].size());
    const std::string line = "An old \"elf\" caf\xE9 wearing rags. He has a hat and a \\ wide face.";
    InnSheet sheet;
    sheet.tableText = {"Table No. 1 (1 patrons)", line, "He is here", " "};
    sheet.tableBlocks = {{4, {patron}}};
    EXPECT_THAT(jsonOf(sheet),
                HasSubstr(R"j("patrons":[{"age":"old","race":"\"elf\"","occupation":"caf\udce9","clothes":"rags",)j"
                          R"j("gender":"man","hair":"a hat","face":"a \\ wide",)j"
                          R"j("text":"An old \"elf\" caf\udce9 wearing rags. He has a hat and a \\ wide face."}])j"));
}

// A patron's details are escaped when their own line needs it, whatever
// the patron's line needs.
// A fleshed-out patron carries its details; one whose details line the user
// typed into stays listed, with its action, the line among the table's.
TEST(JsonFormat, AFleshedOutPatronCarriesItsDetails)
{
    const std::string line = "A gnome cook wearing rags. He has a hat and a face.";
    Patron patron = patronOfLine(
        line, false,
        {.age = "A", .race = "gnome", .occupation = "cook", .clothes = "rags", .hair = "a hat", .face = "a"});
    const PatronDetails details{"Ida \"Two\"", "hums\t", "Yes."};
    keepDetails(patron, details);
    TextLines drawnDetails;
    addDetailsLine(drawnDetails, details);
    struct Row {
        const char* name;
        std::string details;
        std::string json;
    };
    const Row rows[] = {
        {"as drawn", std::string(drawnDetails[0]),
         R"j(","name":"Ida \"Two\"","trait":"hums\t","rumour":"Yes."}],"action":"He is here"})j"},
        {"typed into", "    Ida Two hums", R"j(","detailsEdited":true}],"action":"He is here","lines":[)j"},
    };
    for (const Row& row : rows) {
        InnSheet sheet;
        sheet.tableText = {"Table No. 1 (1 patrons)", line, row.details, "He is here", " "};
        sheet.tableBlocks = {{sheet.tableText.size(), {patron}}};
        EXPECT_THAT(jsonOf(sheet), HasSubstr(R"j("text":")j" + line + row.json)) << row.name;
    }
}

// What the user types into a table reaches the JSON: the patrons whose lines
// still read as drawn keep their words, and a changed table carries its lines
// as they stand.
TEST(JsonFormat, ATableTheUserTypedIntoCarriesItsLines)
{
    const PatronLists lists;
    const InnSheet drawn = twoTables(lists);
    const std::string drawnJson = jsonOf(drawn);
    const std::string heading(drawn.tableText[0]), patron(drawn.tableText[1]), action(drawn.tableText[2]);
    const auto between = [&](std::string_view from, std::string_view to) {
        const std::size_t start = drawnJson.find(from) + from.size();
        return drawnJson.substr(start, drawnJson.find(to, start) - start);
    };
    const std::string patronJson = between("\"patrons\":[", "],\"action\"");
    const std::string actionJson = "\"" + action + "\"";
    struct Row {
        const char* name;
        int table;  // typed into
        std::vector<std::string> typed;
        std::string patrons, action;  // as JSON
        std::string lines;            // empty: as drawn, no lines
    };
    const Row rows[] = {
        {"a note under the closing line",
         0,
         {heading, patron, action, " ", "Owes the landlord"},
         patronJson,
         actionJson,
         ",\"lines\":[\"" + heading + "\",\"" + patron + "\"," + actionJson + ",\" \",\"Owes the landlord\"]"},
        {"a note typed on the closing line",
         0,
         {heading, patron, action, " Owes"},
         patronJson,
         actionJson,
         ",\"lines\":[\"" + heading + "\",\"" + patron + "\"," + actionJson + ",\" Owes\"]"},
        {"a patron's line changed",
         0,
         {heading, "A tall stranger", action, " "},
         "",
         "null",
         ",\"lines\":[\"" + heading + "\",\"A tall stranger\"," + actionJson + "],\"drawnPatrons\":1"},
        {"the empty table's line changed",
         1,
         {"Table No. 2 (Empty)", "Two chairs", " "},
         "",
         "null",
         ",\"lines\":[\"Table No. 2 (Empty)\",\"Two chairs\"]"},
        {"typed back as drawn", 0, {heading, patron, action, " "}, patronJson, actionJson, ""},
        {"everything deleted", 0, {}, "", "null", ",\"lines\":[],\"drawnPatrons\":1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        InnSheet sheet = drawn;
        sheet.chosenTable = row.table;
        TextLines typed;
        for (const std::string& line : row.typed)
            typed.add(line);
        editShownTable(sheet, typed);
        EXPECT_EQ(sheet.tableBlocks[0].lineCount + sheet.tableBlocks[1].lineCount, sheet.tableText.size());
        const std::string heading = row.typed.empty() ? "" : row.typed.front();
        const std::string table = "{\"number\":" + std::to_string(row.table + 1) + ",\"heading\":\"" + heading +
                                  "\",\"patrons\":[" + row.patrons + "],\"action\":" + row.action + row.lines + "}";
        EXPECT_THAT(jsonOf(sheet), HasSubstr(table));
    }
}

}  // namespace
}  // namespace brewick
