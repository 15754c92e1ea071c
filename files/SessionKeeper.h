// A window's kept session, read and written on a thread of its own so that
// the window never waits for the disk: the session is read once, at start,
// and then each write replaces the window's file by the newest inns asked
// for; inns asked for while a write runs wait for it, and only the newest of
// them are written.
#pragma once

#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/KeptInn.h"
#include "files/SessionStore.h"

namespace brewick {

class SessionKeeper {
public:
    // Starts reading the session in `folder` for the window `windowId`.
    // `news` is called on the keeper's thread whenever there is something
    // for the window: the session read, or a message for the user.
    SessionKeeper(std::filesystem::path folder, std::string windowId, std::function<void()> news);
    // Writes what waits, then stops.
    ~SessionKeeper();
    SessionKeeper(const SessionKeeper&) = delete;
    SessionKeeper& operator=(const SessionKeeper&) = delete;

    // The inns of the session as read at start, the first time they are
    // asked for once read; waits for them when `wait`.
    std::optional<std::vector<KeptInn>> takeRestored(bool wait);
    // What the user should be told since the last call; a write's failure is
    // told again only when it changes.
    std::vector<std::string> takeMessages();

    // Writes the inns after the write that runs, if any.
    void keep(std::vector<KeptInn> inns);
    // Waits until the session is read and every inn asked for is written.
    void finish();

private:
    void run();
    void tell(std::vector<std::string> messages);

    SessionStore store_;
    const std::function<void()> news_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool opened_ = false;
    std::optional<std::vector<KeptInn>> restored_;  // until taken
    std::optional<std::vector<KeptInn>> waiting_;   // to be written next
    bool writing_ = false;
    bool stopping_ = false;
    std::vector<std::string> messages_;
    std::optional<std::string> lastFailure_;  // of the last write
    std::thread thread_;                      // last: it starts once the rest is there
};

}  // namespace brewick
