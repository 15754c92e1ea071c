#include "core/TableText.h"

namespace brewick {

std::size_t firstLineOfBlock(const InnSheet& sheet, std::size_t index)
{
    std::size_t first = 0;
    for (std::size_t block = 0; block < index && block < sheet.tableBlocks.size(); ++block)
        first += sheet.tableBlocks[block].lineCount;
    return first;
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
