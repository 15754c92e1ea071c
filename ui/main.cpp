// Brewick: the program entry.
#include <QApplication>
#include <QDesktopServices>
#include <QSessionManager>

#include "files/UserSceneFile.h"
#include "ui/BrewickWindows.h"
#include "ui/WindowLook.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brewick"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Brewick"));
    brewick::applyProgramLook();

    brewick::BrewickWindows windows(brewick::userSceneFile(), [](const QUrl& url) { QDesktopServices::openUrl(url); });
    // Logging out asks the main window to close, like any other close request,
    // but the closing window must not hold up a logout that cannot wait.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &windows.main,
                     [&windows](QSessionManager& manager) {
                         windows.main.closeForLogout(manager.allowsInteraction());
                         manager.release();
                     });
    windows.main.show();
    return QApplication::exec();
}
