// Window tests run on Qt's offscreen screen unless told otherwise, in a home
// of their own: the file dialog remembers where it was, and must not carry
// that into the user's next session or the next test run.
#include <gtest/gtest.h>

#include <QApplication>

#include "support/TempDir.h"
#include "ui/controls/WindowLook.h"

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const brewick::test::TempDir home;
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(variable, QByteArray::fromStdString(home.path().string()));
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brewick"));
    brewick::applyProgramLook();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
