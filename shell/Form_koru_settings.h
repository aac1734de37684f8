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
    // Ok: sends and closes, unless an entry refuses its value.
    virtual void ButtonOkClick();
    // Apply: sends; the dialog stays open.
    virtual void ButtonApplyClick();
    // Moves the focus to Ok; false when an entry that refuses its value kept it.
    bool focus_ok() { return focus_on(buttonOk()); }
    // Moves the focus to a button that sends; false when an entry that refuses its value kept it.
    bool focus_on(QPushButton *button);
    // Checks the entries before anything is sent; false (having told the user what is wrong)
    // keeps the dialog as it is.
    virtual bool entries_ready() { return true; }

private:
    QPushButton *m_cancel;
    QPushButton *m_apply;
};
