#include "display/number_text.h"

#include "display/separators.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// Replaces the C locale's point by the user's separator and drops the sign of a zero.
QString localised(QString text)
{
    const bool all_zero = std::none_of(
        text.cbegin(), text.cend(), [](QChar c) { return c.isDigit() && c != QLatin1Char('0'); });
    if (all_zero && text.startsWith(QLatin1Char('-'))) {
        text.remove(0, 1);
    }
    text.replace(QLatin1Char('.'), DecimalSeparator());
    return text;
}

} // namespace

QString FixedText(double value, int decimals)
{
    return localised(QString::number(value, 'f', std::max(0, decimals)));
}

QString PlainNumberText(double value)
{
    const double rounded = QString::number(value, 'g', 15).toDouble();
    return localised(QString::number(rounded, 'f', QLocale::FloatingPointShortest));
}

std::optional<double> ParseNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    const QChar separator = DecimalSeparator();
    QString c_text;
    c_text.reserve(trimmed.size());
    bool digits = false;
    bool point = false;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits = true;
            c_text.append(c);
        } else if (c == separator && !point) {
            point = true;
            c_text.append(QLatin1Char('.'));
        } else if ((c == QLatin1Char('-') || c == QLatin1Char('+')) && i == 0) {
            c_text.append(c);
        } else {
            return std::nullopt;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = c_text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}
