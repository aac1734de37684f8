#pragma once
// The message of the OmniStar settings dialog: the correction service mode of the primary GNSS
// receiver and, for a custom satellite, its frequency and bit rate. Standard library and
// protocol only, so that the simulator and the tests use it without a widget.

#include "protocol/group_base.h"

#include <cstdint>

class CMessage17 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 17;
    static constexpr std::uint16_t byte_count = 32;
    enum EMode : std::uint8_t { off = 0, automatic = 1, hp_only = 2, xp_only = 3, vbs_only = 4 };
    enum ESatellite : std::uint8_t { automatic_satellite = 0, custom_satellite = 1 };

    CMessage17();

    TScalar<std::uint8_t> &mode_control() { return *m_mode_control; }
    TScalar<std::uint8_t> &satellite_id() { return *m_satellite_id; }
    TScalar<double> &frequency() { return *m_frequency; }      // MHz
    TScalar<std::uint16_t> &bit_rate() { return *m_bit_rate; } // bits per second
    TScalar<std::uint16_t> &reserved_1() { return *m_reserved_1; }
    TScalar<std::uint16_t> &reserved_2() { return *m_reserved_2; }
    TScalar<std::uint16_t> &reserved_3() { return *m_reserved_3; }
    TScalar<double> &reserved_4() { return *m_reserved_4; }

private:
    TScalar<std::uint8_t> *m_mode_control;
    TScalar<std::uint8_t> *m_satellite_id;
    TScalar<double> *m_frequency;
    TScalar<std::uint16_t> *m_bit_rate;
    TScalar<std::uint16_t> *m_reserved_1;
    TScalar<std::uint16_t> *m_reserved_2;
    TScalar<std::uint16_t> *m_reserved_3;
    TScalar<double> *m_reserved_4;
};
