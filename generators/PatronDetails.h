// Patrons fleshed out for play: a name that fits the patron's race and sex,
// a trait for the game master to act out and a rumour of the inn's quarter,
// on a line of their own below the patron's. The draws come from a stream of
// their own, seeded by the inn and the patron's line, so that fleshing out
// changes nothing Generate draws later, and the same patron of the same inn
// gets the same details wherever they sit. No two patrons of a table share
// a trait or a rumour, and none of the inn a name, while the lists have
// enough to go round.
#pragma once

#include <cstddef>

#include "core/InnSheet.h"
#include "core/WordList.h"

namespace brewick {

struct PatronDetailLists {
    PatronDetailLists();

    // First names by race and sex.
    WordList humanWomen, humanMen, elvenWomen, elvenMen, halflingWomen, halflingMen, halfElvenWomen, halfElvenMen,
        dwarvenWomen, dwarvenMen, halfOrcWomen, halfOrcMen, gnomeWomen, gnomeMen;
    // Family or clan names by race.
    WordList humanFamilies, elvenFamilies, halflingFamilies, halfElvenFamilies, dwarvenClans, halfOrcFamilies,
        gnomeFamilies;
    WordList traits;  // after the name: "hums the same four notes"
    WordList docksRumours, poorRumours, merchantRumours, wealthyRumours;
};

// Whether the patron at `patron` of the table at `table` can be fleshed out:
// it has no details yet, and its line still reads as drawn, so that its race
// and sex are known.
bool canFleshOut(const InnSheet& sheet, std::size_t table, std::size_t patron);

// Gives that patron a name, a trait and a rumour, on a details line right
// below its own, drawn for the inn at `place`, each drawn again while
// another patron has it; gives false, changing nothing, where canFleshOut
// says no.
bool fleshOutPatron(InnSheet& sheet, InnPlace place, std::size_t table, std::size_t patron,
                    const PatronDetailLists& lists);

// Fleshes out every patron of the table that can be; gives whether any was.
bool fleshOutTable(InnSheet& sheet, InnPlace place, std::size_t table, const PatronDetailLists& lists);

}  // namespace brewick
