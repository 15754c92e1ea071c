// The desk as a machine of states: sequences of the user's commands, drawn at
// random and shrunk to the shortest that breaks a promise, with the README's
// promises checked after every command on what the desk shows, keeps and
// writes. The test keeps beside the desk what it expects of the history: each
// inn as it was left, in order, the starred ones and the lines it typed.
#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>
#include <rapidcheck/state.h>
#include <rapidjson/document.h>

#include <QSignalSpy>

#include <bitset>
#include <fstream>
#include <map>
#include <set>

#include "core/TableText.h"
#include "desk/InnDesk.h"
#include "files/InnReader.h"
#include "files/ListFile.h"
#include "generators/Tables.h"
#include "output/formats/InnSheetText.h"
#include "support/TempDir.h"

namespace brewick {
namespace {

// The sections of an inn, by the commands that may change them.
enum Section { Name, Landlord, Location, Quality, Rooms, Menu, Scene, Tables, ShownTable, Notes, kSections };
using Sections = std::bitset<kSections>;

Sections changedSections(const InnSheet& a, const InnSheet& b)
{
    Sections changed;
    changed[Name] = a.innName != b.innName;
    changed[Landlord] = a.landlordName != b.landlordName;
    changed[Location] = a.location != b.location;
    changed[Quality] = a.quality != b.quality;
    changed[Rooms] = !(a.rooms == b.rooms);
    changed[Menu] = a.menuLines != b.menuLines;
    changed[Scene] = a.barScene != b.barScene;
    changed[Tables] = a.tableCount != b.tableCount || a.tableText != b.tableText || a.tableBlocks != b.tableBlocks ||
                      a.tableChoices != b.tableChoices;
    changed[ShownTable] = a.chosenTable != b.chosenTable || a.shownTableLines != b.shownTableLines;
    changed[Notes] = a.notes != b.notes;
    return changed;
}

Sections sections(std::initializer_list<Section> list)
{
    Sections set;
    for (Section section : list)
        set[section] = true;
    return set;
}

std::vector<std::string> blockLines(const InnSheet& sheet, std::size_t table)
{
    const auto first = sheet.tableText.begin() + static_cast<std::ptrdiff_t>(firstLineOfBlock(sheet, table));
    return {first, first + static_cast<std::ptrdiff_t>(sheet.tableBlocks[table].lineCount)};
}

// The tables whose block, patrons or choice differ, of two inns with as many tables.
std::set<std::size_t> changedTables(const InnSheet& a, const InnSheet& b)
{
    std::set<std::size_t> changed;
    for (std::size_t table = 0; table < a.tableBlocks.size(); ++table)
        if (blockLines(a, table) != blockLines(b, table) || a.tableBlocks[table] != b.tableBlocks[table] ||
            a.tableChoices[table] != b.tableChoices[table])
            changed.insert(table);
    return changed;
}

std::string savedText(const InnSheet& sheet)
{
    std::string text;
    appendInnSheetText(sheet, "\n", text);
    return text;
}

std::string packed(const InnSheet& sheet, InnPlace place) { return innJsonPacking().pack(sheet, place); }

std::string headingOf(std::size_t table, std::size_t patrons)
{
    TextLines heading;
    addTableHeading(heading, static_cast<int>(table) + 1, static_cast<int>(patrons));
    return std::string(heading[0]);
}

// How many patrons of the table, from the first, read as drawn: each one's
// line, with the line of its details below it if fleshed out, before the
// closing line.
std::size_t patronsReadingAsDrawn(const InnSheet& sheet, std::size_t table)
{
    const std::vector<std::string> lines = blockLines(sheet, table);
    const std::vector<Patron>& patrons = sheet.tableBlocks[table].patrons;
    std::size_t read = 0;
    while (read < patrons.size()) {
        const std::size_t at = lineOfPatron(patrons, read);
        if (at + (patrons[read].fleshedOut ? 2 : 1) >= lines.size() || !readsAsDrawn(patrons[read], lines[at]))
            break;
        ++read;
    }
    return read;
}

// A patron whose details read as drawn: where it sits, and its details.
struct FleshedOut {
    std::size_t table = 0;
    std::size_t patron = 0;
    std::size_t line = 0;  // of the patron's line, in the table's block
    std::string patronLine, detailsLine, name, trait, rumour;
};

std::vector<FleshedOut> fleshedOutPatrons(const InnSheet& sheet)
{
    std::vector<FleshedOut> fleshedOut;
    for (std::size_t table = 0; table < sheet.tableBlocks.size(); ++table) {
        const std::vector<Patron>& patrons = sheet.tableBlocks[table].patrons;
        const std::vector<std::string> lines = blockLines(sheet, table);
        for (std::size_t patron = 0; patron < patrons.size(); ++patron) {
            const std::size_t at = lineOfPatron(patrons, patron);
            if (!patrons[patron].fleshedOut || at + 1 >= lines.size() ||
                !readsAsFleshedOut(patrons[patron], lines[at + 1]))
                continue;
            const PatronDetails details = patronDetails(patrons[patron], lines[at + 1]);
            fleshedOut.push_back({table, patron, at, lines[at], lines[at + 1], std::string(details.name),
                                  std::string(details.trait), std::string(details.rumour)});
        }
    }
    return fleshedOut;
}

// A step of the history as the test expects it.
struct Step {
    std::string id;
    std::string json;
    std::set<std::size_t> typedTables;  // tables typed into since they were drawn
};

struct Model {};  // what the desk draws is known only once drawn: the expectations live beside the desk

class DeskUnderTest {
public:
    explicit DeskUnderTest(std::uint32_t seed) { open(seed); }

