#include "files/WordFolder.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "files/ListFile.h"
#include "files/UserSceneFile.h"

namespace brewick {

namespace fs = std::filesystem;

namespace {
constexpr std::string_view kReplacing = ".txt";
constexpr std::string_view kAdding = ".add.txt";

// Whether the name ends in ".txt", in any case: a text file meant as a list,
// which is a problem when its name is not a list's to the letter.
bool isTextFileName(std::string_view name)
{
    if (name.size() < kReplacing.size())
        return false;
    const std::string_view ending = name.substr(name.size() - kReplacing.size());
    return std::equal(ending.begin(), ending.end(), kReplacing.begin(), kReplacing.end(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// The names of the list files in `folder`, sorted, so that the problems
// come in an order the user can follow.
std::vector<std::string> listFileNames(const fs::path& folder, std::vector<WordFileProblem>& problems)
{
    std::vector<std::string> names;
    if (folder.empty())
        return names;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        std::string name = entry->path().filename().string();
        if (isTextFileName(name) && !name.starts_with('.') && name != kWordFolderReadme)
            names.push_back(std::move(name));
    }
    if (error && error != std::errc::no_such_file_or_directory)
        problems.push_back({folder, error.message()});
    std::sort(names.begin(), names.end());
    return names;
}
}  // namespace

fs::path userWordFolder()
{
    const fs::path data = brewickFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), ".local/share");
    return data.empty() ? data : data / "words";
}

UserWords readWordFolder(const fs::path& folder, std::span<const std::string_view> names)
{
    UserWords words;
    for (const std::string& fileName : listFileNames(folder, words.problems)) {
        const fs::path file = folder / fileName;
        const bool adding = fileName.ends_with(kAdding);
        const std::string_view name =
            std::string_view(fileName).substr(0, fileName.size() - (adding ? kAdding : kReplacing).size());
        if (!fileName.ends_with(kReplacing) || std::find(names.begin(), names.end(), name) == names.end()) {
            words.problems.push_back({file, "no word list has this name; README.txt names them all"});
            continue;
        }
        WordListFile read = readListFile(file);
        // The list would be empty, and every draw from it the empty text.
        if (!read.error && !adding && read.entries.count() == 0)
            read.error = "it holds no entry";
        if (read.error) {
            words.problems.push_back({file, *read.error});
            continue;
        }
        UserWordList& list = words.lists[std::string(name)];
        if (adding)
            list.additions = std::move(read.entries);
        else
            list.replacement = std::move(read.entries);
    }
    return words;
}

std::optional<std::string> createWordFolder(const fs::path& folder, std::span<const FolderFile> files)
{
    if (folder.empty())
        return "There is no folder for the word lists: neither XDG_DATA_HOME nor HOME names an absolute folder";
    for (const FolderFile& file : files) {
        const fs::path path = folder / file.name;
        if (auto problem = createUserFolders(path.parent_path()))
            return problem;
        if (auto problem = createNewFile(path, file.text))
            return problem;
    }
    return std::nullopt;
}

}  // namespace brewick
