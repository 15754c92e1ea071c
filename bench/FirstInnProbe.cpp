// Starts like Brewick and ends as soon as the first inn has been painted:
// timing the whole process gives start-up as the user waits for it.
#include <QApplication>

#include "ui/BrewickWindows.h"
#include "ui/WindowLook.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    brewick::applyProgramLook();
    brewick::BrewickWindows windows(1, "/nonexistent/BarScenes.txt", [](const QUrl&) {});
    windows.main.show();
    QCoreApplication::processEvents();
    windows.main.repaint();
    return 0;
}
