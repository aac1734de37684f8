#include "settings/Form_twan_installation.h"

#include "settings/twan_installation_records.h"
#include "ui_Form_twan_installation.h"

namespace {

constexpr double longest_baseline = 10000.0; // metres
constexpr int decimals = 3;

} // namespace

TFormTwanInstallation::TFormTwanInstallation(QWidget *parent)
    : TFormFields("FormTwanInstallation", parent)
{
    setWindowTitle(tr("TWAN Parameter Setup"));
    Ui::FormTwanInstallationContent().setupUi(body());

    auto &twan = m_fields.message<CMessage108>();
    twan.real("TwoAntennaSeparation", &CMessage108::antenna_separation, 0, longest_baseline,
              decimals);
    twan.xyz("BaselineVector", &CMessage108::baseline_vector, -longest_baseline,
             longest_baseline, decimals);
    twan.real("HeadingCalibrationThreshold", &CMessage108::calibration_threshold, 0.1, 90,
              decimals);
    twan.real("HeadingCorrection", &CMessage108::heading_correction, -360, 360, decimals);
}
