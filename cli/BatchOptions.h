// The command line of brewick-batch: how many inns, from which seed, scenes
// and word lists, in which format and to where. Parsing only; nothing runs here.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brewick {

enum class BatchFormat { Text, Markdown, Json, Pdf };

struct BatchOptions {
    std::optional<std::uint32_t> seed;  // none: from the clock
    std::uint32_t count = 1;
    std::optional<std::filesystem::path> sceneFile;   // none: the user's own
    std::optional<std::filesystem::path> wordFolder;  // none: the user's own
    BatchFormat format = BatchFormat::Text;
    std::optional<std::filesystem::path> outputFolder;  // none: standard output
    bool fleshOut = false;                              // every patron given a name, a trait and a rumour
    bool playersCard = false;                           // each inn's players' card instead of its sheet
};

enum class BatchAction { Run, ShowHelp, ShowVersion, Refuse };

struct CommandLine {
    BatchAction action = BatchAction::Run;
    BatchOptions options;
    std::string problem;  // one line, for Refuse
};

// Reads the arguments after the program name. Options take their value as
// the next argument or after "=": "--count 5", "--count=5". Without --seed
// the value of BREWICK_SEED, `seedVariable`, counts as in the window, except
// that a value that holds no seed is refused.
CommandLine parseCommandLine(std::span<const char* const> arguments, const char* seedVariable);

// One line, with its line break.
std::string_view usageLine();
// The usage line and what each option does.
std::string_view helpText();

}  // namespace brewick
