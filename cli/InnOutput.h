// Where the pages of a batch go: standard output, or one file per inn. The
// run appends each page to one buffer and hands it over; the output writes
// what it takes and empties the buffer, so memory stays that of a few pages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brewick {

// A message for standard error. An empty message ends the run early without
// one, as done: the reader of the output went away, wanting no more.
using OutputFailure = std::optional<std::string>;

class InnOutput {
public:
    virtual ~InnOutput() = default;

    // `pages` ends with the complete page of inn `number`.
    virtual OutputFailure take(std::uint64_t number, std::string& pages) = 0;
    // After the last inn: writes whatever is still held.
    virtual OutputFailure finish(std::string& pages) = 0;
};

}  // namespace brewick
