#pragma once
// A settings dialog: shown modally, loads its controls from the computer's settings echoes, and
// sends its settings with Ok or Apply. Only the controller can send; a dialog being edited by
// the controller is not overwritten by incoming settings.

#include "shell/Form_koru_view.h"

class QPushButton;

class TFormKoruSettings : public TFormKoruView {
    Q_OBJECT
public:
    TFormKoruSettings(const QString &name, QWidget *parent = nullptr);

    QPushButton *buttonOk() const { return buttonClose(); }
    QPushButton *buttonCancel() const { return m_cancel; }
    QPushButton *buttonApply() const { return m_apply; }

    bool AcceptsMessages(int argument) override;
    // Builds the dialog's settings message from its controls and sends it.
    virtual void SendSettings(int argument) = 0;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ok_clicked();

    QPushButton *m_cancel;
    QPushButton *m_apply;
};
