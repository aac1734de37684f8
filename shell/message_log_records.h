#pragma once
// The event groups the message log reads: zero velocity and position fix events. Standard
// library and protocol only, so that the simulator and the tests can use them without a widget.

#include "protocol/group_base.h"

#include <cstdint>

// Zero velocity event: its start or end, how it was started, its thresholds and its count.
class CGroup511 : public CGroup_record {
public:
    static constexpr std::uint16_t number_of_record = 511;
    static constexpr std::uint16_t byte_count = 48;

    CGroup511(std::byte *buffer, std::size_t buffer_size)
        : CGroup_record(buffer, buffer_size, number_of_record, byte_count, "Group 511 header"),
          m_flag(new TScalar<std::uint16_t>(this, "Start or Termination Flag")),
          m_mode(new TScalar<std::uint16_t>(this, "Processing Mode")),
          m_horizontal_threshold(new TScalar<float>(this, "Horizontal Threshold")),
          m_vertical_threshold(new TScalar<float>(this, "Vertical Threshold")),
          m_counter(new TScalar<std::uint32_t>(this, "Counter"))
    {
        close_layout("Group 511 Footer");
    }

    // 0 start, 1 end.
    TScalar<std::uint16_t> &start_or_termination_flag() { return *m_flag; }
    // 1 manual, 2 automatic.
    TScalar<std::uint16_t> &processing_mode() { return *m_mode; }
    TScalar<float> &horizontal_threshold() { return *m_horizontal_threshold; }
    TScalar<float> &vertical_threshold() { return *m_vertical_threshold; }
    TScalar<std::uint32_t> &counter() { return *m_counter; }

private:
    TScalar<std::uint16_t> *m_flag;
    TScalar<std::uint16_t> *m_mode;
    TScalar<float> *m_horizontal_threshold;
    TScalar<float> *m_vertical_threshold;
    TScalar<std::uint32_t> *m_counter;
};

// Position fix event: where, how accurately, its start or end and its count.
class CGroup512 : public CGroup_record {
public:
    static constexpr std::uint16_t number_of_record = 512;
    static constexpr std::uint16_t byte_count = 92;
    static constexpr std::size_t location_id_length = 16;

    CGroup512(std::byte *buffer, std::size_t buffer_size)
        : CGroup_record(buffer, buffer_size, number_of_record, byte_count, "Group 512 header"),
          m_location_id(new TScalar<char *>(this, "Location ID", location_id_length,
                                            TScalar<char *>::invalid_value())),
          m_flag(new TScalar<std::uint16_t>(this, "Start or Termination Flag")),
          m_mode(new TScalar<std::uint16_t>(this, "Processing Mode")),
          m_position(new TLat_lon_alt<double>(this, "Position")),
          m_rms_position(new TNed<float>(this, "RMS Position")),
          m_counter(new TScalar<std::uint32_t>(this, "Counter"))
    {
        close_layout("Group 512 Footer");
    }

    TScalar<char *> &location_id() { return *m_location_id; }
    // 0 start, 1 end.
    TScalar<std::uint16_t> &start_or_termination_flag() { return *m_flag; }
    // 1 manual, 2 automatic.
    TScalar<std::uint16_t> &processing_mode() { return *m_mode; }
    TLat_lon_alt<double> &position() { return *m_position; }
    TNed<float> &rms_position() { return *m_rms_position; }
    TScalar<std::uint32_t> &counter() { return *m_counter; }

private:
    TScalar<char *> *m_location_id;
    TScalar<std::uint16_t> *m_flag;
    TScalar<std::uint16_t> *m_mode;
    TLat_lon_alt<double> *m_position;
    TNed<float> *m_rms_position;
    TScalar<std::uint32_t> *m_counter;
};
