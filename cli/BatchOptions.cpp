#include "cli/BatchOptions.h"

#include <array>

#include "core/StartSeed.h"
#include "core/TextLines.h"

namespace brewick {

namespace {
constexpr std::string_view kHelpText =
    "Usage: brewick-batch [--seed N] [--count K] [--scenes FILE] [--words DIR] "
    "[--format text|markdown|json|pdf] [--output DIR] [--players] [--flesh-out]\n"
    "\n"
    "Writes K inns: the one the window shows after start-up, then one for each press\n"
    "of \"Generate\" with \"All\" ticked.\n"
    "\n"
    "  --seed N       initial random state, 0 to 4294967295\n"
    "                 (default: BREWICK_SEED when set, else the clock, as the window)\n"
    "  --count K      number of inns, 0 to 4294967295 (default 1)\n"
    "  --scenes FILE  read the bar scenes from FILE, which must exist (default: the\n"
    "                 window's scene file, $XDG_DATA_HOME/brewick/BarScenes.txt or\n"
    "                 ~/.local/share/brewick/BarScenes.txt, when there is one)\n"
    "  --words DIR    read your own word lists from DIR, which must exist (default:\n"
    "                 the window's, $XDG_DATA_HOME/brewick/words or\n"
    "                 ~/.local/share/brewick/words, when there is one)\n"
    "  --format F     text: each inn as File > Save writes it (default)\n"
    "                 markdown: a page per inn\n"
    "                 json: JSON Lines, one object per inn\n"
    "                 pdf: one PDF, each inn from a new page as File > Print\n"
    "                 prints it; standard output must not be a terminal\n"
    "  --output DIR   write inn n to DIR/<n>.txt, .md, .json or .pdf instead of\n"
    "                 standard output; the folder is created when missing, and\n"
    "                 gets every file of the run or, when the run fails, none\n"
    "  --players      write each inn's players' card instead of its sheet: the\n"
    "                 inn's name, landlord, quarter, quality, rooms and menu, no\n"
    "                 patrons and no bar scene\n"
    "  --flesh-out    give every patron a name, a trait and a rumour, as Edit >\n"
    "                 Flesh Out Table does; the inns are otherwise the same\n"
    "  -h, --help     show this help\n"
    "  --version      show the version\n"
    "\n"
    "Exit status: 0 done, 1 a scene file, a word list or the output failed, 2 a bad\n"
    "command line or BREWICK_SEED.\n";

// Gives the problem with `value`, or nothing when it is taken.
using ValueSetter = std::optional<std::string> (*)(std::string_view value, BatchOptions& options);

std::optional<std::string> setSeed(std::string_view value, BatchOptions& options)
{
    options.seed = parseSeed(value);
    if (!options.seed)
        return "--seed: " + singleQuoted(value) + " is not a whole number from 0 to 4294967295";
    return std::nullopt;
}

std::optional<std::string> setCount(std::string_view value, BatchOptions& options)
{
    // A count takes the same plain digits and range as a seed.
    const auto count = parseSeed(value);
    if (!count)
        return "--count: " + singleQuoted(value) + " is not a whole number from 0 to 4294967295";
    options.count = *count;
    return std::nullopt;
}

std::optional<std::string> setFormat(std::string_view value, BatchOptions& options)
{
    static constexpr std::pair<std::string_view, BatchFormat> kFormats[] = {{"text", BatchFormat::Text},
                                                                            {"markdown", BatchFormat::Markdown},
                                                                            {"json", BatchFormat::Json},
                                                                            {"pdf", BatchFormat::Pdf}};
    for (const auto& [name, format] : kFormats) {
        if (value == name) {
            options.format = format;
            return std::nullopt;
        }
    }
    return "--format: " + singleQuoted(value) + " is not one of text, markdown, json, pdf";
}

std::optional<std::string> setPath(std::string_view option, std::string_view value,
                                   std::optional<std::filesystem::path>& path)
{
    if (value.empty())
        return std::string(option) + ": the name is empty";
    path = value;
    return std::nullopt;
}

std::optional<std::string> setSceneFile(std::string_view value, BatchOptions& options)
{
    return setPath("--scenes", value, options.sceneFile);
}

std::optional<std::string> setWordFolder(std::string_view value, BatchOptions& options)
{
    return setPath("--words", value, options.wordFolder);
}

std::optional<std::string> setOutputFolder(std::string_view value, BatchOptions& options)
{
    return setPath("--output", value, options.outputFolder);
}

struct ValueOption {
    std::string_view name;
    ValueSetter set;
};
constexpr std::array<ValueOption, 6> kValueOptions = {{
    {"--seed", setSeed},
    {"--count", setCount},
    {"--scenes", setSceneFile},
    {"--words", setWordFolder},
    {"--format", setFormat},
    {"--output", setOutputFolder},
}};

const ValueOption* findValueOption(std::string_view name)
{
    for (const ValueOption& option : kValueOptions)
        if (option.name == name)
            return &option;
    return nullptr;
}

// The options without a value, and what each turns on.
struct Switch {
    std::string_view name;
    bool BatchOptions::*setting;
};
constexpr Switch kSwitches[] = {{"--flesh-out", &BatchOptions::fleshOut}, {"--players", &BatchOptions::playersCard}};

const Switch* findSwitch(std::string_view name)
{
    for (const Switch& option : kSwitches)
        if (option.name == name)
            return &option;
    return nullptr;
}

CommandLine refusal(std::string problem) { return {BatchAction::Refuse, {}, std::move(problem)}; }
}  // namespace

CommandLine parseCommandLine(std::span<const char* const> arguments, const char* seedVariable)
{
    CommandLine commandLine;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h")
            return {BatchAction::ShowHelp, {}, {}};
        if (argument == "--version")
            return {BatchAction::ShowVersion, {}, {}};
        if (!argument.starts_with("-"))
            return refusal("unexpected argument " + singleQuoted(argument));
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        if (const Switch* option = findSwitch(name)) {
            if (equals != std::string_view::npos)
                return refusal(std::string(name) + " takes no value");
            commandLine.options.*option->setting = true;
            continue;
        }
        const ValueOption* option = findValueOption(name);
        if (option == nullptr)
            return refusal("unknown option " + singleQuoted(name));
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size() && !std::string_view(arguments[i + 1]).starts_with("--")) {
            value = arguments[++i];
        } else {
            return refusal(std::string(name) + " needs a value");
        }
        if (auto problem = option->set(value, commandLine.options))
            return refusal(std::move(*problem));
    }
    if (!commandLine.options.seed) {
        // The window warns and seeds from the clock; a batch that did would
        // quietly give other inns than asked for.
        EnvironmentSeed asked = environmentSeed(seedVariable);
        if (asked.problem)
            return refusal(std::move(*asked.problem));
        commandLine.options.seed = asked.seed;
    }
    return commandLine;
}

std::string_view usageLine() { return kHelpText.substr(0, kHelpText.find('\n') + 1); }

std::string_view helpText() { return kHelpText; }

}  // namespace brewick
