// brewick-batch: many inns at once, for scripts and reproducible inns.
#include <csignal>
#include <cstdlib>
#include <iostream>

#include "cli/BatchOptions.h"
#include "cli/BatchRun.h"
#include "core/ProductIdentity.h"

int main(int argc, char* argv[])
{
    using namespace brewick;
    const std::span<const char* const> arguments(argv, static_cast<std::size_t>(argc));
    const CommandLine commandLine = parseCommandLine(arguments.subspan(argc > 0 ? 1 : 0), std::getenv("BREWICK_SEED"));
    switch (commandLine.action) {
    case BatchAction::ShowHelp:
        std::cout << helpText();
        return kExitDone;
    case BatchAction::ShowVersion:
        std::cout << "brewick-batch " << kProductVersion << '\n';
        return kExitDone;
    case BatchAction::Refuse:
        std::cerr << "brewick-batch: " << commandLine.problem << '\n' << usageLine();
        return kExitRefused;
    case BatchAction::Run:
        break;
    }
    // A closed pipe then shows up as a failed write, which ends the run.
    std::signal(SIGPIPE, SIG_IGN);
    return runBatch(commandLine.options, std::cerr);
}
