// The file writer against a real file system that can fail.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <sstream>

#include "output/SafeFileWriter.h"
#include "support/TempDir.h"

namespace brewick {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> Entries(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

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

// Disk full, for real: the child may write at most a few bytes to any file.
TEST_F(SafeFileWriter, AFailedWriteKeepsTheOldFileByteForByte)
{
    WriteOld();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit = {8, 8};
        setrlimit(RLIMIT_FSIZE, &limit);
        const auto error = WriteFileSafely(Q(file), std::string(100000, 'x'));
        _exit(error == std::optional<std::string>("Stream write error") ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "no \"Stream write error\"";
    EXPECT_EQ(Contents(file), oldContent);
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"Brewick.txt"});
}

}  // namespace
}  // namespace brewick
