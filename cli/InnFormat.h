// One inn of a batch as bytes: a format turns each generated inn sheet into
// its page, and the pages of a run put back to back make the whole output.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "cli/BatchOptions.h"
#include "core/InnSheet.h"

namespace brewick {

// Which inn of which run a page is for.
struct InnPlace {
    std::uint64_t number;  // from 1
    std::uint32_t seed;    // the run's initial state
};

class InnFormat {
public:
    virtual ~InnFormat() = default;

    // Appends the page of one inn to `out`.
    virtual void append(const InnSheet& sheet, InnPlace place, std::string& out) = 0;
    // The file name extension of one page, without the dot.
    virtual std::string_view extension() const = 0;
};

std::unique_ptr<InnFormat> makeInnFormat(BatchFormat format);

}  // namespace brewick
