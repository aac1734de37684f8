#include "settings/frame_control_records.h"

CMessage20001::CMessage20001()
    : CMessage_record(number_of_record, byte_count, "Message 20001 Header"),
      m_imu_dcm_frame_control(new TScalar<std::uint8_t>(this, "IMU DCM Frame Control", 0))
{
    close_layout("Message 20001 Footer");
}

CFdir_control::CFdir_control(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, 0,
               {{bits::enable_primary_gps, "Enable Pri GPS Measurement Construction"},
                {bits::disable_primary_gps, "Disable Pri GPS Measurement Construction"},
                {bits::enable_aux_gps, "Enable Aux GPS Position Measurement Construction"},
                {bits::disable_aux_gps, "Disable Aux GPS Position Measurement Construction"},
                {bits::use_twan, "Use TWAN Solution for Heading Aiding"},
                {bits::do_not_use_twan, "Do not use TWAN Solution for Heading Aiding"},
                {bits::enable_dmi, "Enable DMI Measurement Construction"},
                {bits::disable_dmi, "Disable DMI Measurement Construction"}})
{
    bit(bits::use_twan)->set(true);
}

CMessage20101::CMessage20101()
    : CMessage_record(number_of_record, byte_count, "Message 20101 Header"),
      m_fdir_control(new CFdir_control(this, "FDIR Control"))
{
    close_layout("Message 20101 Footer");
}
