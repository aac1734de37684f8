#include "lidar/lidar_records.h"

#include <algorithm>
#include <cstring>

CMessage20206::CMessage20206()
    : CMessage_record(number_of_record, byte_count, "Message 20206 header"),
      m_logging_control(new TScalar<std::uint8_t>(this, "Logging Control", logging_disabled)),
      m_flight_line_number(new TScalar<std::uint32_t>(this, "Flight Line Number", 0)),
      m_reserved2(new TScalar<std::uint32_t>(this, "Reserved2", 0))
{
    close_layout("Message 20206 footer");
}

CMessage20207::CMessage20207()
    : CMessage_record(number_of_record, byte_count, "Message 20207 header"),
      m_network_part1(new TScalar<std::uint8_t>(this, "Network Part1", default_address[0])),
      m_network_part2(new TScalar<std::uint8_t>(this, "Network Part2", default_address[1])),
      m_host_part1(new TScalar<std::uint8_t>(this, "Host Part1", default_address[2])),
      m_host_part2(new TScalar<std::uint8_t>(this, "Host Part2", default_address[3])),
      m_connect_control(new TScalar<std::uint8_t>(this, " Connect Control", 1)),
      m_reserved0(new TScalar<std::uint8_t>(this, "Reserved0", 0)),
      m_reserved1(new TScalar<std::uint8_t>(this, "Reserved1", 0)),
      m_reserved2(new TScalar<std::uint32_t>(this, "Reserved2", 0)),
      m_reserved3(new TScalar<std::uint32_t>(this, "Reserved3", 0))
{
    close_layout("Message 20207 footer");
}

std::array<TScalar<std::uint8_t> *, 4> CMessage20207::address_parts()
{
    return {m_network_part1, m_network_part2, m_host_part1, m_host_part2};
}

void CMessage20207::set_address(const std::array<std::uint8_t, 4> &address)
{
    const auto parts = address_parts();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        parts[i]->set(address[i]);
    }
}

SLidar_state_texts LidarStateTexts(std::uint16_t data_port_status)
{
    switch (data_port_status) {
    case data_port::logging:
        return {"On", "On"};
    case data_port::not_logging:
        return {"On", "Off"};
    case data_port::failure:
        return {"Failure", "N/A"};
    case data_port::off:
        return {"Off", "N/A"};
    default:
        return {"N/A", "N/A"};
    }
}

std::optional<std::uint8_t> ReportedLoggingControl(CGroup20202 &group)
{
    if (!group.has_value(group.reserved_int_1())) {
        return std::nullopt;
    }
    if (group.reserved_int_1().get() == q560_interface) {
        TScalar<std::uint32_t> &request = group.reserved_int_2();
        if (!group.has_value(request) || request.get() > CMessage20206::logging_enabled) {
            return std::nullopt;
        }
        return static_cast<std::uint8_t>(request.get());
    }
    TScalar<std::uint16_t> &status = group.data_port_status();
    if (!group.has_value(status)) {
        return std::nullopt;
    }
    switch (status.get()) {
    case data_port::logging:
        return CMessage20206::logging_enabled;
    case data_port::not_logging:
        return CMessage20206::logging_disabled;
    default:
        return std::nullopt;
    }
}

void SetStoredLoggingControl(std::span<std::byte> frame, std::uint8_t logging)
{
    CMessage20206 stored;
    if (frame::number_of(frame) != CMessage20206::number_of_record) {
        return;
    }
    const std::size_t length = std::min(frame.size(), stored.buffer_size());
    std::memcpy(stored.buffer(), frame.data(), length);
    if (!stored.holds(stored.logging_control())) {
        return;
    }
    stored.logging_control().set(logging);
    std::memcpy(frame.data(), stored.buffer(), length);
}
