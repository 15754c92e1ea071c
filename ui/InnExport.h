// The inn for other programs and people: on the clipboard (Edit > Copy Inn)
// and in the formats of File > Export. Markdown and JSON come from the same
// formatters as brewick-batch's, the PDF from the printing path of File > Print.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <QList>
#include <QString>

#include "core/InnSheet.h"
#include "output/formats/InnFormat.h"
#include "ui/dialogs/InnSaveDialog.h"

class QMimeData;

namespace brewick {

enum class ExportFormat { Markdown, Json, Pdf };

// The export dialog's file types, in the order of ExportFormat.
QList<SaveFileType> exportFileTypes();

// The format that the name's extension names; else that of the file type
// chosen in the dialog.
ExportFormat exportFormatFor(const QString& path, qsizetype chosenFileType);

// The inn in the format, as a file holds it; nothing when the PDF writer fails.
std::optional<std::string> exportedInn(ExportFormat format, const InnSheet& sheet, InnPlace place);

// File > Export Handout's file types: the inns' printed sheets, and their
// players' cards.
QList<SaveFileType> handoutFileTypes();

// The handout of the inns for the file type chosen, as a PDF file holds it;
// nothing when the PDF writer fails.
std::optional<std::string> exportedHandout(std::span<const InnSheet> inns, qsizetype chosenFileType);

// The name File > Export offers for the inn's file: the inn's name, made a
// file name; "Brewick" when nothing of it is left.
QString exportFileName(std::string_view innName);

// The inn for the clipboard: as File > Save writes it, with LF line ends, and
// as Markdown under text/markdown.
QMimeData* clipboardInn(const InnSheet& sheet, InnPlace place);

// The shown table for the clipboard: its lines, the closing line left out,
// and as Markdown under text/markdown, as the inn's page lists it.
QMimeData* clipboardTable(const InnSheet& sheet);

}  // namespace brewick
