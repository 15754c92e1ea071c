#include "files/SafeFileWriter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace brewick {

namespace {
// The system's reason why no file can be created at `path`, found by asking
// the file system afresh; Qt's own message when the file system sees none,
// as for root, whom permissions do not stop.
std::string creationFailure(const QString& path, const QSaveFile& file)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    struct stat status {};
    int error = 0;
    if (::stat(target.constData(), &status) == 0)
        error = S_ISDIR(status.st_mode) ? EISDIR : ::access(target.constData(), W_OK) == 0 ? 0 : errno;
    else if (errno != ENOENT)
        error = errno;
    if (error == 0 && ::access(folder.constData(), W_OK | X_OK) != 0)
        error = errno;
    const std::string reason = error != 0 ? std::strerror(error) : file.errorString().toStdString();
    return "Cannot create file " + path.toStdString() + ": " + reason;
}

// Qt keeps no reason for a failed write ("Unknown error"), but errno does,
// right after the call that failed.
std::string writeFailure(const QSaveFile& file)
{
    const int error = errno;
    return "Stream write error: " + (error != 0 ? std::string(std::strerror(error)) : file.errorString().toStdString());
}
}  // namespace

std::optional<std::string> writeFileSafely(const QString& path, std::string_view bytes)
{
    // QSaveFile writes beside the target and renames over it on commit, and
    // refuses folders and read-only files. Only when the folder refuses the
    // file beside the target does it write the target itself.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return creationFailure(path, file);
    const auto size = static_cast<qint64>(bytes.size());
    errno = 0;
    // Without a commit the temporary file is removed and the target untouched.
    // A short file sits in the write buffer until flushed, and a commit that
    // fails to flush it does not say so.
    if (file.write(bytes.data(), size) != size || !file.flush())
        return writeFailure(file);
    // The temporary file may be an unnamed one that only gets its name on
    // commit, so a name the folder cannot take shows up as a failed rename.
    if (!file.commit())
        return file.error() == QFileDevice::RenameError ? creationFailure(path, file) : writeFailure(file);
    return std::nullopt;
}

}  // namespace brewick
