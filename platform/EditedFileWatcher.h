// Following a file that another program edits: whatever way its editor saves
// (writing in place, or writing a new file and renaming it over the old one),
// each burst of changes is told once, a moment after it has settled.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace brewick {

class EditedFileWatcher : public QObject {
    Q_OBJECT

public:
    explicit EditedFileWatcher(QObject* parent = nullptr);

    // Follows the file at `path` from now on, one file for the watcher's
    // life. Its folder must exist; the file may come later. Calling it again
    // makes sure both are still watched.
    void watch(const QString& path);

signals:
    // The file or its folder changed; the file may be new, changed or gone.
    void changed();

private:
    // A file renamed over the old one, or created anew, is a new file to the
    // system, and the old watch may still hold the old one.
    void watchWhatExists();
    void settle();

    QFileSystemWatcher watcher_;
    QTimer settling_;
    QString file_;
    QString folder_;
};

}  // namespace brewick
