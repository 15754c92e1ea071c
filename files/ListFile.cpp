#include "files/ListFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <new>

#include "core/TextLines.h"
#include "files/FileDescriptor.h"

namespace brewick {

namespace {
constexpr char kEndOfFile = 26;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string inMebibytes(std::uintmax_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

std::string fileTooLarge() { return "the file is larger than " + inMebibytes(kListFileLimit); }

std::optional<std::string> refusalOf(int fd)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return std::strerror(errno);
    if (auto reason = irregularFileReason(status.st_mode))
        return reason;
    if (static_cast<std::uintmax_t>(status.st_size) > kListFileLimit)
        return fileTooLarge();
    return std::nullopt;
}

void readEntries(int fd, WordListFile& read)
{
    ListFileParser parser(read.entries);
    std::array<char, 64 * 1024> buffer;
    std::uintmax_t total = 0;
    while (!parser.ended()) {
        const ssize_t count = ::read(fd, buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            read.error = std::strerror(errno);
            return;
        }
        if (count == 0) {
            parser.finish();
            break;
        }
        total += static_cast<std::uintmax_t>(count);
        // The file may have grown since it was measured.
        if (total > kListFileLimit) {
            read.error = fileTooLarge();
            return;
        }
        parser.feed(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
    }
    read.error = parser.error();
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
        } else if (line_.size() == kListLineLimit) {
            error_ = "line " + std::to_string(lineNumber_) + " is longer than " + inMebibytes(kListLineLimit);
            ended_ = true;
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
    if (!entry.starts_with("/*"))
        entries_.append(entry);
    line_.clear();
    lineOpen_ = false;
    ++lineNumber_;
}

WordListFile readListFile(const std::filesystem::path& path)
{
    WordListFile read;
    // Opening a FIFO for reading would wait for a writer, maybe for ever.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file) {
        if (errno != ENOENT)
            read.error = std::strerror(errno);
        return read;
    }
    read.error = refusalOf(file.get());
    if (read.error)
        return read;
    try {
        readEntries(file.get(), read);
    } catch (const std::bad_alloc&) {
        // What was read would not fit beside the list it is meant for either.
        read.entries = WordList();
        read.error = std::strerror(ENOMEM);
    }
    return read;
}

}  // namespace brewick
