#pragma once
// The check an entry field runs when the focus leaves it for another control of its window: a
// value the check refuses keeps the focus in the field, and no other field runs its own check
// while the focus passes through it on the way back.

#include <functional>

class QFocusEvent;
class QWidget;

enum class EField_exit {
    stays,    // not an exit: the window lost the focus, or a context menu took it
    refused,  // the check refused the value; the focus is back in the field
    accepted, // the focus left with a value the check accepted
};

EField_exit CheckFieldExit(QWidget &field, const QFocusEvent &event,
                           const std::function<bool()> &check);
