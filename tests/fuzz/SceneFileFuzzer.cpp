// Feeds random bytes to the scene file reader: it must never crash, hang or
// leak, and must read the same scenes however the bytes arrive.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "files/ListFile.h"

namespace {

std::vector<std::string> entries(const brewick::WordList& list) { return {list.begin(), list.end()}; }

std::vector<std::string> parseInPieces(std::string_view bytes, std::size_t piece)
{
    brewick::WordList scenes;
    brewick::ListFileParser parser(scenes);
    for (std::size_t at = 0; at < bytes.size(); at += piece)
        parser.feed(bytes.substr(at, piece));
    parser.finish();
    return entries(scenes);
}

// The reader on a real file descriptor holding the bytes.
std::vector<std::string> readAsFile(std::string_view bytes)
{
    const int fd = memfd_create("BarScenes.txt", 0);
    if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        std::abort();
    const brewick::WordListFile read = brewick::readListFile("/proc/self/fd/" + std::to_string(fd));
    if (read.error)
        std::abort();
    close(fd);
    return entries(read.entries);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> whole = parseInPieces(bytes, bytes.size() + 1);
    const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 7;
    if (parseInPieces(bytes, piece) != whole || readAsFile(bytes) != whole)
        std::abort();
    return 0;
}
