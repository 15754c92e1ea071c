// What every Brewick window shares: the font, the program's icon, and the
// way controls are placed in the fixed, pixel-exact layouts.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QRect>
#include <QString>

#include <utility>

namespace brewick {

// The layouts are fixed in pixels, so the font is chosen by its pixel height;
// Liberation Sans keeps every caption inside its box.
QFont windowFont(int pixelHeight = 13, bool bold = false);

// The program's icon, which every window shows: set it on the application.
QIcon programIcon();

// A window with a fixed border, minimisable but not maximisable, in the
// program's font, first shown at `position`.
void setUpFixedWindow(QWidget* window, const QString& title, QPoint position);

// Creates a control of a fixed layout: its name and its place in `parent`.
template <typename Control, typename... Arguments>
Control* place(QWidget* parent, const char* name, QRect geometry, Arguments&&... arguments)
{
    auto* control = new Control(std::forward<Arguments>(arguments)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

// Gives a one-line caption its name, font and colour and makes it as wide as
// its text, centred on `centreX`, so that no wording or font is ever clipped.
QLabel* placeCaption(QLabel* caption, const char* name, int centreX, int top, const QFont& font,
                     const QColor& colour);

}  // namespace brewick
