#include "core/TableText.h"

namespace brewick {

std::size_t firstLineOfBlock(const InnSheet& sheet, std::size_t index)
{
    std::size_t first = 0;
    for (std::size_t block = 0; block < index && block < sheet.tableBlocks.size(); ++block)
        first += sheet.tableBlocks[block].lineCount;
    return first;
}

TableLine tableLineAt(const TableBlock& block, std::size_t line)
{
    std::span<const Patron> patrons = block.patrons;
    const std::size_t action = lineOfPatron(patrons, patrons.size());
    // The closing line is the block's last.
    const bool hasAction = !patrons.empty() && action + 1 < block.lineCount;
    if (hasAction && (line == action || line + 1 == block.lineCount))
        return {TableLine::Action, 0, action};
    if (line + 1 >= block.lineCount)
        return {};
    if (line == 0)
        return {TableLine::Heading};
    for (std::size_t patron = 0, at = 1; patron < patrons.size(); ++patron, ++at) {
        if (line == at)
            return {TableLine::Patron, patron, line};
        if (patrons[patron].fleshedOut && line == ++at)
            return {TableLine::Details, patron, line};
    }
    return {};
}

TableLine tableLineAt(const InnSheet& sheet, std::size_t table, std::size_t line)
{
    if (table >= sheet.tableBlocks.size())
        return {};
    return tableLineAt(sheet.tableBlocks[table], line);
}

std::size_t lineOfPatron(std::span<const Patron> patrons, std::size_t patron)
{
    std::size_t line = 1 + patron;
    for (std::size_t before = 0; before < patron && before < patrons.size(); ++before)
        line += patrons[before].fleshedOut ? 1 : 0;
    return line;
}

std::size_t patronsAsDrawn(std::span<const Patron> patrons, TextLines::const_iterator first,
                           TextLines::const_iterator last)
{
    const auto lines = static_cast<std::size_t>(last - first);
    std::size_t read = 0;
    for (std::size_t at = 1; read < patrons.size(); ++read) {
        const Patron& patron = patrons[read];
        const std::size_t next = at + (patron.fleshedOut ? 2 : 1);
        if (next > lines || !readsAsDrawn(patron, first[static_cast<std::ptrdiff_t>(at)]))
            break;
        at = next;
    }
    return read;
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
