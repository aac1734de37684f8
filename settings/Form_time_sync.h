#pragma once
// The time synchronization dialog: shows how many user-time units make a second (Message 12)
// and keeps the factor entered. It sends nothing: the factor stays in the dialog.

#include "settings/field_dialog.h"
#include "shell/Form_koru_settings.h"

class TFormTimeSync : public TFormFields<TFormKoruSettings> {
    Q_OBJECT
public:
    explicit TFormTimeSync(QWidget *parent = nullptr);

    bool UpdateFromMessage(int argument) override;
    // Keeps the entered factor; no message goes to the computer.
    void SendSettings(int argument) override;

    // User-time units per second: the computer's, or the one last applied.
    double conversion_factor() const { return m_conversion_factor; }

private:
    void keep_factor();

    TNumberEdit *m_user_time;
    double m_conversion_factor = 1.0;
};
