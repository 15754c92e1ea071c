#include "files/SessionKeeper.h"

namespace brewick {

SessionKeeper::SessionKeeper(std::filesystem::path folder, std::string windowId, std::function<void()> news)
    : store_(std::move(folder), std::move(windowId)),
      news_(std::move(news)),
      thread_([this] { run(); })
{
}

SessionKeeper::~SessionKeeper()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

std::optional<std::vector<KeptInn>> SessionKeeper::takeRestored(bool wait)
{
    std::unique_lock lock(mutex_);
    if (wait)
        changed_.wait(lock, [this] { return opened_; });
    return std::exchange(restored_, std::nullopt);
}

std::vector<std::string> SessionKeeper::takeMessages()
{
    const std::lock_guard lock(mutex_);
    return std::exchange(messages_, {});
}

void SessionKeeper::keep(std::vector<KeptInn> inns)
{
    {
        const std::lock_guard lock(mutex_);
        waiting_ = std::move(inns);
    }
    changed_.notify_all();
}

void SessionKeeper::finish()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return opened_ && !waiting_ && !writing_; });
}

void SessionKeeper::run()
{
    SessionStore::Opening opening = store_.open();
    {
        const std::lock_guard lock(mutex_);
        restored_ = std::move(opening.inns);
        opened_ = true;
        // A session that cannot be kept is told once, not at every write.
        lastFailure_ = store_.cannotKeep();
    }
    changed_.notify_all();
    tell(std::move(opening.news));
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return waiting_ || stopping_; });
        if (!waiting_)
            return;
        const std::vector<KeptInn> inns = std::move(*std::exchange(waiting_, std::nullopt));
        writing_ = true;
        lock.unlock();
        std::optional<std::string> failure = store_.write(inns);
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
