// A window's kept inns, read and written on a thread of its own so that the
// window never waits for the disk: the session and the starred inns are read
// once, at start; then each write replaces the window's session file by the
// newest inns asked for, and each change of the stars is made to the starred
// inns' file. Inns asked for while a write runs wait for it, and only the
// newest of them are written; changes of the stars are all made, in order.
#pragma once

#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "keeping/KeptInn.h"
#include "keeping/SessionStore.h"
#include "keeping/StarredInns.h"

namespace brewick {

class SessionKeeper {
public:
    // Keeps the session in `folder` for the window `windowId`, and the
    // starred inns in `starredFile`, reading them once started. `news` is
    // called on the keeper's thread whenever there is something for the
    // window: the session or the starred inns read, or a message for the user.
    SessionKeeper(std::filesystem::path folder, std::string windowId, std::filesystem::path starredFile,
                  std::function<void()> news);
    // Writes what waits, then stops.
    ~SessionKeeper();
    SessionKeeper(const SessionKeeper&) = delete;
    SessionKeeper& operator=(const SessionKeeper&) = delete;

    // Starts reading, which the window does once it has painted its first
    // inn, so that the reading takes nothing from that; whatever waits for
    // what is read starts it too.
    void start();

    // The inns and the pins of the session as read at start, the first time
    // they are asked for once read; waits for them when `wait`.
    struct Restored {
        std::vector<KeptInn> inns;
        std::vector<KeptPin> pins;
    };
    std::optional<Restored> takeRestored(bool wait);
    // The starred inns, once they were read or changed since the last call:
    // as the file held them then, with the changes still to be made. Waits
    // for them to be read when `wait`.
    std::optional<std::vector<KeptInn>> takeStarred(bool wait);
    // What the user should be told since the last call; a write's failure is
    // told again only when it changes.
    std::vector<std::string> takeMessages();

    // Writes the inns, the deletions the window made and its pins, after
    // the write that runs, if any.
    void keep(std::vector<KeptInn> inns, std::vector<DeletedInn> deleted, std::vector<KeptPin> pins = {});
    // Makes the changes to the starred inns after those asked for before.
    void changeStars(std::vector<StarChange> changes);
    // Waits until the session is read and every inn and change asked for is
    // written.
    void finish();

private:
    struct Session {
        std::vector<KeptInn> inns;
        std::vector<DeletedInn> deleted;
        std::vector<KeptPin> pins;
    };

    // The keeper's lock, once `read` holds when `wait`, the reading started.
    std::unique_lock<std::mutex> lockOnceRead(bool wait, const bool& read);
    void run();
    void useStarred(std::vector<KeptInn> starred);
    void tell(std::vector<std::string> messages);

    SessionStore store_;
    StarredInnsFile starredFile_;
    const std::function<void()> news_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool started_ = false;
    bool opened_ = false;
    std::optional<Restored> restored_;  // until taken
    std::optional<Session> waiting_;    // to be written next
    bool writing_ = false;
    std::vector<StarChange> starChanges_;  // to be made next
    std::vector<StarChange> starsMaking_;  // being made
    std::vector<KeptInn> starred_;         // as the file held them last
    bool starredRead_ = false;
    bool starredNews_ = false;  // starred_ not taken yet
    bool stopping_ = false;
    std::vector<std::string> messages_;
    std::optional<std::string> lastFailure_;  // of the last write
    std::thread thread_;                      // last: it starts once the rest is there
};

}  // namespace brewick
