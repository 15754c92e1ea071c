// Keys pressed as on a keyboard, each to the control that has the focus at
// the time, which the key before may have changed: the first key typed into
// the room grid opens a cell editor, which takes the rest.
#pragma once

#include <QApplication>
#include <QTest>

namespace brewick::test {

// The events a key sets off run before the next key.
inline void pressAtFocus(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
    QApplication::processEvents();
}

inline void typeAtFocus(const QString& text)
{
    for (const QChar c : text) {
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QApplication::processEvents();
    }
}

}  // namespace brewick::test
