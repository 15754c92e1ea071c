#include "files/SceneFile.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/TextLines.h"

namespace brewick {

namespace {
constexpr char kEndOfFile = 26;

std::string systemMessage(int error) { return std::strerror(error); }
}  // namespace

void SceneFileParser::feed(std::string_view bytes)
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
        } else {
            line_ += c;
            lineOpen_ = true;
        }
    }
}

void SceneFileParser::finish()
{
    if (lineOpen_)
        endLine();
    ended_ = true;
}

void SceneFileParser::endLine()
{
    const std::string_view scene = trimmed(line_);
    if (!scene.starts_with("/*"))
        scenes_.append(scene);
    line_.clear();
    lineOpen_ = false;
}

WordListFile readSceneFile(const std::filesystem::path& path)
{
    WordListFile read;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        if (errno != ENOENT)
            read.error = systemMessage(errno);
        return read;
    }
    SceneFileParser parser(read.entries);
    std::array<char, 64 * 1024> buffer;
    while (!parser.ended()) {
        const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), file.get());
        parser.feed(std::string_view(buffer.data(), count));
        if (count == buffer.size())
            continue;
        if (std::ferror(file.get())) {
            read.error = systemMessage(errno);
            break;
        }
        parser.finish();
    }
    return read;
}

}  // namespace brewick
