#include "output/print/FooterDate.h"

namespace brewick {

namespace {
// The format with every year field outside quotes made two digits long.
QString withTwoDigitYear(const QString& format)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u'y') {
            result += c;
            continue;
        }
        while (i + 1 < format.size() && format[i + 1] == u'y')
            ++i;
        result += QStringLiteral("yy");
    }
    return result;
}
}  // namespace

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

std::string footerDate(const QDateTime& when, const QString& dateFormat, const QString& timeSeparator)
{
    const QTime time = when.time();
    return QStringLiteral("%1  %2%3%4")
        .arg(QLocale::c().toString(when.date(), withTwoDigitYear(dateFormat)), QString::number(time.hour()),
             timeSeparator, QString::number(time.minute()).rightJustified(2, u'0'))
        .toStdString();
}

std::string footerDate(const QDateTime& when, const QLocale& locale)
{
    const QString dateFormat =
        locale.language() == QLocale::C ? QStringLiteral("M/d/yy") : locale.dateFormat(QLocale::ShortFormat);
    return footerDate(when, dateFormat, formatSeparator(locale.timeFormat(QLocale::ShortFormat), QStringLiteral(":")));
}

std::string localFooterDate() { return footerDate(QDateTime::currentDateTime(), QLocale::system()); }

}  // namespace brewick
