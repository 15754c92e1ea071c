#include "generators/WordLists.h"

#include <algorithm>

namespace brewick {

namespace {
constexpr std::string_view kReadmeIntroduction =
    "Your own word lists for Brewick\n"
    "\n"
    "Every list Brewick draws its words from can be one of your own. Save a\n"
    "plain text file in this folder named for the list (the names are below):\n"
    "\n"
    "  NAME.txt      your entries stand instead of the built-in list\n"
    "  NAME.add.txt  your entries join the list, after its own\n"
    "\n"
    "One entry a line. Spaces at either end of a line are dropped, a line that\n"
    "starts with /* is a comment, and an entry written twice is drawn twice as\n"
    "often. A NAME.txt needs at least one entry. Brewick reads this folder at\n"
    "start-up and again whenever a file in it changes, and the next Generate\n"
    "draws from your lists. A file it cannot use is named in an error box and\n"
    "changes nothing.\n"
    "\n"
    "The folder built-in holds Brewick's own lists, to copy from; Brewick never\n"
    "reads it.\n"
    "\n"
    "The words around an entry come from the sentence it goes into, so write\n"
    "each entry in the form shown; one that does not fit is shown as written.\n";
}  // namespace

WordLists::WordLists(const UserWordLists& userLists)
{
    for (const NamedWordList& named : kNamedWordLists) {
        const auto user = userLists.find(named.name);
        if (user == userLists.end())
            continue;
        WordList& list = this->*named.list;
        if (user->second.replacement)
            list = *user->second.replacement;
        list.insertAll(list.count() - std::min(named.keptLast, list.count()), user->second.additions);
    }
}

std::array<std::string_view, kNamedWordLists.size()> wordListNames()
{
    std::array<std::string_view, kNamedWordLists.size()> names;
    std::transform(kNamedWordLists.begin(), kNamedWordLists.end(), names.begin(),
                   [](const NamedWordList& named) { return named.name; });
    return names;
}

std::string wordFolderReadme()
{
    std::string readme(kReadmeIntroduction);
    std::string list;
    for (const NamedWordList& named : kNamedWordLists) {
        joinInto(list, {"\n", named.name, ".txt\n  ", named.form, ".\n"});
        readme += list;
    }
    return readme;
}

std::string builtInListFile(const NamedWordList& named)
{
    static const WordLists kBuiltIn;
    std::string text;
    joinInto(text, {"/* Brewick's built-in ", named.name, ", to copy from: Brewick never reads this file, but\n",
                    "/* ../", named.name, ".txt instead of its own.\n"});
    for (const std::string& entry : kBuiltIn.*named.list) {
        text += entry;
        text += '\n';
    }
    return text;
}

}  // namespace brewick
