// What the history list shows of a kept inn and what its filter searches,
// made once beside the inn's packed bytes (when the inn is packed, or read
// from the session on the keeper's thread) and shared as they are, so that
// listing a thousand inns parses none and a key in the filter folds none.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/InnSheet.h"
#include "core/SearchText.h"
#include "keeping/KeptInn.h"

namespace brewick {

struct InnListing {
    std::string name;
    std::string landlord;
    InnLocation location = InnLocation::WealthyQuarter;
    InnQuality quality = InnQuality::Excellent;
    bool hasNotes = false;
    // What this step of the history drew again of the inn before it, told
    // from `stepBase`, that inn's packed bytes; another inn before it, or the
    // same inn changed since, needs the step told anew.
    std::string step;
    std::weak_ptr<const std::string> stepBase;
    // Every word of the inn, once, folded by foldedForSearch: of its name,
    // landlord, location and quality, and of the inn as File > Save writes
    // it but for the banner, which every inn shares. A word of the filter,
    // which holds no blank, is in the inn's text just when it is in one of
    // these; kept once, they cost about an eighth of the JSON.
    SearchWords searchWords;
};

// The listing of `sheet`; `before` is the kept inn one step before it from
// the same place, if any, and `beforeSheet` its sheet.
std::shared_ptr<const InnListing> listInn(const InnSheet& sheet, const KeptInn* before = nullptr,
                                          const InnSheet* beforeSheet = nullptr);

// Gives each of `inns`, in the order of a list, the listing it lacks, with
// the step from the inn before it; an inn of `listed` with the same name
// and bytes lends its own. Bytes that are no inn get none.
void listInns(std::vector<KeptInn>& inns, std::span<const KeptInn> listed = {});

// What the step of `inn` drew again of `before`, the inn before it in a
// list: the listing's step when told from those bytes, else told anew.
std::string stepOf(const KeptInn& inn, const KeptInn* before);

}  // namespace brewick
