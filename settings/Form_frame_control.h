#pragma once
// The navigator configuration dialog: the reference frame of the navigation output (Message
// 20001) and whether the navigator uses the primary GPS, the auxiliary GPS position, the DMI and
// the TWAN heading (Message 20101). The settings password guards it.

#include "settings/field_dialog.h"
#include "shell/Form_protect_settings.h"

class TFormFrameControl : public TFormFields<TFormProtectSettings> {
    Q_OBJECT
public:
    explicit TFormFrameControl(QWidget *parent = nullptr);
};
