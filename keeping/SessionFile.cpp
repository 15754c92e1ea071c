#include "keeping/SessionFile.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <new>

#include "files/FileDescriptor.h"
#include "files/InnFile.h"
#include "files/InnReader.h"
#include "files/JsonMembers.h"
#include "files/UserSceneFile.h"

namespace brewick {

namespace fs = std::filesystem;

namespace {
constexpr std::size_t kMostIdBytes = 48;
constexpr std::size_t kMostDeletionBytes = sizeof("{\"deleted\":\"\",\"at\":}\n") - 1 + kMostIdBytes + 20;

static_assert(kMostKeptBytes + kSessionFormat.firstLine.size() + 1 + kMostDeletedInns * kMostDeletionBytes <=
                  kInnFileLimit,
              "a full session must be readable");
static_assert(sizeof("{\"entry\":\"\",\"made\":,\"changed\":,\"inn\":}\n") - 1 + kMostIdBytes + 2 * 20 <=
                  kKeptInnOverhead,
              "the head and tail of a kept inn's line fit its overhead");

// Names are written as they are, so they hold nothing that JSON escapes.
bool isPlainId(std::string_view id)
{
    if (id.empty() || id.size() > kMostIdBytes)
        return false;
    for (char c : id)
        if (!(c == '-' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    return true;
}

// The packed inn: the bytes of its JSON, once they proved to be an inn.
void readInnBytes(JsonReader& json, std::string_view line, KeptInn& kept)
{
    json.next();
    const std::size_t start = json.at();
    kept.place = readInn(json).place;
    kept.packed = std::make_shared<const std::string>(line.substr(start, json.at() - start));
}

// The members an inn's change changed, as they were: an object of inn
// members, each a value or null.
std::shared_ptr<const std::string> readChangedMembers(JsonReader& json, std::string_view line)
{
    expectKind(json, JsonReader::Kind::Object, "was", "an object");
    const std::size_t start = json.at();
    json.readObject([&json](std::string_view name) {
        if (std::ranges::find(kInnMembers, name) == std::end(kInnMembers))
            json.fail("'was' names " + singleQuoted(name) + ", no member of an inn");
        json.skipValue();
    });
    return std::make_shared<const std::string>(line.substr(start, json.at() - start));
}

// A kept inn, or a deletion where the session keeps them: the line is
// either, and holds the members of one only.
void readKeptLine(std::string_view line, const KeptInnsFormat& format, SessionRead& read)
{
    enum { Entry, Made, Changed, Inn, Deleted, At, Based, Was, Pinned, Unpinned };
    static constexpr std::string_view kNames[] = {"entry", "made",  "changed", "inn",    "deleted",
                                                  "at",    "based", "was",     "pinned", "unpinned"};
    constexpr auto kLatest = std::numeric_limits<std::int64_t>::max();
    const auto bit = [](std::size_t member) { return std::uint32_t{1} << member; };
    constexpr std::uint32_t kKeptInn = firstMembers(4);
    const std::uint32_t kDeletion = bit(Deleted) | bit(At);
    const std::uint32_t kChangedKeptInn = kKeptInn | bit(Based) | bit(Was);
    const std::uint32_t kPin = bit(Pinned) | bit(At), kUnpin = bit(Unpinned) | bit(At);
    KeptInn kept;
    DeletedInn deleted;
    KeptPin pin;
    std::int64_t at = 0;  // of a deletion or a pin
    JsonReader json(line);
    const auto readName = [&json](std::string_view name, std::string& id) {
        readText(json, name, id);
        if (!isPlainId(id))
            json.fail(singleQuoted(name) + " is no name of a kept inn");
    };
    const MemberSet members = readMembers(json, "a kept inn", kNames, 0, [&](std::size_t member) {
        switch (member) {
        case Entry:
            readName("entry", kept.id);
            break;
        case Made:
            kept.made = readWholeNumber<std::int64_t>(json, "made", 0, kLatest);
            break;
        case Changed:
            kept.changed = readWholeNumber<std::int64_t>(json, "changed", 0, kLatest);
            break;
        case Inn:
            readInnBytes(json, line, kept);
            break;
        case Deleted:
            readName("deleted", deleted.id);
            break;
        case At:
            at = readWholeNumber<std::int64_t>(json, "at", 0, kLatest);
            break;
        case Based:
            kept.based = readWholeNumber<std::int64_t>(json, "based", 0, kLatest);
            break;
        case Was:
            kept.was = readChangedMembers(json, line);
            break;
        case Pinned:
        case Unpinned:
            pin.pin = readPin(json);
            pin.pinned = member == Pinned;
            break;
        }
    });
    deleted.deleted = pin.at = at;
    if (!json.atEnd())
        json.fail("more text after the kept inn");
    if (members.isExactly(kKeptInn) || (format.keepsChanges && members.isExactly(kChangedKeptInn))) {
        read.inns.push_back(std::move(kept));
    } else if (format.keepsDeletions && members.isExactly(kDeletion)) {
        read.deleted.push_back(std::move(deleted));
    } else if (format.keepsChanges && (members.isExactly(kPin) || members.isExactly(kUnpin))) {
        read.pins.push_back(std::move(pin));
    } else {
        json.fail("neither a kept inn nor a deleted one");
    }
}

// An inn of the first version, named by its line.
KeptInn readFirstVersionInn(std::string_view line, std::size_t number)
{
    KeptInn kept;
    JsonReader json(line);
    readInnBytes(json, line, kept);
    if (!json.atEnd())
        json.fail("more text after the inn");
    kept.id = "v1-" + std::to_string(number);
    return kept;
}
}  // namespace

fs::path sessionFolder(const char* stateHome, const char* home)
{
    return brewickFolder(stateHome, home, ".local/state");
}

fs::path sessionFolder() { return sessionFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")); }

void SessionParser::feed(std::string_view piece)
{
    while (!read_.error) {
        const std::size_t end = piece.find('\n');
        if (end == std::string_view::npos) {
            partial_ += piece;
            return;
        }
        if (partial_.empty()) {
            takeLine(piece.substr(0, end));
        } else {
            partial_ += piece.substr(0, end);
            takeLine(partial_);
            partial_.clear();
        }
        piece.remove_prefix(end + 1);
    }
}

SessionRead SessionParser::finish()
{
    if (!partial_.empty())
        takeLine(partial_);
    partial_.clear();
    if (read_.error) {
        read_.inns.clear();
        read_.deleted.clear();
    }
    return std::move(read_);
}

void SessionParser::takeLine(std::string_view line)
{
    ++lines_;
    if (version_ == 0) {
        const std::string_view names[] = {format_.name};
        JsonReader json(line);
        try {
            readMembers(json, "the first line", names, firstMembers(1), [&](std::size_t) {
                version_ = readWholeNumber<int>(json, format_.name, 1, std::numeric_limits<int>::max());
            });
        } catch (const JsonFault&) {
            read_.error = "it is no " + std::string(format_.what) + " of Brewick";
            return;
        }
        if (version_ > format_.version)
            read_.error = "it comes from a newer Brewick";
        return;
    }
    if (line.find_first_not_of(" \t\r") == std::string_view::npos)
        return;
    try {
        if (version_ <= format_.bareInnVersion)
            read_.inns.push_back(readFirstVersionInn(line, lines_));
        else
            readKeptLine(line, format_, read_);
    } catch (const JsonFault&) {
        ++read_.unread;
        read_.unreadLines += line;
        read_.unreadLines += '\n';
    }
}

SessionRead readSessionFile(const fs::path& path, const KeptInnsFormat& format)
{
    SessionParser parser(format);
    try {
        const auto failure = readFileInPieces(path, kInnFileLimit, [&parser](std::string_view piece) {
            parser.feed(piece);
            return true;
        });
        if (failure) {
            SessionRead read;
            read.error = failure->reason;
            return read;
        }
        return parser.finish();
    } catch (const std::bad_alloc&) {
        SessionRead read;
        read.error = "not enough memory to read it";
        return read;
    }
}

SessionBytes::SessionBytes(std::span<const KeptInn> inns, std::span<const DeletedInn> deleted,
                           const KeptInnsFormat& format, std::span<const KeptPin> pins)
{
    std::vector<std::size_t> headEnds;
    for (const KeptInn& inn : inns) {
        heads_ += "{\"entry\":\"";
        heads_ += inn.id;
        heads_ += "\",\"made\":";
        heads_ += std::to_string(inn.made);
        heads_ += ",\"changed\":";
        heads_ += std::to_string(inn.changed);
        if (inn.was && format.keepsChanges) {
            heads_ += ",\"based\":";
            heads_ += std::to_string(inn.based);
            heads_ += ",\"was\":";
            heads_ += *inn.was;
        }
        heads_ += ",\"inn\":";
        headEnds.push_back(heads_.size());
    }
    const std::size_t deletionsStart = heads_.size();
    for (const DeletedInn& inn : deleted) {
        heads_ += "{\"deleted\":\"";
        heads_ += inn.id;
        heads_ += "\",\"at\":";
        heads_ += std::to_string(inn.deleted);
        heads_ += "}\n";
    }
    for (const KeptPin& pin : pins) {
        heads_ += pin.pinned ? "{\"pinned\":" : "{\"unpinned\":";
        appendPin(pin.pin, heads_);
        heads_ += ",\"at\":";
        heads_ += std::to_string(pin.at);
        heads_ += "}\n";
    }
    // The heads are all written before any piece points into them.
    pieces_.push_back(format.firstLine);
    pieces_.push_back("\n");
    std::size_t headStart = 0;
    for (std::size_t i = 0; i < inns.size(); ++i) {
        pieces_.push_back(std::string_view(heads_).substr(headStart, headEnds[i] - headStart));
        pieces_.push_back(*inns[i].packed);
        pieces_.push_back("}\n");
        headStart = headEnds[i];
    }
    pieces_.push_back(std::string_view(heads_).substr(deletionsStart));
}

}  // namespace brewick
