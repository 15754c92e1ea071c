// Brewick: the program entry.
#include <QApplication>
#include <QDesktopServices>
#include <QSessionManager>

#include <cstdlib>
#include <iostream>
#include <vector>

#include "core/StartSeed.h"
#include "files/UserSceneFile.h"
#include "files/WordFolder.h"
#include "keeping/SessionFile.h"
#include "platform/TerminationSignals.h"
#include "ui/BrewickWindows.h"
#include "ui/CommandLine.h"
#include "ui/controls/WindowLook.h"

int main(int argc, char* argv[])
{
    brewick::ProgramCommandLine commandLine = brewick::parseProgramCommandLine({argv, std::size_t(argc)});
    if (const std::optional<int> status = brewick::answerWithoutWindow(commandLine, argc, argv))
        return *status;
    // The application keeps what it is given for its lifetime.
    std::vector<char*> toolkitArgv;
    for (std::string& argument : commandLine.toolkitArguments)
        toolkitArgv.push_back(argument.data());
    int toolkitArgc = static_cast<int>(toolkitArgv.size());
    toolkitArgv.push_back(nullptr);
    QApplication application(toolkitArgc, toolkitArgv.data());
    QApplication::setApplicationName(QStringLiteral("Brewick"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Brewick"));
    brewick::applyProgramLook();

    const std::uint32_t seed = brewick::startSeed(std::getenv("BREWICK_SEED"), std::cerr);
    brewick::BrewickWindows windows(
        seed, brewick::userSceneFile(), [](const QUrl& url) { QDesktopServices::openUrl(url); },
        brewick::userWordFolder());
    // Logging out asks the main window to close, like any other close request,
    // but the closing window must not hold up a logout that cannot wait.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &windows.main,
                     [&windows](QSessionManager& manager) {
                         windows.main.closeForLogout(manager.allowsInteraction());
                         manager.release();
                     });
    // The desktop or a terminal ends the program as Quit would, without
    // asking: what was typed is kept.
    brewick::TerminationSignals endings;
    QObject::connect(&endings, &brewick::TerminationSignals::received, &windows.main,
                     [&windows] { windows.main.closeForLogout(false); });
    windows.main.keepInnsIn(brewick::sessionFolder(), brewick::starredInnsFile());
    windows.main.show();
    // The files named on the command line open after the first inn, as
    // File > Open opens them.
    windows.main.openInnFiles(commandLine.innFiles);
    return QApplication::exec();
}