    InnDesk& desk() { return *desk_; }
    InnSheet shown() const { return desk_->shownInn(); }
    Step& shownStep() { return steps_[shown_]; }

    // Runs a command that changes the shown inn in place, or, when `step`,
    // keeps it as it stands and shows the next step made from it; then
    // checks that only `may` of the inn changed and every promise holds.
    void change(bool step, Sections may, const std::function<void()>& command)
    {
        const std::string before = packed(shown(), desk_->shownPlace());
        const InnSheet sheet = shown();
        const std::string id = desk_->shownId();
        command();
        RC_ASSERT((desk_->shownId() != id) == step);
        RC_ASSERT((changedSections(sheet, shown()) & ~may).none());
        if (step) {
            shownStep().json = before;
            const Step made = shownStep();
            steps_.insert(steps_.begin() + static_cast<std::ptrdiff_t>(++shown_), made);
            shownStep().id = desk_->shownId();
        }
        shownStep().json = packed(shown(), desk_->shownPlace());
        checkPromises();
    }

    void step(int by)
    {
        const std::size_t to = static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(
            static_cast<std::ptrdiff_t>(shown_) + by, 0, static_cast<std::ptrdiff_t>(steps_.size()) - 1));
        if (by < 0)
            desk_->showPrevious();
        else
            desk_->showNext();
        shown_ = to;
        checkPromises();
    }

    void generate(InnPart part)
    {
        const bool all = part == InnPart::All;
        // The batch's draws go on alike while the desk drew nothing else from
        // an inn of the same location (whose change draws a menu).
        if (!all || !batch_ || batch_->sheet().location != shown().location)
            batch_.reset();
        desk_->setPart(part, true);
        const Sections may = all ? ~Sections()
                                 : sections({part == InnPart::InnName    ? Name
                                             : part == InnPart::Landlord ? Landlord
                                             : part == InnPart::Menu     ? Menu
                                             : part == InnPart::Rooms    ? Rooms
                                             : part == InnPart::Scene    ? Scene
                                                                         : Tables}) |
                                       sections({ShownTable});
        change(true, may, [this] { desk_->generate(); });
        if (all || part == InnPart::Tables)
            shownStep().typedTables.clear();
        if (batch_) {
            batch_->generate();
            if (desk_->pins().empty())
                RC_ASSERT(shown() == batch_->sheet());
        }
        checkPinsBack({all || part == InnPart::Menu, all || part == InnPart::Scene, all || part == InnPart::Tables,
                       std::nullopt});
        desk_->setPart(InnPart::All, true);
    }

    // The desk drew from its source what the batch does not.
    void drewAside() { batch_.reset(); }

    // The pins of the parts drawn are back.
    void checkPinsBack(const DrawnParts& drawn)
    {
        const InnSheet sheet = shown();
        for (const LinePin& pin : desk_->pins()) {
            if (pin.kind == LinePin::Kind::Scene && drawn.scene)
                RC_ASSERT(sheet.barScene == pin.line);
            if (pin.kind == LinePin::Kind::MenuLine && drawn.menu)
                RC_ASSERT(std::ranges::count(sheet.menuLines, pin.line) > 0);
            if (pin.kind != LinePin::Kind::Patron && pin.kind != LinePin::Kind::Action)
                continue;
            if (sheet.tableBlocks.empty())
                continue;
            const std::size_t table = std::min(pin.table, sheet.tableBlocks.size() - 1);
            if (!drawn.everyTable && drawn.table != table)
                continue;
            const std::vector<std::string> lines = blockLines(sheet, table);
            const std::size_t patrons = sheet.tableBlocks[table].patrons.size();
            if (pin.kind == LinePin::Kind::Patron)
                RC_ASSERT(std::ranges::count(lines, pin.line) > 0 || patrons == kMostPatrons);
            else if (patrons > 0)
                RC_ASSERT(lines[lines.size() - 2] == pin.line);
        }
    }

