#include "cli/StagingFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "files/SafeFileWriter.h"

namespace brewick {

namespace {
namespace fs = std::filesystem;

constexpr std::string_view kPrefix = ".brewick-batch-";

// The folders in `place` that runs which ended before they were done left.
void removeLeft(const fs::path& place)
{
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(place, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(kPrefix) || !entry.is_directory(error) || entry.is_symlink(error))
            continue;
        if (writerHasEnded(std::string_view(name).substr(kPrefix.size())))
            fs::remove_all(entry.path(), error);
    }
}

dev_t deviceOf(const fs::path& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_dev : 0;
}
}  // namespace

std::optional<std::string> StagingFolder::make(const fs::path& folder)
{
    std::error_code error;
    const fs::path real = fs::canonical(folder, error);
    if (error)
        return error.message();
    device_ = deviceOf(real);
    // Beside the folder, nothing of the run shows in it before every file is
    // there; in it, where its parent is the system's or on another file
    // system (the folder is a mount point).
    const fs::path places[] = {real.parent_path(), real};
    for (const fs::path& place : places)
        removeLeft(place);
    for (const fs::path& place : places) {
        std::string name = (place / kPrefix).string() + std::to_string(::getpid()) + "-XXXXXX";
        if (::mkdtemp(name.data()) == nullptr)
            continue;
        path_ = name;
        if (deviceOf(path_) == device_)
            return std::nullopt;
        remove();
    }
    return std::strerror(errno);
}

bool StagingFolder::onItsFileSystem(const fs::path& file) const { return deviceOf(file) == device_; }

void StagingFolder::remove()
{
    std::error_code error;
    if (!path_.empty())
        fs::remove_all(path_, error);
    path_.clear();
}

}  // namespace brewick
