#include "keeping/KeptInn.h"

#include "files/InnReader.h"
#include "output/formats/JsonFormat.h"

namespace brewick {

InnPacking innJsonPacking()
{
    return {[](const InnSheet& sheet, const InnPlace& place) {
                std::string json;
                JsonFormat().append(sheet, place, json);
                json.pop_back();  // the line's end
                return json;
            },
            [](std::string_view json) -> std::optional<InnSheet> {
                InnRead read = innFromJson(json);
                if (!read.inn)
                    return std::nullopt;
                return std::move(read.inn->sheet);
            }};
}

}  // namespace brewick
