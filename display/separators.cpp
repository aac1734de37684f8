#include "display/separators.h"

#include <QLocale>
#include <QString>

QChar DecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 ? point.front() : QChar('.');
}

QChar TimeSeparator()
{
    // The locale's short time format, e.g. "HH:mm" or "H.mm": the first character after the
    // hours that is not part of a field or a quoted text.
    const QString format = QLocale().timeFormat(QLocale::ShortFormat);
    const qsizetype hours = format.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    if (hours >= 0) {
        for (qsizetype i = hours; i < format.size(); ++i) {
            const QChar c = format[i];
            if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\'')) {
                return c;
            }
        }
    }
    return QChar(':');
}
