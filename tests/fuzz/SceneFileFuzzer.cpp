// Feeds random bytes to the scene file reader: it must never crash, hang or
// leak, and must read the same scenes, and refuse the same bytes, however
// the bytes arrive.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/ListFile.h"

namespace {

// The entries read, and why the reading stopped early, if it did.
struct Read {
    std::vector<std::string> entries;
    std::optional<std::string> error;

    bool operator==(const Read&) const = default;
};

Read parseInPieces(std::string_view bytes, std::size_t piece)
{
    brewick::WordList scenes;
    brewick::ListFileParser parser(scenes);
    for (std::size_t at = 0; at < bytes.size(); at += piece)
        parser.feed(bytes.substr(at, piece));
    parser.finish();
    return {{scenes.begin(), scenes.end()}, parser.error()};
}

// The reader on a real file descriptor holding the bytes.
Read readAsFile(std::string_view bytes)
{
    const int fd = memfd_create("BarScenes.txt", 0);
    if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        std::abort();
    const brewick::WordListFile read = brewick::readListFile("/proc/self/fd/" + std::to_string(fd));
    close(fd);
    return {{read.entries.begin(), read.entries.end()}, read.error};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Read whole = parseInPieces(bytes, bytes.size() + 1);
    const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 7;
    if (parseInPieces(bytes, piece) != whole || readAsFile(bytes) != whole)
        std::abort();
    return 0;
}
