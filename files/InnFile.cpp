#include "files/InnFile.h"

#include <algorithm>
#include <new>

#include "files/FileDescriptor.h"
#include "files/InnReader.h"
#include "files/JsonReader.h"
#include "output/formats/InnSheetText.h"

namespace brewick {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Between inns: JSON's blanks, and the NULs and form feeds some tools leave.
bool isBlankBetweenInns(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\0'; }

std::size_t skipBlanksBetweenInns(std::string_view text, std::size_t at)
{
    while (at < text.size() && isBlankBetweenInns(text[at]))
        ++at;
    return at;
}

// Where reading goes on after a value that is no inn: the first line after
// the one it starts on that opens an object in its first column, as every
// line of JSON Lines and every inn of pretty-printed JSON does.
std::size_t nextInnLine(std::string_view text, std::size_t start)
{
    for (std::size_t end = text.find('\n', start); end != std::string_view::npos; end = text.find('\n', end + 1))
        if (end + 1 < text.size() && text[end + 1] == '{')
            return end + 1;
    return text.size();
}

// The numbers of the lines at offsets that only grow.
class LineCounter {
public:
    explicit LineCounter(std::string_view text) : text_(text) {}

    std::size_t lineOf(std::size_t at)
    {
        at = std::min(at, text_.size());
        line_ += static_cast<std::size_t>(std::count(text_.begin() + counted_, text_.begin() + at, '\n'));
        counted_ = std::max(counted_, at);
        return line_;
    }

private:
    std::string_view text_;
    std::size_t counted_ = 0;
    std::size_t line_ = 1;
};

// Why a text with no inn at its start is no inn file at all, when a file of
// another kind tells: what the user should do about it.
std::optional<std::string> otherKindOfFile(std::string_view text)
{
    if (skipBlanksBetweenInns(text, 0) == text.size())
        return "the file is empty";
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF") || (text.size() > 1 && text[1] == '\0'))
        return "UTF-16 text: save it as UTF-8";
    if (text.starts_with(bannerLine()))
        return "This is text saved with File > Save; Brewick opens the JSON that File > Export or "
               "brewick-batch --format json writes";
    return std::nullopt;
}
}  // namespace

InnFileRead innsOfText(std::string_view text)
{
    InnFileRead read;
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    if (auto other = otherKindOfFile(text)) {
        read.error = std::move(other);
        return read;
    }
    LineCounter lines(text);
    for (std::size_t at = skipBlanksBetweenInns(text, 0); at < text.size(); at = skipBlanksBetweenInns(text, at)) {
        JsonReader json(text, at);
        try {
            read.inns.push_back(readInn(json));
            at = json.at();
        } catch (const JsonFault& fault) {
            ++read.unread;
            // A fault past the next line that starts an inn is the fault of
            // the line where this one started, which did not end it.
            const std::size_t next = nextInnLine(text, at);
            if (!read.error)
                read.error =
                    "line " + std::to_string(lines.lineOf(fault.at < next ? fault.at : at)) + ": " + fault.reason;
            at = next;
        }
    }
    return read;
}

InnFileRead readInnFile(const std::filesystem::path& path)
{
    std::string bytes;
    try {
        if (const auto failure = readWholeFile(path, kInnFileLimit, bytes)) {
            InnFileRead read;
            read.error = failure->reason;
            return read;
        }
        return innsOfText(bytes);
    } catch (const std::bad_alloc&) {
        InnFileRead read;
        read.error = "not enough memory to read it";
        return read;
    }
}

}  // namespace brewick
