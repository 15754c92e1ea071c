#include "cycle/InnStep.h"

#include <optional>
#include <string>
#include <vector>

#include "core/TableText.h"

namespace brewick {

namespace {
// The lines of the block of the table at `index` that differ between the two inns.
std::vector<std::size_t> differingLines(const InnSheet& before, const InnSheet& after, std::size_t index)
{
    const std::size_t from = firstLineOfBlock(before, index), to = firstLineOfBlock(after, index);
    std::vector<std::size_t> lines;
    for (std::size_t line = 0; line < after.tableBlocks[index].lineCount; ++line)
        if (before.tableText[from + line] != after.tableText[to + line])
            lines.push_back(line);
    return lines;
}

// The one table whose block differs, if only one does.
std::optional<std::size_t> theTableChanged(const InnSheet& before, const InnSheet& after)
{
    if (before.tableBlocks.size() != after.tableBlocks.size() || before.tableText.size() != after.tableText.size())
        return std::nullopt;
    std::optional<std::size_t> changed;
    for (std::size_t index = 0; index < after.tableBlocks.size(); ++index) {
        if (before.tableBlocks[index].lineCount != after.tableBlocks[index].lineCount)
            return std::nullopt;
        if (differingLines(before, after, index).empty())
            continue;
        if (changed)
            return std::nullopt;
        changed = index;
    }
    return changed;
}

// A patron drawn again may change the line of what a lone patron is doing too.
std::string describeTableStep(const InnSheet& before, const InnSheet& after, std::size_t index)
{
    const std::string table = std::to_string(index + 1);
    std::optional<std::size_t> patron;
    std::size_t patrons = 0, actions = 0;
    for (const std::size_t line : differingLines(before, after, index)) {
        const TableLine role = tableLineAt(after, index, line);
        if (role.role == TableLine::Patron)
            patron = role.patron, ++patrons;
        else if (role.role == TableLine::Action)
            ++actions;
        else
            return "Table " + table + " drawn again";
    }
    if (patrons == 1 && actions <= 1)
        return "Patron " + std::to_string(*patron + 1) + " of table " + table + " drawn again";
    if (patrons == 0 && actions == 1)
        return "What table " + table + " is doing drawn again";
    return "Table " + table + " drawn again";
}

// Patrons given details, which Flesh Out gives one table at a time.
std::string describeFleshingOut(const InnSheet& before, const InnSheet& after)
{
    if (before.tableBlocks.size() != after.tableBlocks.size())
        return {};
    std::size_t fleshed = 0, table = 0, patron = 0;
    for (std::size_t index = 0; index < after.tableBlocks.size(); ++index) {
        const std::vector<Patron>& was = before.tableBlocks[index].patrons;
        const std::vector<Patron>& is = after.tableBlocks[index].patrons;
        for (std::size_t at = 0; at < was.size() && at < is.size(); ++at)
            if (!was[at].fleshedOut && is[at].fleshedOut) {
                ++fleshed;
                table = index;
                patron = at;
            }
    }
    if (fleshed == 0)
        return {};
    const std::string number = std::to_string(table + 1);
    if (fleshed == 1)
        return "Patron " + std::to_string(patron + 1) + " of table " + number + " fleshed out";
    return "Table " + number + " fleshed out";
}
}  // namespace

std::string describeStep(const InnSheet& before, const InnSheet& after)
{
    if (before.location != after.location)
        return "Location chosen: " + std::string(locationName(after.location));
    if (before.quality != after.quality)
        return "Quality chosen: " + std::string(qualityName(after.quality));
    if (std::string fleshed = describeFleshingOut(before, after); !fleshed.empty())
        return fleshed;
    const std::optional<std::size_t> table = theTableChanged(before, after);
    return table ? describeTableStep(before, after, *table) : std::string();
}

}  // namespace brewick
