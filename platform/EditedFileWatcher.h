// Following a file that another program edits: whatever way its editor saves
// (writing in place, or writing a new file and renaming it over the old one),
// each burst of changes is told once, a moment after it has settled. Paths
// are the system's bytes, whatever their encoding.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <filesystem>

namespace brewick {

class EditedFileWatcher : public QObject {
    Q_OBJECT

public:
    explicit EditedFileWatcher(QObject* parent = nullptr);
    ~EditedFileWatcher() override;

    // Follows the file at the absolute `path` from now on, one file for the
    // watcher's life. Its folder must exist; the file may come later.
    // Calling it again makes sure both are still watched. A folder is
    // followed the same way, and a change of a file in it is its change.
    void watch(const std::filesystem::path& path);

signals:
    // The file or its folder changed; the file may be new, changed or gone.
    void changed();

private:
    // A file renamed over the old one, or created anew, is a new file to the
    // system, and the old watch may still hold the old one.
    void watchWhatExists();
    void takeEvents();
    void settle();

    int inotify_ = -1;
    int fileWatch_ = -1;
    QSocketNotifier events_{QSocketNotifier::Read};
    QTimer settling_;
    std::filesystem::path file_;
};

}  // namespace brewick
