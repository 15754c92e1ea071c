#include "output/formats/MenuSections.h"

#include <algorithm>
#include <array>
#include <utility>

namespace brewick {

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
