#pragma once
// The TWAN installation dialog: separation and baseline vector of the heading subsystem's two
// antennas, its heading calibration threshold and a heading correction (Message 108). The
// settings password guards it.

#include "settings/field_dialog.h"
#include "shell/Form_protect_settings.h"

class TFormTwanInstallation : public TFormFields<TFormProtectSettings> {
    Q_OBJECT
public:
    explicit TFormTwanInstallation(QWidget *parent = nullptr);
};
