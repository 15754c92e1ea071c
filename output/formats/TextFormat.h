// An inn exactly as File > Save writes it: the inn sheet text, every line
// ended by CR LF.
#pragma once

#include "output/formats/InnFormat.h"

namespace brewick {

class TextFormat final : public InnFormat {
public:
    void append(const InnSheet& sheet, InnPlace place, std::string& out) override;
    std::string_view extension() const override { return "txt"; }
};

}  // namespace brewick
