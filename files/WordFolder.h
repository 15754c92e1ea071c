// The user's own word lists: the folder they live in, reading it, and
// making it ready for the user's file manager.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/WordList.h"

namespace brewick {

inline constexpr std::string_view kWordFolderReadme = "README.txt";

// $XDG_DATA_HOME/brewick/words, beside the scene file; empty when there is
// no folder for the user's files.
std::filesystem::path userWordFolder();

struct WordFileProblem {
    std::filesystem::path file;
    std::string reason;

    friend bool operator==(const WordFileProblem&, const WordFileProblem&) = default;
};

struct UserWords {
    UserWordLists lists;
    std::vector<WordFileProblem> problems;  // by the files' names

    friend bool operator==(const UserWords&, const UserWords&) = default;
};

// The files NAME.txt and NAME.add.txt of `folder`, for each NAME of `names`,
// read as readListFile reads. A file that cannot be read, a NAME.txt without
// an entry, and any other .txt file but README.txt (a misspelt name, say) are
// problems and change no list. Hidden files, such as an editor's lock file,
// are passed over. A missing folder, or an empty path, holds no lists.
UserWords readWordFolder(const std::filesystem::path& folder, std::span<const std::string_view> names);

// A file of a new word folder, its name relative to the folder.
struct FolderFile {
    std::filesystem::path name;
    std::string text;
};

// Creates the folder and those of `files` that are missing, with their
// folders; what is there is left as it is. Gives the message for the user
// on failure.
std::optional<std::string> createWordFolder(const std::filesystem::path& folder, std::span<const FolderFile> files);

}  // namespace brewick
