// The taproom: a number of tables that follows the location, each with zero to
// seven described patrons, and the one table the user is looking at.
#pragma once

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

// Appends the block of table `number` with `patrons` patrons to the table
// text, and describes it in `block`.
void addTableBlock(TextLines& tableText, TableBlock& block, int number, int patrons, const PatronLists& lists,
                   RandomSource& random);

// Appends table `number`'s entry of the table choice list, which names its
// patrons as drawn.
void addTableChoice(TextLines& choices, int number, int patrons);

// Rebuilds the shown table lines from the chosen table's block. No draws.
void showChosenTable(InnSheet& sheet);

}  // namespace brewick
