#include "cli/InnFormat.h"

#include "cli/JsonFormat.h"
#include "cli/MarkdownFormat.h"
#include "cli/TextFormat.h"

namespace brewick {

std::unique_ptr<InnFormat> makeInnFormat(BatchFormat format)
{
    switch (format) {
    case BatchFormat::Markdown:
        return std::make_unique<MarkdownFormat>();
    case BatchFormat::Json:
        return std::make_unique<JsonFormat>();
    case BatchFormat::Text:
        break;
    }
    return std::make_unique<TextFormat>();
}

}  // namespace brewick
