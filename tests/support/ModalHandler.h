// Answers the modal windows a command opens (the save dialog, the error box)
// from the test, since nobody sits in front of the offscreen screen.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace brewick::test {

class ModalHandler {
public:
    using Answer = std::function<void(QWidget* modal)>;

    // Each modal window that opens gets the next answer, in order.
    explicit ModalHandler(std::deque<Answer> answers) : answers_(std::move(answers))
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] { answerOpenModal(); });
        poll_.start(5);
    }

    bool allAnswered() const { return answers_.empty(); }

private:
    void answerOpenModal()
    {
        if (answered_ && !answered_->isVisible())
            answered_ = nullptr;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == answered_)
            return;
        if (answers_.empty()) {
            // Closing it keeps the test from waiting forever.
            ADD_FAILURE() << "an unexpected " << modal->metaObject()->className() << " opened";
            modal->close();
            return;
        }
        answered_ = modal;
        Answer answer = std::move(answers_.front());
        answers_.pop_front();
        answer(modal);
        if (answered_ && !answered_->isVisible())
            answered_ = nullptr;  // a window shown again is a new question
    }

    std::deque<Answer> answers_;
    QPointer<QWidget> answered_;  // the window answered last, while it is open
    QTimer poll_;
};

}  // namespace brewick::test
