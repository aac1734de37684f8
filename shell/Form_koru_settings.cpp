#include "shell/Form_koru_settings.h"

#include "shell/program.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>

namespace {

bool connected_as_controller()
{
    return Program().controller != nullptr && Program().controller->is_controller();
}

} // namespace

TFormKoruSettings::TFormKoruSettings(const QString &name, QWidget *parent)
    : TFormKoruView(name, parent),
      m_cancel(new QPushButton(tr("Close"), this)),
      m_apply(new QPushButton(tr("Apply"), this))
{
    buttonOk()->setText(tr("Ok"));
    buttonOk()->disconnect(this);
    connect(buttonOk(), &QPushButton::clicked, this, [this] { ButtonOkClick(); });
    m_cancel->setObjectName("buttonCancel");
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_apply->setObjectName("buttonApply");
    connect(m_apply, &QPushButton::clicked, this, [this] { ButtonApplyClick(); });
    button_row()->addWidget(m_cancel);
    button_row()->addWidget(m_apply);
}

bool TFormKoruSettings::AcceptsMessages(int)
{
    return !isVisible() || !connected_as_controller();
}

// Only the controller may send: otherwise Ok and Apply are off and Enter means Close.
void TFormKoruSettings::showEvent(QShowEvent *event)
{
    TFormKoruView::showEvent(event);
    const bool controller = connected_as_controller();
    buttonOk()->setEnabled(controller);
    m_apply->setEnabled(controller);
    buttonOk()->setDefault(controller);
    m_cancel->setDefault(!controller);
    (controller ? buttonOk() : m_cancel)->setFocus();
}

// The focus moves to the button first: an entry that refuses its value on leaving keeps the
// focus, and then nothing is sent and the dialog stays open.
bool TFormKoruSettings::focus_on(QPushButton *button)
{
    button->setFocus();
    return focusWidget() == button;
}

void TFormKoruSettings::ButtonOkClick()
{
    if (!focus_ok() || !entries_ready()) {
        return;
    }
    SendSettings(0);
    accept();
}

void TFormKoruSettings::ButtonApplyClick()
{
    if (!entries_ready()) {
        return;
    }
    SendSettings(0);
}
