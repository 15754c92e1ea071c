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

using test::Contents;
using test::Entries;

QString Q(const fs::path& path) { return QString::fromStdString(path.string()); }

class SafeFileWriter : public testing::Test {
protected:
    test::TempDir dir;
    fs::path file = dir.Path() / "Brewick.txt";
    const std::string oldContent = "an earlier inn\r\n";

    void WriteOld() { std::ofstream(file, std::ios::binary) << oldContent; }
};

TEST_F(SafeFileWriter, WritesTheBytesAndReplacesAnExistingFileWhole)
{
    WriteOld();
    EXPECT_EQ(WriteFileSafely(Q(file), "new\r\n"), std::nullopt);
    EXPECT_EQ(Contents(file), "new\r\n");
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"Brewick.txt"});
}

TEST_F(SafeFileWriter, PlacesThatCannotHoldTheFileAreReportedAndChangeNothing)
{
    fs::create_directory(dir.Path() / "folder");
    const fs::path rows[] = {
        dir.Path() / "missing" / "Brewick.txt",
        dir.Path() / "folder",
        dir.Path() / std::string(300, 'x'),  // longer than a file name may be
    };
    for (const fs::path& path : rows) {
        EXPECT_EQ(WriteFileSafely(Q(path), "x"), "Cannot create file " + path.string());
        EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"folder"}) << path;
        EXPECT_TRUE(fs::is_empty(dir.Path() / "folder"));
    }
}

// Disk full, for real: the child may write only so much to any file. A
// short inn stays in the write buffer until the end, a long one fails midway.
TEST_F(SafeFileWriter, AFailedWriteKeepsTheOldFileByteForByte)
{
    for (const std::size_t size : {std::size_t{100}, std::size_t{7000}, std::size_t{100000}}) {
        WriteOld();
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit = {50, 50};
            setrlimit(RLIMIT_FSIZE, &limit);
            const auto error = WriteFileSafely(Q(file), std::string(size, 'x'));
            _exit(error == std::optional<std::string>("Stream write error") ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "no \"Stream write error\" for " << size;
        EXPECT_EQ(Contents(file), oldContent) << size;
        EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"Brewick.txt"}) << size;
    }
}

}  // namespace
}  // namespace brewick
