// An inn as one line of JSON Lines, for programs: the sections of the inn
// sheet as members of one object, with the inn's number and the run's seed.
// Room numbers are numbers, the menu is split into its groups and every table
// lists its patrons word by word; the game master's notes are one string,
// their lines apart by LF, and only there when there are notes. The shape is
// data/brewick-inn.schema.json.
#pragma once

#include "output/formats/InnFormat.h"
#include "output/formats/MenuSections.h"

namespace brewick {

class JsonFormat final : public InnFormat {
public:
    void append(const InnSheet& sheet, InnPlace place, std::string& out) override;
    std::string_view extension() const override { return "json"; }

private:
    MenuSections menu_;  // kept between inns so that it stops allocating
};

// Opens the inn's object with its number and seed, its particulars, rooms and
// menu, as the inn's line and the players' card's start; `menu` holds the
// menu's groups afterwards.
void appendJsonParticulars(const InnSheet& sheet, InnPlace place, MenuSections& menu, std::string& out);

// The age of a patron without its article: "very young" for "A very young",
// nothing for the bare "A".
std::string_view ageWithoutArticle(std::string_view age);

}  // namespace brewick
