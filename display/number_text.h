#pragma once
// Numbers as the program writes and reads them: plain decimal notation (never an exponent, never
// a group separator), the locale's decimal separator, and an ASCII sign.

#include <QString>

#include <optional>

// `value` with exactly `decimals` decimals (none when `decimals` is 0 or less). A value that
// rounds to zero is written without a sign.
QString FixedText(double value, int decimals);

// The shortest plain text of `value` rounded to 15 significant digits: 0.1 gives "0.1",
// 1e-05 gives "0.00001", 10000 gives "10000".
QString PlainNumberText(double value);

// A number written as the entry fields accept it: an optional leading "-" or "+", digits and at
// most one decimal separator, surrounding blanks ignored. Nothing for any other text, for a text
// without digits and for a number beyond the range of a double.
std::optional<double> ParseNumber(const QString &text);
