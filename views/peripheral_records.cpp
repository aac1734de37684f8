#include "views/peripheral_records.h"

#include "protocol/invalid.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

std::string frame_part_name(std::uint16_t number, std::string_view part)
{
    return "Group " + std::to_string(number) + " " + std::string(part);
}

} // namespace

CPva_data::CPva_data(CComposite_item *parent, std::string_view name)
    : CComposite_item(parent, name),
      m_runs(new TScalar<std::uint32_t>(this, "Number of Pva Runs")),
      m_resets(new TScalar<std::uint32_t>(this, "Number of Pva Resets"))
{}

CGroup201_status::CGroup201_status(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ushort,
               {{bits::position_valid, "Position Valid"},
                {bits::range_from_laser, "Range from Laser"},
                {bits::range_from_radar, "Range from Radar Altimeter and flat earth"},
                {bits::range_from_gps, "Range from Gps and flat earth"}})
{}

CGroup202_status::CGroup202_status(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ushort,
               {{bits::laser_range_valid, "Laser Range Valid"},
                {bits::laser_altitude_valid, "Laser Altitude Valid"}})
{}

CLrf_status::CLrf_status(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ushort,
               {{bits::range_valid, "Range Valid"}, {bits::height_valid, "Height Valid"}})
{}

CPeripheral_group::CPeripheral_group(std::byte *buffer, std::size_t buffer_size,
                                     std::uint16_t number, std::uint16_t byte_count)
    : CGroup_record(buffer, buffer_size, number, byte_count, frame_part_name(number, "Header"))
{}

void CPeripheral_group::close_layout()
{
    CGroup_record::close_layout(frame_part_name(number(), "Footer"));
}

CGroup20201::CGroup20201(std::byte *buffer, std::size_t buffer_size)
    : CPeripheral_group(buffer, buffer_size, number_of_record, byte_count),
      m_proxy_exceptions(new TScalar<std::uint16_t>(this, "No. of Proxy Exceptions")),
      m_proxies_queued(new TScalar<std::uint16_t>(this, "No. of Proxies Queued")),
      m_read_failures(new TScalar<std::uint16_t>(this, "No. of Read Failures ")),
      m_arm_proxies(new TScalar<std::uint32_t>(this, "No. of Arm Proxies")),
      m_messages_received(new TScalar<std::uint32_t>(this, "No. of LRF msgs Received")),
      m_checksum_errors(new TScalar<std::uint16_t>(this, "No. of LRF Checksum Errors")),
      m_lrf_status(new CLrf_status(this, "No. of LRF Status")),
      m_raw_laser_range(new TScalar<std::uint32_t>(this, "Raw Laser Range Value")),
      m_raw_radar_height(new TScalar<std::uint32_t>(this, "Raw Radar Height Value")),
      m_laser_range_runs(new TScalar<std::uint32_t>(this, "Laser Range PVA Run Count")),
      m_laser_range_resets(new TScalar<std::uint32_t>(this, "Laser Range PVA Reset Count")),
      m_radar_height_runs(new TScalar<std::uint32_t>(this, "Radar Height PVA Run Count")),
      m_radar_height_resets(new TScalar<std::uint32_t>(this, "Radar Height PVA Reset Count"))
{
    close_layout();
}

CGroup20200::CGroup20200(std::byte *buffer, std::size_t buffer_size)
    : CPeripheral_group(buffer, buffer_size, number_of_record, byte_count),
      m_processor_calls(new TScalar<std::uint32_t>(this, "No. of Processor Calls")),
      m_messages_received(new TScalar<std::uint32_t>(this, "No. Messages Received")),
      m_messages_rejected(new TScalar<std::uint32_t>(this, "No. Messages Rejected")),
      m_checksum_errors(new TScalar<std::uint32_t>(this, "No. of Checksum Errors")),
      m_baud_rate(new TScalar<std::uint32_t>(this, "Current Baud Rate")),
      m_characters_received(new TScalar<std::uint32_t>(this, "No. of Characters Received")),
      m_hardware_port(new TScalar<char *>(this, "Hardware Port", port_length)),
      m_scheduler_proxy_exceptions(
          new TScalar<std::uint16_t>(this, "No. of Scheduler Proxy Exceptions")),
      m_message104_proxy_exceptions(
          new TScalar<std::uint16_t>(this, "No. of Message104 Proxy Exceptions")),
      m_decode_messages_rejected(new TScalar<std::uint32_t>(this, "No. Decode Messages Rejected")),
      m_roll(new CPva_data(this, "roll")),
      m_pitch(new CPva_data(this, "pitch")),
      m_heading(new CPva_data(this, "heading"))
{
    close_layout();
}

