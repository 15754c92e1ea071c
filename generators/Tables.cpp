#include "generators/Tables.h"

#include <algorithm>

#include "core/TableText.h"
#include "generators/PatronWords.h"

namespace brewick {

namespace {
using namespace std::string_view_literals;  // a literal's length known at compile time
using namespace patronLine;

// What a lone patron's action line starts with.
std::string_view lonePatronIs(bool woman) { return woman ? "She is "sv : "He is "sv; }

// What the action line calls the patrons: a lone patron by their sex, more of them as a group.
std::string_view actingPatrons(const TableBlock& block)
{
    return block.patrons.size() == 1 ? lonePatronIs(block.patrons.front().woman) : "They are "sv;
}
}  // namespace

void addPatron(TextLines& tableText, Patron& patron, const PatronLists& lists, RandomSource& random)
{
    const std::string& age = pickRandom(lists.ages, random);
    const std::string& race = pickRandom(lists.races, random);
    const std::string& occupation = pickRandom(lists.occupations, random);
    const std::string& clothes = pickRandom(lists.clothes, random);
    patron.woman = random.randomIndex(101) <= 25;
    const std::string& hair = pickRandom(lists.hair, random);
    // The last two faces are stubble and a beard's cheer: men only.
    const std::string& face =
        patron.woman ? lists.faces[random.randomIndex(static_cast<int>(lists.faces.count()) - kMenOnlyFaces)]
                     : pickRandom(lists.faces, random);
    tableText.add({age, kAfterAge, race, kAfterRace, occupation, kBeforeClothes, clothes,
                   patron.woman ? kBeforeHairOfAWoman : kBeforeHairOfAMan, hair, kBeforeFace, face, kAfterFace});
    patron.wordLengths = {static_cast<std::uint32_t>(age.size()),        static_cast<std::uint32_t>(race.size()),
                          static_cast<std::uint32_t>(occupation.size()), static_cast<std::uint32_t>(clothes.size()),
                          static_cast<std::uint32_t>(hair.size()),       static_cast<std::uint32_t>(face.size())};
    // A patron drawn in the place of one fleshed out is someone else.
    patron.fleshedOut = false;
    patron.detailLengths = {};
}

void addActionLine(TextLines& tableText, const TableBlock& block, const PatronLists& lists, RandomSource& random)
{
    const WordList& actions = block.patrons.size() == 1 ? lists.singleActions : lists.groupActions;
    tableText.add({actingPatrons(block), pickRandom(actions, random)});
}

void renameActingPatrons(InnSheet& sheet, std::size_t table)
{
    const TableBlock& block = sheet.tableBlocks[table];
    const std::size_t actionLine = lineOfPatron(block.patrons, block.patrons.size());
    if (block.patrons.empty() || tableLineAt(block, actionLine).role != TableLine::Action)
        return;
    const std::size_t line = firstLineOfBlock(sheet, table) + actionLine;
    const std::string_view action = sheet.tableText[line];
    const std::string_view named = actingPatrons(block);
    for (const std::string_view before : {"She is "sv, "He is "sv, "They are "sv}) {
        if (before == named || !action.starts_with(before))
            continue;
        TextLines renamed;
        renamed.add({named, action.substr(before.size())});
        sheet.tableText.replace(line, 1, renamed);
        return;
    }
}

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
    sheet.tableBlocks.resize(static_cast<std::size_t>(sheet.tableCount));
    for (int number = 1; number <= sheet.tableCount; ++number) {
        const int patrons =
            drawTable(sheet.tableText, sheet.tableBlocks[static_cast<std::size_t>(number - 1)], number, lists, random);
        addTableChoice(sheet.tableChoices, number, patrons);
    }
    sheet.chosenTable = 0;
}

int drawTable(TextLines& tableText, TableBlock& block, int number, const PatronLists& lists, RandomSource& random)
{
    const int patrons = random.randomIndex(kMostPatrons + 1);
    addTableBlock(tableText, block, number, patrons, lists, random);
    return patrons;
}

