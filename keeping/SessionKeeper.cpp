#include "keeping/SessionKeeper.h"

#include <iterator>

#include "keeping/InnListing.h"

namespace brewick {

SessionKeeper::SessionKeeper(std::filesystem::path folder, std::string windowId, std::filesystem::path starredFile,
                             std::function<void()> news)
    : store_(std::move(folder), std::move(windowId)),
      starredFile_(std::move(starredFile)),
      news_(std::move(news)),
      thread_([this] { run(); })
{
}

// What waits to be written is written, read or not.
SessionKeeper::~SessionKeeper()
{
    {
        const std::lock_guard lock(mutex_);
        started_ = true;
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void SessionKeeper::start()
{
    {
        const std::lock_guard lock(mutex_);
        started_ = true;
    }
    changed_.notify_all();
}

std::unique_lock<std::mutex> SessionKeeper::lockOnceRead(bool wait, const bool& read)
{
    if (wait)
        start();
    std::unique_lock lock(mutex_);
    if (wait)
        changed_.wait(lock, [&read] { return read; });
    return lock;
}

std::optional<SessionKeeper::Restored> SessionKeeper::takeRestored(bool wait)
{
    const std::unique_lock lock = lockOnceRead(wait, opened_);
    return std::exchange(restored_, std::nullopt);
}

std::optional<std::vector<KeptInn>> SessionKeeper::takeStarred(bool wait)
{
    const std::unique_lock lock = lockOnceRead(wait, starredRead_);
    if (!std::exchange(starredNews_, false))
        return std::nullopt;
    std::vector<KeptInn> starred = starred_;
    brewick::changeStars(starred, starsMaking_);
    brewick::changeStars(starred, starChanges_);
    return starred;
}

std::vector<std::string> SessionKeeper::takeMessages()
{
    const std::lock_guard lock(mutex_);
    return std::exchange(messages_, {});
}

void SessionKeeper::keep(std::vector<KeptInn> inns, std::vector<DeletedInn> deleted, std::vector<KeptPin> pins)
{
    {
        const std::lock_guard lock(mutex_);
        waiting_ = Session{std::move(inns), std::move(deleted), std::move(pins)};
    }
    changed_.notify_all();
}

void SessionKeeper::changeStars(std::vector<StarChange> changes)
{
    {
        const std::lock_guard lock(mutex_);
        std::move(changes.begin(), changes.end(), std::back_inserter(starChanges_));
    }
    changed_.notify_all();
}

void SessionKeeper::finish()
{
    start();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return opened_ && !waiting_ && !writing_ && starChanges_.empty(); });
}

void SessionKeeper::run()
{
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return started_; });
    }
    SessionStore::Opening opening = store_.open();
    StarredInnsFile::Starred starred = starredFile_.open();
    // Here rather than when the window lists them, which would parse every inn.
    listInns(opening.inns);
    listInns(starred.inns);
    std::unique_lock lock(mutex_);
    restored_ = Restored{std::move(opening.inns), std::move(opening.pins)};
    opened_ = true;
    // A session that cannot be kept is told once, not at every write.
    lastFailure_ = store_.cannotKeep();
    // The stars come with the session, so that its inns are known starred
    // before the history's bounds count them.
    useStarred(std::move(starred.inns));
    lock.unlock();
    tell(std::move(opening.news));
    tell(std::move(starred.news));
    lock.lock();
    for (;;) {
        changed_.wait(lock, [this] { return waiting_ || !starChanges_.empty() || stopping_; });
        if (!starChanges_.empty()) {
            starsMaking_ = std::exchange(starChanges_, {});
            writing_ = true;
            lock.unlock();
            starred = starredFile_.change(starsMaking_);
            // Only this thread changes starred_, so reading it unlocked is safe.
            listInns(starred.inns, starred_);
            lock.lock();
            starsMaking_.clear();
            writing_ = false;
            useStarred(std::move(starred.inns));
            lock.unlock();
            tell(std::move(starred.news));
            lock.lock();
            continue;
        }
        if (!waiting_)
            return;
        const Session session = std::move(*std::exchange(waiting_, std::nullopt));
        writing_ = true;
        lock.unlock();
        std::optional<std::string> failure = store_.write(session.inns, session.deleted, session.pins);
        lock.lock();
        writing_ = false;
        changed_.notify_all();
        if (failure != std::exchange(lastFailure_, failure) && failure) {
            lock.unlock();
            tell({*failure});
            lock.lock();
        }
    }
}

// Called with the lock held.
void SessionKeeper::useStarred(std::vector<KeptInn> starred)
{
    starred_ = std::move(starred);
    starredRead_ = true;
    starredNews_ = true;
    changed_.notify_all();
}

void SessionKeeper::tell(std::vector<std::string> messages)
{
    {
        const std::lock_guard lock(mutex_);
        for (std::string& message : messages)
            messages_.push_back(std::move(message));
    }
    news_();
}

}  // namespace brewick
