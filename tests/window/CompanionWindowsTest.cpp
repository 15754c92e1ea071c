// The about and closing windows beside the main window.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>

#include "core/ProductIdentity.h"
#include "output/print/QtText.h"
#include "support/ModalHandler.h"
#include "support/TempDir.h"
#include "ui/BrewickWindows.h"
#include "ui/controls/ObjectNames.h"

namespace brewick {
namespace {

namespace names = objectNames;

QPushButton* button(QWidget* window, const char* name)
{
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

class CompanionWindows : public testing::Test {
protected:
    test::TempDir dir;
    std::vector<QUrl> opened;
    BrewickWindows windows{1, dir.path() / "BarScenes.txt", [this](const QUrl& url) { opened.push_back(url); }};

    void SetUp() override
    {
        windows.main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows.main));
    }

    static QWidget* firstInTabOrder(QWidget* window)
    {
        for (QWidget* next = window->nextInFocusChain(); next != window; next = next->nextInFocusChain())
            if (next->focusPolicy() & Qt::TabFocus)
                return next;
        return nullptr;
    }
};

TEST_F(CompanionWindows, CaptionsSizesAndFirstControls)
{
    struct Row {
        QWidget* window;
        QString title;
        QSize size;
        QPoint position;
        std::vector<std::pair<const char*, QString>> labels;
        const char* button;
    };
    const Row rows[] = {
        {&windows.about,
         "InnSplash",
         {400, 239},
         {66, 98},
         {{names::descriptionLabel, "The Random Inn Generator"},
          {names::versionLabel, "Version " + toQString(kProductVersion)},
          {names::webAddressLabel, "www.example.org/brewick"}},
         names::okButton},
        {&windows.closing,
         "Brewick",
         {305, 163},
         {135, 145},
         {{names::invitationLabel, "If you found this program useful, why not "},
          {names::productsLabel, "try the other Brewick game master tools,"},
          {names::whereLabel, "which can be found at:"},
          {names::linkLabel, "https://www.example.org/brewick"}},
         names::closingExitButton},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.title.toStdString());
        EXPECT_FALSE(row.window->isVisible()) << "created hidden";
        EXPECT_EQ(row.window->windowTitle(), row.title);
        EXPECT_EQ(row.window->size(), row.size);
        EXPECT_EQ(row.window->minimumSize(), row.window->maximumSize());
        EXPECT_EQ(row.window->pos(), row.position);
        EXPECT_FALSE(row.window->windowFlags() & Qt::WindowMaximizeButtonHint);
        for (const auto& [name, text] : row.labels) {
            auto* label = row.window->findChild<QLabel*>(QString::fromLatin1(name));
            ASSERT_NE(label, nullptr) << name;
            EXPECT_EQ(label->text(), text);
            EXPECT_TRUE(row.window->rect().contains(label->geometry())) << name << " is clipped";
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(text)) << name;
        }
        EXPECT_EQ(firstInTabOrder(row.window), button(row.window, row.button));
    }
}

TEST_F(CompanionWindows, AboutTwiceShowsTheSameWindowWhereItWasLeft)
{
    QAction* about = windows.main.findChild<QAction*>(QString::fromLatin1(names::aboutAction));
    std::vector<QWidget*> shown;
    test::ModalHandler handler({
        test::answerWindow(&windows.about,
                           [&](QWidget* modal) {
                               shown.push_back(modal);
                               modal->move(300, 200);
                               button(modal, names::okButton)->click();
                           }),
        test::answerWindow(&windows.about,
                           [&](QWidget* modal) {
                               shown.push_back(modal);
                               EXPECT_EQ(modal->pos(), QPoint(300, 200));
                               modal->close();  // the close box does what OK does
                           }),
    });
    about->trigger();
    about->trigger();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], &windows.about);
    EXPECT_EQ(shown[1], &windows.about);
    EXPECT_TRUE(windows.main.isVisible());
}

