#include "files/SafeFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>

#include "files/FileDescriptor.h"

namespace brewick {

namespace {
namespace fs = std::filesystem;

std::string cannotCreate(const fs::path& path, std::string_view reason)
{
    return "Cannot create file " + path.string() + ": " + std::string(reason);
}

std::string writeFailure(int error) { return std::string("Stream write error: ") + std::strerror(error); }

std::string inPlaceFailure(const fs::path& path, int error)
{
    return writeFailure(error) + "; " + path.string() + " was written in place and may be incomplete";
}

}  // namespace

std::optional<std::string> findWriteTarget(const fs::path& path, WriteTarget& target)
{
    target.file = path;
    struct stat status {};
    // Nothing there, or a link to nothing: the new file takes the name.
    if (::stat(path.c_str(), &status) != 0)
        return errno == ENOENT ? std::nullopt : std::optional<std::string>(std::strerror(errno));
    if (auto reason = irregularFileReason(status.st_mode))
        return reason;
    // A rename needs only the folder's permission; the file's must count too.
    if (::access(path.c_str(), W_OK) != 0)
        return std::strerror(errno);
    std::error_code error;
    target.file = fs::canonical(path, error);
    if (error)
        return error.message();
    target.mode = status.st_mode & 07777;
    return std::nullopt;
}

namespace {
// The new files are named for the process that writes them.
constexpr std::string_view kTemporaryPrefix = ".brewick-";

// A new file beside `target`, under a name that no one else's file has.
int createBeside(const fs::path& target, fs::path& temporary)
{
    static std::atomic<unsigned> made = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary.replace_filename(std::string(kTemporaryPrefix) + std::to_string(::getpid()) + "-" +
                                   std::to_string(made++));
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writePieces(int fd, std::span<const std::string_view> pieces)
{
    for (std::string_view piece : pieces)
        if (!writeAll(fd, piece))
            return false;
    return true;
}

std::optional<std::string> fill(FileDescriptor& file, std::optional<mode_t> mode,
                                std::span<const std::string_view> pieces, FileSync sync)
{
    // The new file stands in for the old one, permissions and all; one
    // that cannot take them still holds the bytes.
    if (mode)
        ::fchmod(file.get(), *mode);
    if (!writePieces(file.get(), pieces) || (sync == FileSync::Now && ::fdatasync(file.get()) != 0) || !file.close())
        return writeFailure(errno);
    return std::nullopt;
}

// The old bytes are overwritten only once the disk has made room for the
// new ones, so that a full disk leaves the old file as it was.
std::optional<std::string> writeInPlace(const fs::path& path, const fs::path& file,
                                        std::span<const std::string_view> pieces, FileSync sync)
{
    FileDescriptor out(::open(file.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (!out || ::fstat(out.get(), &status) != 0)
        return cannotCreate(path, std::strerror(errno));
    if (auto reason = irregularFileReason(status.st_mode))
        return cannotCreate(path, *reason);
    off_t size = 0;
    for (std::string_view piece : pieces)
        size += static_cast<off_t>(piece.size());
    const int claim = size == 0 ? 0 : ::posix_fallocate(out.get(), 0, size);
    // Some file systems cannot make room ahead: whether the bytes fit shows
    // only in the writing.
    if (claim != 0 && claim != EINVAL && claim != EOPNOTSUPP) {
        // A claim that failed may have grown the file; the old bytes are untouched.
        return ::ftruncate(out.get(), status.st_size) == 0 ? writeFailure(claim) : inPlaceFailure(path, errno);
    }
    if (writePieces(out.get(), pieces) && ::ftruncate(out.get(), size) == 0 &&
        (sync == FileSync::Later || ::fdatasync(out.get()) == 0) && out.close())
        return std::nullopt;
    return inPlaceFailure(path, errno);
}
}  // namespace

std::optional<std::string> writeFileSafely(const fs::path& path, std::string_view bytes, FileSync sync,
                                           Replacement replacement)
{
    return writeFileSafely(path, std::span(&bytes, 1), sync, replacement);
}

std::optional<std::string> writeFileSafely(const fs::path& path, std::span<const std::string_view> pieces,
                                           FileSync sync, Replacement replacement)
{
    WriteTarget target;
    if (const auto refusal = findWriteTarget(path, target))
        return cannotCreate(path, *refusal);
    fs::path temporary;
    FileDescriptor file(createBeside(target.file, temporary));
    if (!file) {
        // No room beside the file: the file itself is all there is.
        if (errno == EACCES && target.mode && replacement == Replacement::InPlaceWhenNeeded)
            return writeInPlace(path, target.file, pieces, sync);
        return cannotCreate(path, std::strerror(errno));
    }
    std::optional<std::string> failure = fill(file, target.mode, pieces, sync);
    if (!failure && ::rename(temporary.c_str(), target.file.c_str()) != 0)
        failure = cannotCreate(path, std::strerror(errno));
    if (failure)
        ::unlink(temporary.c_str());
    return failure;
}

void removeLeftTemporaries(const fs::path& folder)
{
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(kTemporaryPrefix))
            continue;
        if (writerHasEnded(std::string_view(name).substr(kTemporaryPrefix.size())))
            ::unlink(entry.path().c_str());
    }
}

bool writerHasEnded(std::string_view rest)
{
    int pid = 0;
    const auto [end, failed] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    return failed == std::errc() && end != rest.data() + rest.size() && *end == '-' && pid > 0 && ::kill(pid, 0) != 0 &&
           errno == ESRCH;
}

std::optional<std::string> syncFileSystemOf(const fs::path& folder)
{
    const FileDescriptor file(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!file || ::syncfs(file.get()) != 0)
        return std::strerror(errno);
    return std::nullopt;
}

}  // namespace brewick
