#include "ui/controls/OneLineValidator.h"

namespace brewick {

QValidator::State OneLineValidator::validate(QString& input, int& position) const
{
    QString mended;
    mended.reserve(input.size());
    int mendedPosition = position;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input[i];
        if (c == u'\r' || c == u'\n' || c == u'\t')
            mended += u' ';
        else if (c.unicode() >= 0x20)
            mended += c;
        else if (i < position)
            --mendedPosition;
    }
    input = mended;
    position = mendedPosition;
    return Acceptable;
}

}  // namespace brewick
