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
#include <functional>

#include "core/ProductIdentity.h"
#include "output/print/QtText.h"
#include "support/ModalHandler.h"
#include "support/TempDir.h"
#include "ui/BrewickWindows.h"
#include "ui/ObjectNames.h"

namespace brewick {
namespace {

namespace names = objectNames;

QPushButton* button(QWidget* window, const char* name)
{
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

// The program's windows, the main one shown, with a folder of their own.
struct ShownWindows {
    test::TempDir dir;
    BrewickWindows windows{1, dir.path() / "BarScenes.txt", [](const QUrl&) {}};

    ShownWindows()
    {
        windows.main.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&windows.main));
    }
};

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
        [&](QWidget* modal) {
            shown.push_back(modal);
            modal->move(300, 200);
            button(modal, names::okButton)->click();
        },
        [&](QWidget* modal) {
            shown.push_back(modal);
            EXPECT_EQ(modal->pos(), QPoint(300, 200));
            modal->close();  // the close box does what OK does
        },
    });
    about->trigger();
    about->trigger();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], &windows.about);
    EXPECT_EQ(shown[1], &windows.about);
    EXPECT_TRUE(windows.main.isVisible());
}

// The companions open at their offsets from the main window, which put them
// at their own first positions while it stands at its own, and follow it
// when it is moved; one the user moved keeps its new offset.
TEST(CompanionPlaces, TheCompanionsKeepTheirOffsetsFromTheMainWindow)
{
    struct Row {
        const char* name;
        QPoint aboutLeftAt;  // where the user leaves the about window first; none if null
        QPoint mainAt;
        QPoint about;
        QPoint closing;
    };
    const Row rows[] = {
        {"the main window where it starts", {}, {57, 34}, {66, 98}, {135, 145}},
        {"the main window moved", {}, {700, 380}, {709, 444}, {778, 491}},
        {"the about window moved, then the main window", {300, 200}, {157, 84}, {400, 250}, {235, 195}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ShownWindows shown;
        BrewickWindows& windows = shown.windows;
        std::vector<QPoint> shownAt;
        const auto noteWhere = [&](QWidget* modal) {
            shownAt.push_back(modal->pos());
            modal->close();
        };
        std::deque<test::ModalHandler::Answer> answers = {noteWhere, noteWhere};
        if (!row.aboutLeftAt.isNull()) {
            answers.push_front([&](QWidget* modal) {
                modal->move(row.aboutLeftAt);
                modal->close();
            });
        }
        const test::ModalHandler handler(std::move(answers));
        if (!row.aboutLeftAt.isNull())
            windows.about.exec();
        windows.main.move(row.mainAt);
        for (QDialog* companion : {static_cast<QDialog*>(&windows.about), static_cast<QDialog*>(&windows.closing)})
            companion->exec();
        EXPECT_EQ(shownAt, (std::vector<QPoint>{row.about, row.closing}));
    }
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
        ShownWindows shown;
        BrewickWindows& windows = shown.windows;
        int closingShown = 0;
        test::ModalHandler handler({[&](QWidget* modal) {
            closingShown += modal == &windows.closing;
            EXPECT_TRUE(windows.main.isVisible()) << "the main window waits for the closing window";
            if (row.dismiss)
                row.dismiss(modal, windows.main);
            else
                modal->close();
        }});
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
        test::ModalHandler handler({[&](QWidget* modal) {
            EXPECT_EQ(modal, companion);
            EXPECT_EQ(modal->windowHandle()->transientParent(), windows.main.windowHandle());
            modal->close();
        }});
        EXPECT_EQ(companion->windowType(), Qt::Dialog);
        companion->exec();
        EXPECT_TRUE(handler.allAnswered());
    }
}

// The link opens the address each time it is followed, by the mouse, by the
// keyboard once Tab has reached it, or by a screen reader's action.
TEST_F(CompanionWindows, TheLinkOpensTheAddressEachTimeItIsFollowed)
{
    auto* link = windows.closing.findChild<QLabel*>(QString::fromLatin1(names::linkLabel));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"a click", [&] { QTest::mouseClick(link, Qt::LeftButton); }},
        {"another click", [&] { QTest::mouseClick(link, Qt::LeftButton); }},
        {"Tab from Exit, then Enter",
         [&] {
             QWidget* exit = button(&windows.closing, names::closingExitButton);
             exit->setFocus();
             QTest::keyClick(exit, Qt::Key_Tab);
             ASSERT_EQ(QApplication::focusWidget(), link);
             QTest::keyClick(link, Qt::Key_Return);
         }},
        {"Space", [&] { QTest::keyClick(link, Qt::Key_Space); }},
        {"a screen reader's press",
         [&] {
             QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(link)->actionInterface();
             ASSERT_NE(actions, nullptr);
             actions->doAction(QAccessibleActionInterface::pressAction());
         }},
    };
    EXPECT_EQ(QAccessible::queryAccessibleInterface(link)->role(), QAccessible::Link);
    test::ModalHandler handler({[&](QWidget* modal) {
        modal->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(modal));
        for (std::size_t i = 0; i < std::size(ways); ++i) {
            ways[i].second();
            EXPECT_EQ(opened.size(), i + 1) << ways[i].first;
        }
        EXPECT_TRUE(modal->isVisible()) << "the closing window stays up";
        modal->close();
    }});
    windows.main.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !windows.main.isVisible(); }, 5000));
    EXPECT_EQ(opened, std::vector<QUrl>(std::size(ways), QUrl("https://www.example.org/brewick")));
}

// What a screen reader says of the controls whose text alone would not do.
TEST_F(CompanionWindows, ControlsAreNamedForWhatTheyHold)
{
    struct Row {
        QWidget* window;
        const char* control;
        QString name;
    };
    const InnSheet& inn = windows.main.generator().sheet();
    const Row rows[] = {
        {&windows.main, names::tableCountLabel, "Number of tables: " + QString::number(inn.tableCount)},
        {&windows.main, names::tableChoice, "Table"},
        {&windows.main, names::tableLinesEdit, "Patrons at the chosen table"},
        {&windows.main, names::barSceneList, "Bar scene"},
        {&windows.about, names::bannerLabel, "Brewick"},
        {&windows.closing, names::linkLabel, "https://www.example.org/brewick"},
    };
    for (const Row& row : rows) {
        QAccessibleInterface* control =
            QAccessible::queryAccessibleInterface(row.window->findChild<QWidget*>(QString::fromLatin1(row.control)));
        ASSERT_NE(control, nullptr) << row.control;
        EXPECT_EQ(control->text(QAccessible::Name), row.name) << row.control;
    }
    // The drop-down list's entry is its value.
    auto* choice = windows.main.findChild<QWidget*>(QString::fromLatin1(names::tableChoice));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(choice)->text(QAccessible::Value).toStdString(),
              inn.tableChoices[0]);
}

}  // namespace
}  // namespace brewick
