#pragma once
// The parameters the simulated computer keeps: its installation, which groups it broadcasts and
// its general data.
// It holds three sets of them: the ones in use, the ones saved to non-volatile memory and the
// factory defaults.

#include "tools/korusim/flight.h"
#include "tools/korusim/options.h"

#include "protocol/command_messages.h"
#include "protocol/navigation_messages.h"
#include "settings/installation_records.h"

#include <cstdint>
#include <span>

class CSettings {
public:
    // The factory defaults: the display groups given, the start position and time.
    CSettings(std::span<const std::uint16_t> display_groups, const SFlight_start &start,
              const SStart_time &time);
    CSettings(const CSettings &) = delete;
    CSettings &operator=(const CSettings &) = delete;

    CMessage1 &installation() { return m_installation; }
    CMessage2 &display_groups() { return m_display_groups; }
    CMessage13 &general_data() { return m_general_data; }

    // The record classes read through non-const items, hence no const here.
    bool displays_group(std::uint16_t group);
    // Where the next alignment starts: the general data's initial position and heading.
    SFlight_start start();

    void copy_from(const CSettings &other);
    bool same_as(const CSettings &other) const;

private:
    CMessage1 m_installation;
    CMessage2 m_display_groups;
    CMessage13 m_general_data;
};
