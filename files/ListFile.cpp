#include "files/ListFile.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "core/TextLines.h"
#include "files/FileDescriptor.h"

namespace brewick {

namespace {
constexpr char kEndOfFile = 26;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string inBinaryUnits(std::uintmax_t bytes)
{
    return bytes >= (1 << 20) ? std::to_string(bytes >> 20) + " MiB" : std::to_string(bytes >> 10) + " KiB";
}
}  // namespace

void ListFileParser::feed(std::string_view bytes)
{
    // A byte order mark may come split over several pieces: its bytes wait
    // until it is whole, or turns out to be none.
    while (atStart_ && !bytes.empty()) {
        if (bytes.front() != kByteOrderMark[markBytes_]) {
            releaseMarkStart();
        } else {
            bytes.remove_prefix(1);
            atStart_ = ++markBytes_ < kByteOrderMark.size();
        }
    }
    parse(bytes);
}

void ListFileParser::releaseMarkStart()
{
    atStart_ = false;
    parse(kByteOrderMark.substr(0, markBytes_));
}

void ListFileParser::parse(std::string_view bytes)
{
    for (char c : bytes) {
        if (ended_)
            return;
        const bool lf = c == '\n';
        if (lf && afterCr_) {
            afterCr_ = false;
            continue;
        }
        afterCr_ = c == '\r';
        if (c == kEndOfFile) {
            finish();
        } else if (afterCr_ || lf) {
            endLine();
        } else if (c == '\0') {
            refuse("holds a NUL byte, as UTF-16 text does: save the file as UTF-8");
        } else if (line_.size() == kListLineLimit) {
            refuse("is longer than " + inBinaryUnits(kListLineLimit));
        } else {
            line_ += c;
            lineOpen_ = true;
        }
    }
}

void ListFileParser::finish()
{
    if (ended_)
        return;
    if (atStart_)
        releaseMarkStart();
    if (lineOpen_)
        endLine();
    ended_ = true;
}

void ListFileParser::endLine()
{
    const std::string_view entry = trimmed(line_);
    if (!entry.starts_with("/*")) {
        entryBytes_ += entry.size();
        if (entries_.count() == kListEntryLimit)
            return refuse("holds one entry more than the " + std::to_string(kListEntryLimit) + " a list may have");
        if (entryBytes_ > kListEntryBytesLimit)
            return refuse("takes the entries past the " + inBinaryUnits(kListEntryBytesLimit) + " a list may have");
        entries_.append(entry);
    }
    line_.clear();
    lineOpen_ = false;
    ++lineNumber_;
}

void ListFileParser::refuse(const std::string& reason)
{
    error_ = "line " + std::to_string(lineNumber_) + " " + reason;
    ended_ = true;
}

WordListFile readListFile(const std::filesystem::path& path)
{
    WordListFile read;
    try {
        ListFileParser parser(read.entries);
        const auto failure = readFileInPieces(path, kListFileLimit, [&parser](std::string_view piece) {
            parser.feed(piece);
            return !parser.ended();
        });
        // A read that fails midway keeps the lines completed before it.
        if (failure) {
            if (failure->error != ENOENT)
                read.error = failure->reason;
        } else {
            parser.finish();
            read.error = parser.error();
        }
    } catch (const std::bad_alloc&) {
        // What was read would not fit beside the list it is meant for either.
        read.entries = WordList();
        read.error = std::strerror(ENOMEM);
    }
    return read;
}

}  // namespace brewick
