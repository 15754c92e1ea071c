// The font of every Brewick window. The layouts are fixed in pixels, so the
// font is chosen by its pixel height; Liberation Sans keeps every caption
// inside its box.
#pragma once

#include <QFont>

namespace brewick {

inline QFont WindowFont(int pixelHeight = 13)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelHeight);
    return font;
}

}  // namespace brewick
