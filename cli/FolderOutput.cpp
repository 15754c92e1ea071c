#include "cli/FolderOutput.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/TextLines.h"
#include "files/FileDescriptor.h"

namespace brewick {

namespace {
namespace fs = std::filesystem;

std::size_t digitsOf(std::uint64_t number) { return std::string_view(Decimal(number)).size(); }

std::string cannotCreate(const fs::path& path, std::string_view reason)
{
    return "Cannot create file " + path.string() + ": " + std::string(reason);
}

// The writer's message about a staged file, told of the file it stands for.
std::string namedFor(std::string message, const fs::path& staged, const fs::path& file)
{
    const std::string stagedName = staged.string();
    if (const std::size_t at = message.find(stagedName); at != std::string::npos)
        return message.replace(at, stagedName.size(), file.string());
    return file.string() + ": " + message;
}
}  // namespace

FolderOutput::FolderOutput(std::filesystem::path folder, std::uint64_t count, std::string_view extension)
    : folder_(std::move(folder)),
      count_(count),
      digits_(digitsOf(count)),
      extension_(extension)
{
}

FolderOutput::~FolderOutput()
{
    staging_.remove();
    if (!movedIn_)
        removeMadeFolders();
}

OutputFailure FolderOutput::open()
{
    std::error_code error;
    for (fs::path folder = folder_; !folder.empty() && !fs::exists(folder, error); folder = folder.parent_path())
        firstMade_ = folder;
    fs::create_directories(folder_, error);
    if (error)
        return "cannot create folder " + folder_.string() + ": " + error.message();
    if (const auto problem = staging_.make(folder_))
        return "cannot create a folder for the files beside " + folder_.string() + ": " + *problem;
    return std::nullopt;
}

OutputFailure FolderOutput::take(std::uint64_t number, std::string& pages)
{
    WriteTarget target;
    OutputFailure failure = findTarget(number, target);
    if (!failure)
        if (auto problem = writeFileSafely(stagedFileOf(number), pages, FileSync::Later, Replacement::ByRenameOnly))
            failure = namedFor(std::move(*problem), stagedFileOf(number), fileOf(number));
    pages.clear();
    if (failure)
        return *failure + notWritten(count_);
    return std::nullopt;
}

OutputFailure FolderOutput::finish(std::string&)
{
    // On the disk before they are moved in, so that each file moved in is whole.
    if (const auto failure = syncFileSystemOf(staging_.path()))
        return folder_.string() + ": " + *failure + notWritten(count_);
    if (const auto failure = moveIn())
        return failure;
    movedIn_ = true;
    if (const auto failure = syncFileSystemOf(folder_))
        return folder_.string() + ": " + *failure;
    return std::nullopt;
}

OutputFailure FolderOutput::findTarget(std::uint64_t number, WriteTarget& target) const
{
    const fs::path file = fileOf(number);
    if (const auto refusal = findWriteTarget(file, target))
        return cannotCreate(file, *refusal);
    if (target.mode && !staging_.onItsFileSystem(target.file))
        return cannotCreate(file, "it is a link to another file system");
    return std::nullopt;
}

OutputFailure FolderOutput::moveIn()
{
    const auto failed = [this](const std::string& message, bool replacing) {
        std::uint64_t left = 0;
        for (std::uint64_t number = 1; number <= count_; ++number) {
            const fs::path staged = stagedFileOf(number);
            if (!replacing && !isThere(staged))
                std::rename(fileOf(number).c_str(), staged.c_str());
            left += isThere(staged);
        }
        return message + notWritten(left);
    };
    for (const bool replacing : {false, true}) {
        for (std::uint64_t number = 1; number <= count_; ++number) {
            const fs::path staged = stagedFileOf(number);
            WriteTarget target;
            if (!isThere(staged))
                continue;
            if (const auto refusal = findTarget(number, target))
                return failed(*refusal, replacing);
            if (target.mode.has_value() != replacing)
                continue;
            // The new file stands in for the old one, permissions and all.
            if (target.mode)
                ::chmod(staged.c_str(), *target.mode);
            if (std::rename(staged.c_str(), target.file.c_str()) != 0)
                return failed(cannotCreate(fileOf(number), std::strerror(errno)), replacing);
        }
    }
    return std::nullopt;
}

std::string FolderOutput::notWritten(std::uint64_t left) const
{
    const std::string count = std::to_string(count_);
    if (left < count_)
        return "; " + std::to_string(left) + " of the " + count + " files " + (left == 1 ? "was" : "were") +
               " not written";
    return count_ == 1 ? "; the file was not written" : "; none of the " + count + " files was written";
}

void FolderOutput::removeMadeFolders() const
{
    std::error_code error;
    // Innermost first; a folder that holds anything stays.
    for (fs::path folder = folder_; !firstMade_.empty() && fs::remove(folder, error); folder = folder.parent_path())
        if (folder == firstMade_)
            break;
}

fs::path FolderOutput::fileOf(std::uint64_t number) const
{
    const Decimal decimal(static_cast<long long>(number));
    const std::string_view digits = decimal;
    std::string name(digits_ - std::min(digits_, digits.size()), '0');
    name += digits;
    name += '.';
    name += extension_;
    return folder_ / name;
}

fs::path FolderOutput::stagedFileOf(std::uint64_t number) const { return staging_.path() / fileOf(number).filename(); }

}  // namespace brewick
