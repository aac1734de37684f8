#include "shell/Form_protect_settings.h"

#include "resources/images.h"
#include "shell/program.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

namespace {

bool protected_setup = true;

} // namespace

bool TFormProtectSettings::is_protected()
{
    return protected_setup;
}

TFormProtectSettings::TFormProtectSettings(const QString &name, QWidget *parent)
    : TFormKoruSettings(name, parent), m_padlock(new QLabel(this))
{
    m_padlock->setObjectName("Image1");
    button_row()->insertWidget(0, m_padlock);
    Get(Program().groups, m_status);
    show_padlock();
}

void TFormProtectSettings::show_padlock()
{
    m_padlock->setPixmap(
        QPixmap(protected_setup ? image_path::padlock_locked : image_path::padlock_unlocked));
}

void TFormProtectSettings::showEvent(QShowEvent *event)
{
    TFormKoruSettings::showEvent(event);
    show_padlock();
}

bool TFormProtectSettings::UpdateFromGroup(int)
{
    if (!m_status->is_current() || !m_status->holds(m_status->general_status_c())) {
        return false;
    }
    protected_setup =
        is_bit_set(m_status->general_status_c().get(), CGen_status_c::bits::user_not_logged_in);
    show_padlock();
    return true;
}

void TFormProtectSettings::ResetDisplay(int argument)
{
    if (argument == 0) {
        protected_setup = true;
        show_padlock();
    }
}

bool TFormProtectSettings::password_given()
{
    return !protected_setup ||
           (Program().controller != nullptr && Program().controller->ask_password());
}

void TFormProtectSettings::ButtonOkClick()
{
    if (!focus_ok() || !entries_ready() || !password_given()) {
        return;
    }
    SendSettings(0);
    accept();
}

// A password given here counts at once: the next Group 101 would only say so later.
void TFormProtectSettings::ButtonApplyClick()
{
    if (!entries_ready() || !password_given()) {
        return;
    }
    protected_setup = false;
    show_padlock();
    SendSettings(0);
}
