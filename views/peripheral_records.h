#pragma once
// The groups of the computer's optional peripheral inputs: the gimbal's angle encoders, the
// target position computed from them, the laser range finder and radar altimeter, the user time
// input, the raw messages of the auxiliary GNSS receivers, and the status of the gimbal and range
// finder processors. Standard library and protocol only, so that the simulator and the tests use
// them without a widget. Laid over the group queue's receive buffer.

#include "protocol/group_base.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Runs and resets of a PVA filter.
class CPva_data : public CComposite_item {
public:
    CPva_data(CComposite_item *parent, std::string_view name);
    TScalar<std::uint32_t> &runs() { return *m_runs; }
    TScalar<std::uint32_t> &resets() { return *m_resets; }

private:
    TScalar<std::uint32_t> *m_runs;
    TScalar<std::uint32_t> *m_resets;
};

// Where the target position came from, and whether it is valid.
class CGroup201_status : public TBit_set<std::uint16_t> {
public:
    struct bits {
        static constexpr unsigned position_valid = 0;
        static constexpr unsigned range_from_laser = 1;
        static constexpr unsigned range_from_radar = 2;
        static constexpr unsigned range_from_gps = 3;
    };

    CGroup201_status(CComposite_item *parent, std::string_view name);
};

// Which of the range finder's two values are valid.
class CGroup202_status : public TBit_set<std::uint16_t> {
public:
    struct bits {
        static constexpr unsigned laser_range_valid = 0;
        static constexpr unsigned laser_altitude_valid = 1;
    };

    CGroup202_status(CComposite_item *parent, std::string_view name);
};

// The range finder processor's status word: which raw value is valid.
class CLrf_status : public TBit_set<std::uint16_t> {
public:
    struct bits {
        static constexpr unsigned range_valid = 0;
        static constexpr unsigned height_valid = 1;
    };

    CLrf_status(CComposite_item *parent, std::string_view name);
};

// True when the frame `record` holds carries `bits` and has bit `bit` set: a bit set the frame
// does not hold, or that holds the computer's "no data", has no valid bit.
template <class TBits>
bool BitSet(const CGroup_base &record, const TBits &bits, unsigned bit)
{
    return record.has_value(bits) && ((bits.get() >> bit) & 1U) != 0;
}

// Every peripheral group: "Group <number> Header", its items, "Group <number> Footer".
class CPeripheral_group : public CGroup_record {
protected:
    CPeripheral_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                      std::uint16_t byte_count);
    void close_layout();
};

// Range finder processor status.
class CGroup20201 : public CPeripheral_group {
public:
    static constexpr std::uint16_t number_of_record = 20201;
    static constexpr std::uint16_t byte_count = 72;

    CGroup20201(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint16_t> &proxy_exceptions() { return *m_proxy_exceptions; }
    TScalar<std::uint16_t> &proxies_queued() { return *m_proxies_queued; }
    TScalar<std::uint16_t> &read_failures() { return *m_read_failures; }
    TScalar<std::uint32_t> &arm_proxies() { return *m_arm_proxies; }
    TScalar<std::uint32_t> &messages_received() { return *m_messages_received; }
    TScalar<std::uint16_t> &checksum_errors() { return *m_checksum_errors; }
    CLrf_status &lrf_status() { return *m_lrf_status; }
    TScalar<std::uint32_t> &raw_laser_range() { return *m_raw_laser_range; }
    TScalar<std::uint32_t> &raw_radar_height() { return *m_raw_radar_height; }
    TScalar<std::uint32_t> &laser_range_runs() { return *m_laser_range_runs; }
    TScalar<std::uint32_t> &laser_range_resets() { return *m_laser_range_resets; }
    TScalar<std::uint32_t> &radar_height_runs() { return *m_radar_height_runs; }
    TScalar<std::uint32_t> &radar_height_resets() { return *m_radar_height_resets; }

private:
    TScalar<std::uint16_t> *m_proxy_exceptions;
    TScalar<std::uint16_t> *m_proxies_queued;
    TScalar<std::uint16_t> *m_read_failures;
    TScalar<std::uint32_t> *m_arm_proxies;
    TScalar<std::uint32_t> *m_messages_received;
    TScalar<std::uint16_t> *m_checksum_errors;
    CLrf_status *m_lrf_status;
    TScalar<std::uint32_t> *m_raw_laser_range;
    TScalar<std::uint32_t> *m_raw_radar_height;
    TScalar<std::uint32_t> *m_laser_range_runs;
    TScalar<std::uint32_t> *m_laser_range_resets;
    TScalar<std::uint32_t> *m_radar_height_runs;
    TScalar<std::uint32_t> *m_radar_height_resets;
};

// Gimbal processor status.
class CGroup20200 : public CPeripheral_group {
public:
    static constexpr std::uint16_t number_of_record = 20200;
    static constexpr std::uint16_t byte_count = 104;
    static constexpr std::size_t port_length = 18;

