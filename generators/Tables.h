// The taproom: a number of tables that follows the location, each with zero to
// seven described patrons, and the one table the user is looking at.
#pragma once

#include "core/InnSheet.h"
#include "core/RandomSource.h"
#include "core/WordList.h"

namespace brewick {

struct PatronLists {
    PatronLists();

    WordList lstAge;            // "A ..." / "An ...": opens the patron line
    WordList lstRace;
    WordList lstOccupation;
    WordList lstClothes;
    WordList lstHair;           // the object of "has"
    WordList lstFace;           // women never draw the last two
    WordList lstActions;        // after "They are "
    WordList lstSingleActions;  // after "She is " / "He is "
};

// Replaces the number of tables, the table choice list and the table text,
// and chooses table 1; the caller shows it with ShowTable.
void Tables(InnSheet& sheet, const PatronLists& lists, RandomSource& random);

// Appends the block of table `number` with `patrons` patrons to the table text.
void FillTables(TextLines& tableText, int number, int patrons, const PatronLists& lists,
                RandomSource& random);

// Rebuilds the shown table lines from the chosen table's block. No draws.
void ShowTable(InnSheet& sheet);

}  // namespace brewick
