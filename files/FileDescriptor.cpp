#include "files/FileDescriptor.h"

#include <sys/stat.h>
#include <unistd.h>

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

std::optional<std::string> irregularFileReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return std::strerror(EISDIR);
    if (!S_ISREG(mode))
        return "not a regular file";
    return std::nullopt;
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
