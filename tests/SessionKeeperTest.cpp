// The session keeper, a window's writer of its kept inns on a thread of its
// own: what the window asks while a write runs, what it tells the window,
// and what is on the disk once the window is done with it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "keeping/SessionKeeper.h"
#include "support/KeptInns.h"
#include "support/TempDir.h"

namespace brewick {
namespace {

namespace fs = std::filesystem;

using test::SessionInns;

// A window's keeper in folders of its own, and what it told the window: the
// messages are taken at its news, on its thread, as the window's are.
class KeptWindow {
public:
    KeptWindow()
    {
        keeper_.emplace(state(), "window", starredFile(), [this] { takeNews(); });
        window_ = &*keeper_;
    }
    ~KeptWindow() { end(); }
    KeptWindow(const KeptWindow&) = delete;
    KeptWindow& operator=(const KeptWindow&) = delete;

    SessionKeeper& keeper() { return *keeper_; }
    // Ends the keeper, as a closing window does.
    void end()
    {
        // Its thread tells what it writes last while it is destroyed.
        window_ = nullptr;
        keeper_.reset();
    }

    fs::path state() const { return dir_.path() / "state"; }
    fs::path starredFile() const { return dir_.path() / "data" / "kept-inns.jsonl"; }
    SessionRead kept() const { return readSessionFile(state() / "windows" / "window.jsonl"); }
    std::string starred() const { return SessionInns::names(readSessionFile(starredFile(), kStarredInnsFormat).inns); }

    // What the keeper told since the last call, up to the message that
    // starts with `marker`, which is waited for.
    std::vector<std::string> toldUpTo(std::string_view marker)
    {
        std::unique_lock lock(mutex_);
        const auto isMarker = [marker](const std::string& message) { return message.starts_with(marker); };
        const auto found = [&] { return std::find_if(told_.begin(), told_.end(), isMarker) != told_.end(); };
        // The bound is no timing: it ends a test whose keeper told nothing.
        if (!arrived_.wait_for(lock, std::chrono::minutes(1), found))
            return {"nothing starting with " + std::string(marker) + " was told"};
        const auto at = std::find_if(told_.begin(), told_.end(), isMarker);
        std::vector<std::string> before(told_.begin(), at);
        told_.erase(told_.begin(), at + 1);
        return before;
    }

private:
    void takeNews()
    {
        SessionKeeper* window = window_;
        if (window == nullptr)
            return;
        std::vector<std::string> messages = window->takeMessages();
        const std::lock_guard lock(mutex_);
        told_.insert(told_.end(), messages.begin(), messages.end());
        arrived_.notify_all();
    }

    test::TempDir dir_;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::string> told_;
    std::atomic<SessionKeeper*> window_ = nullptr;
    std::optional<SessionKeeper> keeper_;  // last: its thread calls on the rest
};

// The lock of a folder, held as another window holds it while it changes
// the starred inns: a write of the keeper's waits for it, in the middle.
class HeldFolderLock {
public:
    explicit HeldFolderLock(const fs::path& folder) : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        struct stat status {};
        ::fstat(fd_, &status);
        inode_ = ":" + std::to_string(status.st_ino) + " ";
        ::flock(fd_, LOCK_EX);
    }
    ~HeldFolderLock() { ::close(fd_); }
    HeldFolderLock(const HeldFolderLock&) = delete;
    HeldFolderLock& operator=(const HeldFolderLock&) = delete;

