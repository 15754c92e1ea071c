#include "keeping/UnreadCopies.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <tuple>
#include <utility>
#include <vector>

#include "files/FileDescriptor.h"
#include "files/SafeFileWriter.h"

namespace brewick {

namespace fs = std::filesystem;

namespace {
// Not ".unread-": an earlier Brewick removes the oldest copies named so.
constexpr std::string_view kWholeFile = ".set-aside-";
constexpr std::string_view kLines = ".unread-lines-";
constexpr std::string_view kStampShape = "00000000-000000";

// When a copy was set aside, as the rest of its name after its kind says:
// the date and time, then the copy's number within that second. None when
// the name is no copy's, which is then not Brewick's to remove.
std::optional<std::pair<std::string_view, unsigned>> timeSetAside(std::string_view rest)
{
    if (rest.size() < kStampShape.size())
        return std::nullopt;
    for (std::size_t i = 0; i < kStampShape.size(); ++i)
        if (kStampShape[i] == '-' ? rest[i] != '-' : (rest[i] < '0' || rest[i] > '9'))
            return std::nullopt;
    const std::string_view stamp = rest.substr(0, kStampShape.size());
    rest.remove_prefix(stamp.size());
    unsigned number = 1;
    if (rest.empty())
        return std::pair(stamp, number);
    if (rest.front() != '-')
        return std::nullopt;
    const auto [end, error] = std::from_chars(rest.data() + 1, rest.data() + rest.size(), number);
    if (error != std::errc() || end != rest.data() + rest.size())
        return std::nullopt;
    return std::pair(stamp, number);
}
}  // namespace

fs::path UnreadCopies::newName(std::string_view kind) const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const fs::path named = file_.parent_path() / (file_.filename().string() + std::string(kind) + stamp);
    fs::path copy = named;
    for (int n = 2; isThere(copy); ++n)
        copy = named.string() + "-" + std::to_string(n);
    return copy;
}

std::optional<fs::path> UnreadCopies::setAside(const fs::path& path, std::string& why) const
{
    const fs::path copy = newName(kWholeFile);
    if (std::rename(path.c_str(), copy.c_str()) == 0)
        return copy;
    why = std::strerror(errno);
    return std::nullopt;
}

UnreadCopies::Kept UnreadCopies::keep(std::size_t count, std::string_view what, std::string_view lines) const
{
    const std::string unread =
        std::to_string(count) + (count == 1 ? " inn of " : " inns of ") + std::string(what) + " could not be read";
    const fs::path copy = newName(kLines);
    if (auto problem = writeFileSafely(copy, lines, FileSync::Now, Replacement::ByRenameOnly))
        return {false, unread + ", and cannot be kept aside: " + *problem};
    return {true, unread + "; the text that could not be read is kept in " + copy.string()};
}

// By the names' times, not the files': a copy brought back from a backup,
// or moved aside by rename, has a time of its own.
void UnreadCopies::dropOld() const
{
    const std::string prefix = file_.filename().string() + std::string(kLines);
    std::vector<std::tuple<std::string, unsigned, fs::path>> copies;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(file_.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix) || !entry.is_regular_file(error))
            continue;
        if (const auto when = timeSetAside(std::string_view(name).substr(prefix.size())))
            copies.emplace_back(when->first, when->second, entry.path());
    }
    if (copies.size() <= kKept)
        return;
    std::sort(copies.begin(), copies.end());
    for (std::size_t i = 0; i + kKept < copies.size(); ++i)
        fs::remove(std::get<fs::path>(copies[i]), error);
}

}  // namespace brewick
