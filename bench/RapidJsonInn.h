// The inn's JSON as RapidJSON's Writer makes it, to weigh the hand-written
// writer against a well-kept library's on the same inns. Generated inns
// only: their room cells are plain numbers and their tables as drawn, which
// the benchmark checks by comparing the bytes with JsonFormat's.
#pragma once

#include <rapidjson/stringbuffer.h>

#include "output/formats/InnFormat.h"
#include "output/formats/MenuSections.h"

namespace brewick {

class RapidJsonInn {
public:
    // Replaces the buffer's bytes by the inn's JSON line.
    void write(const InnSheet& sheet, InnPlace place);
    std::string_view bytes() const { return {buffer_.GetString(), buffer_.GetSize()}; }

private:
    rapidjson::StringBuffer buffer_;
    MenuSections menu_;
};

}  // namespace brewick
