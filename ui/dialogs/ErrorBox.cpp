#include "ui/dialogs/ErrorBox.h"

#include <QMessageBox>

namespace brewick {

namespace {
// A message is about a few names and a reason, each short already; a long
// one, of some path, is cut so that the box and its button stay on screen.
constexpr qsizetype kMostMessageCharacters = 1000;

QString shown(const std::string& message)
{
    QString text = QString::fromStdString(withFullStop(message));
    if (text.size() > kMostMessageCharacters)
        text = text.left(kMostMessageCharacters) + QChar(0x2026);
    return text;
}

QString countOfMore(int untold)
{
    return QStringLiteral("(%1 more %2.)").arg(untold).arg(untold == 1 ? "message" : "messages");
}
}  // namespace

std::string withFullStop(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + '.';
    return message;
}

void ErrorBox::show(const std::string& message) { show(std::span(&message, 1)); }

void ErrorBox::show(std::span<const std::string> messages)
{
    if (messages.empty())
        return;
    const bool opening = !open_;
    if (opening) {
        messages_.clear();
        untold_ = 0;
    }
    for (const std::string& message : messages)
        add(shown(message));
    if (!opening) {
        open_->setText(text());
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Brewick"), text(), QMessageBox::Ok, parent_);
    open_ = &box;
    box.exec();
}

void ErrorBox::add(const QString& text)
{
    if (messages_.contains(text))
        return;
    if (messages_.size() < kMostMessages)
        messages_.append(text);
    else
        ++untold_;
}

QString ErrorBox::text() const
{
    return messages_.join(QStringLiteral("\n\n")) +
           (untold_ > 0 ? QStringLiteral("\n\n") + countOfMore(untold_) : QString());
}

}  // namespace brewick
