#pragma once
// The events dialog: the edge each event input triggers on and its guard time (Message 11), and
// the shift of each event's time (Message 20211). A computer that sends no guard times has them
// disabled.

#include "settings/field_dialog.h"
#include "shell/Form_koru_settings.h"

#include <array>

class TFormEvents : public TFormFields<TFormKoruSettings> {
    Q_OBJECT
public:
    explicit TFormEvents(QWidget *parent = nullptr);

    bool UpdateFromMessage(int argument) override;

private:
    // The guard-time entries and their labels, one pair an event.
    std::array<QWidget *, 4> m_guard_time_controls{};
};
