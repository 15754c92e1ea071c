// The file writer against a real file system that can fail.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <sstream>

#include "output/SafeFileWriter.h"
#include "support/Files.h"
#include "support/TempDir.h"

namespace brewick {
namespace {

namespace fs = std::filesystem;

using test::contents;
using test::entries;

QString Q(const fs::path& path) { return QString::fromStdString(path.string()); }

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
    EXPECT_EQ(writeFileSafely(Q(file), "new\r\n"), std::nullopt);
    EXPECT_EQ(contents(file), "new\r\n");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"Brewick.txt"});
}

TEST_F(SafeFileWriter, PlacesThatCannotHoldTheFileAreReportedAndChangeNothing)
{
    fs::create_directory(dir.path() / "folder");
    const fs::path rows[] = {
        dir.path() / "missing" / "Brewick.txt",
        dir.path() / "folder",
        dir.path() / std::string(300, 'x'),  // longer than a file name may be
    };
    for (const fs::path& path : rows) {
        EXPECT_EQ(writeFileSafely(Q(path), "x"), "Cannot create file " + path.string());
        EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"folder"}) << path;
        EXPECT_TRUE(fs::is_empty(dir.path() / "folder"));
    }
}

// Disk full, for real: the child may write only so much to any file. A
// short inn stays in the write buffer until the end, a long one fails midway.
TEST_F(SafeFileWriter, AFailedWriteKeepsTheOldFileByteForByte)
{
    for (const std::size_t size : {std::size_t{100}, std::size_t{7000}, std::size_t{100000}}) {
        writeOld();
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit = {50, 50};
            setrlimit(RLIMIT_FSIZE, &limit);
            const auto error = writeFileSafely(Q(file), std::string(size, 'x'));
            _exit(error == std::optional<std::string>("Stream write error") ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "no \"Stream write error\" for " << size;
        EXPECT_EQ(contents(file), oldContent) << size;
        EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"Brewick.txt"}) << size;
    }
}

}  // namespace
}  // namespace brewick
