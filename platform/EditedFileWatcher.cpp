#include "platform/EditedFileWatcher.h"

#include <QFileInfo>

namespace brewick {

namespace {
// Long enough for an editor's save (new file, write, sync, rename) to be
// over, short enough to feel immediate.
constexpr int kSettleMilliseconds = 250;
}  // namespace

EditedFileWatcher::EditedFileWatcher(QObject* parent) : QObject(parent)
{
    settling_.setSingleShot(true);
    settling_.setInterval(kSettleMilliseconds);
    connect(&settling_, &QTimer::timeout, this, &EditedFileWatcher::settle);
    // Each event starts the wait anew, so a burst ends in one signal.
    const auto restart = [this] { settling_.start(); };
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, restart);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, restart);
}

void EditedFileWatcher::watch(const QString& path)
{
    file_ = path;
    folder_ = QFileInfo(path).absolutePath();
    watchWhatExists();
}

void EditedFileWatcher::watchWhatExists()
{
    if (!watcher_.directories().contains(folder_) && QFileInfo(folder_).isDir())
        watcher_.addPath(folder_);
    if (watcher_.files().contains(file_))
        watcher_.removePath(file_);
    if (QFileInfo::exists(file_))
        watcher_.addPath(file_);
}

void EditedFileWatcher::settle()
{
    watchWhatExists();
    emit changed();
}

}  // namespace brewick
