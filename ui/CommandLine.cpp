#include "ui/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <iostream>

#include "core/ProductIdentity.h"

namespace brewick {

namespace {
constexpr int kExitRefused = 2;

// The parser and its options; the help text comes from it too.
struct ProgramOptions {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version and exit.")};

    ProgramOptions()
    {
        parser.setApplicationDescription(
            QStringLiteral("A random inn generator for tabletop role-playing games.\n"
                           "The options of every Qt program, such as -platform NAME, are taken too."));
        parser.addOption(help);
        parser.addOption(version);
        parser.addPositionalArgument(
            QStringLiteral("file"),
            QStringLiteral("Inn files to open, as File > Open does: JSON written by File > Export or by "
                           "brewick-batch --format json."),
            QStringLiteral("[file...]"));
    }
};

// The arguments the parser did not take as options, as given: a file's name
// is bytes, which a QString need not hold.
std::vector<std::filesystem::path> fileArguments(std::span<const char* const> arguments)
{
    std::vector<std::filesystem::path> files;
    bool optionsEnded = false;
    for (const std::string_view argument : arguments.subspan(1)) {
        if (!optionsEnded && argument == "--")
            optionsEnded = true;
        else if (optionsEnded || !argument.starts_with('-') || argument == "-")
            files.emplace_back(argument);
    }
    return files;
}
}  // namespace

ProgramCommandLine parseProgramCommandLine(std::span<const char* const> arguments)
{
    QStringList strings;
    for (const char* argument : arguments)
        strings.append(QString::fromLocal8Bit(argument));
    ProgramOptions options;
    const bool parsed = options.parser.parse(strings);
    if (options.parser.isSet(options.help))
        return {ProgramCommandLine::Action::ShowHelp, {}, {}};
    if (options.parser.isSet(options.version))
        return {ProgramCommandLine::Action::ShowVersion, {}, {}};
    if (!parsed)
        return {ProgramCommandLine::Action::Refuse, {}, options.parser.errorText().toStdString()};
    return {ProgramCommandLine::Action::Run, fileArguments(arguments), {}};
}

std::optional<int> answerHelpOrVersion(int argc, char* argv[])
{
    const ProgramCommandLine commandLine = parseProgramCommandLine({argv, static_cast<std::size_t>(argc)});
    if (commandLine.action == ProgramCommandLine::Action::ShowVersion) {
        std::cout << "brewick " << kProductVersion << '\n';
        return EXIT_SUCCESS;
    }
    if (commandLine.action != ProgramCommandLine::Action::ShowHelp)
        return std::nullopt;
    // The usage line names the program as it was called, which the parser
    // takes from the application: one without a display.
    const QCoreApplication application(argc, argv);
    std::cout << ProgramOptions().parser.helpText().toLocal8Bit().toStdString();
    return EXIT_SUCCESS;
}

int refuseCommandLine(const ProgramCommandLine& commandLine)
{
    std::cerr << "brewick: " << commandLine.problem << "\nTry 'brewick --help' for the options.\n";
    return kExitRefused;
}

}  // namespace brewick
