// Opens an inn file in the window as File > Open does and says how long it
// took until the inn, or the message, was on the screen, and how much memory
// the process needed at most: for the table of limits (file-limits.sh).
// Usage: open_probe FILE
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>

#include <cstdio>

#include "ProbeWindow.h"
#include "ui/BrewickWindows.h"
#include "ui/controls/WindowLook.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: open_probe FILE\n");
        return 2;
    }
    brewick::applyProgramLook();
    brewick::BrewickWindows windows(1, "/nonexistent/BarScenes.txt", [](const QUrl&) {});
    showMappedAndPainted(windows.main);
    // A message ends the probe as soon as it is up.
    QTimer closeMessages;
    QObject::connect(&closeMessages, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    closeMessages.start(1);
    QElapsedTimer elapsed;
    elapsed.start();
    QSignalSpy opened(&windows.main.desk(), &brewick::InnDesk::innFilesOpened);
    windows.main.openInnFiles({argv[1]});
    if (!opened.wait(600000))
        return 1;
    windows.main.repaint();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%lld ms, %ld MB at most\n", static_cast<long long>(elapsed.elapsed()), usage.ru_maxrss / 1024);
    return 0;
}
