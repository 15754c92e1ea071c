#include "generators/Tables.h"

#include "generators/PatronWords.h"

namespace brewick {

namespace {
using namespace std::string_view_literals;  // a literal's length known at compile time
constexpr std::string_view kTableHeading = "Table No.";
constexpr std::string_view kNameEnd = " has ";

void addChoice(TextLines& choices, std::string_view number, int patrons)
{
    if (patrons == 0)
        choices.add({"Table No. ", number, " has no-one there"});
    else if (patrons == 1)
        choices.add({"Table No. ", number, " has 1 patron"});
    else
        choices.add({"Table No. ", number, " has ", Decimal(patrons), " patrons"});
}

// Draws one patron (seven draws) and adds the patron line; tells whether the
// patron is a woman.
bool addPatron(TextLines& tableText, const PatronLists& lists, RandomSource& random)
{
    const std::string& age = pickRandom(lists.ages, random);
    const std::string& race = pickRandom(lists.races, random);
    const std::string& occupation = pickRandom(lists.occupations, random);
    const std::string& clothes = pickRandom(lists.clothes, random);
    const bool woman = random.randomIndex(101) <= 25;
    const std::string& hair = pickRandom(lists.hair, random);
    // The last two faces are stubble and a beard's cheer: men only.
    const std::string& face =
        woman ? lists.faces[random.randomIndex(static_cast<int>(lists.faces.count()) - 2)]
              : pickRandom(lists.faces, random);
    tableText.add({age, " ", race, " ", occupation, " wearing ", clothes,
                   woman ? ". She has "sv : ". He has "sv, hair, " and ", face, " face."});
    return woman;
}
}  // namespace

PatronLists::PatronLists()
    : ages(words::kAge),
      races(words::kRace),
      occupations(words::kOccupation),
      clothes(words::kClothes),
      hair(words::kHair),
      faces(words::kFace),
      groupActions(words::kActions),
      singleActions(words::kSingleActions)
{
}

void drawTables(InnSheet& sheet, const PatronLists& lists, RandomSource& random)
{
    static constexpr int kFirstTableCount[kLocationCount] = {16, 11, 6, 1};
    sheet.tableChoices.clear();
    sheet.chosenTable = -1;
    sheet.tableText.clear();
    sheet.tableCount = random.randomIndex(15) + kFirstTableCount[indexOf(sheet.location)];
    for (int number = 1; number <= sheet.tableCount; ++number) {
        const int patrons = random.randomIndex(8);
        addChoice(sheet.tableChoices, Decimal(number), patrons);
        addTableBlock(sheet.tableText, number, patrons, lists, random);
    }
    sheet.chosenTable = 0;
}

void addTableBlock(TextLines& tableText, int number, int patrons, const PatronLists& lists,
                RandomSource& random)
{
    const Decimal numberText(number);
    if (patrons == 0) {
        tableText.add({"Table No. ", numberText, " (Empty)"});
        tableText.add("No one is sitting here");
    } else {
        // "(1 patrons)" too: headings always take the plural.
        tableText.add({"Table No. ", numberText, " (", Decimal(patrons), " patrons)"});
        bool woman = false;
        for (int i = 0; i < patrons; ++i)
            woman = addPatron(tableText, lists, random);
        if (patrons == 1)
            tableText.add({woman ? "She is "sv : "He is "sv, pickRandom(lists.singleActions, random)});
        else
            tableText.add({"They are ", pickRandom(lists.groupActions, random)});
    }
    tableText.add(" ");
}

void showChosenTable(InnSheet& sheet)
{
    sheet.shownTableLines.clear();
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
        sheet.shownTableLines.add(line);
        headingSeen = headingSeen || heading;
    }
}

}  // namespace brewick
