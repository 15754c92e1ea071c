// What every Brewick window shares: the font, the style, the program's icon,
// and the way controls are placed in the fixed, pixel-exact layouts.
#pragma once

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QRect>
#include <QString>

#include <utility>

namespace brewick {

// The layouts are fixed in pixels, so the font is chosen by its pixel height;
// Liberation Sans keeps every caption inside its box.
QFont windowFont(int pixelHeight = 13, bool bold = false);

// The program's icon, which every window shows: set it on the application.
QIcon programIcon();

// Gives the whole application, its dialogs and message boxes included, the
// windows' font and style, and the icon once the first window is painted.
// Call once, before the first window.
void applyProgramLook();

// A window with a fixed border, minimisable but not maximisable, first shown
// at `position`. A dialog stays above the window it belongs to, and keeps
// its offset from it: given `position` while that window stands at its own
// first position, it opens where the window's move has taken it. Should it be
// maximised or made full-screen all the same (Wayland's title bars offer it,
// a compositor's key may ask for it), it takes the size it is given, as the
// protocol demands, with its content at the fixed size in the top-left
// corner; back to normal, it is fixed again.
void setUpFixedWindow(QWidget* window, Qt::WindowType type, const QString& title, QPoint position);

// What setUpFixedWindow installs on a window: lifts the fixed size while the
// window is maximised or full-screen, and sets it again once the window is
// back to its own size.
class FixedSizeKeeper : public QObject {
    Q_OBJECT

public:
    explicit FixedSizeKeeper(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followState(Qt::WindowState state);
    void keepFixed(bool fixed);

    QWidget* window_;
    bool following_ = false;
    bool restoring_ = false;  // asked back to normal, not yet given its size
};

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
// The colour is a role of the palette, so that dark themes keep it readable.
QLabel* placeCaption(QLabel* caption, const char* name, int centreX, int top, const QFont& font,
                     QPalette::ColorRole colour);

}  // namespace brewick
