// Starts like Brewick and ends as soon as the window with the first inn is
// mapped and painted: timing the whole process gives start-up as the user
// waits for it.
#include <QApplication>

#include "ProbeWindow.h"
#include "ui/BrewickWindows.h"
#include "ui/WindowLook.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    brewick::applyProgramLook();
    brewick::BrewickWindows windows(1, "/nonexistent/BarScenes.txt", [](const QUrl&) {});
    showMappedAndPainted(windows.main);
    return 0;
}
