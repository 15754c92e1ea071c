// The date and time of printing as the footer shows them: the date in the
// order and with the separators of the locale's short date format, its year
// in two digits ("12/7/26" in the United States, "07.12.26" in Germany), then
// two blanks and the time as "h:nn", the hour without a leading zero, with the
// locale's time separator in place of ":".
#pragma once

#include <string>

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace brewick {

// The first separator between two fields of a QLocale date or time format
// ("." in "dd.MM.yy", ":" in "AP h:mm"), blanks left out; `fallback` when
// the fields are apart by blanks or quoted words only.
QString formatSeparator(const QString& format, const QString& fallback);

// `dateFormat` is a QLocale date format; its year, however long, is written
// with two digits. The digits are ASCII, as everywhere else on the sheet.
std::string footerDate(const QDateTime& when, const QString& dateFormat, const QString& timeSeparator);

// With the short date and time formats of `locale`; the C locale, which is
// no one's, writes the date as "M/d/yy".
std::string footerDate(const QDateTime& when, const QLocale& locale);

// Now, in local time, in the system locale.
std::string localFooterDate();

}  // namespace brewick