    // A patron given details in the inn at `place`: no other patron given
    // details there had the same.
    void newDetails(InnPlace place, const FleshedOut& patron)
    {
        std::map<std::string, std::string>& given = details_[{place.seed, place.number}];
        for (const auto& [line, details] : given)
            RC_ASSERT(line == patron.patronLine || details != patron.detailsLine);
        given[patron.patronLine] = patron.detailsLine;
    }

    void typedInto(std::size_t table) { shownStep().typedTables.insert(table); }
    // A line pinned from a table typed into may be any line the typing
    // moved to where a patron's line or the action line was: it counts as
    // typed wherever it goes back.
    void pinnedFromShownTable()
    {
        const InnSheet sheet = shown();
        const auto table = static_cast<std::size_t>(sheet.chosenTable);
        if (!isTyped(shownStep(), sheet, table))
            return;
        for (const LinePin& pin : desk_->pins())
            if (pin.kind != LinePin::Kind::MenuLine && pin.kind != LinePin::Kind::Scene && pin.table == table)
                typedLines_.insert({pin.line, pin.details});
    }
    std::string typed(std::string line)
    {
        typedLines_.insert(line);
        return line;
    }
    std::size_t typings() const { return typedLines_.size(); }

    void toggleStar()
    {
        const std::string id = desk_->shownId();
        if (!starred_.erase(id))
            starred_.insert(id);
        change(false, {}, [this] { desk_->toggleStar(); });
    }

    // Deletes the inns at those places of the history, but the shown one,
    // and then shows the inn at `show`, if any, as History does.
    void remove(const std::vector<std::size_t>& places, std::optional<std::size_t> show)
    {
        std::vector<std::string> ids;
        for (std::size_t place : places)
            if (place % steps_.size() != shown_)
                ids.push_back(steps_[place % steps_.size()].id);
        const std::string shownId = show ? steps_[*show % steps_.size()].id : desk_->shownId();
        std::erase(ids, shownId);
        desk_->applyListChoice(ids, show ? std::optional(shownId) : std::nullopt);
        std::erase_if(steps_, [&](const Step& step) { return std::ranges::count(ids, step.id) > 0; });
        for (const std::string& id : ids)
            starred_.erase(id);
        shown_ = static_cast<std::size_t>(std::ranges::find(steps_, shownId, &Step::id) - steps_.begin());
        checkPromises();
    }

    // Opens a file of the shown inn and `more` inns of another run after it.
    void openFile(int more)
    {
        std::string file = packed(shown(), desk_->shownPlace()) + "\n";
        std::vector<Step> opened = {{{}, file.substr(0, file.size() - 1), shownStep().typedTables}};
        LcgRandom random(7);
        InnGenerator generator(random, {});
        for (std::uint64_t number = 1; number <= static_cast<std::uint64_t>(more); ++number) {
            generator.generate();
            opened.push_back({{}, packed(generator.sheet(), {number, 7}), {}});
            file += opened.back().json + "\n";
        }
        const std::filesystem::path path = dir_.path() / "opened.jsonl";
        std::ofstream(path, std::ios::binary) << file;
        QSignalSpy done(desk_.get(), &InnDesk::innFilesOpened);
        desk_->openInnFiles({path});
        RC_ASSERT(done.wait(20000));
        const std::vector<KeptInn> listed = desk_->listedInns().history;
        RC_ASSERT(listed.size() == steps_.size() + opened.size());
        for (std::size_t at = 0; at < opened.size(); ++at)
            opened[at].id = listed[shown_ + 1 + at].id;
        steps_.insert(steps_.begin() + static_cast<std::ptrdiff_t>(shown_ + 1), opened.begin(), opened.end());
        ++shown_;
        checkPromises();
    }

