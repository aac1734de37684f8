#pragma once
// The messages of the small settings dialogs beside the general data: the user's accuracy
// (Message 107), the computer's network address (Message 6), the user time (Message 12) and the
// event inputs (Messages 11 and 20211). The general data itself, Message 13, is a command message
// of the protocol. Standard library and protocol only, so that the simulator and the tests use
// them without a widget.

#include "protocol/group_base.h"

#include <cstdint>

// The accuracy the user asks of the solution, as RMS values.
class CMessage107 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 107;
    static constexpr std::uint16_t byte_count = 24;

    CMessage107();

    TScalar<float> &attitude_accuracy() { return *m_attitude_accuracy; } // degrees
    TScalar<float> &heading_accuracy() { return *m_heading_accuracy; }   // degrees
    TScalar<float> &position_accuracy() { return *m_position_accuracy; } // metres
    TScalar<float> &velocity_accuracy() { return *m_velocity_accuracy; } // metres per second

private:
    TScalar<float> *m_attitude_accuracy;
    TScalar<float> *m_heading_accuracy;
    TScalar<float> *m_position_accuracy;
    TScalar<float> *m_velocity_accuracy;
};

// The computer's IPv4 address and subnet mask, one octet an item in dotted order. A computer of
// an older kind sends the address alone (byte count 12).
class CMessage6 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 6;
    static constexpr std::uint16_t byte_count = 16;
    static constexpr std::uint16_t byte_count_without_mask = 12;
    static constexpr std::size_t octets = 4;

    CMessage6();

    // Octet `index` (0 to 3, in dotted order) of the address and of the mask.
    TScalar<std::uint8_t> &address(std::size_t index) { return *m_address[index]; }
    TScalar<std::uint8_t> &mask(std::size_t index) { return *m_mask[index]; }

private:
    TScalar<std::uint8_t> *m_address[octets];
    TScalar<std::uint8_t> *m_mask[octets];
};

// The user time and how many of its units make a second.
class CMessage12 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 12;
    static constexpr std::uint16_t byte_count = 24;

    CMessage12();

    TScalar<double> &user_time() { return *m_user_time; }
    TScalar<double> &units_per_second() { return *m_units_per_second; }

private:
    TScalar<double> *m_user_time;
    TScalar<double> *m_units_per_second;
};

// The edge each event input triggers on and how long it ignores further edges. A computer of an
// older kind sends the triggers alone (byte count 8).
class CMessage11 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 11;
    static constexpr std::uint16_t byte_count = 12;
    static constexpr std::uint16_t byte_count_without_guard_times = 8;
    enum ETrigger : std::uint8_t { positive_edge = 0, negative_edge = 1 };

    CMessage11();

    TScalar<std::uint8_t> &event_1_trigger() { return *m_event_1_trigger; }
    TScalar<std::uint8_t> &event_2_trigger() { return *m_event_2_trigger; }
    TScalar<std::uint16_t> &event_1_guard_time() { return *m_event_1_guard_time; } // ms
    TScalar<std::uint16_t> &event_2_guard_time() { return *m_event_2_guard_time; } // ms

private:
    TScalar<std::uint8_t> *m_event_1_trigger;
    TScalar<std::uint8_t> *m_event_2_trigger;
    TScalar<std::uint16_t> *m_event_1_guard_time;
    TScalar<std::uint16_t> *m_event_2_guard_time;
};

// How far each event's time is shifted.
class CMessage20211 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 20211;
    static constexpr std::uint16_t byte_count = 32;

    CMessage20211();

    TScalar<float> &event_1_shift() { return *m_event_1_shift; } // ms
    TScalar<float> &event_2_shift() { return *m_event_2_shift; } // ms

private:
    TScalar<float> *m_event_1_shift;
    TScalar<float> *m_event_2_shift;
    TScalar<float> *m_reserved_1;
    TScalar<float> *m_reserved_2;
    TScalar<std::int32_t> *m_reserved_3;
    TScalar<std::int32_t> *m_reserved_4;
};
