#include "cli/TextFormat.h"

#include "output/InnSheetText.h"

namespace brewick {

void TextFormat::Append(const InnSheet& sheet, InnPlace, std::string& out)
{
    InnSheetText(sheet, lines_);
    AppendCrLfText(lines_, out);
}

}  // namespace brewick
