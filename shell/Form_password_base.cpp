#include "shell/Form_password_base.h"

#include "shell/program.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

TFormPasswordBase::TFormPasswordBase(const QString &name, const QString &caption, QWidget *parent)
    : TFormKoruSettings(name, parent)
{
    setWindowTitle(caption);
    buttonApply()->hide();
    buttonCancel()->setText(tr("Cancel"));
    Get(Program().messages, m_message0);
}

void TFormPasswordBase::showEvent(QShowEvent *event)
{
    TFormKoruSettings::showEvent(event);
    m_sent_transaction.reset();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TFormPasswordBase::ButtonOkClick()
{
    if (focus_ok() && entries_ready()) {
        SendSettings(0);
    }
}

void TFormPasswordBase::send_password(CMessage111::EControl control, const QString &password,
                                      const QString &new_password)
{
    m_sent_transaction.reset();
    if (Program().controller == nullptr) {
        return;
    }
    m_message.password_control().set(control);
    m_message.password().set(password.toLatin1().toStdString());
    m_message.new_password().set(new_password.toLatin1().toStdString());
    if (Program().controller->send_message(m_message) > 0) {
        m_sent_transaction = m_message.header().transaction_number().get();
    }
    // The frame is on its way; the passwords are not kept.
    m_message.password().set({});
    m_message.new_password().set({});
}

bool TFormPasswordBase::answers_sent_password()
{
    return m_sent_transaction && m_message0->is_current() &&
           m_message0->message_id_received().get() == CMessage111::number_of_record &&
           m_message0->header().transaction_number().get() == *m_sent_transaction;
}

bool TFormPasswordBase::UpdateFromMessage(int)
{
    if (!isVisible() || !answers_sent_password()) {
        return false;
    }
    m_sent_transaction.reset();
    if (m_message0->response_code().is_accepted()) {
        accept();
    } else {
        refused();
    }
    return true;
}