    // A new desk on the same folders, as the next start of Brewick makes.
    // The next start has the inns and pins of this window and of every
    // other that ran meanwhile.
    void restart(std::uint32_t seed)
    {
        desk_->finishKeeping();
        std::vector<LinePin> pins = desk_->pins();
        pins.insert(pins.end(), otherPins_.begin(), otherPins_.end());
        desk_.reset();
        open(seed);
        // Each pin is back, but where a later one of another window holds
        // its place: a table's action line, or the scene.
        const std::vector<LinePin>& restored = desk_->pins();
        for (const LinePin& pin : pins) {
            const bool placeTaken = std::ranges::any_of(restored, [&pin](const LinePin& other) {
                return other.kind == pin.kind && (pin.kind == LinePin::Kind::Scene ||
                                                  (pin.kind == LinePin::Kind::Action && other.table == pin.table));
            });
            RC_ASSERT(std::ranges::count(restored, pin) == 1 || placeTaken);
        }
        for (const LinePin& pin : restored)
            RC_ASSERT(std::ranges::count(pins, pin) > 0);
        otherPins_.clear();
    }

    // Another window on the same folders, started and closed while this one
    // runs: it makes an inn of its own and pins a line of it.
    void anotherWindow(std::uint32_t seed, std::size_t line)
    {
        InnDesk other(seed, dir_.path() / "BarScenes.txt");
        other.keepInnsIn(dir_.path() / "state", dir_.path() / "data" / "kept-inns.jsonl");
        other.start();
        other.generate();
        other.startKeeping();
        other.chooseTableLine(line);
        other.togglePin();
        other.finishKeeping();
        otherInns_.push_back({other.shownId(), packed(other.shownInn(), other.shownPlace()), {}});
        otherPins_.insert(otherPins_.end(), other.pins().begin(), other.pins().end());
        checkPromises();
    }

    // After every command.
    void checkPromises()
    {
        RC_ASSERT(problems_.empty());
        const InnDesk::ListedInns listed = desk_->listedInns();
        RC_ASSERT(listed.history.size() == steps_.size());
        for (std::size_t at = 0; at < steps_.size(); ++at) {
            RC_ASSERT(listed.history[at].id == steps_[at].id);
            RC_ASSERT(*listed.history[at].packed == steps_[at].json);
        }
        RC_ASSERT(desk_->shownId() == steps_[shown_].id);
        std::set<std::string> starred;
        for (const KeptInn& inn : listed.starred)
            starred.insert(inn.id);
        RC_ASSERT(starred == starred_);
        RC_ASSERT(listed.starred.size() == starred_.size());
        const InnDesk::Commands commands = desk_->commands();
        RC_ASSERT(commands.previous == (shown_ > 0));
        RC_ASSERT(commands.next == (shown_ + 1 < steps_.size()));
        RC_ASSERT(commands.starred == starred_.contains(desk_->shownId()));
        const InnSheet sheet = shown();
        checkTables(sheet);
        checkJson(sheet);
    }

private:
    void open(std::uint32_t seed)
    {
        desk_ = std::make_unique<InnDesk>(seed, dir_.path() / "BarScenes.txt");
        QObject::connect(desk_.get(), &InnDesk::problemsFound, [this](const std::vector<std::string>& messages) {
            problems_.insert(problems_.end(), messages.begin(), messages.end());
        });
        desk_->keepInnsIn(dir_.path() / "state", dir_.path() / "data" / "kept-inns.jsonl");
        desk_->start();
        desk_->generate();
        desk_->startKeeping();
        steps_.push_back({desk_->shownId(), packed(shown(), desk_->shownPlace()), {}});
        takeOtherWindowsInns();
        LcgRandom* random = &batchRandom_.emplace(seed);
        batch_.emplace(*random, readListFile(dir_.path() / "BarScenes.txt"));
        batch_->generate();
        RC_ASSERT(shown() == batch_->sheet());
        checkStarredKept();
        checkPromises();
    }

    // The inns the other windows made are each once among those restored,
    // which are this window's as they were, in their order.
    void takeOtherWindowsInns()
    {
        std::vector<Step> steps;
        auto own = steps_.begin();
        for (const KeptInn& inn : desk_->listedInns().history) {
            const auto other = std::ranges::find(otherInns_, inn.id, &Step::id);
            RC_ASSERT(other != otherInns_.end() || (own != steps_.end() && own->id == inn.id));
            steps.push_back(other != otherInns_.end() ? *other : *own++);
        }
        RC_ASSERT(steps.size() == steps_.size() + otherInns_.size());
        steps_ = std::move(steps);
        shown_ = steps_.size() - 1;
        otherInns_.clear();
    }

    // The starred inns kept are as they were last kept in the history.
    void checkStarredKept()
    {
        for (const KeptInn& inn : desk_->listedInns().starred) {
            const auto step = std::ranges::find(steps_, inn.id, &Step::id);
            RC_ASSERT(step != steps_.end());
            RC_ASSERT(*inn.packed == step->json);
        }
    }