CGroup201::CGroup201(std::byte *buffer, std::size_t buffer_size)
    : CPeripheral_group(buffer, buffer_size, number_of_record, byte_count),
      m_latitude(new TScalar<double>(this, "Target Latitude")),
      m_longitude(new TScalar<double>(this, "Target Longitude")),
      m_altitude(new TScalar<double>(this, "Target Altitude")),
      m_range(new TScalar<double>(this, "Target Range")),
      m_bearing(new TScalar<double>(this, "Target Bearing")),
      m_status(new CGroup201_status(this, "Group 201 status"))
{
    close_layout();
}

CGroup200::CGroup200(std::byte *buffer, std::size_t buffer_size)
    : CPeripheral_group(buffer, buffer_size, number_of_record, byte_count),
      m_roll(new TScalar<double>(this, "Roll Encoder Value")),
      m_tilt(new TScalar<double>(this, "Tilt Encoder Value")),
      m_pan(new TScalar<double>(this, "Pan Encoder Value"))
{
    close_layout();
}

CGroup202::CGroup202(std::byte *buffer, std::size_t buffer_size)
    : CPeripheral_group(buffer, buffer_size, number_of_record, byte_count),
      m_laser_range(new TScalar<double>(this, "Laser Range")),
      m_laser_altitude(new TScalar<double>(this, "Laser Altitude")),
      m_status(new CGroup202_status(this, "Group 202 status"))
{
    close_layout();
}

CUser_time_group::CUser_time_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number)
    : CPeripheral_group(buffer, buffer_size, number, byte_count),
      m_sync_rejections(new TScalar<std::uint32_t>(this, "Time Synch Message Rejections", 0)),
      m_resyncs(new TScalar<std::uint32_t>(this, "User Time Re-synchs", 0)),
      m_time_valid(new TScalar<std::uint8_t>(this, "User Time Valid", 0)),
      m_message12_received(new TScalar<std::uint8_t>(this, "Message 12 Received", 0))
{
    close_layout();
}

CGroup110::CGroup110(std::byte *buffer, std::size_t buffer_size)
    : CPeripheral_group(buffer, buffer_size, number_of_record, 0),
      m_aux_in_use(new TScalar<std::uint8_t>(this, "Auxiliary Data In Use", 0)),
      m_reserved(new TScalar<std::uint8_t>(this, "Reserved", 0)),
      m_message_number(new TScalar<std::uint32_t>(this, "GPS Message Number", 0)),
      m_message_byte_count(new TScalar<std::uint16_t>(this, "Variable Message Byte Count", 0)),
      m_body(new CComposite_byte_array(this, "Raw Message Body", 0))
{
    close_layout();
    header().byte_count().set(static_cast<std::uint16_t>(size() - frame::prefix_length));
}

std::size_t CGroup110::lay_out_received()
{
    const std::size_t length = frame_length();
    const auto body_start = static_cast<std::size_t>(m_body->start() - buffer());
    std::size_t held = 0;
    if (holds(*m_message_byte_count) && length > body_start + frame::trailer_length) {
        held = length - body_start - frame::trailer_length;
    }
    const std::size_t count =
        std::min({std::size_t{m_message_byte_count->get()}, held, largest_body});
    m_body->set_length(count);
    relayout();
    return count;
}

std::size_t CGroup110::set_body(const std::byte *bytes, std::size_t length)
{
    const std::size_t count = std::min(length, largest_body);
    m_body->set_length(count);
    refit_frame();
    if (count > 0) {
        std::memcpy(m_body->start(), bytes, count);
    }
    m_message_byte_count->set(static_cast<std::uint16_t>(count));
    return count;
}
