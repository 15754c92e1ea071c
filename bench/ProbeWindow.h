// The end of a start-up probe: the window on the screen, painted.
#pragma once

#include <QCoreApplication>

#include <QWidget>
#include <QWindow>
#include <cstdlib>

inline void showMappedAndPainted(QWidget& window)
{
    window.show();
    while (!window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.repaint();
}

// Ends the process at once: what a program does as it ends is no part of its
// start-up, and a window that keeps a session would first wait for the
// session's reading.
[[noreturn]] inline void endProbe() { std::_Exit(0); }