    bool isTyped(const Step& step, const InnSheet& sheet, std::size_t table) const
    {
        return step.typedTables.contains(table) ||
               std::ranges::any_of(blockLines(sheet, table),
                                   [this](const std::string& line) { return typedLines_.contains(line); });
    }

    // No table seats more than seven; the choices count the patrons seated,
    // and a table nobody typed into reads as drawn: its heading counts them,
    // each patron and details line reads as drawn, and what they are doing
    // names them, or no one is sitting there.
    void checkTables(const InnSheet& sheet) const
    {
        RC_ASSERT(sheet.tableBlocks.size() == sheet.tableChoices.size());
        RC_ASSERT(static_cast<std::size_t>(sheet.tableCount) == sheet.tableBlocks.size());
        for (std::size_t table = 0; table < sheet.tableBlocks.size(); ++table) {
            const std::vector<Patron>& patrons = sheet.tableBlocks[table].patrons;
            RC_ASSERT(patrons.size() <= static_cast<std::size_t>(kMostPatrons));
            TextLines choice;
            addTableChoice(choice, static_cast<int>(table) + 1, static_cast<int>(patrons.size()));
            RC_ASSERT(sheet.tableChoices[table] == choice[0]);
            if (isTyped(steps_[shown_], sheet, table))
                continue;
            const std::vector<std::string> lines = blockLines(sheet, table);
            RC_ASSERT(lines.front() == headingOf(table, patrons.size()));
            RC_ASSERT(lines.back() == kTableBlockEnd);
            if (patrons.empty()) {
                RC_ASSERT(lines.size() == 3u && lines[1] == kNoOneThere);
                continue;
            }
            RC_ASSERT(patronsReadingAsDrawn(sheet, table) == patrons.size());
            const std::size_t action = lineOfPatron(patrons, patrons.size());
            RC_ASSERT(lines.size() == action + 2);
            for (std::size_t patron = 0; patron < patrons.size(); ++patron)
                if (patrons[patron].fleshedOut)
                    RC_ASSERT(readsAsFleshedOut(patrons[patron], lines[lineOfPatron(patrons, patron) + 1]));
            const std::string_view named = patrons.size() > 1 ? "They are " : patrons[0].woman ? "She is " : "He is ";
            RC_ASSERT(lines[action].starts_with(named));
        }
    }

    // The JSON read back is the same inn, and lists exactly the patrons
    // whose lines read as drawn, with the details that still read so.
    void checkJson(const InnSheet& sheet) const
    {
        const std::string json = packed(sheet, desk_->shownPlace());
        const InnRead read = innFromJson(json);
        RC_ASSERT(read.inn.has_value());
        RC_ASSERT(savedText(read.inn->sheet) == savedText(sheet));
        RC_ASSERT(packed(read.inn->sheet, read.inn->place) == json);
        rapidjson::Document document;
        document.Parse(json.data(), json.size());
        const auto& tables = document["tables"];
        RC_ASSERT(tables.Size() == sheet.tableBlocks.size());
        for (std::size_t table = 0; table < sheet.tableBlocks.size(); ++table) {
            const auto& listed = tables[static_cast<rapidjson::SizeType>(table)];
            const std::vector<Patron>& patrons = sheet.tableBlocks[table].patrons;
            const std::vector<std::string> lines = blockLines(sheet, table);
            const std::size_t asDrawn = patronsReadingAsDrawn(sheet, table);
            RC_ASSERT(listed["patrons"].Size() == asDrawn);
            for (std::size_t patron = 0; patron < asDrawn; ++patron) {
                const auto& written = listed["patrons"][static_cast<rapidjson::SizeType>(patron)];
                const std::size_t at = lineOfPatron(patrons, patron);
                RC_ASSERT(written["text"].GetString() == lines[at]);
                const bool details = patrons[patron].fleshedOut && readsAsFleshedOut(patrons[patron], lines[at + 1]);
                RC_ASSERT(written.HasMember("rumour") == details);
            }
            const std::size_t action = lineOfPatron(patrons, asDrawn);
            const bool acting = asDrawn > 0 && asDrawn == patrons.size() && action + 1 < lines.size();
            RC_ASSERT(listed["action"].IsString() == acting);
            if (acting)
                RC_ASSERT(listed["action"].GetString() == lines[action]);
        }
    }

