// The system's handle on an open file, closed with its owner, and what the
// readers and writers of the user's files share: they take regular files
// only, and write through every short write.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace brewick {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closes it now: some file systems report a failed write only here.
    // False, with errno set, when the close failed.
    bool close();

private:
    int fd_;
};

// Why a file of this type is no file of the user's to read or replace:
// "Is a directory", "not a regular file"; nothing for a regular file.
std::optional<std::string> irregularFileReason(mode_t mode);

// Why a file of the user's could not be read: the system's error number and
// reason, or 0 and why it was refused.
struct ReadFailure {
    int error;
    std::string reason;
};

// Reads the file at `path` as a file of the user's: opened without waiting
// (a FIFO would wait for a writer, maybe for ever), a regular file only, and
// at most `limit` bytes of it, handed to `take` piece by piece for as long as
// it returns true. The reasons are the system's ("No such file or
// directory", "Is a directory"), "not a regular file", or "the file is
// larger than 64 MiB".
std::optional<ReadFailure> readFileInPieces(const std::filesystem::path& path, std::uintmax_t limit,
                                            const std::function<bool(std::string_view)>& take);

// The whole file at `path` into `bytes`, read as readFileInPieces reads it.
std::optional<ReadFailure> readWholeFile(const std::filesystem::path& path, std::uintmax_t limit, std::string& bytes);

// Whether anything is at `path`, a link that leads nowhere included.
bool isThere(const std::filesystem::path& path);

// flock(2) on `fd`, taken again where a signal interrupted it: 0, or -1
// with errno set.
int lockFile(int fd, int how);

// Writes all of `bytes`, however many calls it takes. False, with errno set,
// when a write fails.
bool writeAll(int fd, std::string_view bytes);

}  // namespace brewick
