#include "core/InnSheet.h"

namespace brewick {

namespace {
constexpr std::array<std::string_view, kLocationCount> kLocationNames = {
    "Wealthy Quarter", "Merchant Quarter", "Docks Area", "Poor Quarter"};
constexpr std::array<std::string_view, kQualityCount> kQualityNames = {
    "Excellent", "Good", "Normal", "Fair", "Poor"};
// The last one has no article.
constexpr std::array<std::string_view, kQualityCount> kQualityPhrases = {
    "an excellent", "a good", "a normal", "a fair", "poor"};
}  // namespace

std::string_view LocationName(InnLocation location) { return kLocationNames[IndexOf(location)]; }

std::string_view LocationPhrase(InnLocation location) { return LocationName(location); }

std::string_view QualityName(InnQuality quality) { return kQualityNames[IndexOf(quality)]; }

std::string_view QualityPhrase(InnQuality quality) { return kQualityPhrases[IndexOf(quality)]; }

}  // namespace brewick
