#pragma once
// The messages about the lidar interface: the logging request (Message 20206) and the scanner's
// address with the connection and logging state (Message 20207), and what Group 20202 says of
// the lidar. Standard library and protocol only, so that the simulator and the tests use them
// without a widget.

#include "protocol/group_base.h"
#include "protocol/navigation_groups.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// Logging request: 0 disabled, 1 enabled; the flight line is sent as 0 by the lidar tools.
class CMessage20206 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 20206;
    static constexpr std::uint16_t byte_count = 16;
    enum ELogging : std::uint8_t { logging_disabled = 0, logging_enabled = 1 };

    CMessage20206();

    TScalar<std::uint8_t> &logging_control() { return *m_logging_control; }
    TScalar<std::uint32_t> &flight_line_number() { return *m_flight_line_number; }
    TScalar<std::uint32_t> &reserved2() { return *m_reserved2; }

private:
    TScalar<std::uint8_t> *m_logging_control;
    TScalar<std::uint32_t> *m_flight_line_number;
    TScalar<std::uint32_t> *m_reserved2;
};

// The scanner's IPv4 address, most significant byte first. From the Q240 tool " Connect Control"
// 1 asks the computer to connect to the scanner; the Q560 tool's state reports carry 0 there, 1
// in "Reserved0", whether the PC is connected to the scanner in "Reserved1" and whether its data
// logger logs in "Reserved2".
class CMessage20207 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 20207;
    static constexpr std::uint16_t byte_count = 24;
    // The address a new record holds: a private one.
    static constexpr std::array<std::uint8_t, 4> default_address = {192, 168, 1, 100};

    CMessage20207();

    TScalar<std::uint8_t> &network_part1() { return *m_network_part1; }
    TScalar<std::uint8_t> &network_part2() { return *m_network_part2; }
    TScalar<std::uint8_t> &host_part1() { return *m_host_part1; }
    TScalar<std::uint8_t> &host_part2() { return *m_host_part2; }
    TScalar<std::uint8_t> &connect_control() { return *m_connect_control; }
    TScalar<std::uint8_t> &reserved0() { return *m_reserved0; }
    TScalar<std::uint8_t> &reserved1() { return *m_reserved1; }
    TScalar<std::uint32_t> &reserved2() { return *m_reserved2; }
    TScalar<std::uint32_t> &reserved3() { return *m_reserved3; }

    // The four address items in order.
    std::array<TScalar<std::uint8_t> *, 4> address_parts();
    void set_address(const std::array<std::uint8_t, 4> &address);

private:
    TScalar<std::uint8_t> *m_network_part1;
    TScalar<std::uint8_t> *m_network_part2;
    TScalar<std::uint8_t> *m_host_part1;
    TScalar<std::uint8_t> *m_host_part2;
    TScalar<std::uint8_t> *m_connect_control;
    TScalar<std::uint8_t> *m_reserved0;
    TScalar<std::uint8_t> *m_reserved1;
    TScalar<std::uint32_t> *m_reserved2;
    TScalar<std::uint32_t> *m_reserved3;
};

// The kind of lidar interface Group 20202 reports in "Reserved Int 1": the computer itself talks
// to the scanner, or (1) the PC's Q560 tool does and the computer asks it to log.
inline constexpr std::uint32_t q560_interface = 1;

// The states of the lidar data port, Group 20202's "Data Port Status".
namespace data_port {
inline constexpr std::uint16_t logging = 1;     // connected and logging
inline constexpr std::uint16_t not_logging = 2; // connected, not logging
inline constexpr std::uint16_t failure = 3;
inline constexpr std::uint16_t off = 4; // not connected
} // namespace data_port

// What the two lidar tools show of "Data Port Status": the connection and the logging.
struct SLidar_state_texts {
    std::string_view connection;
    std::string_view logging;
};
SLidar_state_texts LidarStateTexts(std::uint16_t data_port_status);

// The logging Group 20202 reports now, as Message 20206's "Logging Control" sets it: for the
// Q560 interface the logging the computer asks for ("Reserved Int 2"), else whether the data
// port logs. Nothing when the group does not say (an item it does not hold, or a state that is
// neither logging nor not logging).
std::optional<std::uint8_t> ReportedLoggingControl(CGroup20202 &group);

// Sets "Logging Control" of a stored Message 20206 frame to `logging`; other frames are left as
// they are. The frame's checksum is left for the sender, who seals it.
void SetStoredLoggingControl(std::span<std::byte> frame, std::uint8_t logging);
