#include "keeping/SessionStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <map>
#include <random>

#include "files/SafeFileWriter.h"
#include "files/UserSceneFile.h"
#include "keeping/SessionFile.h"
#include "keeping/SessionMerge.h"
#include "keeping/UnreadCopies.h"

namespace brewick {

namespace fs = std::filesystem;

namespace {
std::string systemReason() { return std::strerror(errno); }

// A window that ended left its file, and the lock it held while it ran.
struct EndedWindow {
    fs::path file;
    fs::path lock;
    fs::file_time_type written;
};

// The windows but `ownId` whose files in `folder` no window holds: those
// that ended, oldest write first, for the later changes to count later. The
// locks of the ended windows stay in `heldLocks` while they are merged.
std::vector<EndedWindow> endedWindows(const fs::path& folder, const std::string& ownId,
                                      std::vector<FileDescriptor>& heldLocks)
{
    std::map<std::string, EndedWindow> named;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const fs::path name = entry.path().filename();
        const std::string id = name.stem().string();
        if (id == ownId || (name.extension() != ".jsonl" && name.extension() != ".lock"))
            continue;
        named[id] = {folder / (id + ".jsonl"), folder / (id + ".lock"), {}};
    }
    std::vector<EndedWindow> ended;
    for (auto& [id, window] : named) {
        // A window that runs holds its lock.
        if (isThere(window.lock)) {
            FileDescriptor& lock = heldLocks.emplace_back(::open(window.lock.c_str(), O_RDWR | O_CLOEXEC));
            if (!lock || lockFile(lock.get(), LOCK_EX | LOCK_NB) != 0)
                continue;
        }
        window.written = fs::last_write_time(window.file, error);
        ended.push_back(window);
    }
    std::sort(ended.begin(), ended.end(),
              [](const EndedWindow& a, const EndedWindow& b) { return a.written < b.written; });
    return ended;
}
}  // namespace

std::string uniqueWindowId()
{
    std::random_device device;
    const std::uint64_t id = (std::uint64_t{device()} << 32) ^ device() ^ static_cast<std::uint64_t>(::getpid());
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(id));
    return hex;
}

struct SessionStore::Merge {
    std::vector<std::vector<KeptInn>> sessions;  // the session first
    std::vector<DeletedInn> deleted;             // by every session
    std::vector<KeptPin> pins;                   // of every session
    std::vector<EndedWindow> ended;              // read, and to be removed once the session holds them
    std::size_t unread = 0;
    std::string unreadLines;
    bool sessionWritable = true;  // false: it is left as it is
    std::vector<std::string> news;
};

SessionStore::SessionStore(fs::path folder, std::string windowId)
    : folder_(std::move(folder)),
      windowId_(std::move(windowId))
{
}

fs::path SessionStore::windowFile(const std::string& id, std::string_view ending) const
{
    return folder_ / "windows" / (id + std::string(ending));
}

