#include "settings/Form_frame_control.h"

#include "controls/radio_group.h"
#include "settings/frame_control_records.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVBoxLayout>

namespace {

// The choices of a sensor's radio group, by index.
enum ESensor_use { normal_use = 0, use_regardless = 1, do_not_use = 2 };

// A sensor's use as a radio group over its enable and disable bits of the FDIR control: "Normal"
// sets neither, "Use regardless of status" the enable bit, "Do not use" the disable bit. A
// received control with the enable bit set reads "Use regardless of status" whatever its disable
// bit says; one the computer reports as "no data" chooses nothing.
class CSensor_use_field : public TDialog_field<CMessage20101> {
public:
    CSensor_use_field(TRadioGroup *group, unsigned enable_bit, unsigned disable_bit)
        : TDialog_field(group, QString()),
          m_group(group),
          m_enable_bit(enable_bit),
          m_disable_bit(disable_bit)
    {}
    void load(CMessage20101 &echo) override
    {
        const CFdir_control &control = echo.fdir_control();
        if (!echo.has_value(control)) {
            m_group->setItemIndex(-1);
        } else if (control.is_set(m_enable_bit)) {
            m_group->setItemIndex(use_regardless);
        } else if (control.is_set(m_disable_bit)) {
            m_group->setItemIndex(do_not_use);
        } else {
            m_group->setItemIndex(normal_use);
        }
    }
    std::optional<QString> problem() const override
    {
        if (m_group->ItemIndex() < 0) {
            return dialog_field_detail::choice_problem();
        }
        return std::nullopt;
    }
    void store(CMessage20101 &message) const override
    {
        const int index = m_group->ItemIndex();
        message.fdir_control().bit(m_enable_bit)->set(index == use_regardless);
        message.fdir_control().bit(m_disable_bit)->set(index == do_not_use);
    }

private:
    TRadioGroup *m_group;
    unsigned m_enable_bit;
    unsigned m_disable_bit;
};

TRadioGroup *radio_group(QWidget *parent, const QString &title, const char *name,
                         const QStringList &items)
{
    auto *group = new TRadioGroup(parent);
    group->setTitle(title);
    group->setObjectName(name);
    group->setItems(items);
    return group;
}

} // namespace

TFormFrameControl::TFormFrameControl(QWidget *parent) : TFormFields("FormFrameControl", parent)
{
    setWindowTitle(tr("Navigator Configuration"));
    auto *layout = new QGridLayout(body());
    auto *frame = radio_group(body(), tr("Frame Control"), "FrameControl",
                              {tr("User Frame"), tr("IMU Frame")});
    const QStringList uses = {tr("Normal"), tr("Use regardless of status"), tr("Do not use")};
    auto *primary = radio_group(body(), tr("Primary GPS Measurement"), "PrimaryGpsMeasurement", uses);
    auto *auxiliary = radio_group(body(), tr("Auxiliary GPS Position"), "AuxiliaryGpsPosition", uses);
    auto *dmi = radio_group(body(), tr("DMI Measurement"), "DmiMeasurement", uses);
    auto *twan = new QGroupBox(tr("TWAN"), body());
    auto *use_twan = new QCheckBox(tr("Use TWAN Solution"), twan);
    use_twan->setObjectName("UseTwanSolution");
    (new QVBoxLayout(twan))->addWidget(use_twan);
    layout->addWidget(frame, 0, 0);
    layout->addWidget(twan, 0, 1);
    layout->addWidget(primary, 1, 0);
    layout->addWidget(auxiliary, 1, 1);
    layout->addWidget(dmi, 2, 0);

    // Codes 0 and 1 only: any other code received chooses nothing, and the user chooses before
    // anything is sent.
    m_fields.message<CMessage20001>().choice("FrameControl", &CMessage20001::imu_dcm_frame_control);

    auto &fdir = m_fields.message<CMessage20101>();
    using bits = CFdir_control::bits;
    fdir.add_own(std::make_unique<CSensor_use_field>(primary, bits::enable_primary_gps,
                                                     bits::disable_primary_gps));
    fdir.add_own(
        std::make_unique<CSensor_use_field>(auxiliary, bits::enable_aux_gps, bits::disable_aux_gps));
    fdir.add_own(std::make_unique<CSensor_use_field>(dmi, bits::enable_dmi, bits::disable_dmi));
    fdir.check("UseTwanSolution",
               [](CMessage20101 &message) -> auto & { return *message.fdir_control().bit(bits::use_twan); });
    // Not using the TWAN solution is said with its own bit.
    fdir.before_sending([](CMessage20101 &message) {
        CFdir_control &control = message.fdir_control();
        control.bit(bits::do_not_use_twan)->set(!control.is_set(bits::use_twan));
    });
}
