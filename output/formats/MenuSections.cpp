#include "output/formats/MenuSections.h"

#include <algorithm>
#include <array>
#include <utility>

namespace brewick {

namespace {
constexpr std::string_view kItemIndent = "  ";
constexpr std::string_view kGroupGap = " ";

// Calls `visit(before, text)` for each line of the menu built of these
// groups' items, the line being the two put together.
template <typename Items, typename Visit>
void forEachBuiltLine(const Items& mainCourses, const Items& puddings, const Items& drinks, Visit visit)
{
    const std::pair<std::string_view, const Items*> groups[] = {
        {"Main Courses", &mainCourses}, {"Puddings", &puddings}, {"Drinks", &drinks}};
    for (const auto& [heading, items] : groups) {
        if (heading != groups[0].first)
            visit(std::string_view(), kGroupGap);
        visit(std::string_view(), heading);
        for (std::string_view item : *items)
            visit(kItemIndent, item);
    }
}

template <typename Items>
void buildLines(const Items& mainCourses, const Items& puddings, const Items& drinks, TextLines& out)
{
    out.clear();
    forEachBuiltLine(mainCourses, puddings, drinks, [&out](std::string_view before, std::string_view text) {
        out.add({before, text});
    });
}
}  // namespace

void buildMenuLines(const MenuSections& menu, TextLines& out)
{
    buildLines(menu.mainCourses, menu.puddings, menu.drinks, out);
}

void buildMenuLines(const TextLines& mainCourses, const TextLines& puddings, const TextLines& drinks, TextLines& out)
{
    buildLines(mainCourses, puddings, drinks, out);
}

bool readsAsBuilt(const TextLines& menuLines, const MenuSections& menu)
{
    if (!menu.other.empty())
        return false;
    std::size_t line = 0;
    bool same = true;
    forEachBuiltLine(menu.mainCourses, menu.puddings, menu.drinks, [&](std::string_view before, std::string_view text) {
        same = same && line < menuLines.size() && menuLines[line].size() == before.size() + text.size() &&
               menuLines[line].starts_with(before) && menuLines[line].ends_with(text);
        ++line;
    });
    return same && line == menuLines.size();
}

void splitMenu(const TextLines& menuLines, MenuSections& out)
{
    const std::array<std::pair<std::string_view, std::vector<std::string_view>*>, 3> groups = {{
        {"Main Courses", &out.mainCourses},
        {"Puddings", &out.puddings},
        {"Drinks", &out.drinks},
    }};
    for (auto& [heading, items] : groups)
        items->clear();
    out.other.clear();
    std::vector<std::string_view>* items = &out.other;
    for (std::string_view line : menuLines) {
        const std::string_view item = trimmed(line);
        if (item.empty())
            continue;
        const bool indented = item.data() != line.data();
        const auto group =
            std::find_if(groups.begin(), groups.end(), [item](const auto& group) { return group.first == item; });
        if (!indented && group != groups.end())
            items = group->second;
        else
            items->push_back(item);
    }
}

}  // namespace brewick
