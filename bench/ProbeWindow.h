// The end of a start-up probe: the window on the screen, painted.
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

inline void showMappedAndPainted(QWidget& window)
{
    window.show();
    while (!window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.repaint();
}
