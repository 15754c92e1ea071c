// Markdown that keeps its shape whatever the inn's text holds: each text is
// escaped by where it stands, and text with nothing to escape stays as it is.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "output/formats/MarkdownFormat.h"

namespace brewick {
namespace {

using testing::HasSubstr;

TEST(MarkdownFormat, TheInnsTextCannotChangeThePagesStructure)
{
    struct Row {
        const char* context;
        std::function<void(InnSheet&, const std::string&)> put;
        std::string text;
        std::string line;  // as the page has it
    };
    const auto name = [](InnSheet& sheet, const std::string& text) { sheet.innName = text; };
    const auto landlord = [](InnSheet& sheet, const std::string& text) { sheet.landlordName = text; };
    const auto scene = [](InnSheet& sheet, const std::string& text) { sheet.barScene = text; };
    const auto cell = [](InnSheet& sheet, const std::string& text) { sheet.rooms.cell(1, 1) = text; };
    const auto menuItem = [](InnSheet& sheet, const std::string& text) { sheet.menuLines = {"Drinks", "  " + text}; };
    const auto notes = [](InnSheet& sheet, const std::string& text) { sheet.notes = text; };
    // A line below a patron's, which holds their details once fleshed out.
    const auto belowPatron = [](bool fleshedOut) {
        return [fleshedOut](InnSheet& sheet, const std::string& text) {
            sheet.tableText = {"Table No. 1 (1 patrons)", "A man", text, "He is here", " "};
            sheet.tableBlocks = {{5, {Patron{.fleshedOut = fleshedOut}}}};
        };
    };
    const Row rows[] = {
        {"a plain name", name, "The Weeping Dragon", "# The Weeping Dragon\n\n"},
        {"a name opening a heading and emphasis", name, "# The *Best* Inn", "# \\# The \\*Best\\* Inn\n\n"},
        {"a name with a line end", name, "The Goat\nInn", "# The Goat Inn\n\n"},
        {"a landlord with a link and HTML", landlord, "[Bob](x) <b>", "Landlord: \\[Bob\\](x) \\<b\\> · "},
        {"a scene of three backticks", scene, "```", "\n\\`\\`\\`\n"},
        {"a scene starting with #", scene, "# A fight", "\n\\# A fight\n"},
        {"a scene opening a list", scene, "- a list", "\n\\- a list\n"},
        {"a scene opening a numbered list", scene, "12. twelve", "\n12\\. twelve\n"},
        {"a scene quoting", scene, "> quoted", "\n\\> quoted\n"},
        {"a plain scene", scene, "A bard is playing 2 songs", "\nA bard is playing 2 songs\n"},
        {"a cell splitting the row", cell, "5 | 6", "| 5 \\| 6 |"},
        {"a cell ending in a backslash", cell, "5\\", "| 5\\\\ |"},
        {"a cell with emphasis stays as it is", cell, "*5*", "| *5* |"},
        {"a menu item opening a list", menuItem, "+ Ale", "  - \\+ Ale\n"},
        {"a menu item with underscores", menuItem, "Old_Ale", "  - Old\\_Ale\n"},
        {"a patron's details, below their line", belowPatron(true), "    Ida hums. Rumour: Yes.",
         "  - A man\n    - Ida hums. Rumour: Yes.\n  - He is here\n"},
        {"notes keep their line breaks and paragraphs", notes, "\n Saltmarsh \r\nsession 12\n\n\n  the contact\n",
         "## Notes\n\nSaltmarsh\\\nsession 12\n\nthe contact\n\n"},
        {"notes opening a list, a heading, a setext heading and a fence", notes, "- one\n# two\n===\n~~~",
         "## Notes\n\n\\- one\\\n\\# two\\\n\\===\\\n\\~~~\n\n"},
        {"a line typed where no patron has details", belowPatron(false), "    Ida hums.", "  -     Ida hums.\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.context);
        InnSheet sheet;
        row.put(sheet, row.text);
        std::string page;
        MarkdownFormat().append(sheet, {1, 1}, page);
        EXPECT_THAT(page, HasSubstr(row.line));
    }
}

}  // namespace
}  // namespace brewick
