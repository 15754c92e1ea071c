// The file writer against a real file system that can fail.
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/resource.h>
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

QString q(const fs::path& path) { return QString::fromStdString(path.string()); }

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
};

TEST_F(SafeFileWriter, WritesTheBytesAndReplacesAnExistingFileWhole)
{
    writeOld();
    EXPECT_EQ(writeFileSafely(q(file), "new\r\n"), std::nullopt);
    EXPECT_EQ(contents(file), "new\r\n");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"Brewick.txt"});
}

TEST_F(SafeFileWriter, PlacesThatCannotHoldTheFileAreReportedWithTheReasonAndChangeNothing)
{
    fs::create_directory(dir.path() / "folder");
    const std::pair<fs::path, std::string> rows[] = {
        {dir.path() / "missing" / "Brewick.txt", "No such file or directory"},
        {dir.path() / "folder", "Is a directory"},
        {dir.path() / std::string(300, 'x'), "File name too long"},
    };
    for (const auto& [path, reason] : rows) {
        EXPECT_EQ(writeFileSafely(q(path), "x"), "Cannot create file " + path.string() + ": " + reason);
        EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"folder"}) << path;
        EXPECT_TRUE(fs::is_empty(dir.path() / "folder"));
    }
}

// Permissions as a user meets them. A folder the user may not write has no
// room for the new file beside the old one: a file the user may write is then
// written in place, anything else is refused with the system's reason.
TEST_F(SafeFileWriter, PermissionsOfFolderAndFileAsAUserMeetsThem)
{
    struct Row {
        const char* name;
        bool folderWritable;
        std::optional<fs::perms> existingFile;  // none: no file yet
        bool written;
    };
    const Row rows[] = {
        {"writable file in a read-only folder", false, fs::perms(0666), true},
        {"new file in a read-only folder", false, std::nullopt, false},
        {"read-only file in a writable folder", true, fs::perms(0444), false},
        {"read-only file in a read-only folder", false, fs::perms(0444), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::TempDir place;
        const fs::path folder = place.path() / "folder";
        const fs::path target = folder / "inn.txt";
        fs::create_directory(folder);
        if (row.existingFile) {
            std::ofstream(target, std::ios::binary) << oldContent;
            fs::permissions(target, *row.existingFile);
        }
        fs::permissions(place.path(), fs::perms(0755));
        fs::permissions(folder, fs::perms(row.folderWritable ? 0777 : 0555));

        const std::string refusal = "Cannot create file " + target.string() + ": Permission denied";
        const int status = inChild(asUnprivilegedUser, [&] {
            return writeFileSafely(q(target), "new\r\n") == (row.written ? std::nullopt : std::optional(refusal));
        });
        if (status == kSkipped)
            GTEST_SKIP() << "cannot become an unprivileged user (nobody) to test permissions";
        EXPECT_EQ(status, 0) << (row.written ? "not written" : "no \"" + refusal + "\"");
        const std::string expected = row.written ? "new\r\n" : row.existingFile ? oldContent : "";
        EXPECT_EQ(contents(target), expected);
        EXPECT_EQ(entries(folder).size(), row.existingFile || row.written ? 1u : 0u) << "nothing left beside it";
    }
}

// Disk full, for real: the child may write only so much to any file. A
// short inn stays in the write buffer until the end, a long one fails midway.
TEST_F(SafeFileWriter, AFailedWriteKeepsTheOldFileByteForByte)
{
    const auto diskFull = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit = {50, 50};
        return setrlimit(RLIMIT_FSIZE, &limit) == 0;
    };
    for (const std::size_t size : {std::size_t{100}, std::size_t{7000}, std::size_t{100000}}) {
        writeOld();
        const int status = inChild(diskFull, [&] {
            return writeFileSafely(q(file), std::string(size, 'x')) == "Stream write error: File too large";
        });
        EXPECT_EQ(status, 0) << "no \"Stream write error: File too large\" for " << size;
        EXPECT_EQ(contents(file), oldContent) << size;
        EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"Brewick.txt"}) << size;
    }
}

}  // namespace
}  // namespace brewick