    test::TempDir dir_;
    std::unique_ptr<InnDesk> desk_;
    std::vector<Step> steps_;
    std::size_t shown_ = 0;
    std::set<std::string> starred_;
    std::set<std::string, std::less<>> typedLines_;
    std::vector<std::string> problems_;
    // What other windows kept since the last start.
    std::vector<Step> otherInns_;
    std::vector<LinePin> otherPins_;
    // The details lines given in each inn, by its run's seed and its number, and the patron's line.
    std::map<std::pair<std::uint32_t, std::uint64_t>, std::map<std::string, std::string>> details_;
    // The batch's inns of the desk's seed, while the desk draws as the batch does.
    std::optional<LcgRandom> batchRandom_;
    std::optional<InnGenerator> batch_;
};

using Command = rc::state::Command<Model, DeskUnderTest>;

// A line of a box, from the first to past the last, or none.
std::size_t anyLine() { return *rc::gen::inRange<std::size_t>(0, 12); }
std::optional<std::size_t> maybeLine() { return *rc::gen::arbitrary<bool>() ? std::optional(anyLine()) : std::nullopt; }

std::size_t chosenTable(const InnSheet& sheet) { return static_cast<std::size_t>(sheet.chosenTable); }

struct Generate : Command {
    InnPart part = *rc::gen::element(InnPart::All, InnPart::All, InnPart::All, InnPart::InnName, InnPart::Landlord,
                                     InnPart::Menu, InnPart::Rooms, InnPart::Tables, InnPart::Scene);
    void run(const Model&, DeskUnderTest& sut) const override { sut.generate(part); }
    void show(std::ostream& os) const override { os << "Generate part " << static_cast<int>(part); }
};

struct ChooseLocation : Command {
    int location = *rc::gen::inRange(0, kLocationCount);
    void run(const Model&, DeskUnderTest& sut) const override
    {
        const auto chosen = static_cast<InnLocation>(location);
        const bool changes = chosen != sut.shown().location;
        sut.change(changes, sections({Location, Rooms, Menu}), [&] { sut.desk().selectLocation(chosen); });
        if (changes)
            sut.drewAside();
        sut.checkPinsBack({changes, false, false, std::nullopt});
    }
    void show(std::ostream& os) const override { os << "Location " << location; }
};

struct ChooseQuality : Command {
    int quality = *rc::gen::inRange(0, kQualityCount);
    void run(const Model&, DeskUnderTest& sut) const override
    {
        const auto chosen = static_cast<InnQuality>(quality);
        sut.change(chosen != sut.shown().quality, sections({Quality, Rooms}),
                   [&] { sut.desk().selectQuality(chosen); });
    }
    void show(std::ostream& os) const override { os << "Quality " << quality; }
};

struct ChooseTable : Command {
    int table = *rc::gen::inRange(0, kMostTables);
    void run(const Model&, DeskUnderTest& sut) const override
    {
        const int index = table % std::max(sut.shown().tableCount, 1);
        sut.change(false, sections({ShownTable}), [&] { sut.desk().chooseTable(index); });
    }
    void show(std::ostream& os) const override { os << "Choose table " << table; }
};

struct RerollTable : Command {
    void run(const Model&, DeskUnderTest& sut) const override
    {
        const InnSheet before = sut.shown();
        const std::size_t table = chosenTable(before);
        sut.change(true, sections({Tables, ShownTable}), [&] { sut.desk().rerollTable(); });
        sut.drewAside();
        RC_ASSERT(changedTables(before, sut.shown()) <= std::set{table});
        sut.shownStep().typedTables.erase(table);
        sut.checkPinsBack({false, false, false, table});
    }
    void show(std::ostream& os) const override { os << "Re-roll Table"; }
};

// Draws the patron at the line again, or what they are doing; nothing on a
// pinned line or any other.
struct RerollLine : Command {
    std::size_t line = anyLine();
    void run(const Model&, DeskUnderTest& sut) const override
    {
        InnDesk& desk = sut.desk();
        desk.chooseTableLine(line);
        const InnSheet before = sut.shown();
        const TableLine chosen = tableLineAt(before, chosenTable(before), line);
        const bool pinned = std::ranges::count(desk.pinnedLines(LineBox::Table), chosen.line) > 0;
        RC_ASSERT(desk.commands().tableLinePinned == pinned);
        const bool draws = (chosen.role == TableLine::Patron || chosen.role == TableLine::Action) && !pinned;
        sut.change(draws, sections({Tables, ShownTable}), [&] { desk.rerollTableLine(); });
        if (draws)
            sut.drewAside();
        RC_ASSERT(changedTables(before, sut.shown()) <= std::set{chosenTable(before)});
        RC_ASSERT(before.tableChoices == sut.shown().tableChoices);
    }
    void show(std::ostream& os) const override { os << "Re-roll line " << line; }
};

// Fleshing out adds details lines and nothing else: no two patrons of a
// table share a trait or a rumour, none of the inn a name, and a patron
// drawn again is someone else.
struct FleshOut : Command {
    std::optional<std::size_t> line = maybeLine();
    void run(const Model&, DeskUnderTest& sut) const override
    {
        InnDesk& desk = sut.desk();
        if (line)
            desk.chooseTableLine(*line);
        const InnSheet before = sut.shown();
        const bool applies = line ? desk.commands().fleshOutPatron : desk.commands().fleshOutTable;
        sut.change(applies, sections({Tables, ShownTable}), [&] {
            if (line)
                desk.fleshOutPatron();
            else
                desk.fleshOutTable();
        });
        const InnSheet after = sut.shown();
        const std::size_t table = chosenTable(before);
        RC_ASSERT(changedTables(before, after) <= std::set{table});
        const std::vector<Patron>& was = before.tableBlocks[table].patrons;
        std::vector<std::string> lines = blockLines(after, table);
        const std::vector<FleshedOut> fleshedOut = fleshedOutPatrons(after);
        for (auto fresh = fleshedOut.rbegin(); fresh != fleshedOut.rend(); ++fresh) {
            if (fresh->table != table || was[fresh->patron].fleshedOut)
                continue;
            for (const FleshedOut& other : fleshedOut) {
                if (&other == &*fresh)
                    continue;
                RC_ASSERT(other.name != fresh->name);
                RC_ASSERT(other.table != table || (other.trait != fresh->trait && other.rumour != fresh->rumour));
            }
            sut.newDetails(desk.shownPlace(), *fresh);
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(fresh->line + 1));
        }
        RC_ASSERT(lines == blockLines(before, table));
    }
    void show(std::ostream& os) const override
    {
        os << "Flesh out " << (line ? "the patron of line " + std::to_string(*line) : std::string("the table"));
    }
};

