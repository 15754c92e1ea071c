#include "core/TableText.h"

namespace brewick {

std::size_t firstLineOfBlock(const InnSheet& sheet, std::size_t index)
{
    std::size_t first = 0;
    for (std::size_t block = 0; block < index && block < sheet.tableBlocks.size(); ++block)
        first += sheet.tableBlocks[block].lineCount;
    return first;
}

TableLine tableLineAt(const InnSheet& sheet, std::size_t table, std::size_t line)
{
    if (table >= sheet.tableBlocks.size())
        return {};
    const TableBlock& block = sheet.tableBlocks[table];
    const std::size_t patrons = block.patrons.size();
    const std::size_t action = patrons + 1;
    // The closing line is the block's last.
    const bool hasAction = patrons > 0 && action + 1 < block.lineCount;
    if (hasAction && (line == action || line + 1 == block.lineCount))
        return {TableLine::Action, 0, action};
    if (line + 1 >= block.lineCount)
        return {};
    if (line == 0)
        return {TableLine::Heading};
    if (line <= patrons)
        return {TableLine::Patron, line - 1, line};
    return {};
}

void editShownTable(InnSheet& sheet, const TextLines& lines)
{
    sheet.shownTableLines = lines;
    const auto chosen = static_cast<std::size_t>(sheet.chosenTable);
    if (sheet.chosenTable < 0 || chosen >= sheet.tableBlocks.size())
        return;
    TextLines block = lines;
    if (block.empty() || block[block.size() - 1] != kTableBlockEnd)
        block.add(kTableBlockEnd);
    TableBlock& table = sheet.tableBlocks[chosen];
    sheet.tableText.replace(firstLineOfBlock(sheet, chosen), table.lineCount, block);
    table.lineCount = block.size();
}

}  // namespace brewick
