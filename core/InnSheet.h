// The inn sheet: the one inn on screen, section by section, as plain text.
// Generators write it, the window shows it and copies the user's edits back,
// and output reads it; nothing here knows about windows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Patron.h"
#include "core/TextLines.h"

namespace brewick {

// Where in town the inn stands; a higher index is a poorer quarter.
enum class InnLocation { WealthyQuarter, MerchantQuarter, DocksArea, PoorQuarter };
inline constexpr int kLocationCount = 4;

// How good the inn is; a higher index is worse.
enum class InnQuality { Excellent, Good, Normal, Fair, Poor };
inline constexpr int kQualityCount = 5;

constexpr int indexOf(InnLocation location) { return static_cast<int>(location); }
constexpr int indexOf(InnQuality quality) { return static_cast<int>(quality); }

// The names are the items the window offers; the phrases are what the inn
// sheet text says.
std::string_view locationName(InnLocation location);
std::string_view locationPhrase(InnLocation location);
std::string_view qualityName(InnQuality quality);
std::string_view qualityPhrase(InnQuality quality);

// Four columns by three rows of text cells. Row 0 and column 0 are headings;
// row 1 holds the bed counts and row 2 the prices.
class RoomTable {
public:
    static constexpr int kColumns = 4;
    static constexpr int kRows = 3;

    std::string& cell(int column, int row) { return cells_[row * kColumns + column]; }
    const std::string& cell(int column, int row) const { return cells_[row * kColumns + column]; }

    friend bool operator==(const RoomTable&, const RoomTable&) = default;

private:
    std::array<std::string, kColumns * kRows> cells_;
};

// One table's block of the table text: how many lines it has, its closing
// line included, and the patrons drawn for it, in the order of their lines.
// The lines are the table's as the user left them; the patrons are as drawn.
struct TableBlock {
    std::size_t lineCount = 0;
    std::vector<Patron> patrons;

    friend bool operator==(const TableBlock&, const TableBlock&) = default;
};

// Which inn of which run an inn is.
struct InnPlace {
    std::uint64_t number = 0;  // from 1
    std::uint32_t seed = 0;    // the run's initial state

    friend bool operator==(const InnPlace&, const InnPlace&) = default;
};

struct InnSheet {
    std::string innName;
    std::string landlordName;
    InnLocation location = InnLocation::WealthyQuarter;
    InnQuality quality = InnQuality::Excellent;
    RoomTable rooms;
    TextLines menuLines;
    std::string barScene;
    int tableCount = 0;
    TextLines tableText;                  // every table's block, in table order
    std::vector<TableBlock> tableBlocks;  // how the table text falls into blocks
    TextLines tableChoices;               // one entry per table
    int chosenTable = -1;                 // index into tableChoices; -1 before the first tables
    TextLines shownTableLines;            // the chosen table's block, as last shown
    std::string notes;                    // the game master's own, lines apart by "\n"; empty: none

    friend bool operator==(const InnSheet&, const InnSheet&) = default;
};

// An inn and where it comes from.
struct PlacedInn {
    InnSheet sheet;
    InnPlace place;
};

}  // namespace brewick
