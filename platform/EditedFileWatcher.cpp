#include "platform/EditedFileWatcher.h"

#include <sys/inotify.h>
#include <unistd.h>

namespace brewick {

namespace {
// Long enough for an editor's save (new file, write, sync, rename) to be
// over, short enough to feel immediate.
constexpr int kSettleMilliseconds = 250;

constexpr std::uint32_t kChanges =
    IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE | IN_MOVE | IN_DELETE_SELF | IN_MOVE_SELF;
}  // namespace

EditedFileWatcher::EditedFileWatcher(QObject* parent) : QObject(parent)
{
    settling_.setSingleShot(true);
    settling_.setInterval(kSettleMilliseconds);
    connect(&settling_, &QTimer::timeout, this, &EditedFileWatcher::settle);
    connect(&events_, &QSocketNotifier::activated, this, &EditedFileWatcher::takeEvents);
}

EditedFileWatcher::~EditedFileWatcher()
{
    if (inotify_ >= 0) {
        events_.setEnabled(false);
        ::close(inotify_);
    }
}

void EditedFileWatcher::watch(const std::filesystem::path& path)
{
    file_ = path;
    if (inotify_ < 0) {
        inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (inotify_ < 0)
            return;
        events_.setSocket(inotify_);
        events_.setEnabled(true);
    }
    watchWhatExists();
}

void EditedFileWatcher::watchWhatExists()
{
    inotify_add_watch(inotify_, file_.parent_path().c_str(), kChanges | IN_ONLYDIR);
    // A link is followed: an edit of the file it leads to counts.
    const int fileWatch = inotify_add_watch(inotify_, file_.c_str(), kChanges);
    if (fileWatch_ >= 0 && fileWatch != fileWatch_)
        inotify_rm_watch(inotify_, fileWatch_);
    fileWatch_ = fileWatch;
}

// Each event starts the wait anew, so a burst ends in one signal.
void EditedFileWatcher::takeEvents()
{
    alignas(inotify_event) char events[4096];
    while (::read(inotify_, events, sizeof events) > 0) {
    }
    settling_.start();
}

void EditedFileWatcher::settle()
{
    watchWhatExists();
    emit changed();
}

}  // namespace brewick
