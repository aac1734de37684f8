#pragma once
// The separators of the user's locale. Every number and time the program shows or reads uses
// these, so that a field accepts exactly what the displays write.

#include <QChar>

// The decimal separator (for example '.' or ',').
QChar DecimalSeparator();

// The separator between hours, minutes and seconds (for example ':' or '.').
QChar TimeSeparator();