void addTableBlock(TextLines& tableText, TableBlock& block, int number, int patrons, const PatronLists& lists,
                   RandomSource& random)
{
    const std::size_t firstLine = tableText.size();
    block.patrons.resize(static_cast<std::size_t>(patrons));
    addTableHeading(tableText, number, patrons);
    if (patrons == 0) {
        tableText.add(kNoOneThere);
    } else {
        for (Patron& patron : block.patrons)
            addPatron(tableText, patron, lists, random);
        addActionLine(tableText, block, lists, random);
    }
    tableText.add(kTableBlockEnd);
    block.lineCount = tableText.size() - firstLine;
}

void addTableHeading(TextLines& tableText, int number, int patrons)
{
    const Decimal numberText(number);
    if (patrons == 0)
        tableText.add({"Table No. ", numberText, " (Empty)"});
    else  // "(1 patrons)" too: headings always take the plural.
        tableText.add({"Table No. ", numberText, " (", Decimal(patrons), " patrons)"});
}

void addTableChoice(TextLines& choices, int number, int patrons)
{
    const Decimal numberText(number);
    if (patrons == 0)
        choices.add({"Table No. ", numberText, " has no-one there"});
    else if (patrons == 1)
        choices.add({"Table No. ", numberText, " has 1 patron"});
    else
        choices.add({"Table No. ", numberText, " has ", Decimal(patrons), " patrons"});
}

void showChosenTable(InnSheet& sheet)
{
    sheet.shownTableLines.clear();
    const auto chosen = static_cast<std::size_t>(sheet.chosenTable);
    if (sheet.chosenTable < 0 || chosen >= sheet.tableBlocks.size())
        return;
    // The blocks are known by their lengths, not found by their headings,
    // so that a heading the user changed still shows its own block.
    const std::size_t first = firstLineOfBlock(sheet, chosen);
    for (std::size_t line = first; line < first + sheet.tableBlocks[chosen].lineCount; ++line)
        sheet.shownTableLines.add(sheet.tableText[line]);
}

void showChangedTable(InnSheet& sheet, std::size_t table)
{
    if (sheet.chosenTable == static_cast<int>(table))
        showChosenTable(sheet);
}

void rerollTable(InnSheet& sheet, std::size_t table, const PatronLists& lists, RandomSource& random)
{
    if (table >= sheet.tableBlocks.size() || table >= sheet.tableChoices.size())
        return;
    const int number = static_cast<int>(table) + 1;
    TextLines lines;
    TableBlock block;
    TextLines choice;
    addTableChoice(choice, number, drawTable(lines, block, number, lists, random));
    sheet.tableText.replace(firstLineOfBlock(sheet, table), sheet.tableBlocks[table].lineCount, lines);
    sheet.tableBlocks[table] = std::move(block);
    sheet.tableChoices.replace(table, 1, choice);
    showChangedTable(sheet, table);
}

bool rerollTableLine(InnSheet& sheet, std::size_t table, std::size_t line, const PatronLists& lists,
                     RandomSource& random)
{
    const TableLine drawn = tableLineAt(sheet, table, line);
    if (drawn.role != TableLine::Patron && drawn.role != TableLine::Action)
        return false;
    TableBlock& block = sheet.tableBlocks[table];
    const std::size_t firstLine = firstLineOfBlock(sheet, table);
    TextLines lines;
    std::size_t replaced = 1;
    if (drawn.role == TableLine::Patron) {
        // The details of the patron drawn before go with them.
        replaced += tableLineAt(block, drawn.line + 1).role == TableLine::Details ? 1 : 0;
        addPatron(lines, block.patrons[drawn.patron], lists, random);
    } else {
        addActionLine(lines, block, lists, random);
    }
    sheet.tableText.replace(firstLine + drawn.line, replaced, lines);
    block.lineCount -= replaced - 1;
    // A lone patron drawn again may be of the other sex.
    if (drawn.role == TableLine::Patron)
        renameActingPatrons(sheet, table);
    showChangedTable(sheet, table);
    return true;
}

}  // namespace brewick
