// The inns a window works on, without the window: the generator and the
// run's history, the starred inns, the kept session and the user's own
// words. Every command on them is an operation here; the desk tells by
// signals what changed and, in commands(), which operations apply now, from
// the shown inn and the table line chosen alone. A window shows the desk
// and asks the user where an operation needs an answer.
#pragma once

#include <QObject>
#include <QTimer>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/RandomSource.h"
#include "core/TableText.h"
#include "cycle/InnGenerator.h"
#include "cycle/LinePins.h"
#include "files/InnFile.h"
#include "files/WordFolder.h"
#include "keeping/InnHistory.h"
#include "keeping/KeptPins.h"
#include "keeping/SessionKeeper.h"
#include "platform/EditedFileWatcher.h"

namespace brewick {

class InnDesk : public QObject {
    Q_OBJECT

public:
    // What applies to the shown inn now.
    struct Commands {
        bool previous = false;                    // an inn to step back to, or the earlier runs' still being read
        bool next = false;                        // an inn to step forward to
        bool star = false;                        // the shown inn can be starred or unstarred
        bool starred = false;                     // the shown inn is starred
        bool table = false;                       // a table is shown, to draw again or copy
        TableLine::Role line = TableLine::Other;  // what the line at the table box's cursor holds
        bool fleshedOut = false;                  // the patron of that line has a name, a trait and a rumour
        bool fleshOutPatron = false;
        bool fleshOutTable = false;        // a patron of the shown table can be fleshed out
        LineBox lineBox = LineBox::Table;  // the box that Pin Line acts on: the last the user was in
        bool pinnable = false;             // the line at that box's cursor can be pinned
        bool pinned = false;               // and is
        bool tableLinePinned = false;      // the line at the table box's cursor is pinned

        friend bool operator==(const Commands&, const Commands&) = default;
    };

    // The inns of the history list: the history's, oldest first, the shown
    // one included, then the starred ones, oldest first.
    struct ListedInns {
        std::vector<KeptInn> history;
        std::vector<KeptInn> starred;
    };

    // How the desk reads what the window shows: the inn with what is typed
    // in an open editor, which the edit can still give up, and the step that
    // puts that typing into the inn before any change.
    struct ShownEdits {
        std::function<InnSheet()> read;
        std::function<void()> commit;
    };

    // The object names of the watchers of the scene file and the word
    // folder, by which the window's tests find them.
    static constexpr char sceneFileWatcherName[] = "sceneFileWatcher";
    static constexpr char wordFolderWatcherName[] = "wordFolderWatcher";

    // Draws from the random state `seed`. `sceneFile` is the user's scene
    // file and `wordFolder` the folder of their word lists, followed from
    // now on; either is empty when the user has none.
    InnDesk(std::uint32_t seed, std::filesystem::path sceneFile, std::filesystem::path wordFolder = {},
            QObject* parent = nullptr);
    ~InnDesk() override;
    // Tells what was wrong with the scene file read at start and reads the
    // user's word lists: once the signals are connected.
    void start();

    const InnGenerator& generator() const { return generator_; }
    // The shown inn, which the window's form edits in place.
    InnSheet& shownSheet() { return generator_.sheet(); }
    const InnPlace& shownPlace() const { return history_.shownPlace(); }
    // The inn as the user sees it, open edits included.
    InnSheet shownInn() const { return edits_.read(); }
    Commands commands() const;
    void followEdits(ShownEdits edits) { edits_ = std::move(edits); }

    // The changes of the shown inn, each a step of the history.
    void generate();
    void selectLocation(InnLocation location);
    void selectQuality(InnQuality quality);
    void chooseTable(int index);
    void showPrevious();
    void showNext();
    void rerollTable();
    // What the patrons at the line chosen are, or are doing, drawn again.
    void rerollTableLine();
    // The patron at the line chosen, or every patron of the shown table,
    // given a name, a trait and a rumour where they have none.
    void fleshOutPatron();
    void fleshOutTable();
    // Not a step: the parts the next Generate draws.
    void setPart(InnPart part, bool ticked);
    // Not a step either: the notes on the shown inn, an edit of it as
    // typing in its fields is, and kept as that is.
    void setNotes(std::string notes);
    // The line of the shown table at the table box's cursor.
    void chooseTableLine(std::size_t line);
    std::size_t chosenTableLine() const { return tableLine_; }

    // Not steps either: pins hold over every inn the window makes, and are
    // kept with the session. The user was last in `box`, whose line at the
    // cursor Pin Line acts on; the menu box's cursor is on `line`.
    void chooseLineBox(LineBox box);
    void chooseMenuLine(std::size_t line);
    // Pins the line at the cursor of the box chosen, or unpins it.
    void togglePin();
    // The user edited the lines of `box` from `before` to `after`: a pinned
    // line edited stays pinned as it reads now, one taken away is unpinned.
    void followEdit(LineBox box, const TextLines& before, const TextLines& after);
    // The lines of `box` that are pinned, from 0.
    std::vector<std::size_t> pinnedLines(LineBox box) const;
    // The lines pinned while the inn of that name was shown, as they read now.
    std::vector<std::string> pinnedLinesOf(const std::string& innId) const;
    const std::vector<LinePin>& pins() const { return pins_; }

