// An inn as a Markdown page: its name as the heading, the particulars on one
// line, the rooms as a table, the bar scene, the tables and the menu as lists.
// Every page ends with an empty line, so pages put back to back stay apart.
#pragma once

#include "output/formats/InnFormat.h"

namespace brewick {

class MarkdownFormat final : public InnFormat {
public:
    void append(const InnSheet& sheet, InnPlace place, std::string& out) override;
    std::string_view extension() const override { return "md"; }
};

}  // namespace brewick
