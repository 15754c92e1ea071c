// The about and closing windows beside the main window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "support/ModalHandler.h"
#include "support/TempDir.h"
#include "ui/BrewickWindows.h"

namespace brewick {
namespace {

class CompanionWindows : public testing::Test {
protected:
    test::TempDir dir;
    std::vector<QUrl> opened;
    BrewickWindows windows{dir.path() / "BarScenes.txt", [this](const QUrl& url) { opened.push_back(url); }};

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

    static QPushButton* button(QWidget* window, const char* name)
    {
        return window->findChild<QPushButton*>(QString::fromLatin1(name));
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
        {&windows.about, "InnSplash", {400, 239}, {66, 98},
         {{"Label3", "The Random Inn Generator"}, {"Label1", "Version 2.11"}, {"Label2", "www.example.org/brewick"}},
         "Button1"},
        {&windows.closing, "Brewick", {305, 163}, {135, 145},
         {{"Label1", "If you found this program useful, why not "},
          {"Label2", "try the other Brewick game master tools,"},
          {"Label4", "which can be found at:"},
          {"Label3", "https://www.example.org/brewick"}},
         "butExit"},
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
    QAction* about = windows.main.findChild<QAction*>(QStringLiteral("About1"));
    std::vector<QWidget*> shown;
    test::ModalHandler handler({
        [&](QWidget* modal) {
            shown.push_back(modal);
            modal->move(300, 200);
            button(modal, "Button1")->click();
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

TEST_F(CompanionWindows, EveryCloseRequestShowsTheClosingWindowAndThenCloses)
{
    struct Row {
        const char* name;
        std::function<void(MainWindow&)> request;
        std::function<void(QWidget*)> dismiss;
    };
    const Row rows[] = {
        {"Exit button, closing window's Exit", [](MainWindow& main) { button(&main, "tExit")->click(); },
         [](QWidget* closing) { button(closing, "butExit")->click(); }},
        {"close box, closing window's close box", [](MainWindow& main) { main.close(); },
         [](QWidget* closing) { closing->close(); }},
    };
    for (const Row& row : rows) {
        windows.main.show();
        bool closingShown = false;
        test::ModalHandler handler({[&](QWidget* modal) {
            closingShown = modal == &windows.closing;
            EXPECT_TRUE(windows.main.isVisible()) << "the main window waits for the closing window";
            row.dismiss(modal);
        }});
        row.request(windows.main);
        EXPECT_TRUE(closingShown) << row.name;
        EXPECT_FALSE(windows.main.isVisible()) << row.name;
    }
}

TEST_F(CompanionWindows, TheLinkOpensTheAddressAtEveryClick)
{
    auto* link = windows.closing.findChild<QLabel*>(QStringLiteral("Label3"));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    test::ModalHandler handler({[&](QWidget* modal) {
        for (int click = 0; click < 3; ++click)
            QTest::mouseClick(link, Qt::LeftButton);
        EXPECT_TRUE(modal->isVisible()) << "the closing window stays up";
        modal->close();
    }});
    windows.main.close();
    EXPECT_EQ(opened, std::vector<QUrl>(3, QUrl("https://www.example.org/brewick")));
}

}  // namespace
}  // namespace brewick
