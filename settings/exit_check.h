#pragma once
// An entry checked as the focus leaves it, as the numeric entry fields check theirs: when the
// check finds a problem, a box tells it and the focus comes back to the entry. Switching to
// another window, or the box itself, does not leave the entry.

#include <QLineEdit>
#include <QString>

#include <functional>
#include <optional>

// `problem` tells what is wrong with the entry's text, or nothing; it may select the wrong part.
void CheckOnExit(QLineEdit &entry, std::function<std::optional<QString>()> problem);
