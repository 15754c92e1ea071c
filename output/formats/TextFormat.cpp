#include "output/formats/TextFormat.h"

#include "output/formats/InnSheetText.h"

namespace brewick {

void TextFormat::append(const InnSheet& sheet, InnPlace, std::string& out)
{
    buildInnSheetText(sheet, lines_);
    appendCrLfText(lines_, out);
}

}  // namespace brewick
