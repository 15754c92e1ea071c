#include "files/UserSceneFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "files/FileDescriptor.h"

namespace brewick {

namespace fs = std::filesystem;

const std::string_view kSceneFileIntroduction =
    "/* Your own bar scenes for Brewick, one scene a line. They join the 100\n"
    "/* built-in scenes, and each is drawn as often as it stands here.\n"
    "/* Spaces at either end of a line are dropped; an empty line is an empty\n"
    "/* scene. Lines starting with /* are comments, like these.\n"
    "/* Brewick reads this file at start-up and, once Edit > Bar Scenes has\n"
    "/* opened it, again each time it is saved.\n";

namespace {
std::optional<fs::path> absoluteFolder(const char* variable)
{
    if (variable == nullptr || variable[0] != '/')
        return std::nullopt;
    return fs::path(variable);
}

std::string systemProblem(std::string_view what, const fs::path& path, int error)
{
    return std::string(what) + ' ' + path.string() + ": " + std::strerror(error);
}

}  // namespace

// The XDG base directory rules ask for new data folders to be the user's alone.
std::optional<std::string> createUserFolders(const fs::path& folder)
{
    fs::path made;
    for (const fs::path& part : folder) {
        made /= part;
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST)
            return systemProblem("Cannot create folder", made, errno);
    }
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return systemProblem("Cannot create folder", folder, ENOTDIR);
    return std::nullopt;
}

fs::path brewickFolder(const char* xdgHome, const char* home, std::string_view underHome)
{
    std::optional<fs::path> folder = absoluteFolder(xdgHome);
    if (!folder) {
        folder = absoluteFolder(home);
        if (!folder)
            return {};
        *folder /= underHome;
    }
    return *folder / "brewick";
}

fs::path userSceneFile(const char* dataHome, const char* home)
{
    const fs::path folder = brewickFolder(dataHome, home, ".local/share");
    return folder.empty() ? folder : folder / kSceneFileName;
}

fs::path userSceneFile() { return userSceneFile(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")); }

std::optional<std::string> createSceneFile(const fs::path& sceneFile)
{
    if (sceneFile.empty())
        return "There is no folder for the scene file: neither XDG_DATA_HOME nor HOME names an absolute folder";
    if (auto problem = createUserFolders(sceneFile.parent_path()))
        return problem;
    return createNewFile(sceneFile, kSceneFileIntroduction);
}

std::optional<std::string> createNewFile(const fs::path& path, std::string_view text)
{
    // O_EXCL: a file that is there, made by the user or by anyone meanwhile, is never touched.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        std::error_code error;
        const int problem = errno != EEXIST ? errno : fs::is_directory(path, error) ? EISDIR : 0;
        return problem == 0 ? std::nullopt : std::optional(systemProblem("Cannot create file", path, problem));
    }
    const bool written = writeAll(fd, text);
    const int writeError = errno;
    if (::close(fd) == 0 && written)
        return std::nullopt;
    const int problem = written ? errno : writeError;
    ::unlink(path.c_str());
    return systemProblem("Cannot write file", path, problem);
}

}  // namespace brewick