SessionStore::Opening SessionStore::open()
{
    Opening opening;
    const auto cannotKeep = [&](std::string reason) {
        cannotKeep_ = "The session cannot be kept in " + folder_.string() + ": " + reason +
                      ". The inns of this window will not come back at the next start";
        opening.news.push_back(*cannotKeep_);
        // What the session holds comes back all the same, and stays as it is.
        opening.inns = readSessionFile(sessionFile()).inns;
        return std::move(opening);
    };
    if (folder_.empty())
        return cannotKeep("neither XDG_STATE_HOME nor HOME names an absolute folder");
    if (const auto problem = createUserFolders(folder_ / "windows"))
        return cannotKeep(*problem);
    // One window merges at a time; a new window takes its lock meanwhile,
    // so that no other merges its file while it runs.
    const FileDescriptor mergeLock(::open((folder_ / "session.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (!mergeLock || lockFile(mergeLock.get(), LOCK_EX) != 0)
        return cannotKeep(systemReason());
    windowLock_.emplace(::open(windowFile(windowId_, ".lock").c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!*windowLock_ || lockFile(windowLock_->get(), LOCK_EX | LOCK_NB) != 0)
        return cannotKeep(systemReason());
    removeLeftTemporaries(folder_);
    removeLeftTemporaries(folder_ / "windows");

    Merge merge;
    std::optional<std::vector<KeptInn>> session = readSetAside(sessionFile(), merge);
    merge.sessionWritable = session.has_value();
    merge.sessions.push_back(std::move(session).value_or(std::vector<KeptInn>()));
    std::vector<FileDescriptor> heldLocks;  // of the ended windows, until their files are gone
    const std::vector<EndedWindow> windows = endedWindows(folder_ / "windows", windowId_, heldLocks);
    for (const EndedWindow& window : windows)
        if (std::optional<std::vector<KeptInn>> inns = readSetAside(window.file, merge)) {
            merge.sessions.push_back(std::move(*inns));
            merge.ended.push_back(window);
        }
    // Lines that are no inn are kept in a file of their own, not dropped.
    if (merge.unread > 0) {
        UnreadCopies::Kept told = unreadCopies().keep(merge.unread, "the last session", merge.unreadLines);
        merge.sessionWritable = merge.sessionWritable && told.kept;
        merge.news.push_back(std::move(told.news));
    }
    MergedSessions merged = mergeSessions(merge.sessions);
    opening.inns = std::move(merged.inns);
    for (const std::string& name : merged.changedTwice)
        merge.news.push_back("Another Brewick window changed " + name + " too: both are kept");
    const std::vector<DeletedInn> deleted = mergeDeletions(std::move(merge.deleted));
    dropDeleted(opening.inns, deleted);
    opening.pins = mergePins(merge.pins);
    dropBeyondBounds(opening.inns, keptPinsSize(opening.pins));
    if (merge.sessionWritable && (!merge.ended.empty() || merge.unread > 0)) {
        if (const auto problem = writeFileSafely(
                sessionFile(), SessionBytes(opening.inns, deleted, kSessionFormat, opening.pins).pieces(),
                FileSync::Now, Replacement::ByRenameOnly)) {
            merge.news.push_back("The session cannot be kept: " + *problem);
        } else {
            for (const EndedWindow& window : merge.ended) {
                ::unlink(window.file.c_str());
                ::unlink(window.lock.c_str());
            }
        }
    }
    opening.news = std::move(merge.news);
    return opening;
}

std::optional<std::vector<KeptInn>> SessionStore::readSetAside(const fs::path& path, Merge& merge)
{
    if (!isThere(path))
        return std::vector<KeptInn>();
    SessionRead read = readSessionFile(path);
    if (!read.error) {
        std::move(read.deleted.begin(), read.deleted.end(), std::back_inserter(merge.deleted));
        std::move(read.pins.begin(), read.pins.end(), std::back_inserter(merge.pins));
        merge.unread += read.unread;
        merge.unreadLines += read.unreadLines;
        return std::move(read.inns);
    }
    std::string why;
    if (const auto copy = unreadCopies().setAside(path, why)) {
        merge.news.push_back("The session in " + path.string() + " could not be read (" + *read.error +
                             "); it is kept as " + copy->string());
        return std::vector<KeptInn>();
    }
    merge.news.push_back("The session in " + path.string() + " could not be read (" + *read.error +
                         ") and cannot be set aside (" + why + "); it is left as it is");
    return std::nullopt;
}

std::optional<std::string> SessionStore::write(std::span<const KeptInn> inns, std::span<const DeletedInn> deleted,
                                               std::span<const KeptPin> pins)
{
    if (cannotKeep_)
        return cannotKeep_;
    if (const auto problem = createUserFolders(folder_ / "windows"))
        return "The session cannot be kept: " + *problem;
    if (auto problem =
            writeFileSafely(windowFile(windowId_, ".jsonl"), SessionBytes(inns, deleted, kSessionFormat, pins).pieces(),
                            FileSync::Now, Replacement::ByRenameOnly))
        return "The session cannot be kept: " + *problem;
    return std::nullopt;
}

}  // namespace brewick
