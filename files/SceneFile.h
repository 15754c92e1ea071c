// Reading the user's scene file: one scene a line, the way a user expects of a
// plain text file whatever editor wrote it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/WordList.h"

namespace brewick {

inline constexpr std::string_view kSceneFileName = "BarScenes.txt";

// Turns the bytes of a scene file, fed in pieces of any size, into scenes.
// A line ends at CR LF, a lone CR or a lone LF; byte 26 ends the file; every
// line is trimmed and lines starting "/*" are skipped. Bytes are kept as they
// are, NUL and invalid UTF-8 included.
class SceneFileParser {
public:
    explicit SceneFileParser(WordList& scenes) : scenes_(scenes) {}

    void feed(std::string_view bytes);
    // True once byte 26 has ended the file; later bytes are ignored.
    bool ended() const { return ended_; }
    // The end of the file: takes a last line that has no line break.
    void finish();

private:
    void endLine();

    WordList& scenes_;
    std::string line_;
    bool lineOpen_ = false;  // bytes read since the last line break
    bool afterCr_ = false;   // an LF now belongs to the CR before it
    bool ended_ = false;
};

// The scene file's scenes. A missing file, or an empty path, is no error; a
// file that cannot be opened or read stops at that point and gives the
// system's message.
WordListFile readSceneFile(const std::filesystem::path& path);

}  // namespace brewick
