#pragma once
// Messages of the main navigation view: the display port's group selection and the free inertial
// mode command.

#include "protocol/group_list_message.h"

#include <cstdint>

// The groups the computer broadcasts on the display port. Variable length: a count, that many
// group numbers (room for 64), a reserved word.
class CMessage2 : public CGroup_list_message {
public:
    static constexpr std::uint16_t number_of_record = 2;
    static constexpr std::size_t largest_group_count = 64;
    static constexpr std::uint16_t largest_byte_count = 140;

    CMessage2();

    // As for every group list; "Reserved" is written 0.
    std::size_t set_group_count(std::size_t count);

    TScalar<std::uint16_t> &reserved() { return *m_reserved; }

private:
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
