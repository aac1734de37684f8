#pragma once
// A settings dialog built from the kit's fields alone: the echoes load its fields, Ok and Apply
// check every field of every message and then send the messages in the order they were bound.
// TBase is the settings dialog base (TFormKoruSettings, or TFormProtectSettings for a dialog the
// settings password guards).

#include "settings/dialog_fields.h"

#include <QWidget>

template <class TBase>
class TFormFields : public TBase {
public:
    bool UpdateFromMessage(int) override
    {
        m_fields.load();
        return false;
    }
    void SendSettings(int) override { m_fields.send(); }

protected:
    TFormFields(const QString &name, QWidget *parent) : TBase(name, parent), m_fields(*this)
    {
        m_body = new QWidget(this->BorderBevel());
        this->content()->addWidget(m_body);
    }

    // The widget the form's Designer content is set up on.
    QWidget *body() const { return m_body; }
    bool entries_ready() override { return m_fields.check(); }

    CDialog_fields m_fields;

private:
    QWidget *m_body;
};
