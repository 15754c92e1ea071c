// The main window's history list: it shows or deletes any inn of the
// history and any starred inn, and chooses inns for a handout.
#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_set>

#include "keeping/InnListing.h"
#include "output/print/QtText.h"
#include "ui/MainWindow.h"
#include "ui/controls/OneLineDelegate.h"
#include "ui/dialogs/InnHistoryDialog.h"

namespace brewick {

namespace {
// The names of the locations and qualities, made once rather than a thousand times.
template <typename Value, int count, std::string_view (*name)(Value)>
const QString& nameOf(Value value)
{
    static const std::array<QString, count> names = [] {
        std::array<QString, count> made;
        for (int index = 0; index < count; ++index)
            made[static_cast<std::size_t>(index)] = toQString(name(static_cast<Value>(index)));
        return made;
    }();
    return names[static_cast<std::size_t>(indexOf(value))];
}

// `before` is the inn before `inn` in its list, whose step may come from it.
InnListEntry listEntry(const KeptInn& inn, const KeptInn* before)
{
    InnListEntry entry;
    entry.id = inn.id;
    entry.made = inn.made;
    if (inn.listing) {
        const InnListing& listing = *inn.listing;
        // A line's worth of a text however long: the name also goes into the
        // status line and the question before a deletion, which wrap their words.
        entry.name = oneLineText(listing.name).shown;
        entry.landlord = oneLineText(listing.landlord).shown;
        entry.location = nameOf<InnLocation, kLocationCount, locationName>(listing.location);
        entry.quality = nameOf<InnQuality, kQualityCount, qualityName>(listing.quality);
        entry.step = toQString(stepOf(inn, before));
        entry.hasNotes = listing.hasNotes;
        entry.searchWords = std::shared_ptr<const SearchWords>(inn.listing, &listing.searchWords);
    }
    return entry;
}

// The sheets of the inns named, in that order, unpacked only now.
std::vector<InnSheet> sheetsOf(const std::vector<std::string>& ids, const InnDesk::ListedInns& inns)
{
    std::vector<InnSheet> sheets;
    for (const std::string& id : ids)
        for (const std::vector<KeptInn>* kept : {&inns.history, &inns.starred})
            if (const auto found = std::ranges::find(*kept, id, &KeptInn::id); found != kept->end()) {
                if (std::optional<InnSheet> sheet = innJsonPacking().unpack(*found->packed))
                    sheets.push_back(std::move(*sheet));
                break;
            }
    return sheets;
}
}  // namespace

void MainWindow::showHistoryList()
{
    const InnDesk::ListedInns inns = desk_.listedInns();
    std::vector<InnListEntry> entries;
    std::unordered_set<std::string_view> listed;
    for (const std::vector<KeptInn>* kept : {&inns.history, &inns.starred}) {
        const KeptInn* before = nullptr;
        for (const KeptInn& inn : *kept) {
            if (listed.insert(inn.id).second) {
                InnListEntry& entry = entries.emplace_back(listEntry(inn, before));
                entry.starred = desk_.isStarred(inn.id);
                entry.shown = inn.id == desk_.shownId();
                for (const std::string& line : desk_.pinnedLinesOf(inn.id))
                    entry.pins += (entry.pins.isEmpty() ? QString() : QStringLiteral("\n")) + oneLineText(line).shown;
            }
            before = &inn;
        }
    }
    InnHistoryDialog dialog(std::move(entries), this);
    dialog.exec();
    desk_.applyListChoice(dialog.deleted(), dialog.chosen());
    if (!dialog.handout().empty())
        exportHandout(sheetsOf(dialog.handout(), inns));
}

}  // namespace brewick
