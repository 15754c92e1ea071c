// The main window's starred inns and its history list: Keep This Inn stars
// the shown inn, and the list shows or deletes any inn of the history and
// any starred inn.
#include <QAction>

#include <algorithm>
#include <set>

#include "cycle/InnStep.h"
#include "files/InnReader.h"
#include "output/formats/InnSheetText.h"
#include "output/print/QtText.h"
#include "ui/InnForm.h"
#include "ui/dialogs/InnHistoryDialog.h"
#include "ui/MainWindow.h"

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

const KeptInn* findInn(const std::vector<KeptInn>& inns, const std::string& id)
{
    const auto found = std::find_if(inns.begin(), inns.end(), [&id](const KeptInn& inn) { return inn.id == id; });
    return found == inns.end() ? nullptr : &*found;
}
}  // namespace

void MainWindow::toggleKeepInn()
{
    const KeptInn& shown = history_.shownInn(shownInn());
    if (!shown.id.empty())
        changeStars({{history_.isStarred(shown.id) ? StarChange::Unstar : StarChange::Star, shown}});
    showKeptState();
}

void MainWindow::showHistoryList()
{
    // The list holds the inns of earlier runs and every starred inn.
    restoreSession(true);
    takeStarred(true);
    const std::vector<KeptInn> inns = history_.inns(shownInn());
    std::vector<InnListEntry> entries;
    std::set<std::string> listed;
    const std::vector<KeptInn>& starred = starred_;
    for (const std::vector<KeptInn>* kept : {&inns, &starred}) {
        // A step that drew part of an inn again comes from the inn before it.
        const KeptInn* before = nullptr;
        std::optional<InnSheet> beforeSheet;
        for (const KeptInn& inn : *kept) {
            std::optional<InnSheet> sheet = innJsonPacking().unpack(*inn.packed);
            if (listed.insert(inn.id).second) {
                InnListEntry& entry = entries.emplace_back(listEntry(inn, sheet));
                entry.starred = history_.isStarred(inn.id);
                entry.shown = inn.id == history_.shownId();
                if (sheet && beforeSheet && before->place == inn.place)
                    entry.step = toQString(describeStep(*beforeSheet, *sheet));
            }
            before = &inn;
            beforeSheet = std::move(sheet);
        }
    }
    InnHistoryDialog dialog(std::move(entries), this);
    dialog.exec();

    const std::vector<std::string> deleted = dialog.deleted();
    std::vector<StarChange> unstarred;
    for (const std::string& id : deleted)
        if (history_.isStarred(id))
            unstarred.push_back({StarChange::Unstar, {nullptr, {}, id}});
    changeStars(unstarred);
    const KeptInn* chosen = nullptr;
    if (const std::optional<std::string>& id = dialog.chosen()) {
        chosen = findInn(inns, *id);
        if (chosen == nullptr)
            chosen = findInn(starred_, *id);
    }
    changeShownInn([&] {
        history_.remove(deleted);
        if (chosen != nullptr)
            history_.show(generator_, *chosen);
    });
}

void MainWindow::changeStars(const std::vector<StarChange>& changes)
{
    if (changes.empty())
        return;
    // A star beyond the bounds stays out; the keeper says so.
    std::vector<KeptInn> starred = starred_;
    brewick::changeStars(starred, changes);
    if (sessionKeeper_)
        sessionKeeper_->changeStars(changes);
    useStarred(std::move(starred));
}

void MainWindow::useStarred(std::vector<KeptInn> starred)
{
    starred_ = std::move(starred);
    std::set<std::string> ids;
    for (const KeptInn& inn : starred_)
        ids.insert(inn.id);
    history_.useStarred(std::move(ids));
    showKeptState();
}

void MainWindow::showKeptState()
{
    const bool starred = history_.isStarred(history_.shownId());
    actions_.editKeepInn->setEnabled(!history_.shownId().empty());
    actions_.editKeepInn->setChecked(starred);
    setWindowTitle(starred ? QStringLiteral("Brewick \u2605") : QStringLiteral("Brewick"));
}

std::vector<StarChange> MainWindow::starredUpdates(const std::vector<KeptInn>& inns) const
{
    std::vector<StarChange> updates;
    for (const KeptInn& inn : inns) {
        const KeptInn* starred = findInn(starred_, inn.id);
        if (starred != nullptr && inn.changed > starred->changed)
            updates.push_back({StarChange::Update, inn});
    }
    return updates;
}

}  // namespace brewick
