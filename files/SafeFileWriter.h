// Writing a file so that it appears whole or not at all: on any failure an
// existing file keeps its old content and nothing half-written is left. The
// one exception is a file the user may write in a folder the user may not:
// there is no room beside it for the new file, so it is written in place,
// once the disk has made room for all of it. Only regular files are
// replaced: a FIFO, a device or a link to one stays what it is.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brewick {

enum class FileSync {
    Now,    // on the disk when the call returns, as a saved file should be
    Later,  // the caller syncs the file system once for many files
};

enum class Replacement {
    InPlaceWhenNeeded,  // in place when the folder takes no new file, as a saved file may be
    ByRenameOnly,       // never in place: a file that must not be left half-written
};

// Where the bytes for `path` go: a link is followed to the file it leads to.
struct WriteTarget {
    std::filesystem::path file;
    std::optional<mode_t> mode;  // of the file there; none when there is none
};
// Finds it; gives why the file there may not be replaced ("Is a directory",
// "not a regular file", "Permission denied").
std::optional<std::string> findWriteTarget(const std::filesystem::path& path, WriteTarget& target);

// Replaces the file at `path` by `bytes`; a link keeps leading to the file
// it leads to. Gives the message for the user on failure: "Cannot create
// file <path>" when the file cannot be created, and "Stream write error"
// when writing it falls short, each followed by the reason ("Cannot create
// file /usr/bin/inn.txt: Permission denied").
std::optional<std::string> writeFileSafely(const std::filesystem::path& path, std::string_view bytes,
                                           FileSync sync = FileSync::Now,
                                           Replacement replacement = Replacement::InPlaceWhenNeeded);
// The same with the bytes in pieces, written one after another.
std::optional<std::string> writeFileSafely(const std::filesystem::path& path, std::span<const std::string_view> pieces,
                                           FileSync sync = FileSync::Now,
                                           Replacement replacement = Replacement::InPlaceWhenNeeded);

// Removes the files that writers which ended before they were done left in
// `folder`; those of writers still running stay.
void removeLeftTemporaries(const std::filesystem::path& folder);
// Whether the rest of a name after its prefix, "<process ID>-…", names a
// process that has ended: what it left is no one's any more.
bool writerHasEnded(std::string_view rest);

// Puts on the disk everything written to the file system that holds
// `folder`. Gives the system's message when it cannot.
std::optional<std::string> syncFileSystemOf(const std::filesystem::path& folder);

}  // namespace brewick