struct TogglePin : Command {
    LineBox box = *rc::gen::element(LineBox::Table, LineBox::Table, LineBox::Menu, LineBox::Scene);
    std::size_t line = anyLine();
    void run(const Model&, DeskUnderTest& sut) const override
    {
        InnDesk& desk = sut.desk();
        desk.chooseLineBox(box);
        desk.chooseTableLine(line);
        desk.chooseMenuLine(line);
        const InnDesk::Commands before = desk.commands();
        sut.change(false, {}, [&] { desk.togglePin(); });
        RC_ASSERT(desk.commands().pinned == (before.pinnable && !before.pinned));
        sut.pinnedFromShownTable();
    }
    void show(std::ostream& os) const override { os << "Pin line " << line << " of box " << static_cast<int>(box); }
};

// Typing into a line of a box: a line inserted before it, letters added at
// its end, the line typed over or taken away.
struct Type : Command {
    enum Field { TableLines, MenuLines, BarScene, InnName, RoomCell };
    enum Edit { Insert, Append, Replace, Remove };
    Field field =
        *rc::gen::element(TableLines, TableLines, TableLines, MenuLines, MenuLines, BarScene, InnName, RoomCell);
    Edit edit = *rc::gen::element(Insert, Append, Append, Replace, Remove);
    std::size_t line = anyLine();

    void run(const Model&, DeskUnderTest& sut) const override
    {
        InnDesk& desk = sut.desk();
        InnSheet& sheet = desk.shownSheet();
        const std::string words = "typed " + std::to_string(sut.typings());
        switch (field) {
        case TableLines:
            sut.typedInto(chosenTable(sheet));
            sut.change(false, sections({Tables, ShownTable}), [&] {
                const TextLines before = sheet.shownTableLines;
                editShownTable(sheet, typedInto(before, sut, words));
                desk.followEdit(LineBox::Table, before, sheet.shownTableLines);
            });
            break;
        case MenuLines:
            sut.change(false, sections({Menu}), [&] {
                const TextLines before = std::exchange(sheet.menuLines, typedInto(sheet.menuLines, sut, words));
                desk.followEdit(LineBox::Menu, before, sheet.menuLines);
            });
            break;
        case BarScene:
            sut.change(false, sections({Scene}), [&] {
                const std::string before = sheet.barScene;
                sheet.barScene = sut.typed(edit == Append ? before + " " + words : words);
                desk.followEdit(LineBox::Scene, {before}, {sheet.barScene});
            });
            break;
        case InnName:
            sut.change(false, sections({Name}), [&] { sheet.innName += " " + words; });
            break;
        case RoomCell:
            sut.change(false, sections({Rooms}), [&] { sheet.rooms.cell(1 + line % 3, 1 + line % 2) = words; });
            break;
        }
        desk.keepTyping();
    }

