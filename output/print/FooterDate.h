// The date and time of printing as the footer shows them: "m/d/yy  h:nn",
// month, day and hour without a leading zero, with the system's date and
// time separators in place of "/" and ":".
#pragma once

#include <string>

#include <QDateTime>
#include <QString>

namespace brewick {

// The first separator between two fields of a QLocale date or time format
// ("." in "dd.MM.yy", ":" in "AP h:mm"), blanks left out; `fallback` when
// the fields are apart by blanks or quoted words only.
QString formatSeparator(const QString& format, const QString& fallback);

std::string footerDate(const QDateTime& when, const QString& dateSeparator, const QString& timeSeparator);

// Now, in local time, with the separators of the system locale's short
// date and time formats.
std::string localFooterDate();

}  // namespace brewick
