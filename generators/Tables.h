// The taproom: a number of tables that follows the location, each with zero to
// seven described patrons, and the one table the user is looking at.
#pragma once

#include <cstddef>

#include "core/InnSheet.h"
#include "core/RandomSource.h"
#include "core/WordList.h"

namespace brewick {

// The faces at the end of the list that women never draw.
inline constexpr int kMenOnlyFaces = 2;
// The most tables an inn has, and the most patrons at a table.
inline constexpr int kMostTables = 30;
inline constexpr int kMostPatrons = 7;

struct PatronLists {
    PatronLists();

    WordList ages;  // "A ..." / "An ...": opens the patron line
    WordList races;
    WordList occupations;
    WordList clothes;
    WordList hair;           // the object of "has"
    WordList faces;          // women never draw the last two
    WordList groupActions;   // after "They are "
    WordList singleActions;  // after "She is " / "He is "
};

// Replaces the number of tables, the table choice list, the table text and
// its blocks, and chooses table 1; the caller shows it with showChosenTable.
void drawTables(InnSheet& sheet, const PatronLists& lists, RandomSource& random);

// Draws the number of patrons at table `number`, appends its block as
// addTableBlock does, and gives the number.
int drawTable(TextLines& tableText, TableBlock& block, int number, const PatronLists& lists, RandomSource& random);

// Appends the block of table `number` with `patrons` patrons to the table
// text, and describes it in `block`.
void addTableBlock(TextLines& tableText, TableBlock& block, int number, int patrons, const PatronLists& lists,
                   RandomSource& random);

// Draws one patron (seven draws), appends the patron line and keeps the
// words' lengths in `patron`.
void addPatron(TextLines& tableText, Patron& patron, const PatronLists& lists, RandomSource& random);

// Draws what the patrons of `block` are doing (one draw) and appends the
// action line: a lone patron's by their sex, else the group's.
void addActionLine(TextLines& tableText, const TableBlock& block, const PatronLists& lists, RandomSource& random);

// Appends the heading of table `number`, which counts its patrons.
void addTableHeading(TextLines& tableText, int number, int patrons);

// The action line of the table at `table`, if it still starts as drawn,
// calls its patrons anew: by the lone patron's sex, or as a group.
void renameActingPatrons(InnSheet& sheet, std::size_t table);

// Appends table `number`'s entry of the table choice list, which names its
// patrons as drawn.
void addTableChoice(TextLines& choices, int number, int patrons);

// Rebuilds the shown table lines from the chosen table's block. No draws.
void showChosenTable(InnSheet& sheet);
// The table at `table` changed: the shown lines follow it when it is the chosen one.
void showChangedTable(InnSheet& sheet, std::size_t table);

// Draws the table at `table` again as drawTables draws each table, in place
// of its block and its entry in the table choice list; the other tables stay
// as they are.
void rerollTable(InnSheet& sheet, std::size_t table, const PatronLists& lists, RandomSource& random);

// Draws the patron on `line` of the block of the table at `table` again, as
// addPatron does, or on its action line what they are doing, as
// addActionLine does; the block's other lines stay as they are, but for the
// details of a patron fleshed out, which go with them. Gives false, drawing
// nothing, for any other line, a patron's details included.
bool rerollTableLine(InnSheet& sheet, std::size_t table, std::size_t line, const PatronLists& lists,
                     RandomSource& random);

}  // namespace brewick
