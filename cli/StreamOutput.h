// Pages to a stream such as standard output, gathered into large writes.
#pragma once

#include <cstdio>

#include "cli/InnOutput.h"

namespace brewick {

class StreamOutput final : public InnOutput {
public:
    // The stream is made unbuffered: the pages are written in chunks already.
    explicit StreamOutput(std::FILE* stream);

    OutputFailure take(std::uint64_t number, std::string& pages) override;
    OutputFailure finish(std::string& pages) override;

private:
    OutputFailure write(std::string& pages);

    std::FILE* stream_;
};

}  // namespace brewick
