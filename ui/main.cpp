// Brewick: the program entry.
#include <QApplication>
#include <QDesktopServices>
#include <QSessionManager>

#include <cstdio>
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

namespace {
// The windows, from the first inn to the end of the event loop, whose
// status it gives.
int runWindows(QApplication& application, const std::vector<std::filesystem::path>& innFiles)
{
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
    windows.main.openInnFiles(innFiles);
    return QApplication::exec();
}
}  // namespace

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

    const int status = runWindows(application, commandLine.innFiles);
    // Everything of Brewick's is kept and its windows are gone. Qt's Wayland
    // client of Debian 12 may wait for ever for its event thread as the
    // application goes, and a Wayland program leaves nothing behind it that
    // the application's end would hand on: there the program ends now.
    if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
