#pragma once
// The KORU IP address dialog: the computer's IPv4 address and subnet mask (Message 6), each in a
// masked entry of four three-digit groups. A computer that sends no mask has it disabled. The
// settings password guards it.

#include "settings/field_dialog.h"
#include "shell/Form_protect_settings.h"

class TFormIpAddress : public TFormFields<TFormProtectSettings> {
    Q_OBJECT
public:
    explicit TFormIpAddress(QWidget *parent = nullptr);

    bool UpdateFromMessage(int argument) override;

private:
    QLineEdit *m_subnet_mask;
};
