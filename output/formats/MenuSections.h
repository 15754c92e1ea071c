// The menu lines by their groups, for output that names them: the items under
// the headings "Main Courses", "Puddings" and "Drinks", without their indent.
// The menu may have been edited, so anything can stand anywhere.
#pragma once

#include <string_view>
#include <vector>

#include "core/TextLines.h"

namespace brewick {

struct MenuSections {
    std::vector<std::string_view> mainCourses;
    std::vector<std::string_view> puddings;
    std::vector<std::string_view> drinks;
    std::vector<std::string_view> other;  // the items before the first heading
};

// Replaces `out` by the items of the menu lines, which it points into. A
// heading is a line that reads as one, not indented; a heading met again adds
// to its group. Blank lines, which keep the groups apart, are no items.
void splitMenu(const TextLines& menuLines, MenuSections& out);

// The menu lines of a generated menu with these items: each group's heading,
// its items indented by two spaces, and a line of one space between groups.
// An edited menu may have other lines, which the sections cannot give back.
void buildMenuLines(const MenuSections& menu, TextLines& out);
// The same from the items of each group, as lines of their own.
void buildMenuLines(const TextLines& mainCourses, const TextLines& puddings, const TextLines& drinks, TextLines& out);
bool readsAsBuilt(const TextLines& menuLines, const MenuSections& menu);

}  // namespace brewick
