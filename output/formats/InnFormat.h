// An inn as the bytes of one format: each format turns an inn sheet into its
// page, and pages put back to back make the output of a batch. The window's
// Copy and Export use the same formats.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/InnSheet.h"

namespace brewick {

class InnFormat {
public:
    virtual ~InnFormat() = default;

    // Appends the page of one inn to `out`.
    virtual void append(const InnSheet& sheet, InnPlace place, std::string& out) = 0;
    // The file name extension of one page, without the dot.
    virtual std::string_view extension() const = 0;
};

}  // namespace brewick
