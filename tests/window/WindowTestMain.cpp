// Window tests run on Qt's offscreen screen unless told otherwise, in a home
// of their own: the file dialog remembers where it was, and must not carry
// that into the user's next session or the next test run. A test that fails
// half-way leaves the next one a clean start: no modal window waits for an
// answer nobody gives, and no window or popup it left up takes the next
// test's keys and clicks.
#include <gtest/gtest.h>

#include <QApplication>

#include "support/ModalHandler.h"
#include "support/TempDir.h"
#include "ui/controls/WindowLook.h"

namespace {

class CleanStart : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

}  // namespace

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
    const brewick::test::UnexpectedModals unexpected;
    testing::UnitTest::GetInstance()->listeners().Append(new CleanStart);
    return RUN_ALL_TESTS();
}
