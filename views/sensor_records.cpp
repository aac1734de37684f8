#include "views/sensor_records.h"

#include <string>

namespace {

std::string frame_part_name(std::uint16_t number, std::string_view part)
{
    return "Group " + std::to_string(number) + " " + std::string(part);
}

} // namespace

CSensor_solution_group::CSensor_solution_group(std::byte *buffer, std::size_t buffer_size,
                                               std::uint16_t number)
    : CGroup_record(buffer, buffer_size, number, byte_count, frame_part_name(number, "Header")),
      m_position(new TLat_lon_alt<double>(this, "Position")),
      m_velocity(new TLt_xt_dn<float>(this, "Velocity")),
      m_attitude(new TRph<double>(this, "Attitude")),
      m_wander_angle(new TScalar<double>(this, "Wander Angle")),
      m_heave(new TScalar<float>(this, "Heave")),
      m_angular_rate(new TLon_tra_dwn<float>(this, "Angular Rate")),
      m_angular_accel(new TLon_tra_dwn<float>(this, "Angular Accel"))
{
    close_layout(frame_part_name(number, "Footer"));
}

CSensor_performance_group::CSensor_performance_group(std::byte *buffer, std::size_t buffer_size,
                                                     std::uint16_t number)
    : CGroup_record(buffer, buffer_size, number, byte_count, frame_part_name(number, "Header")),
      m_rms_position(new TNed<float>(this, "RMS Position")),
      m_rms_velocity(new TLt_xt_dn<float>(this, "RMS Velocity")),
      m_rms_attitude(new TRph<float>(this, "RMS Attitude"))
{
    close_layout(frame_part_name(number, "Footer"));
}
