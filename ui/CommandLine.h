// The command line of brewick: the inn files to open, and --help and
// --version, which are answered without a window. Qt's own options
// (-platform, -style, …) are the application's: it takes them out of the
// arguments before the rest is read here.
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
    std::string problem;                          // for Refuse, one line
};

// Reads the arguments, the program's name first. --help or --version
// anywhere is answered whatever else stands there: before the application
// has taken its options out, those look unknown.
ProgramCommandLine parseProgramCommandLine(std::span<const char* const> arguments);

// Answers --help and --version on standard output, before the application
// connects to a display, so that they work without one: gives the exit
// status when it did, nothing when the program is to go on.
std::optional<int> answerHelpOrVersion(int argc, char* argv[]);

// Tells standard error why the arguments are refused: gives the exit status.
int refuseCommandLine(const ProgramCommandLine& commandLine);

}  // namespace brewick
