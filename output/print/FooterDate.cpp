#include "output/print/FooterDate.h"

#include <QLocale>

namespace brewick {

QString formatSeparator(const QString& format, const QString& fallback)
{
    QString separator;
    bool afterField = false;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
            separator.clear();
        } else if (quoted) {
            continue;
        } else if (c.isLetter()) {
            if (afterField && !separator.isEmpty())
                return separator;
            afterField = true;
        } else if (afterField && !c.isSpace()) {
            separator += c;
        }
    }
    return fallback;
}

std::string footerDate(const QDateTime& when, const QString& dateSeparator, const QString& timeSeparator)
{
    const auto twoDigits = [](int number) { return QString::number(number).rightJustified(2, u'0'); };
    const QDate date = when.date();
    const QTime time = when.time();
    return QStringLiteral("%1%2%3%2%4  %5%6%7")
        .arg(QString::number(date.month()), dateSeparator, QString::number(date.day()), twoDigits(date.year() % 100),
             QString::number(time.hour()), timeSeparator, twoDigits(time.minute()))
        .toStdString();
}

std::string localFooterDate()
{
    const QLocale locale = QLocale::system();
    return footerDate(QDateTime::currentDateTime(),
                      formatSeparator(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("/")),
                      formatSeparator(locale.timeFormat(QLocale::ShortFormat), QStringLiteral(":")));
}

}  // namespace brewick
