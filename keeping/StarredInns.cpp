#include "keeping/StarredInns.h"

#include <fcntl.h>
#include <sys/file.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "files/FileDescriptor.h"
#include "files/InnReader.h"
#include "files/SafeFileWriter.h"
#include "files/UserSceneFile.h"
#include "keeping/InnChanges.h"
#include "keeping/SessionFile.h"
#include "keeping/UnreadCopies.h"

namespace brewick {

namespace fs = std::filesystem;

namespace {
std::string innName(const KeptInn& inn)
{
    const std::optional<InnSheet> sheet = innJsonPacking().unpack(*inn.packed);
    return sheet ? "\"" + sheet->innName + "\"" : "An inn";
}

std::string refusal(const StarChange& change)
{
    if (change.kind == StarChange::Star)
        return innName(change.inn) + " cannot be starred: at most " + std::to_string(kMostStarredInns) + " inns and " +
               std::to_string(kMostStarredBytes >> 20) + " MiB of them are starred. Unstar some first";
    return "The changes of the starred inn " + innName(change.inn) +
           " cannot be kept among the starred inns, which would take more than " +
           std::to_string(kMostKeptBytes >> 20) + " MiB; the session keeps them";
}

}  // namespace

fs::path starredInnsFile(const char* dataHome, const char* home)
{
    const fs::path folder = brewickFolder(dataHome, home, ".local/share");
    return folder.empty() ? folder : folder / kStarredInnsFileName;
}

fs::path starredInnsFile() { return starredInnsFile(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")); }

StarOutcome changeStars(std::vector<KeptInn>& starred, std::span<const StarChange> changes)
{
    std::size_t bytes = 0;
    for (const KeptInn& inn : starred)
        bytes += keptSize(inn);
    StarOutcome outcome;
    for (const StarChange& change : changes) {
        const auto found = std::find_if(starred.begin(), starred.end(),
                                        [&change](const KeptInn& inn) { return inn.id == change.inn.id; });
        const bool isStarred = found != starred.end();
        if (change.kind == StarChange::Unstar) {
            if (isStarred) {
                bytes -= keptSize(*found);
                starred.erase(found);
            }
            continue;
        }
        if (change.kind == StarChange::Update && !isStarred)
            continue;
        const bool update = change.kind == StarChange::Update;
        KeptInn kept = update ? *found : change.inn;
        KeptInn beside;
        const Meeting meeting = update ? meet(kept, change.inn, beside) : Meeting::Replaced;
        if (meeting == Meeting::Kept)
            continue;
        // The file holds each inn as it stands, for every window to go on from.
        kept.based = 0;
        kept.was = nullptr;
        const bool both = meeting == Meeting::KeptBoth;
        const std::size_t after =
            bytes - (isStarred ? keptSize(*found) : 0) + keptSize(kept) + (both ? keptSize(beside) : 0);
        const std::size_t mostBytes = change.kind == StarChange::Star ? kMostStarredBytes : kMostKeptBytes;
        if (after > mostBytes || (!isStarred && starred.size() >= kMostStarredInns)) {
            outcome.refused.push_back(change);
            continue;
        }
        if (meeting == Meeting::Joined || both)
            outcome.changedTwice.push_back(innNameOf(*kept.packed));
        bytes = after;
        if (!isStarred) {
            starred.push_back(std::move(kept));
            continue;
        }
        *found = std::move(kept);
        if (both)
            starred.insert(found + 1, std::move(beside));
    }
    return outcome;
}

StarredInnsFile::Starred StarredInnsFile::open()
{
    if (!path_.empty())
        removeLeftTemporaries(path_.parent_path());
    return change({});
}

StarredInnsFile::Starred StarredInnsFile::change(std::span<const StarChange> changes)
{
    Starred starred;
    const fs::path folder = path_.parent_path();
    if (path_.empty()) {
        cannotKeep("neither XDG_DATA_HOME nor HOME names an absolute folder", starred);
        return starred;
    }
    // Nothing starred yet, and nothing to star.
    if (changes.empty() && !isThere(path_))
        return starred;
    if (const auto problem = createUserFolders(folder)) {
        cannotKeep(*problem, starred);
        return starred;
    }
    // The folder's lock, as the file itself is replaced by every change.
    const FileDescriptor lock(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!lock || lockFile(lock.get(), LOCK_EX) != 0) {
        cannotKeep(std::strerror(errno), starred);
        return starred;
    }
    SessionRead read = isThere(path_) ? readSessionFile(path_, kStarredInnsFormat) : SessionRead();
    if (read.error) {
        cannotKeep(path_.string() + " cannot be read (" + *read.error +
                       "); it is left as it is until it is mended or moved away",
                   starred);
        return starred;
    }
    starred.inns = std::move(read.inns);
    const UnreadCopies unreadCopies(path_);
    if (read.unread > 0) {
        UnreadCopies::Kept told = unreadCopies.keep(read.unread, "the starred inns", read.unreadLines);
        if (!told.kept) {
            cannotKeep(told.news, starred);
            return starred;
        }
        starred.news.push_back(std::move(told.news));
    }
    std::vector<KeptInn> changed = starred.inns;
    const StarOutcome outcome = changeStars(changed, changes);
    tellRefused(changes, outcome.refused, starred);
    for (const std::string& name : outcome.changedTwice)
        starred.news.push_back("Another Brewick window changed " + name + " too: both are kept");
    if (changes.empty() && read.unread == 0)
        return starred;
    // Where the file keeps no change, the stars are those it holds.
    if (const auto problem = writeFileSafely(path_, SessionBytes(changed, {}, kStarredInnsFormat).pieces(),
                                             FileSync::Now, Replacement::ByRenameOnly)) {
        cannotKeep(*problem, starred);
        return starred;
    }
    toldCannotKeep_ = false;
    starred.inns = std::move(changed);
    return starred;
}

void StarredInnsFile::tellRefused(std::span<const StarChange> changes, std::span<const StarChange> refused,
                                  Starred& starred)
{
    const auto isRefused = [refused](const StarChange& change) {
        return std::any_of(refused.begin(), refused.end(),
                           [&change](const StarChange& other) { return other.inn.id == change.inn.id; });
    };
    for (const StarChange& change : changes)
        if (change.kind == StarChange::Update && !isRefused(change))
            toldRefusedUpdates_.erase(change.inn.id);
    for (const StarChange& change : refused)
        if (change.kind == StarChange::Star || toldRefusedUpdates_.insert(change.inn.id).second)
            starred.news.push_back(refusal(change));
}

void StarredInnsFile::cannotKeep(const std::string& why, Starred& starred)
{
    if (!std::exchange(toldCannotKeep_, true))
        starred.news.push_back("The starred inns cannot be kept: " + why);
}

}  // namespace brewick
