#include "settings/gps_installation_records.h"

namespace {

constexpr std::uint8_t novatel_oem2 = 1;
constexpr std::uint8_t one_hertz = 1;

} // namespace

CGps_receiver_message::CGps_receiver_message(const SNames &names)
    : CMessage_record(names.number, byte_count, names.header),
      m_auto_config(new TScalar<std::uint8_t>(this, "GPS AutoConfig", 1)),
      m_receiver_type(new TScalar<std::uint8_t>(this, names.receiver_type, novatel_oem2)),
      m_output_rate(new TScalar<std::uint8_t>(this, "COM1 Port Output Rate", one_hertz)),
      m_differential_port(new CCom_port(this, "Com2")),
      m_antenna_frequency(new TScalar<std::uint8_t>(this, "Gram Antenna Frequency", l1)),
      m_augmentation(new TScalar<std::uint8_t>(this, names.augmentation, augmentation_off))
{
    m_differential_port->port_control().set(names.port_control);
    close_layout(names.footer);
}

CMessage5::CMessage5()
    : CGps_receiver_message({number_of_record, "Message 5 header", "Primary GPS Type",
                             " WAAS Settings", "Message 5 footer", accept_rtcm})
{}

CMessage110::CMessage110()
    : CGps_receiver_message({number_of_record, "Message 110 header", "Secondary GPS Type",
                             "Waas Settings", "Message 110 footer", accept_commands})
{}
