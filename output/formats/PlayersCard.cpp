#include "output/formats/PlayersCard.h"

#include "output/formats/InnSheetText.h"
#include "output/formats/JsonFormat.h"
#include "output/formats/MarkdownFormat.h"

namespace brewick {

void PlayersCardFormat::append(const InnSheet& sheet, InnPlace place, std::string& out)
{
    switch (kind_) {
    case Kind::Text:
        buildPlayersCardText(sheet, lines_);
        appendCrLfText(lines_, out);
        break;
    case Kind::Markdown:
        appendMarkdownParticulars(sheet, out);
        appendMarkdownMenu(sheet.menuLines, out);
        break;
    case Kind::Json:
        appendJsonParticulars(sheet, place, menu_, out);
        out += "}\n";
        break;
    }
}

std::string_view PlayersCardFormat::extension() const
{
    switch (kind_) {
    case Kind::Markdown:
        return "md";
    case Kind::Json:
        return "json";
    case Kind::Text:
        break;
    }
    return "txt";
}

}  // namespace brewick
