// The one place that shows errors to the user: the standard error box, one
// at a time. A message that comes while the box is up joins it, once, so
// that problems that come in a burst (a word list saved fifteen times, say)
// never stack up boxes, and the box stays within the screen.
#pragma once

#include <QPointer>
#include <QStringList>

#include <span>
#include <string>

class QMessageBox;
class QWidget;

namespace brewick {

// The message as the box shows it: with a full stop appended when its last
// character comes after "." in the character set, as letters and digits do.
std::string withFullStop(const std::string& message);

class ErrorBox {
public:
    // The most messages one box shows; those that come after are counted.
    static constexpr int kMostMessages = 8;

    explicit ErrorBox(QWidget* parent) : parent_(parent) {}

    // A modal error box titled "Brewick" with one OK button, or, while one
    // is up, the message added to it unless it says so already.
    void show(const std::string& message);
    // The messages in one box, or added to the one that is up, each set
    // apart from the others by a blank line.
    void show(std::span<const std::string> messages);

private:
    void add(const QString& text);
    QString text() const;

    QWidget* parent_;
    QPointer<QMessageBox> open_;
    QStringList messages_;  // in the box that is up
    int untold_ = 0;        // messages past the most, counted only
};

}  // namespace brewick
