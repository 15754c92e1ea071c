#include "ui/WindowLook.h"

#include <QApplication>

#include "ui/CaptionOnFrameStyle.h"
#include "ui/FocusMarkStyle.h"

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

void applyProgramLook()
{
    QApplication::setFont(windowFont());
    QApplication::setWindowIcon(programIcon());
    QApplication::setStyle(new FocusMarkStyle(new CaptionOnFrameStyle));
}

void setUpFixedWindow(QWidget* window, Qt::WindowType type, const QString& title, QPoint position)
{
    window->setWindowTitle(title);
    window->setWindowFlags(type | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    window->move(position);
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
