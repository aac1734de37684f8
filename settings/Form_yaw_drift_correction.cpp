#include "settings/Form_yaw_drift_correction.h"

#include "settings/yaw_drift_records.h"
#include "ui_Form_yaw_drift_correction.h"

#include <QPushButton>

namespace {

constexpr int decimals = 3;
constexpr int gain_decimals = 5;

} // namespace

TFormYawDriftCorrection::TFormYawDriftCorrection(QWidget *parent)
    : TFormKoruSettings("FormYawDriftCorrection", parent),
      m_ui(std::make_unique<Ui::FormYawDriftCorrectionContent>()),
      m_yaw_drift(*this),
      m_stabilization(*this)
{
    setWindowTitle(tr("Yaw Drift Correction Setup"));
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    content()->addWidget(body);

    auto &correction = m_yaw_drift.message<CMessage20201>();
    correction.real("desiredHeading", &CMessage20201::desired_heading, 0, 360, decimals);
    correction.real("activationThreshold", &CMessage20201::activation_threshold, 0, 30, decimals);
    correction.real("cutOffPeriod", &CMessage20201::cutoff_period, 0.001, 10000, decimals);
    correction.real("gain", &CMessage20201::gain, 0.00001, 10000, gain_decimals);
    correction.choice("correctionMethod", &CMessage20201::correction_method);

    m_stabilization.message<CMessage20205>().choice("gimbalStabilization",
                                                    &CMessage20205::gimbal_control);

    connect(m_ui->ApplyYawDrift, &QPushButton::clicked, this,
            [this] { apply_one(m_ui->ApplyYawDrift, m_yaw_drift); });
    connect(m_ui->ApplyStabilization, &QPushButton::clicked, this,
            [this] { apply_one(m_ui->ApplyStabilization, m_stabilization); });
}

TFormYawDriftCorrection::~TFormYawDriftCorrection() = default;

bool TFormYawDriftCorrection::UpdateFromMessage(int)
{
    m_yaw_drift.load();
    m_stabilization.load();
    return false;
}

// Both messages are checked before either is sent.
bool TFormYawDriftCorrection::entries_ready()
{
    return m_yaw_drift.check() && m_stabilization.check();
}

void TFormYawDriftCorrection::SendSettings(int)
{
    m_yaw_drift.send();
    m_stabilization.send();
}

// The two Apply buttons of the boxes send only while the dialog's own Apply can.
void TFormYawDriftCorrection::showEvent(QShowEvent *event)
{
    TFormKoruSettings::showEvent(event);
    m_ui->ApplyYawDrift->setEnabled(buttonApply()->isEnabled());
    m_ui->ApplyStabilization->setEnabled(buttonApply()->isEnabled());
}

void TFormYawDriftCorrection::apply_one(QPushButton *button, CDialog_fields &fields)
{
    if (focus_on(button) && fields.check()) {
        fields.send();
    }
}
