#include "keeping/InnListing.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/SearchText.h"
#include "cycle/InnStep.h"
#include "output/formats/InnSheetText.h"

namespace brewick {

namespace {
bool isSameInn(const std::weak_ptr<const std::string>& base, const std::shared_ptr<const std::string>& packed)
{
    return packed && !base.owner_before(packed) && !packed.owner_before(base);
}

bool stepsFrom(const KeptInn* before, const KeptInn& inn) { return before != nullptr && before->place == inn.place; }
}  // namespace

std::shared_ptr<const InnListing> listInn(const InnSheet& sheet, const KeptInn* before, const InnSheet* beforeSheet)
{
    auto listing = std::make_shared<InnListing>();
    listing->name = sheet.innName;
    listing->landlord = sheet.landlordName;
    listing->location = sheet.location;
    listing->quality = sheet.quality;
    listing->hasNotes = !sheet.notes.empty();
    if (before != nullptr && beforeSheet != nullptr) {
        listing->step = describeStep(*beforeSheet, sheet);
        listing->stepBase = before->packed;
    }
    std::string text;
    for (std::string_view part : {std::string_view(sheet.innName), std::string_view(sheet.landlordName),
                                  locationName(sheet.location), qualityName(sheet.quality)})
        (text += part) += '\n';
    const std::size_t particulars = text.size();
    appendInnSheetText(sheet, "\n", text);
    // The banner line is the program's, in every inn alike.
    text.erase(particulars, bannerLine().size());
    listing->searchWords = searchWordsOf(foldedForSearch(text));
    return listing;
}

void listInns(std::vector<KeptInn>& inns, std::span<const KeptInn> listed)
{
    std::optional<InnSheet> beforeSheet;
    for (std::size_t index = 0; index < inns.size(); ++index) {
        KeptInn& inn = inns[index];
        const KeptInn* before = index > 0 ? &inns[index - 1] : nullptr;
        const auto lender = std::ranges::find_if(listed, [&inn](const KeptInn& other) {
            return other.listing && other.id == inn.id && *other.packed == *inn.packed;
        });
        if (inn.listing || lender != listed.end()) {
            if (!inn.listing)
                inn.listing = lender->listing;
            beforeSheet.reset();
            continue;
        }
        if (stepsFrom(before, inn) && !beforeSheet)
            beforeSheet = innJsonPacking().unpack(*before->packed);
        std::optional<InnSheet> sheet = innJsonPacking().unpack(*inn.packed);
        if (sheet)
            inn.listing =
                stepsFrom(before, inn) && beforeSheet ? listInn(*sheet, before, &*beforeSheet) : listInn(*sheet);
        beforeSheet = std::move(sheet);
    }
}

std::string stepOf(const KeptInn& inn, const KeptInn* before)
{
    if (!stepsFrom(before, inn))
        return {};
    if (inn.listing && isSameInn(inn.listing->stepBase, before->packed))
        return inn.listing->step;
    const std::optional<InnSheet> beforeSheet = innJsonPacking().unpack(*before->packed);
    const std::optional<InnSheet> sheet = innJsonPacking().unpack(*inn.packed);
    return beforeSheet && sheet ? describeStep(*beforeSheet, *sheet) : std::string();
}

}  // namespace brewick