    TextLines typedInto(const TextLines& lines, DeskUnderTest& sut, const std::string& words) const
    {
        std::vector<std::string> edited(lines.begin(), lines.end());
        const std::size_t at = std::min(line, edited.size());
        if (edit == Insert || at == edited.size())
            edited.insert(edited.begin() + static_cast<std::ptrdiff_t>(at), sut.typed(words));
        else if (edit == Remove)
            edited.erase(edited.begin() + static_cast<std::ptrdiff_t>(at));
        else
            edited[at] = sut.typed(edit == Append ? edited[at] + " " + words : words);
        TextLines typed;
        for (const std::string& text : edited)
            typed.add(text);
        return typed;
    }
    void show(std::ostream& os) const override
    {
        os << "Type into field " << field << ", line " << line << ", edit " << edit;
    }
};

struct WriteNotes : Command {
    std::string notes = *rc::gen::element<std::string>("", "Session 12:\nthe smugglers' contact",
                                                       "crossed\r\nout\rlines\xe2\x80\xa8", "\xff\x01 odd bytes", "  ");
    void run(const Model&, DeskUnderTest& sut) const override
    {
        sut.change(false, sections({Notes}), [&] { sut.desk().setNotes(notes); });
    }
    void show(std::ostream& os) const override { os << "Notes " << notes.size() << " bytes"; }
};

struct ToggleStar : Command {
    void run(const Model&, DeskUnderTest& sut) const override { sut.toggleStar(); }
    void show(std::ostream& os) const override { os << "Keep This Inn"; }
};

struct Previous : Command {
    void run(const Model&, DeskUnderTest& sut) const override { sut.step(-1); }
    void show(std::ostream& os) const override { os << "Previous"; }
};

struct Next : Command {
    void run(const Model&, DeskUnderTest& sut) const override { sut.step(1); }
    void show(std::ostream& os) const override { os << "Next"; }
};

// History's list: inns chosen and deleted, the last few deletions undone,
// and maybe another inn shown.
struct DeleteInns : Command {
    std::vector<std::size_t> chosen =
        *rc::gen::container<std::vector<std::size_t>>(rc::gen::inRange<std::size_t>(0, 12));
    std::size_t undone = *rc::gen::inRange<std::size_t>(0, 3);
    std::optional<std::size_t> shown = maybeLine();
    void run(const Model&, DeskUnderTest& sut) const override
    {
        const std::vector<std::size_t> deleted(
            chosen.begin(), chosen.end() - static_cast<std::ptrdiff_t>(std::min(undone, chosen.size())));
        sut.remove(deleted, shown);
    }
    void show(std::ostream& os) const override { os << "Delete " << chosen.size() << " inns, " << undone << " undone"; }
};

struct OpenFile : Command {
    int more = *rc::gen::inRange(0, 3);
    void run(const Model&, DeskUnderTest& sut) const override { sut.openFile(more); }
    void show(std::ostream& os) const override { os << "Open a file of " << more + 1 << " inns"; }
};

// What the desk keeps a moment after a change or the first typing.
struct KeepSession : Command {
    void run(const Model&, DeskUnderTest& sut) const override
    {
        sut.desk().keepSession();
        sut.checkPromises();
    }
    void show(std::ostream& os) const override { os << "Keep the session"; }
};

struct AnotherWindow : Command {
    std::uint32_t seed = *rc::gen::arbitrary<std::uint32_t>();
    std::size_t line = anyLine();
    void run(const Model&, DeskUnderTest& sut) const override { sut.anotherWindow(seed, line); }
    void show(std::ostream& os) const override { os << "Another window, pinning line " << line; }
};

struct Restart : Command {
    std::uint32_t seed = *rc::gen::arbitrary<std::uint32_t>();
    void run(const Model&, DeskUnderTest& sut) const override { sut.restart(seed); }
    void show(std::ostream& os) const override { os << "Restart with seed " << seed; }
};

RC_GTEST_PROP(DeskStates, EveryPromiseHoldsAfterEveryCommand, ())
{
    DeskUnderTest sut(*rc::gen::arbitrary<std::uint32_t>());
    rc::state::check(
        Model(), sut,
        rc::state::gen::execOneOfWithArgs<Generate, Generate, ChooseLocation, ChooseQuality, ChooseTable, RerollTable,
                                          RerollLine, FleshOut, FleshOut, TogglePin, TogglePin, Type, Type, Type,
                                          WriteNotes, ToggleStar, Previous, Previous, Next, DeleteInns, OpenFile,
                                          KeepSession, AnotherWindow, Restart>());
}

}  // namespace
}  // namespace brewick
