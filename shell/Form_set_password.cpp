#include "shell/Form_set_password.h"

#include "platform/user_feedback.h"
#include "resources/texts.h"
#include "ui_Form_set_password.h"

TFormSetPassword::TFormSetPassword(QWidget *parent)
    : TFormPasswordBase("FormSetPassword", tr("Set Password"), parent),
      m_ui(std::make_unique<Ui::FormSetPasswordContent>())
{
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    // Set before the dialog is first laid out, so that its size makes room for the wrapped notes
    // and the entries keep their height.
    m_ui->LabelNotes->setText(tr("The new password replaces the old password. The minimum "
                                 "password length is %1 characters.")
                                  .arg(shortest_password));
    content()->addWidget(body);
}

TFormSetPassword::~TFormSetPassword() = default;

QLineEdit *TFormSetPassword::OldPassword() const
{
    return m_ui->OldPassword;
}

QLineEdit *TFormSetPassword::NewPassword1() const
{
    return m_ui->NewPassword1;
}

QLineEdit *TFormSetPassword::NewPassword2() const
{
    return m_ui->NewPassword2;
}

QLabel *TFormSetPassword::LabelNotes() const
{
    return m_ui->LabelNotes;
}

void TFormSetPassword::showEvent(QShowEvent *event)
{
    TFormPasswordBase::showEvent(event);
    refused();
}

bool TFormSetPassword::entries_ready()
{
    if (m_ui->NewPassword1->text().size() < shortest_password) {
        refuse_new_password(tr("New password is too short. Please enter a new Password with a "
                               "minimum length of %1 characters.")
                                .arg(shortest_password));
        return false;
    }
    if (m_ui->NewPassword1->text() != m_ui->NewPassword2->text()) {
        refuse_new_password(tr("Confirmation of the password does not match the new password! "
                               "Please re-enter the new password again."));
        return false;
    }
    return true;
}

void TFormSetPassword::refuse_new_password(const QString &reason)
{
    SMessage_box box;
    box.parent = this;
    box.icon = QMessageBox::Information;
    box.caption = QString::fromLatin1(application_title);
    box.text = reason;
    ShowMessageBox(box);
    m_ui->NewPassword1->clear();
    m_ui->NewPassword2->clear();
    m_ui->NewPassword1->setFocus();
}

void TFormSetPassword::SendSettings(int)
{
    send_password(CMessage111::change_password, m_ui->OldPassword->text(),
                  m_ui->NewPassword1->text());
}

// Also on every showing: no password entered earlier stays in the dialog.
void TFormSetPassword::refused()
{
    m_ui->OldPassword->clear();
    m_ui->NewPassword1->clear();
    m_ui->NewPassword2->clear();
    m_ui->OldPassword->setFocus();
}
