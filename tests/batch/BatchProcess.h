// Runs the real brewick-batch as a script would and collects what it leaves:
// exit status, standard output and standard error.
#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/Files.h"
#include "support/TempDir.h"

namespace brewick::test {

struct BatchResult {
    int exitStatus = -1;  // -1 when the program did not exit by itself
    std::string out;
    std::string err;
};

struct BatchSetting {
    std::filesystem::path program = BREWICK_BATCH;
    std::optional<std::filesystem::path> stdoutPath = {};  // instead of capturing it
    bool stdoutIsAClosedPipe = false;
    std::optional<rlim_t> fileSizeLimit = {};  // bytes any file may grow to
    std::vector<std::pair<std::string, std::string>> environment = {};
    std::vector<std::string> unset = {};  // variables the program does not get
};

inline BatchResult runBatch(const std::vector<std::string>& arguments, const BatchSetting& setting = {})
{
    TempDir capture;
    const std::string outPath = setting.stdoutPath.value_or(capture.path() / "out").string();
    const std::string errPath = (capture.path() / "err").string();
    const std::string home = (capture.path() / "home").string();
    std::filesystem::create_directory(home);  // private, as a runtime folder must be
    std::filesystem::permissions(home, std::filesystem::perms::owner_all);
    int pipeEnds[2] = {-1, -1};
    if (setting.stdoutIsAClosedPipe && pipe(pipeEnds) != 0)
        return {};
    std::vector<std::string> argv = {setting.program.string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> argvPointers;
    for (std::string& argument : argv)
        argvPointers.push_back(argument.data());
    argvPointers.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        const int out =
            setting.stdoutIsAClosedPipe ? pipeEnds[1] : open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (setting.stdoutIsAClosedPipe)
            close(pipeEnds[0]);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        unsetenv("BREWICK_SEED");
        // A home of its own, without a scene file: the user's must not count.
        setenv("HOME", home.c_str(), 1);
        unsetenv("XDG_DATA_HOME");
        for (const char* variable : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
            setenv(variable, home.c_str(), 1);
        for (const auto& [name, value] : setting.environment)
            setenv(name.c_str(), value.c_str(), 1);
        for (const std::string& name : setting.unset)
            unsetenv(name.c_str());
        if (setting.fileSizeLimit) {
            std::signal(SIGXFSZ, SIG_IGN);  // stays ignored across exec: writes fail with EFBIG
            const rlimit limit = {*setting.fileSizeLimit, *setting.fileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        execv(argvPointers[0], argvPointers.data());
        _exit(127);
    }
    if (setting.stdoutIsAClosedPipe) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
    }
    int status = 0;
    waitpid(child, &status, 0);
    BatchResult result;
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (!setting.stdoutPath && !setting.stdoutIsAClosedPipe)
        result.out = contents(outPath);
    result.err = contents(errPath);
    return result;
}

}  // namespace brewick::test
