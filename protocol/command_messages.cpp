#include "protocol/command_messages.h"

// Two of the date names end in a blank, as the computer's own layout has them.
CMessage13::CMessage13()
    : CMessage_record(number_of_record, byte_count, "Message 13 header"),
      m_hours(new TScalar<std::uint8_t>(this, "General Data Time of Day: Hours", 0)),
      m_minutes(new TScalar<std::uint8_t>(this, "General Data Time of Day: Minutes", 0)),
      m_seconds(new TScalar<std::uint8_t>(this, "General Data Time of Day: Seconds", 0)),
      m_month(new TScalar<std::uint8_t>(this, "General Data Date: Month ", 0)),
      m_day(new TScalar<std::uint8_t>(this, "General Data Date: Day Date ", 0)),
      m_year(new TScalar<std::uint16_t>(this, "General Data Date: Year", 0)),
      m_initial_latitude(new TScalar<double>(this, "General Data Initial Latitude", 0.0)),
      m_initial_longitude(new TScalar<double>(this, "General Data Initial Longitude", 0.0)),
      m_initial_altitude(new TScalar<double>(this, "General Data Initial Altitude", 0.0)),
      m_initial_heading(new TScalar<double>(this, "General Data Initial Heading", 0.0)),
      m_rms_position(new TNed<float>(this, "RMS Position", 1000.0f, 1000.0f, 1000.0f))
{
    close_layout("Message 13 footer");
}
