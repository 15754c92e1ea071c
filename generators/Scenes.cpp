#include "generators/Scenes.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>

#include "generators/BuiltInScenes.h"

namespace brewick {

namespace {
constexpr char kEndOfFile = 26;
// With the beans and the toughs between the three runs.
static_assert(std::size(words::kScenesBeforeBeans) + std::size(words::kScenesBeforeToughs) +
                  std::size(words::kScenesAfterToughs) + 2 ==
              kBuiltInSceneCount);

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

std::optional<std::string> readSceneFile(const std::filesystem::path& path, WordList& scenes)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file)
        return errno == ENOENT ? std::nullopt : std::optional(systemMessage(errno));
    SceneFileParser parser(scenes);
    std::array<char, 64 * 1024> buffer;
    while (!parser.ended()) {
        const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), file.get());
        parser.feed(std::string_view(buffer.data(), read));
        if (read == buffer.size())
            continue;
        if (std::ferror(file.get()))
            return systemMessage(errno);
        parser.finish();
    }
    return std::nullopt;
}

std::optional<std::string> buildSceneList(WordList& sceneList, const std::filesystem::path& sceneFile,
                                     RandomSource& random)
{
    sceneList.clear();
    std::string numbered;
    sceneList.appendAll(words::kScenesBeforeBeans);
    joinInto(numbered, {"A patron offers to sell you ", Decimal(random.randomIndex(8) + 2), " magic beans"});
    sceneList.append(numbered);
    sceneList.appendAll(words::kScenesBeforeToughs);
    joinInto(numbered, {Decimal(random.randomIndex(10) + 1), " drunken toughs are picking fights with customers"});
    sceneList.append(numbered);
    sceneList.appendAll(words::kScenesAfterToughs);
    return readSceneFile(sceneFile, sceneList);
}

void drawBarScene(InnSheet& sheet, const WordList& sceneList, RandomSource& random)
{
    sheet.barScene = pickRandom(sceneList, random);
}

}  // namespace brewick
