#include "files/UnreadCopies.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <utility>
#include <vector>

#include "files/FileDescriptor.h"
#include "files/SafeFileWriter.h"

namespace brewick {

namespace fs = std::filesystem;

fs::path UnreadCopies::newName() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const fs::path named = file_.parent_path() / (prefix() + stamp);
    fs::path copy = named;
    for (int n = 2; isThere(copy); ++n)
        copy = named.string() + "-" + std::to_string(n);
    return copy;
}

std::optional<fs::path> UnreadCopies::setAside(const fs::path& path, std::string& why) const
{
    const fs::path copy = newName();
    if (std::rename(path.c_str(), copy.c_str()) == 0)
        return copy;
    why = std::strerror(errno);
    return std::nullopt;
}

UnreadCopies::Kept UnreadCopies::keep(std::size_t count, std::string_view what, std::string_view lines) const
{
    const std::string unread =
        std::to_string(count) + (count == 1 ? " inn of " : " inns of ") + std::string(what) + " could not be read";
    const fs::path copy = newName();
    if (auto problem = writeFileSafely(copy, lines, FileSync::Now, Replacement::ByRenameOnly))
        return {false, unread + ", and cannot be kept aside: " + *problem};
    return {true, unread + "; the text that could not be read is kept in " + copy.string()};
}

void UnreadCopies::dropOld() const
{
    std::vector<std::pair<fs::file_time_type, fs::path>> copies;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(file_.parent_path(), error))
        if (entry.path().filename().string().starts_with(prefix()))
            copies.emplace_back(entry.last_write_time(error), entry.path());
    if (copies.size() <= kKept)
        return;
    std::sort(copies.begin(), copies.end());
    for (std::size_t i = 0; i + kKept < copies.size(); ++i)
        fs::remove(copies[i].second, error);
}

}  // namespace brewick
