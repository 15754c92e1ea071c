#include "output/SafeFileWriter.h"

#include <QSaveFile>

namespace brewick {

std::optional<std::string> writeFileSafely(const QString& path, std::string_view bytes)
{
    // QSaveFile writes beside the target and renames over it on commit, and
    // refuses folders and read-only files; it never falls back to writing
    // the target in place.
    // The temporary file may be an unnamed one that only gets its name on
    // commit, so a name the folder cannot take shows up as a failed rename.
    const std::string cannotCreate = "Cannot create file " + path.toStdString();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotCreate;
    const auto size = static_cast<qint64>(bytes.size());
    // Without a commit the temporary file is removed and the target untouched.
    // A short file sits in the write buffer until flushed, and a commit that
    // fails to flush it does not say so.
    if (file.write(bytes.data(), size) != size || !file.flush())
        return "Stream write error";
    if (!file.commit())
        return file.error() == QFileDevice::RenameError ? cannotCreate : "Stream write error";
    return std::nullopt;
}

}  // namespace brewick
