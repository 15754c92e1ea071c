// Inns to print: a small one whose bar scene is wider than a page, a long one,
// the long one with every patron fleshed out, and their sheet text.
#pragma once

#include "core/InnSheet.h"
#include "core/RandomSource.h"
#include "generators/PatronDetails.h"
#include "generators/Tables.h"
#include "output/formats/InnSheetText.h"

namespace brewick::test {

inline InnSheet smallInn()
{
    InnSheet sheet;
    sheet.innName = "The Pig and Duck";
    sheet.landlordName = "Abaewyn Thoma";
    sheet.location = InnLocation::DocksArea;
    sheet.quality = InnQuality::Fair;
    const char* cells[2][3] = {{"6", "9", "46"}, {"40", "25", "5"}};
    for (int row = 1; row <= 2; ++row)
        for (int column = 1; column <= 3; ++column)
            sheet.rooms.cell(column, row) = cells[row - 1][column - 1];
    sheet.barScene = "A bard is singing a very long ballad about the siege of the old keep, and the whole "
                     "taproom joins in the chorus every time, louder and more out of tune than before";
    sheet.tableCount = 2;
    sheet.tableText = {"Table No. 1 (2 patrons)",
                       "An old dwarf smith wearing a leather apron.",
                       " ",
                       "Table No. 2 (Empty)",
                       "No one is sitting here",
                       " "};
    sheet.menuLines = {
        "Main Courses", "  Boiled Fish Stew", " ", "Puddings", "  Apple Crumble", " ", "Drinks", "  Mead", "  Grog"};
    return sheet;
}

// Thirty tables of seven patrons: pages of them.
inline InnSheet longInn()
{
    InnSheet sheet = smallInn();
    const PatronLists lists;
    LcgRandom random(20240607);
    sheet.tableText.clear();
    sheet.tableCount = 30;
    sheet.tableBlocks.resize(30);
    for (int table = 1; table <= sheet.tableCount; ++table)
        addTableBlock(sheet.tableText, sheet.tableBlocks[table - 1], table, 7, lists, random);
    return sheet;
}

// Every patron with a line of details below their own, most of them wider
// than a page.
inline InnSheet fleshedOutInn()
{
    InnSheet sheet = longInn();
    const PatronDetailLists lists;
    for (std::size_t table = 0; table < sheet.tableBlocks.size(); ++table)
        fleshOutTable(sheet, {1, 20240607}, table, lists);
    return sheet;
}

inline TextLines sheetTextOf(const InnSheet& sheet)
{
    TextLines lines;
    buildInnSheetText(sheet, lines);
    return lines;
}

}  // namespace brewick::test
