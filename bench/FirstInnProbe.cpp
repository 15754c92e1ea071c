// Starts like Brewick and ends as soon as the window with the first inn is
// mapped and painted: timing the whole process gives start-up as the user
// waits for it. With a session folder, it keeps the session there, as
// Brewick does; with --until-restored, it ends only once the session's inns
// joined the history, for the memory they take.
// Usage: first_inn_probe [SESSION_FOLDER [--until-restored]]
#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstring>

#include "ProbeWindow.h"
#include "ui/BrewickWindows.h"
#include "ui/controls/WindowLook.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    brewick::applyProgramLook();
    brewick::BrewickWindows windows(1, "/nonexistent/BarScenes.txt", [](const QUrl&) {});
    // Qt's test library only to wait for a signal would be a library
    // Brewick never loads.
    QEventLoop restoring;
    bool restored = false;
    QObject::connect(&windows.main.desk(), &brewick::InnDesk::sessionRestored, [&] {
        restored = true;
        restoring.quit();
    });
    if (argc > 1)
        windows.main.keepInnsIn(argv[1], std::filesystem::path(argv[1]) / "kept-inns.jsonl");
    showMappedAndPainted(windows.main);
    if (argc > 2 && std::strcmp(argv[2], "--until-restored") == 0 && !restored) {
        QTimer::singleShot(60000, &restoring, &QEventLoop::quit);
        restoring.exec();
        if (!restored)
            return 1;
    }
    endProbe();
}