    // Waits until a writer waits for the lock, which the system lists.
    bool waitForAWriter() const
    {
        for (;;) {
            std::ifstream locks("/proc/locks");
            if (!locks)
                return false;
            for (std::string line; std::getline(locks, line);)
                if (line.find("->") != std::string::npos && line.find(inode_) != std::string::npos)
                    return true;
            std::this_thread::yield();
        }
    }

private:
    int fd_;
    std::string inode_;
};

// While a write runs, the window goes on: of the inns it asks to keep
// meanwhile the newest are written, with their deletions, and the stars it
// changes are all changed, in order, as it sees them at once.
TEST(SessionKeeper, WhatIsAskedWhileAWriteRunsIsKeptNewestInnsAndEveryStarInOrder)
{
    const SessionInns made;
    KeptWindow window;
    SessionKeeper& keeper = window.keeper();
    fs::create_directories(window.starredFile().parent_path());
    keeper.start();
    keeper.finish();
    const std::vector<DeletedInn> deleted = {{"inn-X", 1}};
    {
        const HeldFolderLock other(window.starredFile().parent_path());
        keeper.changeStars({{StarChange::Star, made.inn('B')}});
        if (!other.waitForAWriter())
            GTEST_SKIP() << "no /proc/locks to see the keeper wait for the lock";
        keeper.keep(made.inns("A"), {});
        keeper.keep(made.inns("AB"), {});
        keeper.keep(made.inns("ABC"), deleted);
        keeper.changeStars({{StarChange::Star, made.inn('C')}});
        keeper.changeStars({{StarChange::Star, made.inn('D')}});
        const std::optional<std::vector<KeptInn>> starred = keeper.takeStarred(false);
        ASSERT_TRUE(starred) << "the stars as read at the start";
        EXPECT_EQ(SessionInns::names(*starred), "BCD") << "B being starred, then C and D";
    }
    keeper.finish();
    EXPECT_EQ(SessionInns::names(window.kept().inns), "ABC");
    EXPECT_EQ(window.kept().deleted, deleted);
    EXPECT_EQ(window.starred(), "BCD");
    const std::optional<std::vector<KeptInn>> starred = keeper.takeStarred(false);
    ASSERT_TRUE(starred) << "the stars as changed";
    EXPECT_EQ(SessionInns::names(*starred), "BCD");
}

// What waits is written by finish(), and by a window that ends, even one
// that never started its keeper.
TEST(SessionKeeper, WhatWaitsIsWrittenByFinishAndWhenTheWindowEnds)
{
    const SessionInns made;
    struct Row {
        const char* name;
        bool inns;  // asked to keep besides a star
        bool ends;  // the window ends unstarted instead of calling finish()
    };
    const Row rows[] = {
        {"finish() after inns and a star", true, false},
        {"finish() after a star alone", false, false},
        {"a window that ends before its keeper started", true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        KeptWindow window;
        if (row.inns)
            window.keeper().keep(made.inns("AB"), {});
        window.keeper().changeStars({{StarChange::Star, made.inn('A')}});
        if (row.ends)
            window.end();
        else
            window.keeper().finish();
        EXPECT_EQ(SessionInns::names(window.kept().inns), row.inns ? "AB" : "");
        EXPECT_EQ(window.starred(), "A");
    }
}

// A session that cannot be kept is said once, at the start; a write that
// fails later is said when it first fails, and again only once it failed
// otherwise or was written meanwhile. What was said before a star refused
// later is all there is.
TEST(SessionKeeper, AFailureIsSaidOnceAndAgainWhenItChanges)
{
    const SessionInns made;
    KeptInn tooLarge = made.inn('L');
    tooLarge.packed = std::make_shared<const std::string>(kMostStarredBytes, 'x');
    const std::string_view refused = "An inn cannot be starred";
    const auto keepAndTell = [&](KeptWindow& window, std::string_view inns) {
        window.keeper().keep(made.inns(inns), {});
        window.keeper().finish();
        window.keeper().changeStars({{StarChange::Star, tooLarge}});
        return window.toldUpTo(refused);
    };

    KeptWindow unkept;
    std::ofstream(unkept.state()) << "a file where the folder would be";
    unkept.keeper().start();
    EXPECT_THAT(keepAndTell(unkept, "A"),
                testing::ElementsAre(testing::StartsWith("The session cannot be kept in " + unkept.state().string())));
    EXPECT_THAT(keepAndTell(unkept, "AB"), testing::IsEmpty());

    KeptWindow window;
    window.keeper().finish();
    const fs::path windows = window.state() / "windows";
    const auto takenByAFile = [&windows] {
        fs::remove_all(windows);
        std::ofstream(windows) << "not a folder";
    };
    struct Row {
        const char* name;
        std::function<void()> change;
        std::size_t said;
    };
    const Row rows[] = {
        {"the window's folder taken by a file", takenByAFile, 1},
        {"still so", [] {}, 0},
        {"the folder back", [&windows] { fs::remove(windows); }, 0},
        {"taken again", takenByAFile, 1},
        {"the window's file a folder instead",
         [&windows] {
             fs::remove(windows);
             fs::create_directories(windows / "window.jsonl");
         },
         1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.change();
        EXPECT_THAT(keepAndTell(window, "A"),
                    testing::AllOf(testing::SizeIs(row.said),
                                   testing::Each(testing::StartsWith("The session cannot be kept: "))));
    }
}

}  // namespace
}  // namespace brewick
