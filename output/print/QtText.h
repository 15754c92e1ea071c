// Text crosses from the inn sheet (UTF-8 bytes) to Qt here.
#pragma once

#include <QString>

#include <string_view>

namespace brewick {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace brewick
