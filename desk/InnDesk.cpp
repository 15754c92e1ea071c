#include "desk/InnDesk.h"

#include <algorithm>
#include <chrono>

#include "files/ListFile.h"
#include "files/UserSceneFile.h"
#include "generators/PatronDetails.h"
#include "generators/WordLists.h"
#include "platform/TextEditor.h"

namespace brewick {

namespace {
std::string sceneFileProblem(const std::filesystem::path& sceneFile, const std::string& reason)
{
    return "Cannot read scene file " + sceneFile.string() + ": " + reason;
}

std::string wordListProblem(const WordFileProblem& problem)
{
    return "Cannot use word list " + problem.file.string() + ": " + problem.reason;
}

// What a new word folder holds: the README and the built-in lists to copy from.
std::vector<FolderFile> wordFolderFiles()
{
    std::vector<FolderFile> files = {{kWordFolderReadme, wordFolderReadme()}};
    for (const NamedWordList& named : kNamedWordLists)
        files.push_back(
            {std::filesystem::path("built-in") / (std::string(named.name) + ".txt"), builtInListFile(named)});
    return files;
}

// What to tell of a file opened, if anything: none of its inns read, or some.
std::optional<std::string> openingProblem(const std::filesystem::path& path, const InnFileRead& read)
{
    if (!read.error)
        return std::nullopt;
    if (read.inns.empty())
        return "Cannot open inn file " + path.string() + ": " + *read.error +
               (read.unread > 1 ? "; " + std::to_string(read.unread - 1) + " more could not be read either"
                                : std::string());
    return "Inn file " + path.string() + ": " + std::to_string(read.inns.size()) + " of " +
           std::to_string(read.inns.size() + read.unread) + " inns are open; " +
           (read.unread == 1 ? "the other could not be read, "
                             : std::to_string(read.unread) + " could not be read, the first ") +
           "at " + *read.error;
}
}  // namespace

InnDesk::InnDesk(std::uint32_t seed, std::filesystem::path sceneFile, std::filesystem::path wordFolder, QObject* parent)
    : QObject(parent),
      seed_(seed),
      windowId_(uniqueWindowId()),
      random_(seed_),
      sceneFile_(std::move(sceneFile)),
      wordFolder_(std::move(wordFolder)),
      generator_(random_, readListFile(sceneFile_)),
      history_(seed_, innJsonPacking(), windowId_),
      edits_{[this] { return generator_.sheet(); }, [] {}}
{
    sceneFileWatcher_.setObjectName(QString::fromLatin1(sceneFileWatcherName));
    wordFolderWatcher_.setObjectName(QString::fromLatin1(wordFolderWatcherName));
    connect(&sceneFileWatcher_, &EditedFileWatcher::changed, this, &InnDesk::updateSceneList);
    connect(&wordFolderWatcher_, &EditedFileWatcher::changed, this, &InnDesk::updateWordLists);
    // After the change is on the screen, and once for a burst of them;
    // typing is kept a second after it began, however long it goes on.
    sessionKeeping_.setSingleShot(true);
    sessionKeeping_.setInterval(100);
    typingKeeping_.setSingleShot(true);
    typingKeeping_.setInterval(1000);
    connect(&sessionKeeping_, &QTimer::timeout, this, &InnDesk::keepSession);
    connect(&typingKeeping_, &QTimer::timeout, this, &InnDesk::keepSession);
}

InnDesk::~InnDesk() = default;

void InnDesk::start()
{
    if (const auto& error = generator_.sceneFileError())
        reportProblem(sceneFileProblem(sceneFile_, *error));
    if (!wordFolder_.empty())
        wordFolderWatcher_.watch(wordFolder_);
    updateWordLists();
}

InnDesk::Commands InnDesk::commands() const
{
    const InnSheet& sheet = generator_.sheet();
    const auto table = static_cast<std::size_t>(sheet.chosenTable);
    const TableLine line = shownTableLine();
    const bool onPatron = line.role == TableLine::Patron || line.role == TableLine::Details;
    const std::size_t patrons = table < sheet.tableBlocks.size() ? sheet.tableBlocks[table].patrons.size() : 0;
    bool anyToFleshOut = false;
    for (std::size_t patron = 0; patron < patrons; ++patron)
        anyToFleshOut = anyToFleshOut || canFleshOut(sheet, table, patron);
    return {.previous = history_.canGoBack() || sessionRestoring_,
            .next = history_.canGoForward(),
            .star = !history_.shownId().empty(),
            .starred = history_.isStarred(history_.shownId()),
            .table = sheet.chosenTable >= 0,
            .line = line.role,
            .fleshedOut = onPatron && sheet.tableBlocks[table].patrons[line.patron].fleshedOut,
            .fleshOutPatron = line.role == TableLine::Patron && canFleshOut(sheet, table, line.patron),
            .fleshOutTable = anyToFleshOut,
            .lineBox = lineBox_,
            .pinnable = pinOfLine(sheet, lineBox_, lineAtCursor(lineBox_)).has_value(),
            .pinned = pinMarking(sheet, pins_, lineBox_, lineAtCursor(lineBox_)).has_value(),
            .tableLinePinned = pinMarking(sheet, pins_, LineBox::Table, tableLine_).has_value()};
}

void InnDesk::changeShownInn(const std::function<void()>& change)
{
    edits_.commit();
    change();
    notePins();
    emit innChanged();
    keepSessionSoon();
}

void InnDesk::generate()
{
    if (!generator_.parts().anyTicked()) {
        reportProblem("Nothing is ticked to regenerate: tick \"All\" or the parts to regenerate");
        return;
    }
    const auto drawn = [this](InnPart part) {
        return generator_.parts().isTicked(InnPart::All) || generator_.parts().isTicked(part);
    };
    DrawnParts parts;
    parts.menu = drawn(InnPart::Menu);
    parts.scene = drawn(InnPart::Scene);
    parts.everyTable = drawn(InnPart::Tables);
    changeShownInn([&] {
        history_.generate(generator_);
        keepPinnedLines(parts);
    });
}

void InnDesk::selectLocation(InnLocation location)
{
    // The new location's menu is drawn anew.
    DrawnParts menu;
    menu.menu = location != generator_.sheet().location;
    changeShownInn([&] {
        history_.selectLocation(generator_, location);
        keepPinnedLines(menu);
    });
}

void InnDesk::selectQuality(InnQuality quality)
{
    changeShownInn([&] { history_.selectQuality(generator_, quality); });
}

void InnDesk::chooseTable(int index)
{
    changeShownInn([&] { generator_.chooseTable(index); });
}

void InnDesk::showPrevious()
{
    restoreSession(true);
    changeShownInn([this] { history_.goBack(generator_); });
}

void InnDesk::showNext()
{
    changeShownInn([this] { history_.goForward(generator_); });
}

void InnDesk::rerollTable()
{
    if (generator_.sheet().chosenTable < 0)
        return;
    DrawnParts table;
    table.table = static_cast<std::size_t>(generator_.sheet().chosenTable);
    changeShownInn([&] {
        history_.changeShown(generator_, [this] { generator_.rerollChosenTable(); });
        keepPinnedLines(table);
    });
}

void InnDesk::rerollTableLine()
{
    const TableLine::Role role = shownTableLine().role;
    // No step of the history where nothing is drawn.
    if ((role != TableLine::Patron && role != TableLine::Action) || commands().tableLinePinned)
        return;
    changeShownInn(
        [this] { history_.changeShown(generator_, [this] { generator_.rerollChosenTableLine(tableLine_); }); });
}

void InnDesk::fleshOutPatron()
{
    if (commands().fleshOutPatron)
        changeShownInn([this] {
            history_.changeShown(generator_, [this] { generator_.fleshOutChosenPatron(shownPlace(), tableLine_); });
            followPinnedPatrons(generator_.sheet(), pins_);
        });
}

void InnDesk::fleshOutTable()
{
    if (commands().fleshOutTable)
        changeShownInn([this] {
            history_.changeShown(generator_, [this] { generator_.fleshOutChosenTable(shownPlace()); });
            followPinnedPatrons(generator_.sheet(), pins_);
        });
}

void InnDesk::setPart(InnPart part, bool ticked)
{
    generator_.setPart(part, ticked);
    emit partsChanged();
}

void InnDesk::setNotes(std::string notes)
{
    std::string& shown = generator_.sheet().notes;
    if (shown == notes)
        return;
    shown = std::move(notes);
    keepTyping();
}

void InnDesk::chooseTableLine(std::size_t line)
{
    tableLine_ = line;
    emit commandsChanged();
}

void InnDesk::chooseLineBox(LineBox box)
{
    lineBox_ = box;
    emit commandsChanged();
}

void InnDesk::chooseMenuLine(std::size_t line)
{
    menuLine_ = line;
    emit commandsChanged();
}

void InnDesk::togglePin()
{
    edits_.commit();
    const InnSheet& sheet = generator_.sheet();
    const std::size_t line = lineAtCursor(lineBox_);
    if (const std::optional<std::size_t> marking = pinMarking(sheet, pins_, lineBox_, line)) {
        pins_.erase(pins_.begin() + static_cast<std::ptrdiff_t>(*marking));
    } else if (std::optional<LinePin> pin = pinOfLine(sheet, lineBox_, line)) {
        pin->origin = shownId();
        addPin(pins_, std::move(*pin));
    }
    notePins();
    keepSessionSoon();
    emit commandsChanged();
}

void InnDesk::followEdit(LineBox box, const TextLines& before, const TextLines& after)
{
    if (!followLineEdit(pins_, generator_.sheet(), box, before, after))
        return;
    notePins();
    emit commandsChanged();
}

void InnDesk::notePins()
{
    // One pin's change after another's, also within the clock's millisecond.
    lastPinChange_ = std::max(InnHistory::systemClock(), lastPinChange_ + 1);
    followPins(keptPins_, pins_, lastPinChange_);
    keptPins_ = mergePins(keptPins_);
    history_.reserveBytes(keptPinsSize(keptPins_));
}

std::vector<std::size_t> InnDesk::pinnedLines(LineBox box) const
{
    return brewick::pinnedLines(generator_.sheet(), pins_, box);
}

std::vector<std::string> InnDesk::pinnedLinesOf(const std::string& innId) const
{
    std::vector<std::string> lines;
    for (const LinePin& pin : pins_)
        if (pin.origin == innId)
            lines.push_back(pin.line);
    return lines;
}

std::size_t InnDesk::lineAtCursor(LineBox box) const
{
    switch (box) {
    case LineBox::Table:
        return tableLine_;
    case LineBox::Menu:
        return menuLine_;
    case LineBox::Scene:
        break;
    }
    return 0;
}

void InnDesk::keepPinnedLines(const DrawnParts& drawn)
{
    putBackPins(generator_.sheet(), pins_, drawn, shownPlace(), generator_.wordLists());
}

TableLine InnDesk::shownTableLine() const
{
    const InnSheet& sheet = generator_.sheet();
    if (sheet.chosenTable < 0)
        return {};
    return tableLineAt(sheet, static_cast<std::size_t>(sheet.chosenTable), tableLine_);
}

void InnDesk::openInnFiles(const std::vector<std::filesystem::path>& paths)
{
    if (paths.empty())
        return;
    std::erase_if(fileReads_, [](const std::future<void>& read) {
        return read.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    });
    fileReads_.push_back(std::async(std::launch::async, [this, paths] {
        auto files = std::make_shared<std::vector<OpenedFile>>();
        for (const std::filesystem::path& path : paths)
            files->push_back({path, readInnFile(path)});
        QMetaObject::invokeMethod(
            this, [this, files] { showOpenedInns(std::move(*files)); }, Qt::QueuedConnection);
    }));
}

void InnDesk::showOpenedInns(std::vector<OpenedFile> files)
{
    emit innFilesRead();
    std::vector<PlacedInn> inns;
    std::vector<std::string> problems;
    for (OpenedFile& file : files) {
        if (const std::optional<std::string> problem = openingProblem(file.path, file.read))
            problems.push_back(*problem);
        std::move(file.read.inns.begin(), file.read.inns.end(), std::back_inserter(inns));
    }
    // The bounds drop the oldest inns, never a starred one, to make room:
    // the user says whether to.
    if (!inns.empty()) {
        const std::size_t drops = history_.dropsToOpen(shownInn(), inns);
        if (drops == 0 || mayDrop_(inns.size(), drops))
            changeShownInn([&] { history_.open(generator_, std::move(inns)); });
    }
    if (!problems.empty())
        emit problemsFound(problems);
    emit innFilesOpened();
}

bool InnDesk::prepareSceneFile()
{
    if (const auto problem = createSceneFile(sceneFile_)) {
        reportProblem(*problem);
        return false;
    }
    // The list follows the file, not the editor: an editor may hand the file
    // to a running instance or be started by D-Bus, and then there is no
    // process to wait for.
    sceneFileWatcher_.watch(sceneFile_);
    return true;
}

void InnDesk::updateSceneList()
{
    // The generator keeps the error before it is told: telling it runs
    // events, and with them maybe another update, which must find this
    // error already known.
    const WordListFile read = readListFile(sceneFile_);
    if (generator_.updateSceneList(read) && read.error)
        reportProblem(sceneFileProblem(sceneFile_, *read.error));
}

bool InnDesk::prepareWordFolder()
{
    if (const auto problem = createWordFolder(wordFolder_, wordFolderFiles())) {
        reportProblem(*problem);
        return false;
    }
    // The folder may be new, and is followed from now on.
    wordFolderWatcher_.watch(wordFolder_);
    return true;
}

// Each problem is told once: one that stays through later changes is known.
void InnDesk::updateWordLists()
{
    UserWords read = readWordFolder(wordFolder_, wordListNames());
    if (read == userWords_)
        return;
    std::vector<std::string> news;
    for (const WordFileProblem& problem : read.problems)
        if (std::ranges::find(userWords_.problems, problem) == userWords_.problems.end())
            news.push_back(wordListProblem(problem));
    // Kept before the news is told, as for the scene file.
    userWords_ = std::move(read);
    generator_.useWordLists(userWords_.lists);
    if (!news.empty())
        emit problemsFound(news);
}

void InnDesk::reportProblem(const std::string& message) { emit problemsFound({message}); }

}  // namespace brewick