    void toggleStar();
    bool isStarred(const std::string& id) const { return history_.isStarred(id); }
    const std::string& shownId() const { return history_.shownId(); }
    // Every inn of the history and every starred inn; waits for the earlier
    // runs' inns and the starred ones to be read.
    ListedInns listedInns();
    // Deletes the inns of those names, starred or not, and then shows the
    // inn `show` names, if any, from the history or the starred inns.
    void applyListChoice(const std::vector<std::string>& deleted, const std::optional<std::string>& show);

    // Reads the inn files in order beside the window, then puts their inns
    // in the history after the shown one, the first of them shown, when
    // `mayDrop` allows the oldest inns that must make room for them to go.
    void openInnFiles(const std::vector<std::filesystem::path>& paths);
    void askBeforeDropping(std::function<bool(std::size_t opened, std::size_t drops)> mayDrop)
    {
        mayDrop_ = std::move(mayDrop);
    }

    // Keeps the inns in the session folder `folder` and the starred inns in
    // `starredFile` from now on, and puts those kept by earlier runs before
    // the first inn of this one once read, which startKeeping begins.
    void keepInnsIn(const std::filesystem::path& folder, const std::filesystem::path& starredFile);
    void startKeeping();
    // The window's inns kept as they stand, at once; and once typing began,
    // a second later, however long it goes on.
    void keepSession();
    void keepTyping();
    // Keeps the inns as they stand and waits until they are written.
    void finishKeeping();

    // The scene file and the word folder made where they are not, followed
    // from then on; says whether they are there.
    bool prepareSceneFile();
    bool prepareWordFolder();
    void updateSceneList();
    void updateWordLists();
    const std::filesystem::path& sceneFile() const { return sceneFile_; }
    const std::filesystem::path& wordFolder() const { return wordFolder_; }

signals:
    // The shown inn, or where the history can step from it, changed.
    void innChanged();
    // What applies now changed, and the shown inn did not.
    void commandsChanged();
    void partsChanged();
    // Something to tell the user, a message each.
    void problemsFound(const std::vector<std::string>& messages);
    // The files of an openInnFiles call were read; their inns come next.
    void innFilesRead();
    // The files of an openInnFiles call were read and their inns shown.
    void innFilesOpened();
    // The inns of earlier runs joined the history.
    void sessionRestored();

private:
    struct OpenedFile {
        std::filesystem::path path;
        InnFileRead read;
    };

    // Runs a change of the shown inn on the inn as the user sees it.
    void changeShownInn(const std::function<void()>& change);
    void showOpenedInns(std::vector<OpenedFile> files);
    void reportProblem(const std::string& message);
    void keepSessionSoon();
    // Takes what the session keeper has: the inns of earlier runs, once
    // read, and messages for the user.
    void takeSessionNews();
    void restoreSession(bool wait);
    void restorePins(std::vector<KeptPin> pins);
    void takeStarred(bool wait);
    void changeStars(const std::vector<StarChange>& changes);
    void useStarred(std::vector<KeptInn> starred);
    // The changes of starred inns since this window last starred or updated
    // them, each telling what it changed since then.
    std::vector<StarChange> starredUpdates(const std::vector<KeptInn>& inns);
    TableLine shownTableLine() const;
    std::size_t lineAtCursor(LineBox box) const;
    // After a draw: the pinned lines of the parts drawn back in the shown inn.
    void keepPinnedLines(const DrawnParts& drawn);
    // The pins changed: they are kept as they are now, and what was taken
    // away as taken away.
    void notePins();

    // Created in this order: the start-up sequence.
    const std::uint32_t seed_;
    const std::string windowId_;
    LcgRandom random_;
    const std::filesystem::path sceneFile_;
    const std::filesystem::path wordFolder_;
    InnGenerator generator_;
    InnHistory history_;

    ShownEdits edits_;
    std::size_t tableLine_ = 0;
    std::size_t menuLine_ = 0;
    LineBox lineBox_ = LineBox::Table;
    std::vector<LinePin> pins_;
    std::vector<KeptPin> keptPins_;  // the pins as kept, and those taken away
    std::int64_t lastPinChange_ = 0;
    std::function<bool(std::size_t, std::size_t)> mayDrop_ = [](std::size_t, std::size_t) { return true; };
    EditedFileWatcher sceneFileWatcher_{this};
    EditedFileWatcher wordFolderWatcher_{this};
    UserWords userWords_;                           // as the generator draws from them
    QTimer sessionKeeping_;                         // after a change of the history
    QTimer typingKeeping_;                          // after typing
    std::unique_ptr<SessionKeeper> sessionKeeper_;  // none: no session kept
    bool sessionRestoring_ = false;                 // the inns of earlier runs are being read
    bool keepingStarted_ = false;                   // the first inn is on the screen
    std::vector<KeptInn> starred_;                  // as their file holds them, with the changes asked for
    std::map<std::string, KeptInn> starsSent_;      // the inns as this window last starred or updated them
    // Last: the desk waits for the files being read before it goes.
    std::vector<std::future<void>> fileReads_;
};

}  // namespace brewick
