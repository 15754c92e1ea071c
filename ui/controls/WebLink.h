// A web address to follow, as a link is followed: by a click, or by Enter or
// Space once Tab has reached it. The mouse pointer is a pointing hand over
// it, the keyboard focus is marked, and a screen reader finds it as a link,
// with the action that follows it; its font and colour are the window's.
#pragma once

#include <QLabel>

namespace brewick {

class WebLink : public QLabel {
    Q_OBJECT

public:
    WebLink(const QString& address, QWidget* parent);

signals:
    void followed();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace brewick
