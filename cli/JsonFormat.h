// An inn as one line of JSON Lines: the sections of the inn sheet as members
// of one object, with the inn's number and the run's seed.
#pragma once

#include "cli/InnFormat.h"

namespace brewick {

class JsonFormat final : public InnFormat {
public:
    void append(const InnSheet& sheet, InnPlace place, std::string& out) override;
    std::string_view extension() const override { return "json"; }
};

}  // namespace brewick
