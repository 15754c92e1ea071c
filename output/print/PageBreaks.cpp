#include "output/print/PageBreaks.h"

#include <algorithm>

namespace brewick {

namespace {
// Whether a page may not start with each line, which stays with a line above.
std::vector<bool> boundToTheLineAbove(std::span<const SetLine> lines)
{
    std::vector<bool> bound(lines.size(), false);
    for (std::size_t line = 0; line < lines.size(); ++line) {
        if (lines[line].blank)
            continue;
        std::size_t next = line + 1;
        while (next < lines.size() && lines[next].blank)
            ++next;
        if (next == lines.size())
            break;
        const bool opensParagraph = next == line + 1 && (line == 0 || lines[line - 1].blank);
        if (opensParagraph || lines[next].textStart > lines[line].textStart)
            std::fill(bound.begin() + static_cast<std::ptrdiff_t>(line + 1),
                      bound.begin() + static_cast<std::ptrdiff_t>(next + 1), true);
    }
    return bound;
}

struct RowOfLine {
    std::size_t line;
    std::size_t row;
};
}  // namespace

std::vector<std::vector<PlacedRow>> breakPages(std::span<const SetLine> lines, int pageHeight)
{
    std::vector<RowOfLine> rows;
    for (std::size_t line = 0; line < lines.size(); ++line)
        for (std::size_t row = 0; row < lines[line].rows.size(); ++row)
            rows.push_back({line, row});
    const std::vector<bool> bound = boundToTheLineAbove(lines);
    const auto setRow = [&](std::size_t at) -> const SetRow& { return lines[rows[at].line].rows[rows[at].row]; };
    const auto mayStartAPage = [&](std::size_t at) {
        const auto [line, row] = rows[at];
        return row == 0 ? !bound[line] : row >= 2 && lines[line].rows.size() - row >= 2;
    };

    std::vector<std::vector<PlacedRow>> pages;
    for (std::size_t at = 0; at < rows.size();) {
        if (!pages.empty())
            while (at < rows.size() && setRow(at).pieces.empty())
                ++at;
        if (at == rows.size())
            break;
        std::vector<PlacedRow>& page = pages.emplace_back();
        const std::size_t top = at;
        for (int y = 0; at < rows.size(); ++at) {
            const SetRow& row = setRow(at);
            if (at > top && y + (row.pieces.empty() ? row.advance : row.height) > pageHeight) {
                std::size_t start = at;
                while (start > top && !mayStartAPage(start))
                    --start;
                if (start > top) {
                    page.resize(start - top);
                    at = start;
                }
                break;
            }
            page.push_back({rows[at].line, rows[at].row, y});
            y += row.advance;
        }
    }
    return pages;
}

}  // namespace brewick
