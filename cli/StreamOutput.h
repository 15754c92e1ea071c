// Pages to a stream such as standard output, gathered into large writes.
#pragma once

#include <cstdio>

#include "cli/InnOutput.h"

namespace brewick {

class StreamOutput final : public InnOutput {
public:
    // The stream is made unbuffered: the pages are written in chunks already.
    explicit StreamOutput(std::FILE* stream);

    OutputFailure Take(std::uint64_t number, std::string& pages) override;
    OutputFailure Finish(std::string& pages) override;

private:
    OutputFailure Write(std::string& pages);

    std::FILE* stream_;
};

}  // namespace brewick
