#include "settings/Form_user_accuracy.h"

#include "settings/general_data_records.h"
#include "ui_Form_user_accuracy.h"

namespace {

constexpr int decimals = 4;

} // namespace

TFormUserAccuracy::TFormUserAccuracy(QWidget *parent)
    : TFormFields("FormUserAccuracy", parent)
{
    setWindowTitle(tr("User Parameter Accuracy"));
    Ui::FormUserAccuracyContent().setupUi(body());

    auto &accuracy = m_fields.message<CMessage107>();
    accuracy.real("attitude", &CMessage107::attitude_accuracy, 0.01, 20, decimals);
    accuracy.real("heading", &CMessage107::heading_accuracy, 0.01, 20, decimals);
    accuracy.real("position", &CMessage107::position_accuracy, 0.01, 1000, decimals);
    accuracy.real("velocity", &CMessage107::velocity_accuracy, 0.05, 20, decimals);
}
