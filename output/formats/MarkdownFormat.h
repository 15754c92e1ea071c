// An inn as a Markdown page: its name as the heading, the particulars on one
// line, the rooms as a table, the bar scene, the tables and the menu as lists,
// and the game master's notes, when there are any, as paragraphs.
// Every page ends with an empty line, so pages put back to back stay apart.
#pragma once

#include "output/formats/InnFormat.h"

namespace brewick {

class MarkdownFormat final : public InnFormat {
public:
    void append(const InnSheet& sheet, InnPlace place, std::string& out) override;
    std::string_view extension() const override { return "md"; }
};

// The page's heading, the inn's particulars and its rooms, as the page of
// the inn and the players' card start.
void appendMarkdownParticulars(const InnSheet& sheet, std::string& out);
// The menu's groups as items, their dishes and drinks (indented in the menu)
// items below them.
void appendMarkdownMenu(const TextLines& menuLines, std::string& out);

// One table as the page lists it, the lines of its `block`: an item holding
// its heading, its other lines below it, and the details of a patron fleshed
// out below the patron's line; nothing for a table of no lines.
void appendMarkdownTable(TextLines::const_iterator first, TextLines::const_iterator last, const TableBlock& block,
                         std::string& out);

}  // namespace brewick
