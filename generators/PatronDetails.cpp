#include "generators/PatronDetails.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/RandomSource.h"
#include "core/TableText.h"
#include "generators/PatronNameWords.h"
#include "generators/PatronRumourWords.h"
#include "generators/PatronTraitWords.h"
#include "generators/Tables.h"

namespace brewick {

namespace {
using Lists = PatronDetailLists;

// The name lists of a race, by the spellings its patron lines may use: the
// races list's own, and the usual others a user's list may hold.
struct RaceNames {
    std::array<std::string_view, 3> spellings;  // the unused ones empty
    WordList Lists::*women;
    WordList Lists::*men;
    WordList Lists::*families;
};
// The first is the one a race without lists of its own takes.
constexpr RaceNames kRaceNames[] = {
    {{"human"}, &Lists::humanWomen, &Lists::humanMen, &Lists::humanFamilies},
    {{"elven", "elf", "elvish"}, &Lists::elvenWomen, &Lists::elvenMen, &Lists::elvenFamilies},
    {{"halfling"}, &Lists::halflingWomen, &Lists::halflingMen, &Lists::halflingFamilies},
    {{"half-elven", "half-elf"}, &Lists::halfElvenWomen, &Lists::halfElvenMen, &Lists::halfElvenFamilies},
    {{"dwarven", "dwarf", "dwarvish"}, &Lists::dwarvenWomen, &Lists::dwarvenMen, &Lists::dwarvenClans},
    {{"half-orc", "half-orcish"}, &Lists::halfOrcWomen, &Lists::halfOrcMen, &Lists::halfOrcFamilies},
    {{"gnome", "gnomish"}, &Lists::gnomeWomen, &Lists::gnomeMen, &Lists::gnomeFamilies},
};

const RaceNames& namesOf(std::string_view race)
{
    for (const RaceNames& names : kRaceNames)
        for (std::string_view spelling : names.spellings)
            if (!spelling.empty() && race == spelling)
                return names;
    return kRaceNames[0];
}

// By InnLocation.
constexpr WordList Lists::*kRumours[kLocationCount] = {&Lists::wealthyRumours, &Lists::merchantRumours,
                                                       &Lists::docksRumours, &Lists::poorRumours};

// A patron's details are drawn from the inn and who the patron is, as
// their line reads, wherever they sit: the same patron gets them again, and
// one drawn again in the same seat gets others.
LcgRandom detailsStream(InnPlace place, std::string_view patronLine)
{
    return LcgRandom(streamSeed(place.seed, place.number, textHash(patronLine)));
}

// The details the inn's patrons have: no one else in the inn may take a
// name, nor anyone at the table a trait or a rumour.
struct DetailsInUse {
    std::vector<std::string_view> names, traits, rumours;
};

DetailsInUse detailsInUse(const InnSheet& sheet, std::size_t table)
{
    DetailsInUse inUse;
    std::size_t index = 0;
    forEachTableBlock(sheet, [&](auto first, auto last, const TableBlock& block) {
        for (std::size_t patron = 0; patron < block.patrons.size(); ++patron) {
            const auto details = first + static_cast<std::ptrdiff_t>(lineOfPatron(block.patrons, patron) + 1);
            if (details >= last || !readsAsFleshedOut(block.patrons[patron], *details))
                continue;
            const PatronDetails taken = patronDetails(block.patrons[patron], *details);
            inUse.names.push_back(taken.name);
            if (index == table) {
                inUse.traits.push_back(taken.trait);
                inUse.rumours.push_back(taken.rumour);
            }
        }
        ++index;
    });
    return inUse;
}

// Draws until the detail is none of those taken, but as often at the most:
// the user's lists may hold too few to go round.
constexpr int kMostDraws = 32;
template <typename Draw>
std::string drawUntaken(const std::vector<std::string_view>& taken, Draw draw)
{
    std::string drawn = draw();
    for (int draws = 1; draws < kMostDraws && std::ranges::find(taken, drawn) != taken.end(); ++draws)
        drawn = draw();
    return drawn;
}

// The place of the patron's line in the table text.
std::size_t patronLineOf(const InnSheet& sheet, std::size_t table, std::size_t patron)
{
    return firstLineOfBlock(sheet, table) + lineOfPatron(sheet.tableBlocks[table].patrons, patron);
}
}  // namespace

PatronDetailLists::PatronDetailLists()
    : humanWomen(words::kHumanWomen),
      humanMen(words::kHumanMen),
      elvenWomen(words::kElvenWomen),
      elvenMen(words::kElvenMen),
      halflingWomen(words::kHalflingWomen),
      halflingMen(words::kHalflingMen),
      halfElvenWomen(words::kHalfElvenWomen),
      halfElvenMen(words::kHalfElvenMen),
      dwarvenWomen(words::kDwarvenWomen),
      dwarvenMen(words::kDwarvenMen),
      halfOrcWomen(words::kHalfOrcWomen),
      halfOrcMen(words::kHalfOrcMen),
      gnomeWomen(words::kGnomeWomen),
      gnomeMen(words::kGnomeMen),
      humanFamilies(words::kHumanFamilies),
      elvenFamilies(words::kElvenFamilies),
      halflingFamilies(words::kHalflingFamilies),
      halfElvenFamilies(words::kHalfElvenFamilies),
      dwarvenClans(words::kDwarvenClans),
      halfOrcFamilies(words::kHalfOrcFamilies),
      gnomeFamilies(words::kGnomeFamilies),
      traits(words::kTraits),
      docksRumours(words::kDocksRumours),
      poorRumours(words::kPoorRumours),
      merchantRumours(words::kMerchantRumours),
      wealthyRumours(words::kWealthyRumours)
{
}

bool canFleshOut(const InnSheet& sheet, std::size_t table, std::size_t patron)
{
    if (table >= sheet.tableBlocks.size() || patron >= sheet.tableBlocks[table].patrons.size())
        return false;
    const TableBlock& block = sheet.tableBlocks[table];
    const Patron& drawn = block.patrons[patron];
    return !drawn.fleshedOut && lineOfPatron(block.patrons, patron) + 1 < block.lineCount &&
           readsAsDrawn(drawn, sheet.tableText[patronLineOf(sheet, table, patron)]);
}

bool fleshOutPatron(InnSheet& sheet, InnPlace place, std::size_t table, std::size_t patron,
                    const PatronDetailLists& lists)
{
    if (!canFleshOut(sheet, table, patron))
        return false;
    TableBlock& block = sheet.tableBlocks[table];
    Patron& fleshed = block.patrons[patron];
    const std::size_t line = patronLineOf(sheet, table, patron);
    const RaceNames& names = namesOf(patronWords(fleshed, sheet.tableText[line]).race);
    const DetailsInUse inUse = detailsInUse(sheet, table);
    LcgRandom random = detailsStream(place, sheet.tableText[line]);
    const std::string name = drawUntaken(inUse.names, [&] {
        const std::string& first = pickRandom(lists.*(fleshed.woman ? names.women : names.men), random);
        const std::string& family = pickRandom(lists.*names.families, random);
        std::string full;
        joinInto(full, {first, first.empty() || family.empty() ? "" : " ", family});
        return full;
    });
    const std::string trait = drawUntaken(inUse.traits, [&] { return pickRandom(lists.traits, random); });
    const std::string rumour =
        drawUntaken(inUse.rumours, [&] { return pickRandom(lists.*kRumours[indexOf(sheet.location)], random); });
    const PatronDetails details{name, trait, rumour};
    keepDetails(fleshed, details);
    TextLines detailsLines;
    addDetailsLine(detailsLines, details);
    sheet.tableText.replace(line + 1, 0, detailsLines);
    ++block.lineCount;
    showChangedTable(sheet, table);
    return true;
}

bool fleshOutTable(InnSheet& sheet, InnPlace place, std::size_t table, const PatronDetailLists& lists)
{
    bool any = false;
    if (table < sheet.tableBlocks.size())
        for (std::size_t patron = 0; patron < sheet.tableBlocks[table].patrons.size(); ++patron)
            any = fleshOutPatron(sheet, place, table, patron, lists) || any;
    return any;
}

}  // namespace brewick