    CGroup20200(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint32_t> &processor_calls() { return *m_processor_calls; }
    TScalar<std::uint32_t> &messages_received() { return *m_messages_received; }
    TScalar<std::uint32_t> &messages_rejected() { return *m_messages_rejected; }
    TScalar<std::uint32_t> &checksum_errors() { return *m_checksum_errors; }
    TScalar<std::uint32_t> &baud_rate() { return *m_baud_rate; }
    TScalar<std::uint32_t> &characters_received() { return *m_characters_received; }
    TScalar<char *> &hardware_port() { return *m_hardware_port; }
    TScalar<std::uint16_t> &scheduler_proxy_exceptions() { return *m_scheduler_proxy_exceptions; }
    TScalar<std::uint16_t> &message104_proxy_exceptions() { return *m_message104_proxy_exceptions; }
    TScalar<std::uint32_t> &decode_messages_rejected() { return *m_decode_messages_rejected; }
    CPva_data &roll() { return *m_roll; }
    CPva_data &pitch() { return *m_pitch; }
    CPva_data &heading() { return *m_heading; }

private:
    TScalar<std::uint32_t> *m_processor_calls;
    TScalar<std::uint32_t> *m_messages_received;
    TScalar<std::uint32_t> *m_messages_rejected;
    TScalar<std::uint32_t> *m_checksum_errors;
    TScalar<std::uint32_t> *m_baud_rate;
    TScalar<std::uint32_t> *m_characters_received;
    TScalar<char *> *m_hardware_port;
    TScalar<std::uint16_t> *m_scheduler_proxy_exceptions;
    TScalar<std::uint16_t> *m_message104_proxy_exceptions;
    TScalar<std::uint32_t> *m_decode_messages_rejected;
    CPva_data *m_roll;
    CPva_data *m_pitch;
    CPva_data *m_heading;
};

// Target reference position.
class CGroup201 : public CPeripheral_group {
public:
    static constexpr std::uint16_t number_of_record = 201;
    static constexpr std::uint16_t byte_count = 72;

    CGroup201(std::byte *buffer, std::size_t buffer_size);

    TScalar<double> &latitude() { return *m_latitude; }
    TScalar<double> &longitude() { return *m_longitude; }
    TScalar<double> &altitude() { return *m_altitude; }
    TScalar<double> &range() { return *m_range; }
    TScalar<double> &bearing() { return *m_bearing; }
    CGroup201_status &status() { return *m_status; }

private:
    TScalar<double> *m_latitude;
    TScalar<double> *m_longitude;
    TScalar<double> *m_altitude;
    TScalar<double> *m_range;
    TScalar<double> *m_bearing;
    CGroup201_status *m_status;
};

// Gimbal encoder data.
class CGroup200 : public CPeripheral_group {
public:
    static constexpr std::uint16_t number_of_record = 200;
    static constexpr std::uint16_t byte_count = 56;

