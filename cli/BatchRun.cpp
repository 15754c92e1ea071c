#include "cli/BatchRun.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "cli/BatchPages.h"
#include "cli/FolderOutput.h"
#include "cli/StreamOutput.h"
#include "core/StartSeed.h"
#include "cycle/InnGenerator.h"
#include "files/ListFile.h"
#include "files/UserSceneFile.h"
#include "files/WordFolder.h"

namespace brewick {

namespace {
namespace fs = std::filesystem;

int failed(std::ostream& errors, std::string_view message)
{
    errors << "brewick-batch: " << message << '\n';
    return kExitFailed;
}

std::string sceneFileProblem(const fs::path& sceneFile, std::string_view message)
{
    return "cannot read scene file " + sceneFile.string() + ": " + std::string(message);
}

std::string wordListProblem(const WordFileProblem& problem)
{
    return "cannot use word list " + problem.file.string() + ": " + problem.reason;
}

// The named file or folder, which must exist, or the user's own, which may be
// missing, as for the window.
std::optional<std::string> findUserFile(const std::optional<fs::path>& named, fs::path usersOwn, fs::path& found)
{
    if (!named) {
        found = std::move(usersOwn);
        return std::nullopt;
    }
    found = *named;
    std::error_code error;
    if (!fs::exists(found, error) && !error)
        error = std::make_error_code(std::errc::no_such_file_or_directory);
    if (error)
        return error.message();
    return std::nullopt;
}

// Gives the problems, one message each. The window shows a file's problem
// and goes on without the file; a batch that went on would quietly give
// other inns than asked for.
std::vector<std::string> readUserFiles(const BatchOptions& options, WordListFile& scenes, UserWords& words)
{
    fs::path sceneFile;
    if (const auto problem = findUserFile(options.sceneFile, userSceneFile(), sceneFile))
        return {sceneFileProblem(sceneFile, *problem)};
    scenes = readListFile(sceneFile);
    if (scenes.error)
        return {sceneFileProblem(sceneFile, *scenes.error)};
    fs::path wordFolder;
    if (const auto problem = findUserFile(options.wordFolder, userWordFolder(), wordFolder))
        return {wordListProblem({wordFolder, *problem})};
    words = readWordFolder(wordFolder, wordListNames());
    std::vector<std::string> problems;
    for (const WordFileProblem& problem : words.problems)
        problems.push_back(wordListProblem(problem));
    return problems;
}

std::unique_ptr<InnOutput> makeOutput(const BatchOptions& options, std::string_view extension, OutputFailure& failure)
{
    if (!options.outputFolder)
        return std::make_unique<StreamOutput>(stdout);
    auto folder = std::make_unique<FolderOutput>(*options.outputFolder, options.count, extension);
    failure = folder->open();
    return folder;
}
}  // namespace

int runBatch(const BatchOptions& options, std::ostream& errors)
{
    WordListFile scenes;
    UserWords words;
    const std::vector<std::string> problems = readUserFiles(options, scenes, words);
    for (const std::string& problem : problems)
        failed(errors, problem);
    if (!problems.empty())
        return kExitFailed;
    const std::uint32_t seed = options.seed ? *options.seed : clockSeed();
    LcgRandom random(seed);
    InnGenerator generator(random, scenes);
    generator.useWordLists(words.lists);

    OutputFailure failure;
    const std::unique_ptr<BatchPages> innPages = makeBatchPages(options, failure);
    const std::unique_ptr<InnOutput> output = failure ? nullptr : makeOutput(options, innPages->extension(), failure);
    std::string pages;
    for (std::uint64_t number = 1; number <= options.count && !failure; ++number) {
        generator.generate();
        if (options.fleshOut)
            generator.fleshOutEveryTable({number, seed});
        failure = innPages->add(generator.sheet(), {number, seed}, pages);
        if (!failure)
            failure = output->take(number, pages);
    }
    if (!failure)
        failure = innPages->finish(pages);
    if (!failure)
        failure = output->finish(pages);
    // Without a message the reader went away, wanting no more.
    return failure && !failure->empty() ? failed(errors, *failure) : kExitDone;
}

}  // namespace brewick
