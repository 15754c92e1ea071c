#include "generators/Tables.h"

#include "generators/PatronWords.h"

namespace brewick {

namespace {
using namespace std::string_view_literals;  // a literal's length known at compile time
constexpr std::string_view kTableHeading = "Table No.";
constexpr std::string_view kNameEnd = " has ";

void AddChoice(TextLines& choices, std::string_view number, int patrons)
{
    if (patrons == 0)
        choices.Add({"Table No. ", number, " has no-one there"});
    else if (patrons == 1)
        choices.Add({"Table No. ", number, " has 1 patron"});
    else
        choices.Add({"Table No. ", number, " has ", Decimal(patrons), " patrons"});
}

// Draws one patron (seven draws) and adds the patron line; tells whether the
// patron is a woman.
bool AddPatron(TextLines& tableText, const PatronLists& lists, RandomSource& random)
{
    const std::string& age = PickRandom(lists.lstAge, random);
    const std::string& race = PickRandom(lists.lstRace, random);
    const std::string& occupation = PickRandom(lists.lstOccupation, random);
    const std::string& clothes = PickRandom(lists.lstClothes, random);
    const bool woman = random.RandomIndex(101) <= 25;
    const std::string& hair = PickRandom(lists.lstHair, random);
    // The last two faces are stubble and a beard's cheer: men only.
    const std::string& face =
        woman ? lists.lstFace[random.RandomIndex(static_cast<int>(lists.lstFace.Count()) - 2)]
              : PickRandom(lists.lstFace, random);
    tableText.Add({age, " ", race, " ", occupation, " wearing ", clothes,
                   woman ? ". She has "sv : ". He has "sv, hair, " and ", face, " face."});
    return woman;
}
}  // namespace

PatronLists::PatronLists()
    : lstAge(words::kAge),
      lstRace(words::kRace),
      lstOccupation(words::kOccupation),
      lstClothes(words::kClothes),
      lstHair(words::kHair),
      lstFace(words::kFace),
      lstActions(words::kActions),
      lstSingleActions(words::kSingleActions)
{
}

void Tables(InnSheet& sheet, const PatronLists& lists, RandomSource& random)
{
    static constexpr int kFirstTableCount[kLocationCount] = {16, 11, 6, 1};
    sheet.tableChoices.Clear();
    sheet.chosenTable = -1;
    sheet.tableText.Clear();
    sheet.tableCount = random.RandomIndex(15) + kFirstTableCount[IndexOf(sheet.location)];
    for (int number = 1; number <= sheet.tableCount; ++number) {
        const int patrons = random.RandomIndex(8);
        AddChoice(sheet.tableChoices, Decimal(number), patrons);
        FillTables(sheet.tableText, number, patrons, lists, random);
    }
    sheet.chosenTable = 0;
}

void FillTables(TextLines& tableText, int number, int patrons, const PatronLists& lists,
                RandomSource& random)
{
    const Decimal numberText(number);
    if (patrons == 0) {
        tableText.Add({"Table No. ", numberText, " (Empty)"});
        tableText.Add("No one is sitting here");
    } else {
        // "(1 patrons)" too: headings always take the plural.
        tableText.Add({"Table No. ", numberText, " (", Decimal(patrons), " patrons)"});
        bool woman = false;
        for (int i = 0; i < patrons; ++i)
            woman = AddPatron(tableText, lists, random);
        if (patrons == 1)
            tableText.Add({woman ? "She is "sv : "He is "sv, PickRandom(lists.lstSingleActions, random)});
        else
            tableText.Add({"They are ", PickRandom(lists.lstActions, random)});
    }
    tableText.Add(" ");
}

void ShowTable(InnSheet& sheet)
{
    sheet.shownTableLines.Clear();
    if (sheet.chosenTable < 0 || sheet.chosenTable >= static_cast<int>(sheet.tableChoices.size()))
        return;
    // The table's name, "Table No. 1", is also the start of the headings of
    // tables 10 to 19; the walk stops at the first heading after the match,
    // so it always shows the chosen table's own block.
    const std::string_view choice = sheet.tableChoices[sheet.chosenTable];
    const std::string_view name = choice.substr(0, choice.find(kNameEnd));
    bool inBlock = false;
    bool headingSeen = false;
    for (std::string_view line : sheet.tableText) {
        inBlock = inBlock || line.substr(0, name.size()) == name;
        if (!inBlock)
            continue;
        const bool heading = line.starts_with(kTableHeading);
        if (heading && headingSeen)
            break;
        sheet.shownTableLines.Add(line);
        headingSeen = headingSeen || heading;
    }
}

}  // namespace brewick
