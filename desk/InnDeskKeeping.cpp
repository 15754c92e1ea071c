// The desk's kept inns: the inns of earlier runs brought back, the inns kept
// as they stand after each change and while the user types, the starred
// ones also in their own file, and the history list's choices.
#include <set>

#include "desk/InnDesk.h"
#include "keeping/InnChanges.h"
#include "keeping/InnListing.h"

namespace brewick {

namespace {
const KeptInn* findInn(const std::vector<KeptInn>& inns, const std::string& id)
{
    const auto found = std::ranges::find(inns, id, &KeptInn::id);
    return found == inns.end() ? nullptr : &*found;
}
}  // namespace

void InnDesk::keepInnsIn(const std::filesystem::path& folder, const std::filesystem::path& starredFile)
{
    sessionKeeper_ = std::make_unique<SessionKeeper>(folder, windowId_, starredFile, [this] {
        QMetaObject::invokeMethod(this, &InnDesk::takeSessionNews, Qt::QueuedConnection);
    });
    sessionRestoring_ = true;
    emit commandsChanged();
    if (keepingStarted_)
        sessionKeeper_->start();
}

// The reading would take time from the first inn's paint on a machine of
// few cores: the window starts it once the inn is on the screen.
void InnDesk::startKeeping()
{
    if (!std::exchange(keepingStarted_, true) && sessionKeeper_)
        sessionKeeper_->start();
}

void InnDesk::takeSessionNews()
{
    restoreSession(false);
    takeStarred(false);
    const std::vector<std::string> messages = sessionKeeper_->takeMessages();
    if (!messages.empty())
        emit problemsFound(messages);
}

void InnDesk::restoreSession(bool wait)
{
    if (!sessionKeeper_)
        return;
    if (std::optional<SessionKeeper::Restored> restored = sessionKeeper_->takeRestored(wait)) {
        // The stars, read with the session, keep its starred inns within the bounds.
        takeStarred(false);
        restorePins(std::move(restored->pins));
        history_.restore(std::move(restored->inns));
        sessionRestoring_ = false;
        emit commandsChanged();
        emit sessionRestored();
    }
}

// The pins of earlier runs join those pinned since the start, each as it
// was last kept.
void InnDesk::restorePins(std::vector<KeptPin> pins)
{
    pins.insert(pins.end(), keptPins_.begin(), keptPins_.end());
    keptPins_ = mergePins(pins);
    // The next change comes after every one known.
    for (const KeptPin& pin : keptPins_)
        lastPinChange_ = std::max(lastPinChange_, pin.at);
    // Of the windows' pins of one table's action line, or of the scene, the
    // latest holds, and the others are taken away.
    pins_.clear();
    for (LinePin& pin : pinnedOf(keptPins_))
        addPin(pins_, std::move(pin));
    notePins();
}

void InnDesk::takeStarred(bool wait)
{
    if (!sessionKeeper_)
        return;
    if (std::optional<std::vector<KeptInn>> starred = sessionKeeper_->takeStarred(wait))
        useStarred(std::move(*starred));
}

void InnDesk::keepSessionSoon()
{
    if (sessionKeeper_)
        sessionKeeping_.start();
}

void InnDesk::keepTyping()
{
    if (sessionKeeper_ && !typingKeeping_.isActive())
        typingKeeping_.start();
}

void InnDesk::keepSession()
{
    if (!sessionKeeper_)
        return;
    sessionKeeping_.stop();
    typingKeeping_.stop();
    // What is typed in an open editor is kept as typed, and the editor stays
    // open: Escape still gives the edit up, and the next keeping keeps that.
    std::vector<KeptInn> inns = history_.inns(shownInn());
    changeStars(starredUpdates(inns));
    sessionKeeper_->keep(std::move(inns), {history_.deleted().begin(), history_.deleted().end()}, keptPins_);
}

void InnDesk::finishKeeping()
{
    keepSession();
    if (sessionKeeper_)
        sessionKeeper_->finish();
}

void InnDesk::toggleStar()
{
    const KeptInn& shown = history_.shownInn(shownInn());
    if (shown.id.empty())
        return;
    const bool starring = !history_.isStarred(shown.id);
    if (starring)
        starsSent_[shown.id] = shown;
    else
        starsSent_.erase(shown.id);
    changeStars({{starring ? StarChange::Star : StarChange::Unstar, shown}});
}

InnDesk::ListedInns InnDesk::listedInns()
{
    restoreSession(true);
    takeStarred(true);
    ListedInns inns{history_.inns(shownInn()), starred_};
    // Inns not read by the keeper, if any, are listed here.
    listInns(inns.history);
    listInns(inns.starred);
    return inns;
}

void InnDesk::applyListChoice(const std::vector<std::string>& deleted, const std::optional<std::string>& show)
{
    std::vector<StarChange> unstarred;
    for (const std::string& id : deleted) {
        starsSent_.erase(id);
        if (history_.isStarred(id))
            unstarred.push_back({StarChange::Unstar, {nullptr, {}, id}});
    }
    changeStars(unstarred);
    const std::vector<KeptInn> inns = show ? history_.inns(shownInn()) : std::vector<KeptInn>();
    const KeptInn* chosen = nullptr;
    if (show) {
        chosen = findInn(inns, *show);
        if (chosen == nullptr)
            chosen = findInn(starred_, *show);
    }
    changeShownInn([&] {
        history_.remove(deleted);
        if (chosen != nullptr)
            history_.show(generator_, *chosen);
    });
}

void InnDesk::changeStars(const std::vector<StarChange>& changes)
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

void InnDesk::useStarred(std::vector<KeptInn> starred)
{
    starred_ = std::move(starred);
    std::set<std::string> ids;
    for (const KeptInn& inn : starred_)
        ids.insert(inn.id);
    history_.useStarred(std::move(ids));
    emit commandsChanged();
}

std::vector<StarChange> InnDesk::starredUpdates(const std::vector<KeptInn>& inns)
{
    std::vector<StarChange> updates;
    for (const KeptInn& inn : inns) {
        const KeptInn* starred = findInn(starred_, inn.id);
        if (starred == nullptr)
            continue;
        // What changed since this window last sent the inn, else since it
        // read it; another window's changes of the starred copy meanwhile
        // are joined with these.
        const auto sent = starsSent_.find(inn.id);
        KeptInn update = inn;
        if (sent != starsSent_.end()) {
            if (inn.changed <= sent->second.changed)
                continue;
            std::string was = changedMembers(*sent->second.packed, *inn.packed);
            update.based = sent->second.changed;
            update.was = was.empty() ? nullptr : std::make_shared<const std::string>(std::move(was));
        } else if (inn.changed <= starred->changed) {
            continue;
        }
        starsSent_[inn.id] = inn;
        updates.push_back({StarChange::Update, std::move(update)});
    }
    return updates;
}

}  // namespace brewick
