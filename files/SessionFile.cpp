#include "files/SessionFile.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "files/FileDescriptor.h"
#include "files/InnFile.h"
#include "files/SafeFileWriter.h"
#include "files/UserSceneFile.h"
#include "output/formats/JsonFormat.h"

namespace brewick {

namespace fs = std::filesystem;

namespace {
constexpr std::string_view kFirstLine = "{\"brewickSession\":1}";

// Why the session cannot be restored, or nothing when it can.
std::optional<std::string> readSession(const fs::path& path, std::vector<PlacedInn>& inns)
{
    std::string bytes;
    if (const auto failure = readWholeFile(path, kInnFileLimit, bytes))
        return failure->reason;
    const std::size_t firstEnd = bytes.find('\n');
    if (firstEnd == std::string::npos || std::string_view(bytes).substr(0, firstEnd) != kFirstLine)
        return std::string("it is no session of this version of Brewick");
    InnFileRead read = innsOfLines(std::string_view(bytes).substr(firstEnd + 1), 1);
    inns = std::move(read.inns);
    return read.error;
}

// Beside the session, named for when it was set aside, so that nothing is
// lost and the next run starts afresh.
fs::path asideName(const fs::path& path)
{
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch());
    return path.string() + ".unread-" + std::to_string(seconds.count());
}
}  // namespace

fs::path sessionFile(const char* stateHome, const char* home)
{
    const fs::path folder = brewickFolder(stateHome, home, ".local/state");
    return folder.empty() ? folder : folder / "session.jsonl";
}

fs::path sessionFile() { return sessionFile(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")); }

std::vector<PlacedInn> restoreSession(const fs::path& path, std::ostream& warnings)
{
    std::vector<PlacedInn> inns;
    std::error_code missing;
    if (path.empty() || !fs::exists(fs::symlink_status(path, missing)))
        return inns;
    const std::optional<std::string> problem = readSession(path, inns);
    if (!problem)
        return inns;
    inns.clear();
    const fs::path aside = asideName(path);
    warnings << "brewick: cannot restore the inns of the last session from " << path.string() << ": " << *problem;
    if (std::rename(path.c_str(), aside.c_str()) == 0)
        warnings << "; it is kept as " << aside.string() << '\n';
    else
        warnings << "; and it cannot be set aside: " << std::strerror(errno) << '\n';
    return inns;
}

SessionWriter::SessionWriter() : bytes_(kFirstLine) { bytes_ += '\n'; }

void SessionWriter::add(const InnSheet& sheet, const InnPlace& place) { JsonFormat().append(sheet, place, bytes_); }

std::optional<std::string> writeSession(const fs::path& path, const std::string& bytes)
{
    if (path.empty())
        return "There is no folder for the session: neither XDG_STATE_HOME nor HOME names an absolute folder";
    if (auto problem = createUserFolders(path.parent_path()))
        return problem;
    return writeFileSafely(path, bytes);
}

}  // namespace brewick
