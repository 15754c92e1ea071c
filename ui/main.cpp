// Brewick: the program entry.
#include <QApplication>
#include <QDesktopServices>
#include <QSessionManager>

#include "generators/UserSceneFile.h"
#include "ui/BrewickWindows.h"
#include "ui/WindowLook.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brewick"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Brewick"));
    QApplication::setWindowIcon(brewick::programIcon());

    brewick::BrewickWindows windows(brewick::userSceneFile(), [](const QUrl& url) { QDesktopServices::openUrl(url); });
    // Logging out asks the main window to close, like any other close request.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &windows.main,
                     [&windows](QSessionManager&) { windows.main.close(); });
    windows.main.show();
    return QApplication::exec();
}
