#include "shell/Form_password.h"

#include "ui_Form_password.h"

TFormPassword::TFormPassword(QWidget *parent)
    : TFormPasswordBase("FormPassword", tr("Enter Password"), parent),
      m_ui(std::make_unique<Ui::FormPasswordContent>())
{
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    content()->addWidget(body);
}

TFormPassword::~TFormPassword() = default;

QLineEdit *TFormPassword::NewPassword1() const
{
    return m_ui->NewPassword1;
}

void TFormPassword::showEvent(QShowEvent *event)
{
    TFormPasswordBase::showEvent(event);
    clear_entry();
}

void TFormPassword::SendSettings(int)
{
    const QString password = m_ui->NewPassword1->text();
    send_password(CMessage111::log_in, password, password);
}

void TFormPassword::refused()
{
    clear_entry();
}

void TFormPassword::clear_entry()
{
    m_ui->NewPassword1->clear();
    m_ui->NewPassword1->setFocus();
}
