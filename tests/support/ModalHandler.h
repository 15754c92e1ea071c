// Answers the modal windows a command opens (the save dialog, a question,
// the error box) from the test, since nobody sits in front of the offscreen
// screen. A window is answered as a user answers it: once it is the active
// window, and only when it is the window the answer expects; anything else
// fails the test with a message and is closed, so that the test goes on. So
// is a window an answer left open when an assertion in it failed, and, while
// no handler is alive, any modal window at all (UnexpectedModals): a failing
// test never waits for good, taking the tests after it along.
//
// BREWICK_TEST_HOLD_BACK_MS holds every answer back that long after its
// window became active, as a slow user or a loaded machine does: the timing
// lane of ./test.sh runs the window tests so.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace brewick::test {

// Closes a modal window as a user does, or hides one that will not close (a
// question without an escape button): either ends the command's wait for it.
inline void dismissModal(QWidget* modal)
{
    modal->close();
    if (modal->isVisible())
        modal->hide();
}

// A window that opened where the test expected `expected` (nothing, when
// empty): the test fails, and goes on without it.
inline void refuseModal(QWidget* modal, const std::string& expected)
{
    std::string opened = std::string("a ") + modal->metaObject()->className();
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        opened += " saying \"" + box->text().toStdString() + "\"";
    ADD_FAILURE() << (expected.empty() ? "no answer was expected" : "expected " + expected) << ", but " << opened
                  << " opened";
    dismissModal(modal);
}

class ModalHandler : public QObject {
public:
    // What the test expects to open next, and what it does there.
    struct Answer {
        std::string expected;                  // for the failure message: "a question with a Yes button"
        std::function<bool(QWidget*)> fits;    // whether the window is that one
        std::function<void(QWidget*)> answer;  // run only on a window that fits
    };

    // Each modal window that opens gets the next answer, in order.
    explicit ModalHandler(std::deque<Answer> answers) : answers_(std::move(answers))
    {
        ++alive_;
        connect(&poll_, &QTimer::timeout, this, &ModalHandler::answerActiveModal);
        poll_.start(5);
    }
    ~ModalHandler() override { --alive_; }

    bool allAnswered() const { return answers_.empty(); }
    static bool anyAlive() { return alive_ > 0; }

private:
    static qint64 heldBack()
    {
        const char* held = std::getenv("BREWICK_TEST_HOLD_BACK_MS");
        return held == nullptr ? 0 : std::atoll(held);
    }

    // A window is answered once per showing: its hiding makes it a new
    // question the next time it shows.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide) {
            watched->removeEventFilter(this);
            std::erase(answered_, watched);
        }
        return false;
    }

    void answerActiveModal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || std::ranges::count(answered_, modal) > 0 || !modal->isActiveWindow()) {
            waiting_ = nullptr;
            return;
        }
        if (modal != waiting_) {
            waiting_ = modal;
            activeFor_.start();
        }
        if (activeFor_.elapsed() < heldBack())
            return;
        answered_.push_back(modal);
        modal->installEventFilter(this);
        connect(modal, &QObject::destroyed, this, [this](QObject* gone) { std::erase(answered_, gone); });
        if (answers_.empty()) {
            refuseModal(modal, {});
            return;
        }
        // Taken first: the answer may open the next window, and answer it here.
        const Answer answer = std::move(answers_.front());
        answers_.pop_front();
        if (answer.fits && !answer.fits(modal)) {
            refuseModal(modal, answer.expected);
            return;
        }
        const QPointer<QWidget> answered = modal;
        answer.answer(modal);
        // An assertion that failed returned from the answer, maybe before it
        // closed the window, and the command that opened it would wait on.
        if (testing::Test::HasFatalFailure() && answered && answered->isVisible())
            dismissModal(answered);
    }

    static inline int alive_ = 0;
    std::deque<Answer> answers_;
    std::vector<QObject*> answered_;  // while they are shown
    QPointer<QWidget> waiting_;       // active, its answer held back
    QElapsedTimer activeFor_;
    QTimer poll_;
};

// Fails and closes every modal window that opens while no ModalHandler is
// alive: no test expects one then.
class UnexpectedModals : public QObject {
public:
    UnexpectedModals()
    {
        connect(&poll_, &QTimer::timeout, this, &UnexpectedModals::closeActiveModal);
        poll_.start(5);
    }

private:
    void closeActiveModal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && !ModalHandler::anyAlive() && modal->isActiveWindow())
            refuseModal(modal, {});
    }

    QTimer poll_;
};

// Any modal window of the class Window.
template <typename Window>
ModalHandler::Answer answerWindow(std::function<void(Window*)> answer,
                                  std::string expected = std::string("a ") + Window::staticMetaObject.className())
{
    return {std::move(expected), [](QWidget* modal) { return qobject_cast<Window*>(modal) != nullptr; },
            [answer = std::move(answer)](QWidget* modal) { answer(qobject_cast<Window*>(modal)); }};
}

// That very window.
inline ModalHandler::Answer answerWindow(QWidget* window, std::function<void(QWidget*)> answer)
{
    return {std::string("the ") + window->metaObject()->className() + " " + window->objectName().toStdString(),
            [window](QWidget* modal) { return modal == window; }, std::move(answer)};
}

// A message box that offers `button`: clicks it, after `look` saw the box.
inline ModalHandler::Answer clickInMessageBox(QMessageBox::StandardButton button,
                                              std::function<void(QMessageBox*)> look = {})
{
    return {"a message box with the button " + std::to_string(button),
            [button](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                return box != nullptr && box->button(button) != nullptr;
            },
            [button, look = std::move(look)](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                if (look)
                    look(box);
                box->button(button)->click();
            }};
}

// The question whether to replace a file: yes.
inline ModalHandler::Answer replaceTheFile() { return clickInMessageBox(QMessageBox::Yes); }

// The error box: its text goes to `told`.
inline ModalHandler::Answer readTheErrorBox(std::string& told, std::function<void(QMessageBox*)> look = {})
{
    ModalHandler::Answer answer = clickInMessageBox(QMessageBox::Ok, [&told, look = std::move(look)](QMessageBox* box) {
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        told = box->text().toStdString();
        if (look)
            look(box);
    });
    answer.expected = "the error box";
    return answer;
}

// The file dialog: the file type at `fileType` chosen as a user chooses it
// (none: the one offered), then `path` typed into the name box, and Enter.
inline ModalHandler::Answer typeIntoFileDialog(const std::filesystem::path& path, int fileType = -1,
                                               std::function<void(QFileDialog*)> look = {})
{
    return answerWindow<QFileDialog>(
        [path, fileType, look = std::move(look)](QFileDialog* dialog) {
            if (look)
                look(dialog);
            if (fileType >= 0) {
                auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                ASSERT_NE(types, nullptr);
                for (int i = 0; i < types->count() && types->currentIndex() != fileType; ++i)
                    QTest::keyClick(types, types->currentIndex() < fileType ? Qt::Key_Down : Qt::Key_Up);
                ASSERT_EQ(types->currentIndex(), fileType);
            }
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(name, QString::fromStdString(path.string()));
            ASSERT_EQ(name->text().toStdString(), path.string());
            // Queued: a question the dialog asks then opens after this answer.
            QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
        },
        "the file dialog");
}

// The file dialog, looked at and cancelled.
inline ModalHandler::Answer cancelFileDialog(std::function<void(QFileDialog*)> look)
{
    return answerWindow<QFileDialog>(
        [look = std::move(look)](QFileDialog* dialog) {
            look(dialog);
            dialog->reject();
        },
        "the file dialog");
}

}  // namespace brewick::test
