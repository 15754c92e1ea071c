// The yardstick for FirstInnProbe: a bare Qt main window of the same size
// with a menu bar, started, mapped and painted once. The menu bar's titles
// make Qt load its fonts, as any window with text does.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "ProbeWindow.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.menuBar()->addMenu(QStringLiteral("&Edit"));
    window.setFixedSize(502, 600);
    showMappedAndPainted(window);
    endProbe();
}
