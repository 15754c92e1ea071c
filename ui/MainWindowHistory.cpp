// The main window's history list: it shows or deletes any inn of the
// history and any starred inn.
#include <set>

#include "cycle/InnStep.h"
#include "output/formats/InnSheetText.h"
#include "output/print/QtText.h"
#include "ui/MainWindow.h"
#include "ui/dialogs/InnHistoryDialog.h"

namespace brewick {

namespace {
InnListEntry listEntry(const KeptInn& inn, const std::optional<InnSheet>& sheet)
{
    InnListEntry entry;
    entry.id = inn.id;
    entry.made = inn.made;
    if (sheet) {
        entry.name = toQString(sheet->innName);
        entry.landlord = toQString(sheet->landlordName);
        entry.location = toQString(locationName(sheet->location));
        entry.quality = toQString(qualityName(sheet->quality));
        std::string text;
        appendInnSheetText(*sheet, "\n", text);
        // The banner line is the program's, in every inn alike.
        entry.texts = toQString(std::string_view(text).substr(bannerLine().size()));
    }
    return entry;
}
}  // namespace

void MainWindow::showHistoryList()
{
    const InnDesk::ListedInns inns = desk_.listedInns();
    std::vector<InnListEntry> entries;
    std::set<std::string> listed;
    for (const std::vector<KeptInn>* kept : {&inns.history, &inns.starred}) {
        // A step that drew part of an inn again comes from the inn before it.
        const KeptInn* before = nullptr;
        std::optional<InnSheet> beforeSheet;
        for (const KeptInn& inn : *kept) {
            std::optional<InnSheet> sheet = innJsonPacking().unpack(*inn.packed);
            if (listed.insert(inn.id).second) {
                InnListEntry& entry = entries.emplace_back(listEntry(inn, sheet));
                entry.starred = desk_.isStarred(inn.id);
                entry.shown = inn.id == desk_.shownId();
                if (sheet && beforeSheet && before->place == inn.place)
                    entry.step = toQString(describeStep(*beforeSheet, *sheet));
            }
            before = &inn;
            beforeSheet = std::move(sheet);
        }
    }
    InnHistoryDialog dialog(std::move(entries), this);
    dialog.exec();
    desk_.applyListChoice(dialog.deleted(), dialog.chosen());
}

}  // namespace brewick
