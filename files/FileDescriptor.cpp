#include "files/FileDescriptor.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace brewick {

FileDescriptor::~FileDescriptor()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool FileDescriptor::close() { return ::close(std::exchange(fd_, -1)) == 0; }

bool isThere(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

int lockFile(int fd, int how)
{
    int result;
    do
        result = ::flock(fd, how);
    while (result != 0 && errno == EINTR);
    return result;
}

std::optional<std::string> irregularFileReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return std::strerror(EISDIR);
    if (!S_ISREG(mode))
        return "not a regular file";
    return std::nullopt;
}

namespace {
std::string tooLarge(std::uintmax_t limit) { return "the file is larger than " + std::to_string(limit >> 20) + " MiB"; }
}  // namespace

std::optional<ReadFailure> readFileInPieces(const std::filesystem::path& path, std::uintmax_t limit,
                                            const std::function<bool(std::string_view)>& take)
{
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file)
        return ReadFailure{errno, std::strerror(errno)};
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        return ReadFailure{errno, std::strerror(errno)};
    if (auto reason = irregularFileReason(status.st_mode))
        return ReadFailure{0, *reason};
    if (static_cast<std::uintmax_t>(status.st_size) > limit)
        return ReadFailure{0, tooLarge(limit)};
    std::array<char, 64 * 1024> buffer;
    std::uintmax_t total = 0;
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return ReadFailure{errno, std::strerror(errno)};
        if (count == 0)
            return std::nullopt;
        total += static_cast<std::uintmax_t>(count);
        // The file may have grown since it was measured.
        if (total > limit)
            return ReadFailure{0, tooLarge(limit)};
        if (!take(std::string_view(buffer.data(), static_cast<std::size_t>(count))))
            return std::nullopt;
    }
}

std::optional<ReadFailure> readWholeFile(const std::filesystem::path& path, std::uintmax_t limit, std::string& bytes)
{
    // Room for all of it at once: a string that grows as it goes needs up to
    // three times the bytes for a moment.
    std::error_code unknown;
    if (const std::uintmax_t size = std::filesystem::file_size(path, unknown); !unknown && size <= limit)
        bytes.reserve(size);
    return readFileInPieces(path, limit, [&bytes](std::string_view piece) {
        bytes += piece;
        return true;
    });
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = EIO;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace brewick
