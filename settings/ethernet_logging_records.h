#pragma once
// The messages of the Ethernet logging dialog: which groups the computer streams on its primary
// (Message 3) and secondary (Message 16) logging port, and at which rate. Standard library and
// protocol only, so that the simulator and the tests use them without a widget.

#include "protocol/group_list_message.h"

#include <cstdint>
#include <string_view>

// A logging port's selection. Variable length: a count, that many group numbers (room for 64),
// the output rate in Hz. Built with no groups at 1 Hz.
class CLogging_port_message : public CGroup_list_message {
public:
    static constexpr std::size_t largest_group_count = 64;
    static constexpr std::uint16_t largest_byte_count = 140;

    TScalar<std::uint16_t> &output_rate() { return *m_output_rate; } // Hz

protected:
    CLogging_port_message(std::uint16_t number, std::string_view list_name,
                          std::string_view rate_name);

private:
    TScalar<std::uint16_t> *m_output_rate;
};

// The primary logging port (5602).
class CMessage3 : public CLogging_port_message {
public:
    static constexpr std::uint16_t number_of_record = 3;
    CMessage3();
};

// The secondary logging port (5603).
class CMessage16 : public CLogging_port_message {
public:
    static constexpr std::uint16_t number_of_record = 16;
    CMessage16();
};
