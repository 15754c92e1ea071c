#include "cli/StreamOutput.h"

#include <cerrno>
#include <cstring>

namespace brewick {

namespace {
constexpr std::size_t kChunkSize = 64 * 1024;

OutputFailure failureOf(int error)
{
    // The reader of a pipe went away (head, a pager closed): nothing to report.
    if (error == EPIPE)
        return std::string();
    return std::string("standard output: ") + std::strerror(error);
}
}  // namespace

StreamOutput::StreamOutput(std::FILE* stream) : stream_(stream) { std::setvbuf(stream_, nullptr, _IONBF, 0); }

OutputFailure StreamOutput::take(std::uint64_t, std::string& pages)
{
    return pages.size() < kChunkSize ? std::nullopt : write(pages);
}

OutputFailure StreamOutput::finish(std::string& pages)
{
    if (auto failure = write(pages))
        return failure;
    if (std::fflush(stream_) != 0)
        return failureOf(errno);
    return std::nullopt;
}

OutputFailure StreamOutput::write(std::string& pages)
{
    const std::size_t size = pages.size();
    const bool whole = std::fwrite(pages.data(), 1, size, stream_) == size;
    const int error = errno;
    pages.clear();
    return whole ? std::nullopt : failureOf(error);
}

}  // namespace brewick
