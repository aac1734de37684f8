#pragma once
// Numbers, angles and times as every window shows them, so that one quantity reads the same
// everywhere. Values the computer reports as unavailable show "N/A".

#include <QString>

#include <cstdint>
#include <string_view>

// `value` with the decimals of a fixed-decimals pattern ("0.000" has three, "0" none), or "N/A"
// when the value is not valid or not a finite number.
QString FormatValue(std::string_view pattern, double value, bool valid);

// An unsigned count in decimal ("%u"), or "N/A" when not valid.
QString FormatCount(std::uint32_t value, bool valid);

// A signed number in decimal ("%d"), or "N/A" when not valid.
QString FormatInteger(long long value, bool valid);

// An unsigned number in upper-case hexadecimal with at least `width` digits, padded on the left
// with blanks ("%4X") or with zeros ("%4.4X"), or "N/A" when not valid.
QString FormatHex(std::uint32_t value, int width, bool zero_padded, bool valid);

// The four bytes of `value`, most significant first, joined by dots ("192.168.1.20"), or "N/A"
// when not valid.
QString FormatDotted(std::uint32_t value, bool valid);

// A heading or track angle with three decimals; above 359.999 it reads 0.000 (never 360.000).
QString FormatAngle360(double degrees, bool valid);

// Degrees, minutes and seconds with `decimals` decimals of the seconds (at most 9), followed by
// `positive` for angles of 0 and above and by `negative` below. When `negative` is empty, a minus
// sign on the degrees takes its place. "N/A" for a value that is not a finite number.
QString FormatAngleDms(double degrees, int decimals, const QString &positive,
                       const QString &negative);

// FormatAngleDms with " N" / " S".
QString FormatLatitude(double degrees, int decimals);
// FormatAngleDms with " E" / " W".
QString FormatLongitude(double degrees, int decimals);

// Hours, minutes and seconds (and microseconds when asked), hours taken modulo 24 when `wrap_24h`
// is set. Times of 10,000 hours and more count again from 0; above 10^7 hours the text is
// "Overflow"; negative times and values that are not a finite number show "N/A".
QString FormatTime(double seconds, bool wrap_24h, bool microseconds);

// The suffix of a time of time type `type`: " KORU", " GPS", " UTC" or " User".
QString TimeTypeSuffix(int type);

// The suffix of a distance of distance type `type`: " KORU", " DMI" or " ?".
QString DistanceTypeSuffix(int type);

// A time tag of a group: FormatTime, wrapping at 24 hours for every type but the computer's own
// (type 0, which counts hours since start), followed by TimeTypeSuffix.
QString FormatTimeTag(double seconds, int type, bool microseconds);

// A date in the user's short date format, always with a four-digit year; empty when the computer
// does not know the date (year 0) or the day does not exist.
QString FormatShortDate(int year, int month, int day);
