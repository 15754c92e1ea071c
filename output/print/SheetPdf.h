// The printed sheet as a PDF file, for those without a printer at hand or who
// hand the sheet on by mail or chat: the pages File > Print makes, drawn by
// Qt's PDF writer on the paper the system locale's country uses. A handout
// puts several inns, or their players' cards, in one file.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <QLocale>
#include <QPageSize>

#include "core/InnSheet.h"
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

// What a handout prints of each inn: its sheet, its players' card, or the
// sheet for the game master followed by the card for the players.
enum class Printout { Sheet, PlayersCard, SheetAndPlayersCard };

// The handout's title: the inn's name, or the first inn's name and how many
// more there are.
std::string handoutTitle(std::span<const InnSheet> inns);

// The inns printed as by File > Print, each from a new page with its own
// footer, their sheets, their players' cards or both, as the bytes of a PDF file;
// nothing when the PDF writer fails.
std::optional<std::string> handoutPdf(std::span<const InnSheet> inns, Printout printout, const QPageSize& paper,
                                      std::string_view footerDate);

}  // namespace brewick
