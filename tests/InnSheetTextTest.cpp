#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cycle/InnGenerator.h"
#include "output/formats/InnSheetText.h"
#include "support/RecordingRandom.h"

namespace brewick {
namespace {

using testing::ElementsAreArray;

// A small inn: one table, a Poor Quarter menu.
InnSheet smallInn()
{
    InnSheet sheet;
    sheet.innName = "The Pig and Duck";
    sheet.landlordName = "Abaewyn Thoma";
    sheet.location = InnLocation::PoorQuarter;
    sheet.quality = InnQuality::Poor;
    const char* cells[2][3] = {{"6", "9", "46"}, {"10", "5", "1"}};
    for (int row = 1; row <= 2; ++row)
        for (int column = 1; column <= 3; ++column)
            sheet.rooms.cell(column, row) = cells[row - 1][column - 1];
    sheet.barScene = "No-one will meet your eye";
    sheet.tableCount = 1;
    sheet.tableText = {"Table No. 1 (Empty)", "No one is sitting here", " "};
    sheet.menuLines = {
        "Main Courses", "  Boiled Fish Stew", " ", "Puddings", "  Apple Crumble", " ", "Drinks", "  Mead", "  Grog"};
    return sheet;
}

std::vector<std::string> sheetLines(const InnSheet& sheet)
{
    TextLines lines;
    buildInnSheetText(sheet, lines);
    return {lines.begin(), lines.end()};
}

TEST(InnSheetText, LinesOfASmallInn)
{
    EXPECT_THAT(sheetLines(smallInn()),
                ElementsAreArray({std::string(bannerLine()),
                                  std::string(""),
                                  std::string("The Pig and Duck is run by Abaewyn Thoma."),
                                  std::string("It is poor quality establishment and is located in the Poor Quarter."),
                                  std::string(""),
                                  std::string("It has 6 beds in single rooms at 10 silver pieces a night,"),
                                  std::string("9 beds in double rooms at 5 silver pieces a night and"),
                                  std::string("46 beds in the shared common room at 1 silver pieces a night."),
                                  std::string(""),
                                  std::string("Bar Scene"),
                                  std::string("No-one will meet your eye"),
                                  std::string(""),
                                  std::string("There are 1 tables in the main taproom."),
                                  std::string(""),
                                  std::string("Table No. 1 (Empty)"),
                                  std::string("No one is sitting here"),
                                  std::string(" "),
                                  std::string(""),
                                  std::string("Today's Menu"),
                                  std::string("Main Courses"),
                                  std::string("  Boiled Fish Stew"),
                                  std::string(" "),
                                  std::string("Puddings"),
                                  std::string("  Apple Crumble"),
                                  std::string(" "),
                                  std::string("Drinks"),
                                  std::string("  Mead"),
                                  std::string("  Grog")}));
}

TEST(InnSheetText, EditsAndEmptySectionsComeOutAsTheyStand)
{
    struct Row {
        const char* name;
        std::function<void(InnSheet&)> edit;
        std::size_t line;  // 0-based
        std::string expected;
    };
    const Row rows[] = {
        {"every quality phrase", [](InnSheet& s) { s.quality = InnQuality::Excellent; }, 3,
         "It is an excellent quality establishment and is located in the Poor Quarter."},
        {"a good inn", [](InnSheet& s) { s.quality = InnQuality::Good; }, 3,
         "It is a good quality establishment and is located in the Poor Quarter."},
        {"a normal inn in the Wealthy Quarter",
         [](InnSheet& s) {
             s.quality = InnQuality::Normal;
             s.location = InnLocation::WealthyQuarter;
         },
         3, "It is a normal quality establishment and is located in the Wealthy Quarter."},
        {"the Merchant Quarter", [](InnSheet& s) { s.location = InnLocation::MerchantQuarter; }, 3,
         "It is poor quality establishment and is located in the Merchant Quarter."},
        {"location phrase is the name",
         [](InnSheet& s) {
             s.quality = InnQuality::Fair;
             s.location = InnLocation::DocksArea;
         },
         3, "It is a fair quality establishment and is located in the Docks Area."},
        {"an emptied cell leaves two blanks", [](InnSheet& s) { s.rooms.cell(1, 1).clear(); }, 5,
         "It has  beds in single rooms at 10 silver pieces a night,"},
        {"any text in a cell", [](InnSheet& s) { s.rooms.cell(2, 2) = "a few"; }, 6,
         "9 beds in double rooms at a few silver pieces a night and"},
        {"edited names",
         [](InnSheet& s) {
             s.innName = "Chez Gunther";
             s.landlordName = "Me";
         },
         2, "Chez Gunther is run by Me."},
        {"an empty scene is an empty line", [](InnSheet& s) { s.barScene.clear(); }, 10, ""},
        {"thirty tables", [](InnSheet& s) { s.tableCount = 30; }, 12, "There are 30 tables in the main taproom."},
    };
    for (const Row& row : rows) {
        InnSheet sheet = smallInn();
        row.edit(sheet);
        EXPECT_EQ(sheetLines(sheet).at(row.line), row.expected) << row.name;
    }
}

// The names are what the window and the batch tool offer; the phrases are
// what the sheet text says.
TEST(InnSheetText, NameAndPhraseOfEveryLocationAndQuality)
{
    const std::pair<std::string_view, std::string_view> locations[kLocationCount] = {
        {"Wealthy Quarter", "Wealthy Quarter"},
        {"Merchant Quarter", "Merchant Quarter"},
        {"Docks Area", "Docks Area"},
        {"Poor Quarter", "Poor Quarter"}};
    for (int l = 0; l < kLocationCount; ++l) {
        EXPECT_EQ(locationName(static_cast<InnLocation>(l)), locations[l].first);
        EXPECT_EQ(locationPhrase(static_cast<InnLocation>(l)), locations[l].second);
    }
    const std::pair<std::string_view, std::string_view> qualities[kQualityCount] = {{"Excellent", "an excellent"},
                                                                                    {"Good", "a good"},
                                                                                    {"Normal", "a normal"},
                                                                                    {"Fair", "a fair"},
                                                                                    {"Poor", "poor"}};
    for (int q = 0; q < kQualityCount; ++q) {
        EXPECT_EQ(qualityName(static_cast<InnQuality>(q)), qualities[q].first);
        EXPECT_EQ(qualityPhrase(static_cast<InnQuality>(q)), qualities[q].second);
    }
}

TEST(InnSheetText, EmptyTableTextAndEmptyMenu)
{
    InnSheet sheet = smallInn();
    sheet.tableText.clear();
    sheet.menuLines.clear();
    const std::vector<std::string> lines = sheetLines(sheet);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[12], "There are 1 tables in the main taproom.");
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(lines[15], "Today's Menu");

