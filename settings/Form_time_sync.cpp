#include "settings/Form_time_sync.h"

#include "settings/general_data_records.h"
#include "ui_Form_time_sync.h"

namespace {

constexpr int decimals = 6;
// A factor of zero or below stands for no time at all; the range keeps it a usable number.
constexpr double smallest_factor = 1e-6;
constexpr double largest_factor = 1e9;

} // namespace

TFormTimeSync::TFormTimeSync(QWidget *parent) : TFormFields("FormTimeSync", parent)
{
    setWindowTitle(tr("Time Synchronization"));
    Ui::FormTimeSyncContent ui;
    ui.setupUi(body());
    m_user_time = ui.userTime;

    m_fields.message<CMessage12>().real("userTime", &CMessage12::units_per_second,
                                        smallest_factor, largest_factor, decimals);
}

bool TFormTimeSync::UpdateFromMessage(int argument)
{
    TFormFields::UpdateFromMessage(argument);
    if (m_fields.message<CMessage12>().echo().is_current() && ParseNumber(m_user_time->text())) {
        keep_factor();
    }
    return false;
}

void TFormTimeSync::SendSettings(int)
{
    keep_factor();
}

void TFormTimeSync::keep_factor()
{
    m_conversion_factor = *ParseNumber(m_user_time->text());
}
