#include "settings/installation_records.h"

CDistance_tag_type::CDistance_tag_type(CComposite_item *parent, std::string_view name,
                                       std::uint8_t initial)
    : TBit_field<std::uint8_t>(parent, name, initial),
      m_distance_select(new TBit_range_pointer<std::uint8_t>(this, "Distance Select", 0, 2))
{}

CMessage1::CMessage1()
    : CMessage_record(number_of_record, byte_count, "Message 1 header"),
      m_time_tag_type(new CTime_tag_type(this, "Time Tag Type", CTime_tag_type::utc_time)),
      m_distance_tag_type(
          new CDistance_tag_type(this, "Distance Tag Type", CDistance_tag_type::koru_distance)),
      m_auto_start_mode(new CAuto_start_mode(this, "autoStart Enable/Disable", 0)),
      m_ref_to_imu_lever_arm(new TXyz<float>(this, "Reference to IMU Lever Arm", 0, 0, 0)),
      m_ref_to_primary_gps_lever_arm(
          new TXyz<float>(this, "Reference to Primary GPS Lever Arm", 0, 0, 0)),
      m_imu_to_ref_mount_angle(new TXyz<float>(this, "IMU to Reference Mounting Angle", 0, 0, 0)),
      m_ref_to_vessel_lever_arm(new TXyz<float>(this, "Reference to Vessel Lever Arm", 0, 0, 0)),
      m_vessel_to_ref_mount_angle(
          new TXyz<float>(this, "Vessel to Reference Mounting Angle", 0, 0, 0)),
      m_multipath(new TScalar<std::uint8_t>(this, "Multipath", high))
{
    close_layout("Message 1 footer");
}

CMessage101::CMessage101()
    : CMessage_record(number_of_record, byte_count, "Message 101 header"),
      m_sensor_1_mount_angles(new TXyz<float>(this, "Sensor 1 to frame Mount Angles", 0, 0, 0)),
      m_sensor_2_mount_angles(new TXyz<float>(this, "Sensor 2 to frame Mount Angles", 0, 0, 0)),
      m_ref_to_aux_gps_lever_arm(
          new TXyz<float>(this, "Reference to Auxiliary GPS lever arms", 0, 0, 0)),
      m_ref_to_sensor_1_lever_arm(
          new TXyz<float>(this, "Reference to Sensor 1 lever arms", 0, 0, 0)),
      m_ref_to_sensor_2_lever_arm(
          new TXyz<float>(this, "Reference to Sensor 2 lever arms", 0, 0, 0)),
      m_ref_to_heave_lever_arm(new TXyz<float>(this, "Reference to Heave lever arms", 0, 0, 0)),
      m_ref_to_aux_2_gps_lever_arm(
          new TXyz<float>(this, "Reference to 2nd Auxiliary GPS lever arms", 0, 0, 0))
{
    close_layout("Message 101 footer");
}
