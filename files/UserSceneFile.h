// The user's own scene file: where it lives, and the commented file that
// editing starts from when there is none yet.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace brewick {

inline constexpr std::string_view kSceneFileName = "BarScenes.txt";

// What a new scene file holds: comment lines that say what the file is for
// and how its lines are read, and no scene.
extern const std::string_view kSceneFileIntroduction;

// Brewick's folder among the user's XDG folders: $XDG_..._HOME/brewick, else
// $HOME/<underHome>/brewick. Either variable counts only when it names an
// absolute folder; with neither the path is empty.
std::filesystem::path brewickFolder(const char* xdgHome, const char* home, std::string_view underHome);

// Creates the missing folders of `folder`, private to the user. Gives the
// message for the user on failure.
std::optional<std::string> createUserFolders(const std::filesystem::path& folder);

// Creates the file at `path` holding `text` when there is none; an existing
// file is left as it is. Gives the message for the user on failure; no
// half-written file is left behind.
std::optional<std::string> createNewFile(const std::filesystem::path& path, std::string_view text);

// $XDG_DATA_HOME/brewick/BarScenes.txt, else $HOME/.local/share/brewick/
// BarScenes.txt. Either variable counts only when it names an absolute
// folder (a relative XDG_DATA_HOME is invalid and ignored); with neither the
// path is empty, which means no scene file.
std::filesystem::path userSceneFile(const char* dataHome, const char* home);
// The same from this process's environment.
std::filesystem::path userSceneFile();

// Makes the scene file ready for an editor: creates the missing folders
// (private to the user) and, when there is no file, one holding
// kSceneFileIntroduction. An existing file is left as it is. Gives the message
// for the user on failure; no half-written file is left behind.
std::optional<std::string> createSceneFile(const std::filesystem::path& sceneFile);

}  // namespace brewick
