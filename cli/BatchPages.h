// How a batch's inns become the pages its output takes: page after page in
// one of the inn formats, or, for a PDF, whole documents from the PDF writer.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "cli/BatchOptions.h"
#include "cli/HandoutPdfWriter.h"
#include "cli/InnOutput.h"
#include "output/formats/InnFormat.h"

namespace brewick {

class BatchPages {
public:
    virtual ~BatchPages() = default;

    // The file name extension of one inn's file, without the dot.
    virtual std::string_view extension() const = 0;
    // Appends what the inn adds to the output.
    virtual OutputFailure add(const InnSheet& sheet, InnPlace place, std::string& pages) = 0;
    // After the last inn: appends what is still held.
    virtual OutputFailure finish(std::string& pages) = 0;
};

// The pages of `options`' format, and of the players' cards when asked for.
// The PDF writer's module is loaded here; gives nothing, and the message,
// when it cannot be.
std::unique_ptr<BatchPages> makeBatchPages(const BatchOptions& options, OutputFailure& failure);

}  // namespace brewick
