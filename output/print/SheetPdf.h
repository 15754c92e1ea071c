// The printed sheet as a PDF file, for those without a printer at hand or who
// hand the sheet on by mail or chat: the pages File > Print makes, drawn by
// Qt's PDF writer on the paper the system locale's country uses.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QLocale>
#include <QPageSize>

#include "core/TextLines.h"

namespace brewick {

// Letter in the United States, Canada and the other countries that use it;
// A4 everywhere else.
QPageSize paperFor(QLocale::Territory territory);

// The inn sheet text printed as by File > Print, with `footerDate` in the
// footer, as the bytes of a PDF file titled `title`; nothing when the PDF
// writer fails.
std::optional<std::string> sheetPdf(const TextLines& sheetText, std::string_view title, const QPageSize& paper,
                                    std::string_view footerDate);

}  // namespace brewick
