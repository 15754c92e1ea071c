#include "ui/controls/WindowLook.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QWindow>

#include "ui/controls/CaptionOnFrameStyle.h"
#include "ui/controls/FocusMarkStyle.h"
#include "ui/controls/OffsetFromOwner.h"
#include "ui/controls/WholePixelFrameStyle.h"

namespace brewick {

QFont windowFont(int pixelHeight, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

QIcon programIcon()
{
    // Pictures only, read once at start (Qt decodes them as they are added):
    // the SVG would load Qt's SVG renderer, and launchers take the installed
    // icons, so the window needs no more than 128 pixels.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/brewick/icons/brewick-%1.png").arg(size), QSize(size, size));
    return icon;
}

namespace {
// Decoding the icon's pictures is the largest piece of start-up that no
// frame needs (the window manager shows the icon, not the window), so the
// application takes it once the first window has been painted.
class IconAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::instance()->removeEventFilter(this);
            // After the paint, not in the middle of it.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QApplication::setWindowIcon(programIcon());
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};
}  // namespace

void applyProgramLook()
{
    QApplication::setFont(windowFont());
    QApplication::setStyle(new FocusMarkStyle(new WholePixelFrameStyle(new CaptionOnFrameStyle)));
    QCoreApplication::instance()->installEventFilter(new IconAfterFirstPaint(QCoreApplication::instance()));
}

void setUpFixedWindow(QWidget* window, Qt::WindowType type, const QString& title, QPoint position)
{
    window->setWindowTitle(title);
    window->setWindowFlags(type | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    if (const QWidget* owner = window->parentWidget())
        window->installEventFilter(new OffsetFromOwner(window, owner, position));
    else
        window->move(position);
    window->installEventFilter(new FixedSizeKeeper(window));
}

FixedSizeKeeper::FixedSizeKeeper(QWidget* window) : QObject(window), window_(window) {}

// The native window exists once the window is first shown.
bool FixedSizeKeeper::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Show && !following_ && window_->windowHandle() != nullptr) {
        following_ = true;
        connect(window_->windowHandle(), &QWindow::windowStateChanged, this, &FixedSizeKeeper::followState);
    }
    // The window manager's or compositor's answer to the way back: the window
    // has a size of its own again, and may be fixed at it.
    if (event->type() == QEvent::Resize && restoring_) {
        restoring_ = false;
        QMetaObject::invokeMethod(
            this, [this] { keepFixed(true); }, Qt::QueuedConnection);
    }
    return false;
}

// Called as soon as the state is asked for, before the compositor answers
// with the size. Filled, the size must be free at once: a size still fixed
// would be sent back against the compositor's. Back to normal, it stays free
// until the compositor has answered: a fixed size sent before the answer
// would be sent while the window is still maximised. A compositor may take
// either for a protocol error and end the program.
void FixedSizeKeeper::followState(Qt::WindowState state)
{
    const bool filled = state == Qt::WindowMaximized || state == Qt::WindowFullScreen;
    restoring_ = !filled;
    if (filled)
        keepFixed(false);
}

void FixedSizeKeeper::keepFixed(bool fixed)
{
    if (QLayout* layout = window_->layout()) {
        layout->setSizeConstraint(fixed ? QLayout::SetFixedSize : QLayout::SetMinimumSize);
        if (!fixed)
            window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        window_->setMaximumSize(fixed ? window_->minimumSize() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }
}

QLabel* placeCaption(QLabel* caption, const char* name, int centreX, int top, const QFont& font,
                     QPalette::ColorRole colour)
{
    caption->setObjectName(QString::fromLatin1(name));
    caption->setFont(font);
    caption->setForegroundRole(colour);
    caption->adjustSize();
    caption->move(centreX - caption->width() / 2, top);
    return caption;
}

}  // namespace brewick
