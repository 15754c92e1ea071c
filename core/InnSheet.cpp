#include "core/InnSheet.h"

namespace brewick {

namespace {
constexpr std::array<std::string_view, kLocationCount> kLocationNames = {"Wealthy Quarter", "Merchant Quarter",
                                                                         "Docks Area", "Poor Quarter"};
constexpr std::array<std::string_view, kQualityCount> kQualityNames = {"Excellent", "Good", "Normal", "Fair", "Poor"};
// The last one has no article.
constexpr std::array<std::string_view, kQualityCount> kQualityPhrases = {"an excellent", "a good", "a normal", "a fair",
                                                                         "poor"};
}  // namespace

std::string_view locationName(InnLocation location) { return kLocationNames[indexOf(location)]; }

std::string_view locationPhrase(InnLocation location) { return locationName(location); }

std::string_view qualityName(InnQuality quality) { return kQualityNames[indexOf(quality)]; }

std::string_view qualityPhrase(InnQuality quality) { return kQualityPhrases[indexOf(quality)]; }

}  // namespace brewick
