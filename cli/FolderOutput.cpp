#include "cli/FolderOutput.h"

#include <algorithm>

#include "core/TextLines.h"
#include "files/SafeFileWriter.h"

namespace brewick {

namespace {
std::size_t digitsOf(std::uint64_t number) { return std::string_view(Decimal(static_cast<long long>(number))).size(); }
}  // namespace

FolderOutput::FolderOutput(std::filesystem::path folder, std::uint64_t count, std::string_view extension)
    : folder_(std::move(folder)),
      digits_(digitsOf(count)),
      extension_(extension)
{
}

OutputFailure FolderOutput::open() const
{
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error)
        return "cannot create folder " + folder_.string() + ": " + error.message();
    return std::nullopt;
}

OutputFailure FolderOutput::take(std::uint64_t number, std::string& pages)
{
    const std::string path = fileOf(number).string();
    const auto failure = writeFileSafely(QString::fromStdString(path), pages);
    pages.clear();
    if (!failure)
        return std::nullopt;
    // The writer's messages are the window's; name the file when they do not.
    if (failure->find(path) == std::string::npos)
        return path + ": " + *failure;
    return failure;
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
