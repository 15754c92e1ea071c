#include "ui/InnExport.h"

#include <algorithm>

#include <QFileInfo>
#include <QMimeData>

#include "core/TableText.h"
#include "output/formats/InnSheetText.h"
#include "output/formats/JsonFormat.h"
#include "output/formats/MarkdownFormat.h"
#include "output/print/FooterDate.h"
#include "output/print/QtText.h"
#include "output/print/SheetPdf.h"

namespace brewick {

namespace {
struct ExportType {
    ExportFormat format;
    const char* filter;
    const char* suffix;      // the extension that names the format
    const char* nameSuffix;  // what a name typed without one gets
};
// An inn's JSON gets the double extension that the desktop knows as an inn
// file, so that it opens in Brewick.
constexpr ExportType kExportTypes[] = {
    {ExportFormat::Markdown, "Markdown (*.md)", "md", "md"},
    {ExportFormat::Json, "JSON (*.json)", "json", "inn.json"},
    {ExportFormat::Pdf, "PDF (*.pdf)", "pdf", "pdf"},
};
}  // namespace

QList<SaveFileType> exportFileTypes()
{
    QList<SaveFileType> types;
    for (const ExportType& type : kExportTypes)
        types.append({QString::fromLatin1(type.filter), QString::fromLatin1(type.nameSuffix)});
    return types;
}

ExportFormat exportFormatFor(const QString& path, qsizetype chosenFileType)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const ExportType& type : kExportTypes)
        if (suffix == QLatin1StringView(type.suffix))
            return type.format;
    return kExportTypes[std::clamp<qsizetype>(chosenFileType, 0, std::size(kExportTypes) - 1)].format;
}

std::optional<std::string> exportedInn(ExportFormat format, const InnSheet& sheet, InnPlace place)
{
    std::string bytes;
    switch (format) {
    case ExportFormat::Markdown:
        MarkdownFormat().append(sheet, place, bytes);
        break;
    case ExportFormat::Json:
        JsonFormat().append(sheet, place, bytes);
        break;
    case ExportFormat::Pdf: {
        TextLines lines;
        buildInnSheetText(sheet, lines);
        return sheetPdf(lines, sheet.innName, paperFor(QLocale::system().territory()), localFooterDate());
    }
    }
    return bytes;
}

namespace {
struct HandoutType {
    Printout printout;
    const char* filter;
};
// What to print is a file type, so that choosing it stays one step in the dialog.
constexpr HandoutType kHandoutTypes[] = {
    {Printout::Sheet, "Printed sheet (*.pdf)"},
    {Printout::PlayersCard, "Players' card (*.pdf)"},
    {Printout::SheetAndPlayersCard, "Sheet and players' card (*.pdf)"},
};
}  // namespace

QList<SaveFileType> handoutFileTypes()
{
    QList<SaveFileType> types;
    for (const HandoutType& type : kHandoutTypes)
        types.append({QString::fromUtf8(type.filter), QStringLiteral("pdf")});
    return types;
}

std::optional<std::string> exportedHandout(std::span<const InnSheet> inns, qsizetype chosenFileType)
{
    const HandoutType& type = kHandoutTypes[std::clamp<qsizetype>(chosenFileType, 0, std::size(kHandoutTypes) - 1)];
    return handoutPdf(inns, type.printout, paperFor(QLocale::system().territory()), localFooterDate());
}

QString exportFileName(std::string_view innName)
{
    // A name is one file in the folder chosen, and short enough for any file system.
    constexpr qsizetype kLongest = 120;
    QString name;
    for (const QChar c : toQString(innName).simplified())
        name += c == QLatin1Char('/') ? QLatin1Char('-') : c;
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    name = name.left(kLongest).trimmed();
    return name.isEmpty() ? QStringLiteral("Brewick") : name;
}

namespace {
QMimeData* clipboardData(const std::string& text, const std::string& markdown)
{
    auto* data = new QMimeData;
    data->setText(toQString(text));
    data->setData(QStringLiteral("text/markdown"), QByteArray::fromStdString(markdown));
    return data;
}
}  // namespace

QMimeData* clipboardInn(const InnSheet& sheet, InnPlace place)
{
    std::string text;
    appendInnSheetText(sheet, "\n", text);
    std::string markdown;
    MarkdownFormat().append(sheet, place, markdown);
    return clipboardData(text, markdown);
}

QMimeData* clipboardTable(const InnSheet& sheet)
{
    const TextLines& lines = sheet.shownTableLines;
    auto last = lines.end();
    while (last != lines.begin() && last[-1] == kTableBlockEnd)
        --last;
    std::string text;
    for (auto line = lines.begin(); line != last; ++line)
        (text += *line) += '\n';
    std::string markdown;
    const auto chosen = static_cast<std::size_t>(sheet.chosenTable);
    appendMarkdownTable(lines.begin(), last,
                        chosen < sheet.tableBlocks.size() ? sheet.tableBlocks[chosen] : TableBlock(), markdown);
    return clipboardData(text, markdown);
}

}  // namespace brewick
