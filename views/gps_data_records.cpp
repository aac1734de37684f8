#include "views/gps_data_records.h"

#include "protocol/invalid.h"

#include <algorithm>
#include <cstring>
#include <string>

CSv_data::CSv_data(CComposite_item *parent, std::string_view name)
    : CComposite_item(parent, name),
      m_prn(new TScalar<std::uint16_t>(this, "SV PRN Number")),
      m_status(new TScalar<std::uint16_t>(this, "SV Status")),
      m_azimuth(new TScalar<float>(this, "SV Azimuth")),
      m_elevation(new TScalar<float>(this, "SV Elevation")),
      m_l1_snr(new TScalar<float>(this, "SV L1 Signal/Noise Ratio")),
      m_l2_snr(new TScalar<float>(this, "SV L2 Signal/Noise Ratio"))
{}

CNmea_messages_rxd::CNmea_messages_rxd(CComposite_item *parent, std::string_view name)
    : TBit_field<std::uint16_t>(parent, name, 0)
{
    // The computer's names, cut as it cuts them.
    new TBit_pointer<std::uint16_t>(this, "GGA (GPS Position)", SBit::gga, EBit_initial::leave);
    new TBit_pointer<std::uint16_t>(this, "GST (Noise Statistics", SBit::gst, EBit_initial::leave);
    new TBit_pointer<std::uint16_t>(this, "GSV (Satellites in View", SBit::gsv,
                                    EBit_initial::leave);
    new TBit_pointer<std::uint16_t>(this, "GSA (DOP & Active SVs", SBit::gsa, EBit_initial::leave);
}

CGnss_group::CGnss_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                         std::uint16_t byte_count, std::string_view record_size_name)
    : CGroup_record(buffer, buffer_size, number, byte_count,
                    "Group " + std::to_string(number) + " Header"),
      m_gps_mode(new TScalar<std::uint8_t>(this, "GPS Mode", 0)),
      m_sv_count(new TScalar<std::uint8_t>(this, "Number of SV Visible",
                                           static_cast<std::uint8_t>(sv_capacity))),
      m_sv_record_size(new TScalar<std::uint16_t>(this, record_size_name,
                                                  static_cast<std::uint16_t>(CSv_data::record_size))),
      m_sv(new CItem_array<CSv_data>(this, "SV Record", sv_capacity)),
      m_hdop(new TScalar<float>(this, "HDOP")),
      m_vdop(new TScalar<float>(this, "VDOP")),
      m_dgps_latency(new TScalar<float>(this, "DGPS Correction Latency")),
      m_reference_station(new TScalar<std::uint16_t>(this, "DGPS Reference Station ID")),
      m_week_number(new TScalar<std::uint32_t>(this, "GPS/UTC Week Number")),
      m_time_offset(new TScalar<double>(this, "GPS Time Offset")),
      m_nav_latency(new TScalar<float>(this, "GPS Nav Message Latency")),
      m_geoidal_separation(new TScalar<float>(this, "Geoidal Separation"))
{}

void CGnss_group::close_gnss_layout(std::string_view footer_name)
{
    close_layout(footer_name);
    m_fixed_bytes = size() - m_sv->capacity() * CSv_data::record_size;
}

// Twenty bytes a satellite keep the footer's pad the same for every count; the footer moves with
// the items behind the array, and its pad and end marker are written where it now lies.
std::size_t CGnss_group::set_sv_count(std::size_t count)
{
    const std::size_t applied = m_sv->set_count(count);
    relayout();
    std::byte *const footer_start = footer().start();
    std::memset(footer_start, 0, static_cast<std::size_t>(footer().checksum().start() - footer_start));
    footer().end_marker().set(frame::end_marker);
    m_sv_count->set(static_cast<std::uint8_t>(applied));
    header().byte_count().set(static_cast<std::uint16_t>(size() - frame::prefix_length));
    return applied;
}

std::size_t CGnss_group::lay_out_received()
{
    const std::size_t length = frame_length();
    const auto array_start = static_cast<std::size_t>(m_sv->start() - buffer());
    std::size_t held = 0;
    if (length >= m_fixed_bytes) {
        held = (length - m_fixed_bytes) / CSv_data::record_size;
    } else if (length > array_start + frame::trailer_length) {
        held = (length - array_start - frame::trailer_length) / CSv_data::record_size;
    }
    std::size_t wanted = 0;
    if (holds(*m_sv_count)) {
        wanted = m_sv_count->get();
    }
    const std::size_t applied = m_sv->set_count(std::min(wanted, held));
    relayout();
    return applied;
}

CGnss_receiver_group::CGnss_receiver_group(std::byte *buffer, std::size_t buffer_size,
                                           std::uint16_t number,
                                           std::string_view record_size_name,
                                           std::string_view type_name,
                                           std::string_view status_name)
    : CGnss_group(buffer, buffer_size, number, CGroup3::byte_count, record_size_name),
      m_receiver_type(new TScalar<std::uint8_t>(this, type_name)),
      m_receiver_status(new TBit_array<std::uint32_t>(this, status_name, CInvalid::invalid_ulong))
{
    close_gnss_layout("Group " + std::to_string(number) + " Footer");
}

CGroup3::CGroup3(std::byte *buffer, std::size_t buffer_size)
    : CGnss_receiver_group(buffer, buffer_size, number_of_record, "Variable Section Byte Count",
                           "Primary GPS Type", "Primary GPS Status")
{}

CGroup106::CGroup106(std::byte *buffer, std::size_t buffer_size)
    : CGnss_receiver_group(buffer, buffer_size, number_of_record, "SV Record Size",
                           "Secondary GPS Type", "Secondary GPS Status")
{}

CGroup107::CGroup107(std::byte *buffer, std::size_t buffer_size)
    : CGnss_group(buffer, buffer_size, number_of_record, byte_count, "SV Record Size"),
      m_nmea_messages(new CNmea_messages_rxd(this, "NMEA Messages Received")),
      m_aux_data_in_use(new TScalar<std::uint8_t>(this, "Auxiliary Data in Use"))
{
    close_gnss_layout("Group 107 Footer");
}
