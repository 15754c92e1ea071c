#include "generators/Scenes.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "generators/BuiltInScenes.h"

namespace brewick {

namespace {
constexpr char kEndOfFile = 26;

std::string SystemMessage(int error) { return std::strerror(error); }
}  // namespace

void SceneFileParser::Feed(std::string_view bytes)
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
            Finish();
        } else if (afterCr_ || lf) {
            EndLine();
        } else {
            line_ += c;
            lineOpen_ = true;
        }
    }
}

void SceneFileParser::Finish()
{
    if (lineOpen_)
        EndLine();
    ended_ = true;
}

void SceneFileParser::EndLine()
{
    const std::string_view scene = Trimmed(line_);
    if (!scene.starts_with("/*"))
        scenes_.Append(scene);
    line_.clear();
    lineOpen_ = false;
}

std::optional<std::string> ReadSceneFile(const std::filesystem::path& path, WordList& scenes)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file)
        return errno == ENOENT ? std::nullopt : std::optional(SystemMessage(errno));
    SceneFileParser parser(scenes);
    std::array<char, 64 * 1024> buffer;
    while (!parser.Ended()) {
        const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), file.get());
        parser.Feed(std::string_view(buffer.data(), read));
        if (read == buffer.size())
            continue;
        if (std::ferror(file.get()))
            return SystemMessage(errno);
        parser.Finish();
    }
    return std::nullopt;
}

std::optional<std::string> GetScenes(WordList& sceneList, const std::filesystem::path& sceneFile,
                                     RandomSource& random)
{
    sceneList.Clear();
    std::string numbered;
    sceneList.AppendAll(words::kScenesBeforeBeans);
    JoinInto(numbered, {"A patron offers to sell you ", Decimal(random.RandomIndex(8) + 2), " magic beans"});
    sceneList.Append(numbered);
    sceneList.AppendAll(words::kScenesBeforeToughs);
    JoinInto(numbered, {Decimal(random.RandomIndex(10) + 1), " drunken toughs are picking fights with customers"});
    sceneList.Append(numbered);
    sceneList.AppendAll(words::kScenesAfterToughs);
    return ReadSceneFile(sceneFile, sceneList);
}

void Scene(InnSheet& sheet, const WordList& sceneList, RandomSource& random)
{
    sheet.barScene = PickRandom(sceneList, random);
}

}  // namespace brewick
