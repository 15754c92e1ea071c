#include "ui/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <iostream>

#include "core/ProductIdentity.h"
#include "core/TextLines.h"

namespace brewick {

namespace {
constexpr int kExitRefused = 2;

// The options QCoreApplication, QGuiApplication, QApplication and Qt's X11
// platform take out of the arguments (Qt 6.4), each with one dash or two;
// those of X11 are left alone on other platforms.
constexpr std::string_view kToolkitOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "session",
    "style",
    "stylesheet",
    "qmljsdebugger",
    "display",
    "name",
    "visual",
    "geometry",
    "title",
    "icon",
};
constexpr std::string_view kToolkitFlags[] = {"reverse", "testability", "widgetcount", "qdevel",
                                              "qdebug",  "nograb",      "dograb"};
// These take their value after "=" too.
constexpr std::string_view kToolkitOptionsWithJoinedValue[] = {"style=", "stylesheet=", "qmljsdebugger="};

// The option's name without its dashes, as Qt compares it.
std::string_view optionName(std::string_view argument) { return argument.substr(argument.starts_with("--") ? 2 : 1); }

template <std::size_t count>
bool isAnyOf(std::string_view name, const std::string_view (&names)[count])
{
    return std::ranges::find(names, name) != std::end(names);
}

// Whether the option is one of Qt's in a single argument: a flag, or an
// option with its value after "=".
bool isWholeToolkitOption(std::string_view name)
{
    return isAnyOf(name, kToolkitFlags) || std::ranges::any_of(kToolkitOptionsWithJoinedValue, [name](auto option) {
               return name.starts_with(option);
           });
}

// The parser and its options; the help text comes from it.
struct ProgramOptions {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version and exit.")};

    ProgramOptions()
    {
        parser.setApplicationDescription(
            QStringLiteral("A random inn generator for tabletop role-playing games.\n"
                           "The options of every Qt program, such as -platform NAME, are taken too;\n"
                           "a file whose name begins with a dash follows --."));
        parser.addOption(help);
        parser.addOption(version);
        parser.addPositionalArgument(
            QStringLiteral("file"),
            QStringLiteral("Inn files to open, as File > Open does: JSON written by File > Export or by "
                           "brewick-batch --format json."),
            QStringLiteral("[file...]"));
    }
};
}  // namespace

ProgramCommandLine parseProgramCommandLine(std::span<const char* const> arguments)
{
    ProgramCommandLine commandLine;
    commandLine.toolkitArguments.emplace_back(arguments.empty() ? "brewick" : arguments.front());
    bool help = false;
    bool version = false;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || !argument.starts_with('-') || argument == "-") {
            commandLine.innFiles.emplace_back(argument);
            continue;
        }
        const std::string_view name = optionName(argument);
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-h" || argument == "--help") {
            help = true;
        } else if (argument == "-v" || argument == "--version") {
            version = true;
        } else if (isAnyOf(name, kToolkitOptionsWithValue) && i + 1 < arguments.size()) {
            commandLine.toolkitArguments.insert(commandLine.toolkitArguments.end(), {arguments[i], arguments[i + 1]});
            ++i;
        } else if (isWholeToolkitOption(name)) {
            commandLine.toolkitArguments.emplace_back(argument);
        } else if (commandLine.problem.empty()) {
            commandLine.problem = isAnyOf(name, kToolkitOptionsWithValue) ? std::string(argument) + " needs a value"
                                                                          : "unknown option " + singleQuoted(argument);
        }
    }
    if (help || version)
        commandLine.action = help ? ProgramCommandLine::Action::ShowHelp : ProgramCommandLine::Action::ShowVersion;
    else if (!commandLine.problem.empty())
        commandLine.action = ProgramCommandLine::Action::Refuse;
    return commandLine;
}

std::optional<int> answerWithoutWindow(const ProgramCommandLine& commandLine, int argc, char* argv[])
{
    switch (commandLine.action) {
    case ProgramCommandLine::Action::Run:
        return std::nullopt;
    case ProgramCommandLine::Action::ShowVersion:
        std::cout << "brewick " << kProductVersion << '\n';
        return EXIT_SUCCESS;
    case ProgramCommandLine::Action::ShowHelp:
    case ProgramCommandLine::Action::Refuse:
        break;
    }
    // The usage line names the program as it was called, which the parser
    // takes from the application: one without a display.
    const QCoreApplication application(argc, argv);
    const std::string help = ProgramOptions().parser.helpText().toLocal8Bit().toStdString();
    if (commandLine.action == ProgramCommandLine::Action::ShowHelp) {
        std::cout << help;
        return EXIT_SUCCESS;
    }
    std::cerr << "brewick: " << commandLine.problem << '\n'
              << help.substr(0, help.find('\n') + 1) << "Try 'brewick --help' for the options.\n";
    return kExitRefused;
}

}  // namespace brewick
