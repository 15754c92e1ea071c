#include "output/formats/TextFormat.h"

#include "output/formats/InnSheetText.h"

namespace brewick {

void TextFormat::append(const InnSheet& sheet, InnPlace, std::string& out) { appendInnSheetText(sheet, "\r\n", out); }

}  // namespace brewick
