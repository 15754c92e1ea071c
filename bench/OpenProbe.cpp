#include "ui/BrewickWindows.h"
#include "ui/WindowLook.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    brewick::applyProgramLook();
    brewick::BrewickWindows windows(1, "/nonexistent", [](const QUrl&) {});
    windows.main.show();
    if (!QTest::qWaitForWindowExposed(&windows.main))
        return 1;
    QElapsedTimer t;
    t.start();
    windows.main.openInnFiles({argv[1]});
    std::printf("open: %lld ms\n", (long long)t.elapsed());
    windows.main.repaint();
    app.processEvents();
    std::printf("painted: %lld ms\n", (long long)t.elapsed());
}
