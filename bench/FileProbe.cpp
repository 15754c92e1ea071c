// Reads one file of the user's as Brewick reads it and says how long that
// took, how much memory the process needed at most and what it read: for the
// table of limits, each kind of file at its limit (file-limits.sh).
// Usage: file_probe inn|session|scenes FILE   or   file_probe words|unread FOLDER
// (unread: one more line not read of FOLDER/session.jsonl, kept with those
// its file of lines not read holds)
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "files/InnFile.h"
#include "files/ListFile.h"
#include "files/WordFolder.h"
#include "generators/WordLists.h"
#include "keeping/SessionFile.h"
#include "keeping/UnreadCopies.h"

namespace {

// What was read, in a few words.
std::string readFile(const std::string& kind, const char* path)
{
    using namespace brewick;
    if (kind == "inn") {
        const InnFileRead read = readInnFile(path);
        return std::to_string(read.inns.size()) + " inns" + (read.error ? "; " + *read.error : "");
    }
    if (kind == "session") {
        const SessionRead read = readSessionFile(path);
        return std::to_string(read.inns.size()) + " inns" + (read.error ? "; " + *read.error : "");
    }
    if (kind == "unread")
        return UnreadCopies(std::filesystem::path(path) / "session.jsonl").keep(1, "the probe", "{\"inn\":\n").news;
    if (kind == "scenes") {
        const WordListFile read = readListFile(path);
        return std::to_string(read.entries.count()) + " scenes" + (read.error ? "; " + *read.error : "");
    }
    const UserWords read = readWordFolder(path, wordListNames());
    return std::to_string(read.lists.size()) + " lists, " + std::to_string(read.problems.size()) + " problems";
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> kinds = {"inn", "session", "scenes", "words", "unread"};
    if (argc != 3 || std::find(kinds.begin(), kinds.end(), argv[1]) == kinds.end()) {
        std::fprintf(stderr, "usage: file_probe inn|session|scenes FILE, or file_probe words|unread FOLDER\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::string read = readFile(argv[1], argv[2]);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%lld ms, %ld MB at most: %s\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()),
                usage.ru_maxrss / 1024, read.c_str());
    return 0;
}
