#include "settings/Form_installation.h"

#include "settings/installation_records.h"
#include "ui_Form_installation.h"

namespace {

constexpr double longest_lever_arm = 10000.0; // metres
constexpr double largest_angle = 180.0;       // degrees
constexpr int decimals = 3;

} // namespace

TFormInstallation::TFormInstallation(QWidget *parent)
    : TFormKoruSettings("FormInstallation", parent),
      m_ui(std::make_unique<Ui::FormInstallationContent>()),
      m_fields(*this)
{
    setWindowTitle(tr("Lever Arms & Mounting Angles"));
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    content()->addWidget(body);

    auto &installation = m_fields.message<CMessage1>();
    installation.choice("timeTag1", [](CMessage1 &m) -> auto & {
        return m.time_tag_type().time_type_1();
    });
    installation.choice("timeTag2", [](CMessage1 &m) -> auto & {
        return m.time_tag_type().time_type_2();
    });
    // Any distance other than the DMI's is the computer's own.
    installation.choice(
        "distanceTag",
        [](CMessage1 &m) -> auto & { return m.distance_tag_type().distance_select(); },
        {.codes = {CDistance_tag_type::koru_distance, CDistance_tag_type::dmi_distance},
         .fallback = 0});
    installation.choice("autoStart", [](CMessage1 &m) -> auto & {
        return m.auto_start_mode().auto_start();
    });
    installation.xyz("ref2ImuLeverArm", &CMessage1::ref_to_imu_lever_arm, -longest_lever_arm,
                     longest_lever_arm, decimals);
    installation.xyz("ref2PriGpsLeverArm", &CMessage1::ref_to_primary_gps_lever_arm,
                     -longest_lever_arm, longest_lever_arm, decimals);
    installation.xyz("imu2RefMountAngle", &CMessage1::imu_to_ref_mount_angle, -largest_angle,
                     largest_angle, decimals);
    installation.xyz("ref2SecGpsLeverArm", &CMessage1::ref_to_vessel_lever_arm,
                     -longest_lever_arm, longest_lever_arm, decimals);
    installation.xyz("vessel2RefMountAngle", &CMessage1::vessel_to_ref_mount_angle,
                     -largest_angle, largest_angle, decimals);
    installation.choice("multipath", &CMessage1::multipath);

    // The heave lever arm has no field: it is always sent as zeros.
    auto &mounting = m_fields.message<CMessage101>();
    mounting.xyz("sensor1RefMountAngle", &CMessage101::sensor_1_mount_angles, -largest_angle,
                 largest_angle, decimals);
    mounting.xyz("sensor2RefMountAngle", &CMessage101::sensor_2_mount_angles, -largest_angle,
                 largest_angle, decimals);
    mounting.xyz("refAuxGpsLeverArm", &CMessage101::ref_to_aux_gps_lever_arm, -longest_lever_arm,
                 longest_lever_arm, decimals);
    mounting.xyz("refSensor1LeverArm", &CMessage101::ref_to_sensor_1_lever_arm,
                 -longest_lever_arm, longest_lever_arm, decimals);
    mounting.xyz("refSensor2LeverArm", &CMessage101::ref_to_sensor_2_lever_arm,
                 -longest_lever_arm, longest_lever_arm, decimals);
    mounting.xyz("refAux2GpsLeverArm", &CMessage101::ref_to_aux_2_gps_lever_arm,
                 -longest_lever_arm, longest_lever_arm, decimals);
}

TFormInstallation::~TFormInstallation() = default;

bool TFormInstallation::UpdateFromMessage(int)
{
    m_fields.load();
    return false;
}

// Every field of both messages is checked before either is sent.
bool TFormInstallation::entries_ready()
{
    return m_fields.check();
}

void TFormInstallation::SendSettings(int)
{
    m_fields.send();
}
