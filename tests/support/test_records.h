#pragma once
// Small record layouts built the way the computer's layouts are, for the record core's own tests.

#include "protocol/group_base.h"

#include <cstdint>

// A group: position, speed and a status byte after the 34-byte group header.
class CTest_group : public CGroup_record {
public:
    static constexpr std::uint16_t number_of_record = 1;
    static constexpr std::uint16_t byte_count = 60; // 34 + 24 + 4 + 1 = 63, 1 pad byte, 4 trailer

    CTest_group(std::byte *buffer, std::size_t buffer_size)
        : CGroup_record(buffer, buffer_size, number_of_record, byte_count, "Group 1 Header"),
          position(new TLat_lon_alt<double>(this, "Position")),
          speed(new TScalar<float>(this, "Speed")),
          status(new TScalar<std::uint8_t>(this, "Solution Status"))
    {
        close_layout("Group 1 Footer");
    }

    TLat_lon_alt<double> *position;
    TScalar<float> *speed;
    TScalar<std::uint8_t> *status;
};

// A second group over the same buffer, to check that records share it.
class CTest_counter_group : public CGroup_record {
public:
    static constexpr std::uint16_t number_of_record = 5;
    static constexpr std::uint16_t byte_count = 36;

    CTest_counter_group(std::byte *buffer, std::size_t buffer_size)
        : CGroup_record(buffer, buffer_size, number_of_record, byte_count, "Group 5 header"),
          pulses(new TScalar<std::uint32_t>(this, "PPS Pulse Number"))
    {
        close_layout("Group 5 footer");
    }

    TScalar<std::uint32_t> *pulses;
};

// A message with a variable list: count, up to 8 numbers, then a reserved word.
class CTest_list_message : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 50;
    static constexpr std::uint16_t largest_byte_count = 28; // 10 + 2 + 16 + 2 = 30, 2 pad, 4

    CTest_list_message()
        : CMessage_record(number_of_record, largest_byte_count, "Message 50 header"),
          count(new TScalar<std::uint16_t>(this, "Count", 0)),
          entries(new CItem_array<TScalar<std::uint16_t>>(this, "Entry", 8, std::uint16_t{0})),
          reserved(new TScalar<std::uint16_t>(this, "Reserved", 0))
    {
        close_layout("Message 50 footer");
    }

    void set_entry_count(std::uint16_t wanted)
    {
        open_layout();
        const auto applied = static_cast<std::uint16_t>(entries->set_count(wanted));
        relayout();
        close_layout("Message 50 footer");
        count->set(applied);
        header().byte_count().set(static_cast<std::uint16_t>(size() - frame::prefix_length));
        reserved->set(0);
    }

    TScalar<std::uint16_t> *count;
    CItem_array<TScalar<std::uint16_t>> *entries;
    TScalar<std::uint16_t> *reserved;
};

// A plain one-byte command.
class CTest_command : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 7;
    static constexpr std::uint16_t byte_count = 8;

    CTest_command()
        : CMessage_record(number_of_record, byte_count, "Message 7 header"),
          mode(new TScalar<std::uint8_t>(this, "Mode Type", 1))
    {
        close_layout("Message 7 footer");
    }

    TScalar<std::uint8_t> *mode;
};
