// The file writer against a real file system that can fail.
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <functional>

#include "files/SafeFileWriter.h"
#include "support/Files.h"
#include "support/TempDir.h"

namespace brewick {
namespace {

namespace fs = std::filesystem;

using test::contents;
using test::entries;

constexpr int kSkipped = 77;

// Runs `write` in a child process, which first sets itself up with `prepare`
// and reports through its exit status whether the writer said what was
// expected; kSkipped when `prepare` could not be done.
int inChild(const std::function<bool()>& prepare, const std::function<bool()>& write)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(!prepare() ? kSkipped : write() ? 0 : 1);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Root may write anywhere: the child becomes nobody, so that the folder's and
// the file's permissions count as they do for a user.
bool asUnprivilegedUser()
{
    constexpr uid_t kNobody = 65534;
    if (geteuid() != 0)
        return true;
    return setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0;
}

class SafeFileWriter : public testing::Test {
protected:
    test::TempDir dir;
    fs::path file = dir.path() / "Brewick.txt";
    const std::string oldContent = "an earlier inn\r\n";

    void writeOld() { std::ofstream(file, std::ios::binary) << oldContent; }

    // inn.txt in a folder of its own that any user may enter, holding the
    // old inn when `existingFile` gives its permissions.
    fs::path innFileIn(const test::TempDir& place, bool folderWritable, std::optional<fs::perms> existingFile) const
    {
        const fs::path folder = place.path() / "folder";
        const fs::path target = folder / "inn.txt";
        fs::create_directory(folder);
        if (existingFile) {
            std::ofstream(target, std::ios::binary) << oldContent;
            fs::permissions(target, *existingFile);
        }
        fs::permissions(place.path(), fs::perms(0755));
        fs::permissions(folder, fs::perms(folderWritable ? 0777 : 0555));
        return target;
    }
};

TEST_F(SafeFileWriter, WritesTheBytesAndReplacesAnExistingFileWhole)
{
    writeOld();
    EXPECT_EQ(writeFileSafely(file, "new\r\n"), std::nullopt);
    EXPECT_EQ(contents(file), "new\r\n");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"Brewick.txt"});
    // A link stays a link to the file it led to, which gets the bytes.
    fs::create_symlink(file, dir.path() / "link");
    EXPECT_EQ(writeFileSafely(dir.path() / "link", "newer\r\n"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link"));
    EXPECT_EQ(contents(file), "newer\r\n");
}

// What is no regular file stays what it is: a FIFO is never replaced by a
// file, nor is the device node or the loop a link leads to.
TEST_F(SafeFileWriter, PlacesThatCannotHoldTheFileAreReportedWithTheReasonAndChangeNothing)
{
    const fs::path fifo = dir.path() / "fifo";
    fs::create_directory(dir.path() / "folder");
    mkfifo(fifo.c_str(), 0666);
    fs::create_symlink(fifo, dir.path() / "link to fifo");
    fs::create_symlink("loop", dir.path() / "loop");
    std::vector<std::pair<fs::path, std::string>> rows = {
        {dir.path() / "missing" / "Brewick.txt", "No such file or directory"},
        {dir.path() / "folder", "Is a directory"},
        {dir.path() / std::string(300, 'x'), "File name too long"},
        {fifo, "not a regular file"},
        {dir.path() / "link to fifo", "not a regular file"},
        {dir.path() / "loop", "Too many levels of symbolic links"},
    };
    // Only root may make a device node.
    if (mknod((dir.path() / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        rows.emplace_back(dir.path() / "null", "not a regular file");
    const std::vector<std::string> before = entries(dir.path());
    std::error_code noType;
    const auto typeOf = [&](const fs::path& path) { return fs::symlink_status(path, noType).type(); };
    for (const auto& [path, reason] : rows) {
        const fs::file_type type = typeOf(path);
        EXPECT_EQ(writeFileSafely(path, "x"), "Cannot create file " + path.string() + ": " + reason);
        EXPECT_EQ(typeOf(path), type) << path;
        EXPECT_EQ(entries(dir.path()), before) << path;
        EXPECT_TRUE(fs::is_empty(dir.path() / "folder"));
    }
}

// Permissions as a user meets them. A folder the user may not write has no
// room for the new file beside the old one: a file the user may write is then
// written in place, unless it must be replaced by rename only, and anything
// else is refused with the system's reason.
TEST_F(SafeFileWriter, PermissionsOfFolderAndFileAsAUserMeetsThem)
{
    struct Row {
        const char* name;
        bool folderWritable;
        std::optional<fs::perms> existingFile;  // none: no file yet
        bool written;
        Replacement replacement = Replacement::InPlaceWhenNeeded;
        bool othersFileInStickyFolder = false;  // the user may write it, not rename it away
        const char* reason = "Permission denied";
    };
    const Row rows[] = {
        {"writable file in a writable folder, its permissions kept", true, fs::perms(0666), true},
        {"another user's writable file in a folder all may write, but only owners rename in", true, fs::perms(0666),
         false, Replacement::InPlaceWhenNeeded, true, "Operation not permitted"},
        {"writable file in a read-only folder", false, fs::perms(0666), true},
        {"writable file in a read-only folder, by rename only", false, fs::perms(0666), false,
         Replacement::ByRenameOnly},
        {"new file in a read-only folder", false, std::nullopt, false},
        {"read-only file in a writable folder", true, fs::perms(0444), false},
        {"read-only file in a read-only folder", false, fs::perms(0444), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // Only root can make the file another user's.
        if (row.othersFileInStickyFolder && geteuid() != 0)
            continue;
        const test::TempDir place;
        const fs::path target = innFileIn(place, row.folderWritable, row.existingFile);
        if (row.othersFileInStickyFolder)
            fs::permissions(target.parent_path(), fs::perms::sticky_bit, fs::perm_options::add);

        const std::string refusal = "Cannot create file " + target.string() + ": " + row.reason;
        const int status = inChild(asUnprivilegedUser, [&] {
            return writeFileSafely(target, "new\r\n", FileSync::Now, row.replacement) ==
                   (row.written ? std::nullopt : std::optional(refusal));
        });
        if (status == kSkipped)
            GTEST_SKIP() << "cannot become an unprivileged user (nobody) to test permissions";
        EXPECT_EQ(status, 0) << (row.written ? "not written" : "no \"" + refusal + "\"");
        const std::string expected = row.written ? "new\r\n" : row.existingFile ? oldContent : "";
        EXPECT_EQ(contents(target), expected);
        EXPECT_EQ(entries(target.parent_path()).size(), row.existingFile || row.written ? 1u : 0u)
            << "nothing left beside it";
        if (row.existingFile) {
            EXPECT_EQ(fs::status(target).permissions(), *row.existingFile);
        }
    }
}

// What writers that ended before they were done left is removed; what the
// writers that still run write stays, another user's too, and so does a file
// only named like theirs.
TEST_F(SafeFileWriter, RemovesWhatWritersThatEndedLeftAndNothingElse)
{
    const std::pair<const char*, bool> rows[] = {
        {".brewick-999999999-0", true},  // no process has that number
        {".brewick-1-0", false},         // the first process, which is no user's own
        {".brewick-999999999", false},   // no writer names its file so
    };
    fs::permissions(dir.path(), fs::perms(0777));
    for (const auto& [name, removed] : rows)
        std::ofstream(dir.path() / name) << "x";
    const int status = inChild(asUnprivilegedUser, [this] {
        removeLeftTemporaries(dir.path());
        return true;
    });
    if (status == kSkipped)
        GTEST_SKIP() << "cannot become an unprivileged user (nobody) to test another user's writer";
    for (const auto& [name, removed] : rows)
        EXPECT_EQ(fs::exists(dir.path() / name), !removed) << name;
}

// Disk full, for real: the child may write only so much to any file. The
// new file is written beside the old one or, in a folder the user may not
// write, over it; either way the old file keeps its bytes.
TEST_F(SafeFileWriter, AFailedWriteKeepsTheOldFileByteForByte)
{
    const auto diskFull = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit = {50, 50};
        return asUnprivilegedUser() && setrlimit(RLIMIT_FSIZE, &limit) == 0;
    };
    for (const bool folderWritable : {true, false}) {
        for (const std::size_t size : {std::size_t{100}, std::size_t{7000}, std::size_t{100000}}) {
            SCOPED_TRACE((folderWritable ? "beside, " : "in place, ") + std::to_string(size));
            const test::TempDir place;
            const fs::path target = innFileIn(place, folderWritable, fs::perms(0666));
            const int status = inChild(diskFull, [&] {
                return writeFileSafely(target, std::string(size, 'x')) == "Stream write error: File too large";
            });
            if (status == kSkipped)
                GTEST_SKIP() << "cannot become an unprivileged user (nobody) to test permissions";
            EXPECT_EQ(status, 0) << "no \"Stream write error: File too large\"";
            EXPECT_EQ(contents(target), oldContent);
            EXPECT_EQ(entries(target.parent_path()), std::vector<std::string>{"inn.txt"});
        }
    }
}

}  // namespace
}  // namespace brewick
