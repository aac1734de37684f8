#pragma once
// The GNSS receivers' groups: the primary receiver (Group 3), the secondary receiver (Group 106)
// and the auxiliary receiver (Group 107). They share a layout up to the geoidal separation, with a
// variable array of satellite records in the middle. Standard library and protocol only, so that
// the simulator, the fuzzers and the tests use them without a widget.

#include "protocol/bit_field.h"
#include "protocol/composite.h"
#include "protocol/group_base.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// One tracked satellite.
class CSv_data : public CComposite_item {
public:
    static constexpr std::size_t record_size = 20;

    CSv_data(CComposite_item *parent, std::string_view name);

    TScalar<std::uint16_t> &prn() { return *m_prn; }
    TScalar<std::uint16_t> &status() { return *m_status; }
    TScalar<float> &azimuth() { return *m_azimuth; } // degrees
    TScalar<float> &elevation() { return *m_elevation; } // degrees
    TScalar<float> &l1_snr() { return *m_l1_snr; }
    TScalar<float> &l2_snr() { return *m_l2_snr; }

private:
    TScalar<std::uint16_t> *m_prn;
    TScalar<std::uint16_t> *m_status;
    TScalar<float> *m_azimuth;
    TScalar<float> *m_elevation;
    TScalar<float> *m_l1_snr;
    TScalar<float> *m_l2_snr;
};

// "NMEA Messages Received": which NMEA sentences the auxiliary receiver delivers.
class CNmea_messages_rxd : public TBit_field<std::uint16_t> {
public:
    struct SBit {
        static constexpr unsigned gga = 0;
        static constexpr unsigned gst = 1;
        static constexpr unsigned gsv = 2;
        static constexpr unsigned gsa = 3;
    };

    CNmea_messages_rxd(CComposite_item *parent, std::string_view name);
};

// What the three receivers' groups share: mode, satellites, dilution of precision, differential
// corrections, time and geoidal separation. The satellite array has room for 30 records; a
// received frame is laid out for the count it carries before anything behind the array is read.
class CGnss_group : public CGroup_record {
public:
    static constexpr std::size_t sv_capacity = 30;

    TScalar<std::uint8_t> &gps_mode() { return *m_gps_mode; }
    TScalar<std::uint8_t> &sv_count() { return *m_sv_count; }
    // "Variable Section Byte Count" (Group 3) or "SV Record Size" (Groups 106, 107).
    TScalar<std::uint16_t> &sv_record_size() { return *m_sv_record_size; }
    CItem_array<CSv_data> &sv() { return *m_sv; }
    TScalar<float> &hdop() { return *m_hdop; }
    TScalar<float> &vdop() { return *m_vdop; }
    TScalar<float> &dgps_latency() { return *m_dgps_latency; } // seconds
    TScalar<std::uint16_t> &reference_station() { return *m_reference_station; }
    TScalar<std::uint32_t> &week_number() { return *m_week_number; }
    TScalar<double> &time_offset() { return *m_time_offset; } // seconds
    TScalar<float> &nav_latency() { return *m_nav_latency; } // seconds
    TScalar<float> &geoidal_separation() { return *m_geoidal_separation; } // metres

    // Lays a received frame out for the satellites it carries: never more than the room for 30,
    // nor than the frame's byte count holds, so that a wrong "Number of SV Visible" can neither
    // overrun the array nor move the items behind it outside the frame. A frame long enough for
    // the items behind the array holds them at its end; a frame cut shorter holds the satellites
    // it has room for and not the items it cut. The bytes stay as received. Returns the count
    // applied.
    std::size_t lay_out_received();
    // Lays the record out for `count` satellites (at most 30) to build a frame: count, byte count
    // and footer follow. The items behind the array are to be written afterwards. Returns the
    // count applied.
    std::size_t set_sv_count(std::size_t count);

protected:
    // Header and the shared items up to the geoidal separation; the concrete group adds its own
    // two items and calls close_gnss_layout.
    CGnss_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                std::uint16_t byte_count, std::string_view record_size_name);
    void close_gnss_layout(std::string_view footer_name);

private:
    TScalar<std::uint8_t> *m_gps_mode;
    TScalar<std::uint8_t> *m_sv_count;
    TScalar<std::uint16_t> *m_sv_record_size;
    CItem_array<CSv_data> *m_sv;
    TScalar<float> *m_hdop;
    TScalar<float> *m_vdop;
    TScalar<float> *m_dgps_latency;
    TScalar<std::uint16_t> *m_reference_station;
    TScalar<std::uint32_t> *m_week_number;
    TScalar<double> *m_time_offset;
    TScalar<float> *m_nav_latency;
    TScalar<float> *m_geoidal_separation;
    // Bytes of a frame besides its satellites: everything from the start marker to the end marker.
    std::size_t m_fixed_bytes = 0;
};

// A receiver the computer navigates with: its type and its built-in status word.
class CGnss_receiver_group : public CGnss_group {
public:
    TScalar<std::uint8_t> &receiver_type() { return *m_receiver_type; }
    TBit_array<std::uint32_t> &receiver_status() { return *m_receiver_status; }

protected:
    CGnss_receiver_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                         std::string_view record_size_name, std::string_view type_name,
                         std::string_view status_name);

private:
    TScalar<std::uint8_t> *m_receiver_type;
    TBit_array<std::uint32_t> *m_receiver_status;
};

// The primary GNSS receiver.
class CGroup3 : public CGnss_receiver_group {
public:
    static constexpr std::uint16_t number_of_record = 3;
    static constexpr std::uint16_t byte_count = 676;
    CGroup3(std::byte *buffer, std::size_t buffer_size);
};

// The secondary GNSS receiver.
class CGroup106 : public CGnss_receiver_group {
public:
    static constexpr std::uint16_t number_of_record = 106;
    static constexpr std::uint16_t byte_count = 676;
    CGroup106(std::byte *buffer, std::size_t buffer_size);
};

// The auxiliary GNSS receiver: the NMEA sentences it delivers and which auxiliary receiver's data
// the computer uses.
class CGroup107 : public CGnss_group {
public:
    static constexpr std::uint16_t number_of_record = 107;
    static constexpr std::uint16_t byte_count = 672;
    CGroup107(std::byte *buffer, std::size_t buffer_size);

    CNmea_messages_rxd &nmea_messages() { return *m_nmea_messages; }
    TScalar<std::uint8_t> &aux_data_in_use() { return *m_aux_data_in_use; }

private:
    CNmea_messages_rxd *m_nmea_messages;
    TScalar<std::uint8_t> *m_aux_data_in_use;
};
