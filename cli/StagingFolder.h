// A folder that holds a run's files until every one is written, beside the
// output folder and on its file system, so that they can be moved in by
// rename. Named for the process that makes it: what a run killed before it
// was done left is removed by the next run into the same place.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>

namespace brewick {

class StagingFolder {
public:
    StagingFolder() = default;
    ~StagingFolder() { remove(); }
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    // Makes the folder beside `folder`, which exists, or in it where its
    // parent takes none on the same file system. Gives the system's reason
    // when it cannot.
    std::optional<std::string> make(const std::filesystem::path& folder);
    // Removes the folder with whatever it still holds.
    void remove();

    const std::filesystem::path& path() const { return path_; }
    // Whether a file there can be moved to `file` by rename.
    bool onItsFileSystem(const std::filesystem::path& file) const;

private:
    std::filesystem::path path_;
    dev_t device_ = 0;
};

}  // namespace brewick