// Every close request is answered once: by the closing window, and the main
// window closes only when that is dismissed. A logout that may not ask the
// user closes at once.
TEST(ClosingTheProgram, EveryCloseRequestShowsTheClosingWindowOnceAndThenCloses)
{
    struct Row {
        const char* name;
        std::function<void(MainWindow&)> request;
        // Given the closing window and the main window; none: no closing window expected.
        std::function<void(QWidget*, MainWindow&)> dismiss;
    };
    const auto exitButton = [](QWidget* closing, MainWindow&) { button(closing, names::closingExitButton)->click(); };
    const Row rows[] = {
        {"Exit button, closing window's Exit", [](MainWindow& main) { button(&main, names::exitButton)->click(); },
         exitButton},
        {"close box, closing window's close box", [](MainWindow& main) { main.close(); },
         [](QWidget* closing, MainWindow&) { closing->close(); }},
        {"close box again while the closing window is up", [](MainWindow& main) { main.close(); },
         [&](QWidget* closing, MainWindow& main) {
             // As the window manager asks it: to the window, not the widget.
             QCloseEvent request;
             QCoreApplication::sendEvent(main.windowHandle(), &request);
             EXPECT_FALSE(request.isAccepted()) << "a second request must not close the main window";
             EXPECT_TRUE(main.isVisible() && closing->isVisible());
             exitButton(closing, main);
         }},
        {"File > Quit by Ctrl+Q", [](MainWindow& main) { QTest::keyClick(&main, Qt::Key_Q, Qt::ControlModifier); },
         exitButton},
        {"logout that may ask", [](MainWindow& main) { main.closeForLogout(true); }, exitButton},
        {"logout that may not ask", [](MainWindow& main) { main.closeForLogout(false); }, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::TempDir dir;
        BrewickWindows windows(1, dir.path() / "BarScenes.txt", [](const QUrl&) {});
        windows.main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows.main));
        int closingShown = 0;
        test::ModalHandler handler({test::answerWindow(&windows.closing, [&](QWidget* modal) {
            ++closingShown;
            EXPECT_TRUE(windows.main.isVisible()) << "the main window waits for the closing window";
            if (row.dismiss)
                row.dismiss(modal, windows.main);
            else
                modal->close();
        })});
        row.request(windows.main);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !windows.main.isVisible(); }, 5000));
        EXPECT_EQ(closingShown, row.dismiss ? 1 : 0);
    }
}

// WCAG's contrast ratio of two colours, from 1 to 21.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The captions take their colours from the palette: blue and black in a light
// one, as the windows were drawn, and readable in a dark one.
TEST_F(CompanionWindows, CaptionsAreReadableOnLightAndDarkPalettes)
{
    QPalette dark;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(0x2b, 0x2b, 0x2b)},
                                {QPalette::WindowText, QColor(0xee, 0xee, 0xee)},
                                {QPalette::Link, QColor(0x5e, 0xb2, 0xff)}}) {
        dark.setColor(role, colour);
    }
    struct Row {
        QWidget* window;
        const char* label;
        bool blue;  // else black, in the light palette
    };
    const Row rows[] = {
        {&windows.about, names::descriptionLabel, true}, {&windows.about, names::versionLabel, true},
        {&windows.about, names::webAddressLabel, true},  {&windows.closing, names::invitationLabel, false},
        {&windows.closing, names::productsLabel, false}, {&windows.closing, names::whereLabel, false},
        {&windows.closing, names::linkLabel, true},
    };
    for (const Row& row : rows) {
        auto* label = row.window->findChild<QLabel*>(QString::fromLatin1(row.label));
        const auto shown = [label] {
            const QPalette palette = label->palette();
            return std::pair{palette.color(label->foregroundRole()), palette.color(label->backgroundRole())};
        };
        const auto [light, lightBackground] = shown();
        const QString where = row.window->objectName() + "." + row.label;
        if (row.blue)
            EXPECT_TRUE(light.blue() > 2 * std::max(light.red(), light.green())) << where.toStdString();
        else
            EXPECT_EQ(light, QColor(Qt::black)) << where.toStdString();
        row.window->setPalette(dark);
        const auto [text, background] = shown();
        row.window->setPalette(QPalette());
        EXPECT_GE(contrast(text, background), 4.5) << where.toStdString();
        EXPECT_EQ(background, dark.color(QPalette::Window)) << where.toStdString();
    }
}

// Window managers keep a dialog above the window it belongs to and place it
// by it; the companions are such dialogs, and modal.
TEST_F(CompanionWindows, TheCompanionsAreModalDialogsOfTheMainWindow)
{
    for (QDialog* companion : {static_cast<QDialog*>(&windows.about), static_cast<QDialog*>(&windows.closing)}) {
        test::ModalHandler handler({test::answerWindow(companion, [&](QWidget* modal) {
            EXPECT_EQ(modal->windowHandle()->transientParent(), windows.main.windowHandle());
            modal->close();
        })});
        EXPECT_EQ(companion->windowType(), Qt::Dialog);
        companion->exec();
        EXPECT_TRUE(handler.allAnswered());
    }
}

// The link opens the address each time it is followed: by a click, by Enter once Tab has
// brought the focus from "Exit", or by a screen reader's action on what it finds as a link.
TEST_F(CompanionWindows, TheLinkOpensTheAddressEachTimeItIsFollowed)
{
    auto* link = windows.closing.findChild<QLabel*>(QString::fromLatin1(names::linkLabel));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(link);
    EXPECT_EQ(accessible->role(), QAccessible::Link);
    test::ModalHandler handler({test::answerWindow(&windows.closing, [&](QWidget* modal) {
        QTest::mouseClick(link, Qt::LeftButton);
        modal->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(modal));
        button(modal, names::closingExitButton)->setFocus();
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Return})
            QTest::keyClick(QApplication::focusWidget(), key);
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(modal->isVisible()) << "the closing window stays up";
        modal->close();
    })});
    windows.main.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !windows.main.isVisible(); }, 5000));
    EXPECT_EQ(opened, std::vector<QUrl>(3, QUrl("https://www.example.org/brewick")));
}

}  // namespace
}  // namespace brewick
