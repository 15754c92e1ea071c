// The command line of brewick: the inn files to open, --help and --version,
// and Qt's own options (-platform, -style, …), all read before the
// application exists, so that a refusal, like the help, needs no display.
// The application is given Qt's options alone: it honours no "--", and
// would take a file named like one of its options for that option.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brewick {

struct ProgramCommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Run;
    std::vector<std::filesystem::path> innFiles;  // byte for byte as given
    // The program's name, then Qt's options with their values, as given.
    std::vector<std::string> toolkitArguments;
    std::string problem;  // for Refuse, one line
};

// Reads the arguments, the program's name first. --help or --version
// anywhere before "--" is answered whatever else stands there.
ProgramCommandLine parseProgramCommandLine(std::span<const char* const> arguments);

// Answers --help and --version on standard output, and a refused command
// line on standard error, without a window: gives the exit status when it
// did, nothing when the program is to go on.
std::optional<int> answerWithoutWindow(const ProgramCommandLine& commandLine, int argc, char* argv[]);

}  // namespace brewick
