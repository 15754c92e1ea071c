// The inn for other programs: on the clipboard (Edit > Copy Inn) and in the
// formats of File > Export. The bytes come from the same formatters as
// brewick-batch's, so both give the same inn alike.
#pragma once

#include <string>

#include <QList>
#include <QString>

#include "core/InnSheet.h"
#include "output/InnFormat.h"
#include "ui/InnSaveDialog.h"

class QMimeData;

namespace brewick {

enum class ExportFormat { Markdown, Json };

// The export dialog's file types, in the order of ExportFormat.
QList<SaveFileType> exportFileTypes();

// The format that the name's extension names; else that of the file type
// chosen in the dialog.
ExportFormat exportFormatFor(const QString& path, qsizetype chosenFileType);

// The inn in the format, as a file holds it.
std::string exportedInn(ExportFormat format, const InnSheet& sheet, InnPlace place);

// The inn for the clipboard: as File > Save writes it, with LF line ends, and
// as Markdown under text/markdown.
QMimeData* clipboardInn(const InnSheet& sheet, InnPlace place);

}  // namespace brewick
