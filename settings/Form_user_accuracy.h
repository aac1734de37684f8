#pragma once
// The user accuracy dialog: the RMS accuracies of attitude, heading, position and velocity the
// user asks of the solution (Message 107).

#include "settings/field_dialog.h"
#include "shell/Form_koru_settings.h"

class TFormUserAccuracy : public TFormFields<TFormKoruSettings> {
    Q_OBJECT
public:
    explicit TFormUserAccuracy(QWidget *parent = nullptr);
};
