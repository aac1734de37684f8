#include "settings/yaw_drift_records.h"

CMessage20201::CMessage20201()
    : CMessage_record(number_of_record, byte_count, "Message 20201 header"),
      m_desired_heading(new TScalar<double>(this, "Desired Heading", 0.0)),
      m_activation_threshold(new TScalar<double>(this, "Activation Threshold", 0.0)),
      m_cutoff_period(new TScalar<double>(this, "Cutoff period", 0.0)),
      m_gain(new TScalar<double>(this, "Gain", 0.0)),
      m_correction_method(new TScalar<std::uint8_t>(this, "Correction Method", follow_mean_track))
{
    close_layout("Message 20201 footer");
}

CMessage20205::CMessage20205()
    : CMessage_record(number_of_record, byte_count, "Message 20205 header"),
      m_gimbal_control(new TScalar<std::uint8_t>(this, "Gimbal Control", stabilization_on)),
      m_reserved_1(new TScalar<std::uint32_t>(this, "Reserved1", 0)),
      m_reserved_2(new TScalar<std::uint32_t>(this, "Reserved2", 0))
{
    close_layout("Message 20205 footer");
}
