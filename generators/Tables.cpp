#include "generators/Tables.h"

#include <algorithm>

#include "generators/PatronWords.h"

namespace brewick {

namespace {
using namespace std::string_view_literals;  // a literal's length known at compile time
using namespace patronLine;
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

// Draws one patron (seven draws), adds the patron line and keeps the words'
// lengths in `patron`.
void addPatron(TextLines& tableText, Patron& patron, const PatronLists& lists, RandomSource& random)
{
    const std::string& age = pickRandom(lists.ages, random);
    const std::string& race = pickRandom(lists.races, random);
    const std::string& occupation = pickRandom(lists.occupations, random);
    const std::string& clothes = pickRandom(lists.clothes, random);
    patron.woman = random.randomIndex(101) <= 25;
    const std::string& hair = pickRandom(lists.hair, random);
    // The last two faces are stubble and a beard's cheer: men only.
    const std::string& face = patron.woman ? lists.faces[random.randomIndex(static_cast<int>(lists.faces.count()) - 2)]
                                           : pickRandom(lists.faces, random);
    tableText.add({age, kAfterAge, race, kAfterRace, occupation, kBeforeClothes, clothes,
                   patron.woman ? kBeforeHairOfAWoman : kBeforeHairOfAMan, hair, kBeforeFace, face, kAfterFace});
    patron.wordLengths = {static_cast<std::uint32_t>(age.size()),        static_cast<std::uint32_t>(race.size()),
                          static_cast<std::uint32_t>(occupation.size()), static_cast<std::uint32_t>(clothes.size()),
                          static_cast<std::uint32_t>(hair.size()),       static_cast<std::uint32_t>(face.size())};
}
}  // namespace

PatronLists::PatronLists()
    : ages(words::kAges),
      races(words::kRaces),
      occupations(words::kOccupations),
      clothes(words::kClothes),
      hair(words::kHair),
      faces(words::kFaces),
      groupActions(words::kGroupActions),
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
    // Resized, not cleared: the patrons' words reuse the memory of the last tables.
    sheet.drawnTables.resize(static_cast<std::size_t>(sheet.tableCount));
    for (int number = 1; number <= sheet.tableCount; ++number) {
        const int patrons = random.randomIndex(8);
        addChoice(sheet.tableChoices, Decimal(number), patrons);
        addTableBlock(sheet.tableText, sheet.drawnTables[static_cast<std::size_t>(number - 1)], number, patrons, lists,
                      random);
    }
    sheet.chosenTable = 0;
}

void addTableBlock(TextLines& tableText, DrawnTable& drawn, int number, int patrons, const PatronLists& lists,
                   RandomSource& random)
{
    const Decimal numberText(number);
    drawn.patrons.resize(static_cast<std::size_t>(patrons));
    if (patrons == 0) {
        tableText.add({"Table No. ", numberText, " (Empty)"});
        tableText.add("No one is sitting here");
    } else {
        // "(1 patrons)" too: headings always take the plural.
        tableText.add({"Table No. ", numberText, " (", Decimal(patrons), " patrons)"});
        for (Patron& patron : drawn.patrons)
            addPatron(tableText, patron, lists, random);
        if (patrons == 1)
            tableText.add(
                {drawn.patrons.front().woman ? "She is "sv : "He is "sv, pickRandom(lists.singleActions, random)});
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