    std::string bytes;
    TextLines text;
    buildInnSheetText(sheet, text);
    appendCrLfText(text, bytes);
    EXPECT_TRUE(bytes.ends_with("\r\n\r\n\r\nToday's Menu\r\n"));
}

// Last, and only when there are notes: each note line its own line, indented
// so that none reads as a heading, whatever its line end.
TEST(InnSheetText, NotesComeLastIndented)
{
    const std::pair<std::string, std::vector<std::string>> rows[] = {
        {"", {}},
        {"Saltmarsh", {"", "Notes", "  Saltmarsh"}},
        {"\nToday's Menu\r\n\nBar Scene\rx\n", {"", "Notes", "", "  Today's Menu", "", "  Bar Scene", "  x"}},
    };
    const std::size_t withoutNotes = sheetLines(smallInn()).size();
    for (const auto& [notes, lines] : rows) {
        InnSheet sheet = smallInn();
        sheet.notes = notes;
        const std::vector<std::string> text = sheetLines(sheet);
        EXPECT_THAT(std::vector(text.begin() + static_cast<std::ptrdiff_t>(withoutNotes), text.end()),
                    ElementsAreArray(lines))
            << notes;
    }
}

TEST(InnSheetText, TheTableTextStartsAtItsOwnLine)
{
    const std::vector<std::string> lines = sheetLines(smallInn());
    EXPECT_EQ(lines[kTableTextLine], "Table No. 1 (Empty)");
}

TEST(InnSheetText, ABannerNamingProductCopyrightAndAddress)
{
    const std::string banner(bannerLine());
    EXPECT_THAT(banner, testing::StartsWith("Brewick"));
    EXPECT_THAT(banner, testing::HasSubstr("Copyright"));
    EXPECT_THAT(banner, testing::HasSubstr(std::string(kMakerWebAddress)));
}

}  // namespace
}  // namespace brewick
