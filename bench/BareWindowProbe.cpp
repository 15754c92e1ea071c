// The yardstick for FirstInnProbe: a bare Qt main window of the same size,
// started and painted once.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setFixedSize(502, 600);
    window.show();
    QCoreApplication::processEvents();
    window.repaint();
    return 0;
}
