#include "shell/Form_options.h"

#include "shell/program.h"
#include "ui_Form_options.h"

#include <QPushButton>

TFormOptions::TFormOptions(QWidget *parent)
    : TFormKoruSettings("FormOptions", parent), m_ui(std::make_unique<Ui::FormOptionsContent>())
{
    setWindowTitle(tr("KORU Controller Options"));
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    content()->addWidget(body);
    buttonCancel()->setText(tr("Cancel"));
}

TFormOptions::~TFormOptions() = default;

void TFormOptions::showEvent(QShowEvent *event)
{
    TFormKoruSettings::showEvent(event);
    const SOptions &options = Program().options;
    m_ui->CheckBoxPromptMsgLog->setChecked(options.prompt_to_save_message_log);
    m_ui->CheckBoxAlarmEnabled->setChecked(options.user_accuracy_alarms);
    m_ui->CheckBoxSystemMenu->setChecked(options.system_menu);
    m_ui->CheckBoxAdvancedMenu->setChecked(options.advanced_menus);
    buttonOk()->setEnabled(true);
    buttonOk()->setDefault(true);
    buttonCancel()->setDefault(false);
}

void TFormOptions::SendSettings(int)
{
    SOptions &options = Program().options;
    options.prompt_to_save_message_log = m_ui->CheckBoxPromptMsgLog->isChecked();
    options.user_accuracy_alarms = m_ui->CheckBoxAlarmEnabled->isChecked();
    options.system_menu = m_ui->CheckBoxSystemMenu->isChecked();
    options.advanced_menus = m_ui->CheckBoxAdvancedMenu->isChecked();
}
