#include "display/formats.h"

#include "display/number_text.h"
#include "display/separators.h"
#include "resources/string_ids.h"
#include "resources/texts.h"

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

constexpr int largest_dms_decimals = 9; // keeps 10^decimals within an int

int pattern_decimals(std::string_view pattern)
{
    const std::size_t point = pattern.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}

QString not_available()
{
    return LoadText(string_id::not_available);
}

} // namespace

QString FormatValue(std::string_view pattern, double value, bool valid)
{
    if (!valid || !std::isfinite(value)) {
        return not_available();
    }
    return FixedText(value, pattern_decimals(pattern));
}

QString FormatCount(std::uint32_t value, bool valid)
{
    return valid ? QString::number(value) : not_available();
}

QString FormatInteger(long long value, bool valid)
{
    return valid ? QString::number(value) : not_available();
}

QString FormatHex(std::uint32_t value, int width, bool zero_padded, bool valid)
{
    if (!valid) {
        return not_available();
    }
    return QString::number(value, 16).toUpper().rightJustified(width, zero_padded ? '0' : ' ');
}

QString FormatDotted(std::uint32_t value, bool valid)
{
    if (!valid) {
        return not_available();
    }
    return QStringLiteral("%1.%2.%3.%4")
        .arg(value >> 24)
        .arg((value >> 16) & 0xFFu)
        .arg((value >> 8) & 0xFFu)
        .arg(value & 0xFFu);
}

QString FormatAngle360(double degrees, bool valid)
{
    constexpr double largest_shown = 359.999;
    return FormatValue("0.000", degrees > largest_shown ? 0.0 : degrees, valid);
}

QString FormatAngleDms(double degrees, int decimals, const QString &positive,
                       const QString &negative)
{
    if (!std::isfinite(degrees)) {
        return not_available();
    }
    decimals = std::clamp(decimals, 0, largest_dms_decimals);
    const double scale = std::pow(10.0, decimals);
    const double half_digit = 0.5 / 3600.0 / scale; // half a unit of the last digit, in degrees

    double a = std::fabs(degrees);
    if (a >= 360.0) {
        a = std::fmod(a, 360.0);
    }
    a += half_digit;
    int whole_degrees = static_cast<int>(a);
    double f = 60.0 * (a - whole_degrees) + half_digit;
    int minutes = static_cast<int>(f);
    f = 60.0 * (f - minutes) + half_digit;
    int seconds = static_cast<int>(f);
    int fraction = static_cast<int>(std::floor(scale * (f - seconds) + half_digit));

    // The nudges above can lift a digit to its limit ("15.100", "60"); carry it over.
    if (fraction >= static_cast<int>(scale)) {
        fraction -= static_cast<int>(scale);
        ++seconds;
    }
    if (seconds >= 60) {
        seconds -= 60;
        ++minutes;
    }
    if (minutes >= 60) {
        minutes -= 60;
        ++whole_degrees;
    }

    const bool south_or_west = degrees < 0.0;
    if (south_or_west && negative.isEmpty()) {
        whole_degrees = -whole_degrees;
    }
    QString text = QString::asprintf("%3d", whole_degrees) + QChar(0x00B0) +
                   QString::asprintf("%02d'%02d", minutes, seconds);
    if (decimals > 0) {
        text += DecimalSeparator() + QString::asprintf("%0*d", decimals, fraction);
    }
    return text + QLatin1Char('"') + (south_or_west ? negative : positive);
}

QString FormatLatitude(double degrees, int decimals)
{
    static const QString north = LoadText(string_id::north);
    static const QString south = LoadText(string_id::south);
    return FormatAngleDms(degrees, decimals, north, south);
}

QString FormatLongitude(double degrees, int decimals)
{
    static const QString east = LoadText(string_id::east);
    static const QString west = LoadText(string_id::west);
    return FormatAngleDms(degrees, decimals, east, west);
}

QString FormatTime(double seconds, bool wrap_24h, bool microseconds)
{
    constexpr double overflow = 3.6e10;    // 10^7 hours
    constexpr double restart = 36000000.0; // 10,000 hours
    constexpr double half_micro = 5e-7;
    const int not_available_id =
        microseconds ? string_id::time_not_available_micro : string_id::time_not_available;

    if (!std::isfinite(seconds)) {
        return LoadText(not_available_id);
    }
    double t = seconds;
    if (t > overflow) {
        return LoadText(string_id::time_overflow);
    }
    if (t >= restart) {
        t -= std::floor(t / restart) * restart;
    }
    if (t < 0.0) {
        return LoadText(not_available_id);
    }
    if (t < half_micro) {
        t = 0.0;
    }

    long micros = 0;
    int whole = 0;
    if (microseconds) {
        whole = static_cast<int>(t + half_micro);
        micros = static_cast<long>((t + half_micro - whole) * 1000000.0);
    } else {
        whole = static_cast<int>(t + 0.5);
    }
    int hours = whole / 3600;
    if (wrap_24h) {
        hours %= 24;
    }
    const QChar separator = TimeSeparator();
    QString text = QString::asprintf("%4d", hours) + separator +
                   QString::asprintf("%02d", whole / 60 % 60) + separator +
                   QString::asprintf("%02d", whole % 60);
    if (microseconds) {
        text += DecimalSeparator() + QString::asprintf("%06ld", micros);
    }
    return text;
}

QString TimeTypeSuffix(int type)
{
    switch (type) {
    case 1:
        return LoadText(string_id::time_gps);
    case 2:
        return LoadText(string_id::time_utc);
    case 3:
        return LoadText(string_id::time_user);
    default:
        return LoadText(string_id::time_koru);
    }
}

QString DistanceTypeSuffix(int type)
{
    switch (type) {
    case 1:
        return LoadText(string_id::distance_koru);
    case 2:
        return LoadText(string_id::distance_dmi);
    default:
        return LoadText(string_id::distance_unknown);
    }
}

QString FormatTimeTag(double seconds, int type, bool microseconds)
{
    return FormatTime(seconds, type != 0, microseconds) + TimeTypeSuffix(type);
}

QString FormatShortDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (year <= 0 || !date.isValid()) {
        return {};
    }
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains("yyyy") && format.contains("yy")) {
        format.insert(format.indexOf("yy"), "yy");
    }
    return QLocale().toString(date, format);
}
