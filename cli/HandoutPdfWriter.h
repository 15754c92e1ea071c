// brewick-batch's PDF writer. It needs Qt, which the text formats do without:
// it lives in a module of its own that the batch loads for --format pdf
// only, so that the batch starts as quickly as ever for everything else.
#pragma once

#include <span>
#include <string>

#include "core/InnSheet.h"

namespace brewick {

class HandoutPdfWriter {
public:
    virtual ~HandoutPdfWriter() = default;

    // Appends one PDF of the inns, each from a new page, their sheets or
    // their players' cards printed as by File > Print; false when the PDF
    // writer fails.
    virtual bool write(std::span<const InnSheet> inns, bool playersCard, std::string& pdf) = 0;
};

// What the module gives: a new writer, which owns Qt's application until it
// is deleted.
using OpenHandoutPdfWriter = HandoutPdfWriter* (*)();
inline constexpr char kOpenHandoutPdfWriter[] = "brewickOpenHandoutPdfWriter";

}  // namespace brewick
