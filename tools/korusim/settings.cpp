#include "tools/korusim/settings.h"

#include <cmath>
#include <cstring>

CSettings::CSettings(std::span<const std::uint16_t> display_groups, const SFlight_start &start,
                     const SStart_time &time)
{
    const std::size_t count = m_display_groups.set_group_count(display_groups.size());
    for (std::size_t i = 0; i < count; ++i) {
        m_display_groups.groups()[i].set(display_groups[i]);
    }
    const auto seconds = static_cast<unsigned>(time.seconds_of_day);
    m_general_data.hours().set(static_cast<std::uint8_t>(seconds / 3600));
    m_general_data.minutes().set(static_cast<std::uint8_t>(seconds / 60 % 60));
    m_general_data.seconds().set(static_cast<std::uint8_t>(seconds % 60));
    m_general_data.month().set(time.month);
    m_general_data.day().set(time.day);
    m_general_data.year().set(time.year);
    m_general_data.initial_latitude().set(start.latitude);
    m_general_data.initial_longitude().set(start.longitude);
    m_general_data.initial_altitude().set(start.altitude);
    m_general_data.initial_heading().set(start.heading);
}

bool CSettings::displays_group(std::uint16_t group)
{
    auto &groups = m_display_groups.groups();
    for (std::size_t i = 0; i < groups.count(); ++i) {
        if (groups[i].get() == group) {
            return true;
        }
    }
    return false;
}

SFlight_start CSettings::start()
{
    return {m_general_data.initial_latitude().get(), m_general_data.initial_longitude().get(),
            m_general_data.initial_altitude().get(), m_general_data.initial_heading().get()};
}

void CSettings::copy_from(const CSettings &other)
{
    std::memcpy(m_installation.buffer(), other.m_installation.buffer(),
                m_installation.buffer_size());
    std::memcpy(m_display_groups.buffer(), other.m_display_groups.buffer(),
                m_display_groups.buffer_size());
    m_display_groups.lay_out_received();
    std::memcpy(m_general_data.buffer(), other.m_general_data.buffer(),
                m_general_data.buffer_size());
}

bool CSettings::same_as(const CSettings &other) const
{
    return m_installation.same_content(other.m_installation) &&
           m_display_groups.same_content(other.m_display_groups) &&
           m_general_data.same_content(other.m_general_data);
}
