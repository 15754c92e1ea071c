#include "cli/FolderOutput.h"

#include <algorithm>

#include "core/TextLines.h"
#include "files/SafeFileWriter.h"

namespace brewick {

namespace {
namespace fs = std::filesystem;

std::size_t digitsOf(std::uint64_t number) { return std::string_view(Decimal(number)).size(); }
}  // namespace

FolderOutput::FolderOutput(std::filesystem::path folder, std::uint64_t count, std::string_view extension)
    : folder_(std::move(folder)),
      digits_(digitsOf(count)),
      extension_(extension)
{
}

OutputFailure FolderOutput::open()
{
    std::error_code error;
    for (fs::path folder = folder_; !folder.empty() && !fs::exists(folder, error); folder = folder.parent_path())
        firstMade_ = folder;
    fs::create_directories(folder_, error);
    if (error)
        return "cannot create folder " + folder_.string() + ": " + error.message();
    return std::nullopt;
}

OutputFailure FolderOutput::take(std::uint64_t number, std::string& pages)
{
    const fs::path file = fileOf(number);
    const auto failure = writeFileSafely(file, pages, FileSync::Later);
    pages.clear();
    if (!failure)
        return std::nullopt;
    if (number == 1)
        removeMadeFolders();
    // The writer's messages are the window's; name the file when they do not.
    if (failure->find(file.string()) == std::string::npos)
        return file.string() + ": " + *failure;
    return failure;
}

OutputFailure FolderOutput::finish(std::string&)
{
    if (const auto failure = syncFileSystemOf(folder_))
        return folder_.string() + ": " + *failure;
    return std::nullopt;
}

void FolderOutput::removeMadeFolders() const
{
    std::error_code error;
    // Innermost first; a folder that holds anything stays.
    for (fs::path folder = folder_; !firstMade_.empty() && fs::remove(folder, error); folder = folder.parent_path())
        if (folder == firstMade_)
            break;
}

std::filesystem::path FolderOutput::fileOf(std::uint64_t number) const
{
    const Decimal decimal(static_cast<long long>(number));
    const std::string_view digits = decimal;
    std::string name(digits_ - std::min(digits_, digits.size()), '0');
    name += digits;
    name += '.';
    name += extension_;
    return folder_ / name;
}

}  // namespace brewick
