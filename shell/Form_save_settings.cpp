#include "shell/Form_save_settings.h"

#include "protocol/command_messages.h"
#include "protocol/status_words.h"
#include "ui_Form_save_settings.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

using A = CGen_status_a::bits;

constexpr int full = 100;

} // namespace

TFormSaveSettings::TFormSaveSettings(QWidget *parent)
    : TFormKoruBase("FormSaveSettings", parent),
      m_ui(std::make_unique<Ui::FormSaveSettingsContent>()),
      m_timer(new QTimer(this))
{
    setWindowTitle(tr("Saving Settings..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    content()->addWidget(body);
    buttonClose()->setText(tr("Ok"));
    buttonClose()->setEnabled(false);
    m_timer->setObjectName("Timer1");
    m_timer->setInterval(tick_milliseconds);
    connect(m_timer, &QTimer::timeout, this, &TFormSaveSettings::Timer1Timer);
    Get(Program().groups, m_status);
    Get(Program().messages, m_message0);
    Program().save_progress = this;
}

TFormSaveSettings::~TFormSaveSettings()
{
    if (Program().save_progress == this) {
        Program().save_progress = nullptr;
    }
}

QProgressBar *TFormSaveSettings::ProgressBar1() const
{
    return m_ui->ProgressBar1;
}

QLabel *TFormSaveSettings::LabelSavedOk() const
{
    return m_ui->LabelSavedOk;
}

QLabel *TFormSaveSettings::LabelTimeout() const
{
    return m_ui->LabelTimeout;
}

// The computer's report counts only when it changes after the save was sent: the word the window
// compares with is the one of that moment, never one left from an earlier save.
void TFormSaveSettings::show_after_save()
{
    m_previous_status_a = status_words_of(*m_status).general_a;
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
}

void TFormSaveSettings::showEvent(QShowEvent *event)
{
    TFormKoruBase::showEvent(event);
    m_ui->LabelSavedOk->hide();
    m_ui->LabelTimeout->hide();
    buttonClose()->setEnabled(false);
    m_step = first_step;
    m_ui->ProgressBar1->setValue(0);
    m_timer->start();
}

void TFormSaveSettings::reject()
{
    if (buttonClose()->isEnabled()) {
        TFormKoruBase::reject();
    }
}

void TFormSaveSettings::Timer1Timer()
{
    if (m_step > 1) {
        --m_step;
    }
    QProgressBar *bar = m_ui->ProgressBar1;
    if (bar->value() >= full) {
        finish(m_ui->LabelSavedOk, m_ui->LabelTimeout);
    } else if (bar->value() + m_step >= full) {
        bar->setValue(full);
        finish(m_ui->LabelTimeout, m_ui->LabelSavedOk);
    } else {
        bar->setValue(bar->value() + m_step);
    }
}

void TFormSaveSettings::finish(QLabel *shown, QLabel *hidden)
{
    shown->show();
    hidden->hide();
    buttonClose()->setEnabled(true);
    buttonClose()->setFocus();
    m_timer->stop();
}

// Every Group 101 is followed, shown or not, so that the word compared with is always the last
// one the computer sent.
bool TFormSaveSettings::UpdateFromGroup(int)
{
    if (!m_status->is_current()) {
        return false;
    }
    const std::uint32_t status_a = status_words_of(*m_status).general_a;
    const std::uint32_t risen = status_a & ~m_previous_status_a;
    m_previous_status_a = status_a;
    if (!isVisible()) {
        return true;
    }
    // General Status A: the computer's report on the save.
    if (is_bit_set(risen, A::nvm_write_fail)) {
        m_timer->stop();
        hide();
    } else if (is_bit_set(risen, A::nvm_write_successful)) {
        m_ui->ProgressBar1->setValue(full); // the next tick shows the success
    }
    return true;
}

// A refused save closes the window; the main window shows the refusal.
bool TFormSaveSettings::UpdateFromMessage(int)
{
    if (isVisible() && !buttonClose()->isEnabled() && m_message0->is_current() &&
        m_message0->message_id_received().get() == CMessage8::number_of_record &&
        !m_message0->response_code().is_accepted()) {
        m_timer->stop();
        hide();
    }
    return false;
}

void TFormSaveSettings::ResetDisplay(int)
{
    m_previous_status_a = 0;
    if (isVisible()) {
        m_timer->stop();
        hide();
    }
}
