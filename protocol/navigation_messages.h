#pragma once
// Messages of the main navigation view: the display port's group selection and the free inertial
// mode command.

#include "protocol/group_base.h"

#include <cstdint>

// The groups the computer broadcasts on the display port. Variable length: a count, that many
// group numbers (room for 64), a reserved word.
class CMessage2 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 2;
    static constexpr std::size_t group_capacity = 64;
    static constexpr std::uint16_t largest_byte_count = 140;

    CMessage2();

    // Lays the message out for `count` groups (at most 64) and rewrites its header, pad and end
    // marker for sending. Returns the count applied.
    std::size_t set_group_count(std::size_t count);
    // Lays a received copy out for the count it carries, never for more groups than the record
    // has room for or the copy's byte count holds, so that a wrong count can neither overrun the
    // list nor move "Reserved" outside the frame. The copy's bytes are left as received.
    // Returns the count applied.
    std::size_t lay_out_received();

    TScalar<std::uint16_t> &group_count() { return *m_group_count; }
    CItem_array<TScalar<std::uint16_t>> &groups() { return *m_groups; }
    TScalar<std::uint16_t> &reserved() { return *m_reserved; }

private:
    TScalar<std::uint16_t> *m_group_count;
    CItem_array<TScalar<std::uint16_t>> *m_groups;
    TScalar<std::uint16_t> *m_reserved;
};

// Free inertial mode on (1) or off (0).
class CMessage20202 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 20202;
    static constexpr std::uint16_t byte_count = 12;

    CMessage20202();

    TScalar<std::uint8_t> &mode_type() { return *m_mode_type; }
    TScalar<std::uint16_t> &reserved() { return *m_reserved; }

private:
    TScalar<std::uint8_t> *m_mode_type;
    TScalar<std::uint16_t> *m_reserved;
};
