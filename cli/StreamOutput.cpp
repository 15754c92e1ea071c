#include "cli/StreamOutput.h"

#include <cerrno>
#include <cstring>

namespace brewick {

namespace {
constexpr std::size_t kChunkSize = 64 * 1024;
}

StreamOutput::StreamOutput(std::FILE* stream) : stream_(stream)
{
    std::setvbuf(stream_, nullptr, _IONBF, 0);
}

OutputFailure StreamOutput::Take(std::uint64_t, std::string& pages)
{
    return pages.size() < kChunkSize ? std::nullopt : Write(pages);
}

OutputFailure StreamOutput::Finish(std::string& pages)
{
    if (auto failure = Write(pages))
        return failure;
    if (std::fflush(stream_) != 0)
        return std::string("standard output: ") + std::strerror(errno);
    return std::nullopt;
}

OutputFailure StreamOutput::Write(std::string& pages)
{
    const std::size_t size = pages.size();
    const bool whole = std::fwrite(pages.data(), 1, size, stream_) == size;
    const int error = errno;
    pages.clear();
    if (whole)
        return std::nullopt;
    // The reader of a pipe went away (head, a pager closed): nothing to report.
    if (error == EPIPE)
        return std::string();
    return std::string("standard output: ") + std::strerror(error);
}

}  // namespace brewick