    CGroup200(std::byte *buffer, std::size_t buffer_size);

    TScalar<double> &roll() { return *m_roll; }
    TScalar<double> &tilt() { return *m_tilt; }
    TScalar<double> &pan() { return *m_pan; }

private:
    TScalar<double> *m_roll;
    TScalar<double> *m_tilt;
    TScalar<double> *m_pan;
};

// Range finder data.
class CGroup202 : public CPeripheral_group {
public:
    static constexpr std::uint16_t number_of_record = 202;
    static constexpr std::uint16_t byte_count = 48;

    CGroup202(std::byte *buffer, std::size_t buffer_size);

    TScalar<double> &laser_range() { return *m_laser_range; }
    TScalar<double> &laser_altitude() { return *m_laser_altitude; }
    CGroup202_status &status() { return *m_status; }

private:
    TScalar<double> *m_laser_range;
    TScalar<double> *m_laser_altitude;
    CGroup202_status *m_status;
};

// User time status; Groups 17 and 204 share the layout.
class CUser_time_group : public CPeripheral_group {
public:
    static constexpr std::uint16_t byte_count = 40;

    TScalar<std::uint32_t> &sync_rejections() { return *m_sync_rejections; }
    TScalar<std::uint32_t> &resyncs() { return *m_resyncs; }
    TScalar<std::uint8_t> &time_valid() { return *m_time_valid; }
    TScalar<std::uint8_t> &message12_received() { return *m_message12_received; }

protected:
    CUser_time_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number);

private:
    TScalar<std::uint32_t> *m_sync_rejections;
    TScalar<std::uint32_t> *m_resyncs;
    TScalar<std::uint8_t> *m_time_valid;
    TScalar<std::uint8_t> *m_message12_received;
};

class CGroup17 : public CUser_time_group {
public:
    static constexpr std::uint16_t number_of_record = 17;
    CGroup17(std::byte *buffer, std::size_t buffer_size)
        : CUser_time_group(buffer, buffer_size, number_of_record)
    {}
};

class CGroup204 : public CUser_time_group {
public:
    static constexpr std::uint16_t number_of_record = 204;
    CGroup204(std::byte *buffer, std::size_t buffer_size)
        : CUser_time_group(buffer, buffer_size, number_of_record)
    {}
};

// A raw message of an auxiliary GNSS receiver, its body as the receiver sent it. The layout
// follows the body: as built, it holds no body bytes.
class CGroup110 : public CPeripheral_group {
public:
    static constexpr std::uint16_t number_of_record = 110;
    static constexpr std::size_t largest_body = 6144;

    CGroup110(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint8_t> &aux_in_use() { return *m_aux_in_use; }
    TScalar<std::uint8_t> &reserved() { return *m_reserved; }
    TScalar<std::uint32_t> &message_number() { return *m_message_number; }
    // What the computer says the body holds; may be more than the frame carries.
    TScalar<std::uint16_t> &message_byte_count() { return *m_message_byte_count; }
    CComposite_byte_array &body() { return *m_body; }
    const CComposite_byte_array &body() const { return *m_body; }

    // Lays a received frame out for the body it carries: the smaller of its message byte count
    // and the bytes the frame holds behind the count, never more than the body's room. Returns
    // the body length laid out. The frame's bytes are left as received.
    std::size_t lay_out_received();
    // Lays out and frames a body of `length` bytes from `bytes` (at most the body's room), with
    // the message byte count to match; returns the length taken. For building frames to send.
    std::size_t set_body(const std::byte *bytes, std::size_t length);

private:
    TScalar<std::uint8_t> *m_aux_in_use;
    TScalar<std::uint8_t> *m_reserved;
    TScalar<std::uint32_t> *m_message_number;
    TScalar<std::uint16_t> *m_message_byte_count;
    CComposite_byte_array *m_body;
};
