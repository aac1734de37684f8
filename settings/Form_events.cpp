#include "settings/Form_events.h"

#include "settings/general_data_records.h"
#include "ui_Form_events.h"

namespace {

constexpr double longest_guard_time = 10000; // ms
constexpr double largest_shift = 1e6;           // ms
constexpr int decimals = 3;

} // namespace

TFormEvents::TFormEvents(QWidget *parent) : TFormFields("FormEvents", parent)
{
    setWindowTitle(tr("Events"));
    Ui::FormEventsContent ui;
    ui.setupUi(body());
    m_guard_time_controls = {ui.Event1GuardTimeLabel, ui.Event1GuardTime, ui.Event2GuardTimeLabel,
                             ui.Event2GuardTime};

    auto &events = m_fields.message<CMessage11>();
    events.choice("Event1", &CMessage11::event_1_trigger);
    events.choice("Event2", &CMessage11::event_2_trigger);
    // Whole milliseconds, in spin edits.
    events.real("Event1GuardTime", &CMessage11::event_1_guard_time, 0, longest_guard_time, 0);
    events.real("Event2GuardTime", &CMessage11::event_2_guard_time, 0, longest_guard_time, 0);
    auto &shifts = m_fields.message<CMessage20211>();
    shifts.real("FloatEvent1Shift", &CMessage20211::event_1_shift, -largest_shift, largest_shift,
                decimals);
    shifts.real("FloatEvent2Shift", &CMessage20211::event_2_shift, -largest_shift, largest_shift,
                decimals);
}

// The guard times are there to edit only when the echo holds them: a computer of the older kind
// sends Message 11 without them, and a disabled field sends back what the echo held, or 0.
bool TFormEvents::UpdateFromMessage(int argument)
{
    TFormFields::UpdateFromMessage(argument);
    CMessage11 &echo = m_fields.message<CMessage11>().echo();
    if (echo.is_current()) {
        const bool guard_times = echo.holds(echo.event_2_guard_time());
        for (QWidget *control : m_guard_time_controls) {
            control->setEnabled(guard_times);
        }
    }
    return false;
}
