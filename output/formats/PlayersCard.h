// The players' card: what the game master may hand the table about an inn,
// its name, landlord, quarter and quality, its rooms and prices and its menu,
// in each format the inn sheet has. The patrons, the bar scene and the game
// master's notes stay on the sheet.
#pragma once

#include "output/formats/InnFormat.h"
#include "output/formats/MenuSections.h"

namespace brewick {

class PlayersCardFormat final : public InnFormat {
public:
    // Text: lines ended by CR LF, as File > Save writes the sheet. Markdown:
    // the inn's page up to its rooms, then its menu. JSON: one line per inn,
    // the inn's object with the card's members only, the shape that
    // data/brewick-inn.schema.json calls the players' card.
    enum class Kind { Text, Markdown, Json };

    explicit PlayersCardFormat(Kind kind) : kind_(kind) {}

    void append(const InnSheet& sheet, InnPlace place, std::string& out) override;
    std::string_view extension() const override;

private:
    Kind kind_;
    // Kept between inns so that they stop allocating.
    TextLines lines_;
    MenuSections menu_;
};

}  // namespace brewick
