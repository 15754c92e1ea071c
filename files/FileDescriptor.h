// The system's handle on an open file, closed with its owner, and what the
// readers and writers of the user's files share: they take regular files
// only, and write through every short write.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

namespace brewick {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
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

// Writes all of `bytes`, however many calls it takes. False, with errno set,
// when a write fails.
bool writeAll(int fd, std::string_view bytes);

}  // namespace brewick
