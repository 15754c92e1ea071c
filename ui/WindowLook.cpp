#include "ui/WindowLook.h"

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

void setUpFixedWindow(QWidget* window, const QString& title, QPoint position)
{
    window->setWindowTitle(title);
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window->setFont(windowFont());
    window->move(position);
}

QLabel* placeCaption(QLabel* caption, const char* name, int centreX, int top, const QFont& font,
                     const QColor& colour)
{
    caption->setObjectName(QString::fromLatin1(name));
    caption->setFont(font);
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, colour);
    caption->setPalette(palette);
    caption->adjustSize();
    caption->move(centreX - caption->width() / 2, top);
    return caption;
}

}  // namespace brewick
