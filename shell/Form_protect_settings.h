#pragma once
// The base of the settings dialogs guarded by the settings password: a padlock shows whether
// the computer still protects its setup, and Ok or Apply ask for the password first while it
// does.

#include "protocol/navigation_groups.h"
#include "shell/Form_koru_settings.h"

class QLabel;

class TFormProtectSettings : public TFormKoruSettings {
    Q_OBJECT
public:
    // Whether the computer protects its setup: one flag for every guarded dialog, true until a
    // Group 101 says otherwise and again for every new computer.
    static bool is_protected();

    QLabel *Image1() const { return m_padlock; }

    bool UpdateFromGroup(int argument) override;
    void ResetDisplay(int argument) override;

protected:
    TFormProtectSettings(const QString &name, QWidget *parent = nullptr);

    void showEvent(QShowEvent *event) override;
    void ButtonOkClick() override;
    void ButtonApplyClick() override;

private:
    void show_padlock();
    // True when unprotected, or once the computer has accepted the password.
    bool password_given();

    QLabel *m_padlock;
    CGroup_fdir *m_status = nullptr;
};
