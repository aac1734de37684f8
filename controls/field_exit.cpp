#include "controls/field_exit.h"

#include <QFocusEvent>
#include <QWidget>

namespace {

// Focus changes inside the window run the exit check; switching to another window or opening a
// context menu does not leave the field.
bool leaves_field(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// Set while one field shows why it refuses its value and takes the focus back, so that the field
// the focus passed through does not run its own check in between.
bool exit_check_running = false;

} // namespace

EField_exit CheckFieldExit(QWidget &field, const QFocusEvent &event,
                           const std::function<bool()> &check)
{
    if (exit_check_running || !leaves_field(event.reason())) {
        return EField_exit::stays;
    }
    exit_check_running = true;
    const bool accepted = check();
    if (!accepted) {
        field.setFocus(Qt::OtherFocusReason);
    }
    exit_check_running = false;
    return accepted ? EField_exit::accepted : EField_exit::refused;
}
