#include "settings/omni_star_records.h"

CMessage17::CMessage17()
    : CMessage_record(number_of_record, byte_count, "Message 17 header"),
      m_mode_control(new TScalar<std::uint8_t>(this, "Mode Control", off)),
      m_satellite_id(new TScalar<std::uint8_t>(this, "Satellite ID", automatic_satellite)),
      m_frequency(new TScalar<double>(this, "Frequency", 0.0)),
      m_bit_rate(new TScalar<std::uint16_t>(this, "Bit Rate", 0)),
      m_reserved_1(new TScalar<std::uint16_t>(this, "reserved 1", 0)),
      m_reserved_2(new TScalar<std::uint16_t>(this, "reserved 2", 0)),
      m_reserved_3(new TScalar<std::uint16_t>(this, "reserved 3", 0)),
      m_reserved_4(new TScalar<double>(this, "reserved 4", 0.0))
{
    close_layout("Message 17 footer");
}
