#include "keeping/UnreadCopies.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <deque>
#include <tuple>
#include <unordered_set>
#include <utility>
#include <vector>

#include "files/FileDescriptor.h"
#include "files/SafeFileWriter.h"

namespace brewick {

namespace fs = std::filesystem;

namespace {
constexpr std::string_view kWholeFile = ".set-aside-";
constexpr std::string_view kLines = ".unread-lines-";
constexpr std::string_view kLinesNotRead = ".lines-not-read";
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

// The copies of lines set aside beside `file`, oldest first: by the times in
// their names, not the files', as a copy brought back from a backup, or
// moved aside by rename, has a time of its own.
std::vector<fs::path> copiesOfLines(const fs::path& file)
{
    const std::string prefix = file.filename().string() + std::string(kLines);
    std::vector<std::tuple<std::string, unsigned, fs::path>> copies;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(file.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix) || !entry.is_regular_file(error))
            continue;
        if (const auto when = timeSetAside(std::string_view(name).substr(prefix.size())))
            copies.emplace_back(when->first, when->second, entry.path());
    }
    std::sort(copies.begin(), copies.end());
    std::vector<fs::path> paths;
    for (auto& copy : copies)
        paths.push_back(std::move(std::get<fs::path>(copy)));
    return paths;
}

// The lines not read as they grow: the bytes of each file taken, the lines
// they hold once each, and the file of them, within its bound.
class LinesNotRead {
public:
    // Takes the lines of `bytes` not held yet, all or none: false, and none,
    // when they would take the file past its bound.
    bool take(std::string bytes)
    {
        const std::string_view taken = taken_.emplace_back(std::move(bytes));
        const std::size_t size = file_.size();
        const std::uintmax_t weight = weight_;
        std::vector<std::string_view> added;
        for (std::size_t start = 0; start < taken.size();) {
            const std::size_t end = std::min(taken.find('\n', start), taken.size());
            const std::string_view line = taken.substr(start, end - start);
            start = end + 1;
            if (line.empty() || lines_.contains(line))
                continue;
            weight_ += line.size() + 1 + UnreadCopies::kLineOverhead;
            if (weight_ > UnreadCopies::kMostLinesNotRead) {
                for (std::string_view other : added)
                    lines_.erase(other);
                weight_ = weight;
                file_.resize(size);
                taken_.pop_back();
                return false;
            }
            lines_.insert(line);
            added.push_back(line);
            file_.append(line).push_back('\n');
        }
        return true;
    }
    const std::string& file() const { return file_; }

private:
    std::deque<std::string> taken_;  // where the lines point
    std::unordered_set<std::string_view> lines_;
    std::uintmax_t weight_ = 0;
    std::string file_;
};
}  // namespace

fs::path UnreadCopies::linesNotRead() const { return file_.string() + std::string(kLinesNotRead); }

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
    const std::optional<std::string> stays = fold();
    const std::string keptIn = unread + "; the text that could not be read is kept in ";
    if (!isThere(copy))
        return {true, keptIn + linesNotRead().string()};
    return {true, keptIn + copy.string() +
                      (stays ? ", as " + linesNotRead().string() + " cannot take it: " + *stays : std::string())};
}

std::optional<std::string> UnreadCopies::fold() const
{
    const std::vector<fs::path> copies = copiesOfLines(file_);
    if (copies.empty())
        return std::nullopt;
    const fs::path all = linesNotRead();
    const std::string bound = "it would hold more than " + std::to_string(kMostLinesNotRead >> 20) + " MiB";
    LinesNotRead lines;
    if (std::string bytes; isThere(all)) {
        if (const auto failure = readWholeFile(all, kMostLinesNotRead, bytes))
            return failure->reason;
        if (!lines.take(std::move(bytes)))
            return bound;
    }
    const std::size_t held = lines.file().size();
    std::vector<fs::path> folded;
    std::optional<std::string> stays;
    for (const fs::path& copy : copies) {
        std::string bytes;
        // A copy that cannot be read now stays for a later start.
        if (readWholeFile(copy, kMostLinesNotRead, bytes))
            continue;
        if (!lines.take(std::move(bytes))) {
            stays = bound;
            break;
        }
        folded.push_back(copy);
    }
    if (folded.empty())
        return stays;
    // A copy goes only once its lines are on the disk in the file, so that
    // a failure or a kill midway loses none; what the file held before, it
    // does not take twice.
    if (lines.file().size() > held)
        if (auto problem = writeFileSafely(all, lines.file(), FileSync::Now, Replacement::ByRenameOnly))
            return problem;
    if (auto problem = syncFileSystemOf(file_.parent_path()))
        return problem;
    for (const fs::path& copy : folded)
        ::unlink(copy.c_str());
    return stays;
}

}  // namespace brewick
