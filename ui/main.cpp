// Brewick: the program entry.
#include <QApplication>
#include <QDir>

#include "generators/Scenes.h"
#include "ui/TInnIntro.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brewick"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Brewick"));

    const QString sceneFile = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QString::fromLatin1(brewick::kSceneFileName.data(),
                                                                static_cast<qsizetype>(brewick::kSceneFileName.size())));
    brewick::TInnIntro window(sceneFile.toStdString());
    window.show();
    return QApplication::exec();
}
