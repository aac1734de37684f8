#pragma once
// The status groups of the computer's tasks and ports: the serial, analog and Ethernet output
// ports, the receivers' processors, the discretes, the IMU, the system monitor, the output and
// input managers, PC card logging and the TWAN task. Standard library and protocol only, so that
// the simulator and the tests use them without a widget. Laid over the group queue's receive
// buffer.

#include "protocol/group_base.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Every status group: "Group <number> Header", its items, "Group <number> Footer".
class CStatus_group : public CGroup_record {
protected:
    // Writes the header; the concrete group then creates its items and calls close_layout().
    CStatus_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                  std::uint16_t byte_count);
    void close_layout();
};

// The valid messages of a port, one bit per message.
class CNmea_valid_msgs : public TBit_set<std::uint32_t> {
public:
    struct bits {
        static constexpr unsigned iin_data = 0;
        static constexpr unsigned group_2 = 1;
        static constexpr unsigned group_3 = 2;
        static constexpr unsigned group_101 = 3;
        static constexpr unsigned error_message = 5;
        static constexpr unsigned offset_message = 6;
        static constexpr unsigned date_message = 7;
    };

    CNmea_valid_msgs(CComposite_item *parent, std::string_view name);
};

class CDac_valid_msgs : public TBit_set<std::uint32_t> {
public:
    struct bits {
        static constexpr unsigned iin_data = 0;
    };

    CDac_valid_msgs(CComposite_item *parent, std::string_view name);
};

class CRt_output_valid_msgs : public TBit_set<std::uint32_t> {
public:
    struct bits {
        static constexpr unsigned iin_data = 0;
        static constexpr unsigned offset_message = 1;
    };

    CRt_output_valid_msgs(CComposite_item *parent, std::string_view name);
};

// Why the input manager rejected the last message it rejected, one bit per check.
class CIm_error_codes : public TBit_set<std::uint32_t> {
public:
    struct bits {
        static constexpr unsigned message_start = 0;
        static constexpr unsigned message_end = 1;
        static constexpr unsigned byte_count = 2;
        static constexpr unsigned checksum = 3;
    };

    CIm_error_codes(CComposite_item *parent, std::string_view name);
};

// NMEA (COM1) port status.
class CGroup20114 : public CStatus_group {
public:
    static constexpr std::uint16_t number_of_record = 20114;
    static constexpr std::uint16_t byte_count = 68;

    CGroup20114(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint16_t> &proxy_exceptions() { return *m_proxy_exceptions; }
    TScalar<std::uint16_t> &proxy_count() { return *m_proxy_count; }
    TScalar<std::uint16_t> &com_write_failures() { return *m_com_write_failures; }
    TScalar<std::uint32_t> &schedule_count() { return *m_schedule_count; }
    CNmea_valid_msgs &valid_messages() { return *m_valid_messages; }
    // 0 when the port was set up.
    TScalar<std::uint8_t> &port_setup() { return *m_port_setup; }
    // The serial port's number; 0 when not known.
    TScalar<std::uint8_t> &com_port() { return *m_com_port; }
    TScalar<std::uint32_t> &mpa_request_failures() { return *m_mpa_request_failures; }
    TScalar<char *> &failed_group_name() { return *m_failed_group_name; }
    TScalar<std::int16_t> &last_mpa_failure_status() { return *m_last_mpa_failure_status; }

private:
    TScalar<std::uint16_t> *m_proxy_exceptions;
    TScalar<std::uint16_t> *m_proxy_count;
    TScalar<std::uint16_t> *m_com_write_failures;
    TScalar<std::uint32_t> *m_schedule_count;
    CNmea_valid_msgs *m_valid_messages;
    TScalar<std::uint8_t> *m_port_setup;
    TScalar<std::uint8_t> *m_com_port;
    TScalar<std::uint32_t> *m_mpa_request_failures;
    TScalar<char *> *m_failed_group_name;
    TScalar<std::int16_t> *m_last_mpa_failure_status;
};

// TWAN task status. The first three names are those of the integrated navigator's groups.
class CGroup20117 : public CStatus_group {
public:
    static constexpr std::uint16_t number_of_record = 20117;
    static constexpr std::uint16_t byte_count = 192;
    static constexpr std::size_t data_count = 10;

    CGroup20117(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint32_t> &fopen_error() { return *m_fopen_error; }
    TScalar<std::uint32_t> &twan_runs() { return *m_twan_runs; }
    TScalar<std::uint32_t> &twan_restarts() { return *m_twan_restarts; }
    TScalar<std::uint8_t> &att_data_status() { return *m_att_data_status; }
    TScalar<std::uint8_t> &dpos_status() { return *m_dpos_status; }
    TScalar<std::uint8_t> &target_mode() { return *m_target_mode; }
    TScalar<std::uint8_t> &estimate_mode() { return *m_estimate_mode; }
    TScalar<std::uint8_t> &measurements_used() { return *m_measurements_used; }
    TScalar<std::uint32_t> &msgs_from_iin() { return *m_msgs_from_iin; }
    TScalar<std::uint32_t> &msgs_from_primary_gps() { return *m_msgs_from_primary_gps; }
    TScalar<std::uint32_t> &msgs_from_secondary_gps() { return *m_msgs_from_secondary_gps; }
    TScalar<std::uint32_t> &iin_proxies_queued() { return *m_iin_proxies_queued; }
    TScalar<std::uint32_t> &primary_gps_proxies_queued() { return *m_primary_gps_proxies_queued; }
    TScalar<std::uint32_t> &secondary_gps_proxies_queued()
    {
        return *m_secondary_gps_proxies_queued;
    }
    TScalar<std::uint32_t> &primary_gps_navclk() { return *m_primary_gps_navclk; }
    TScalar<std::uint32_t> &primary_gps_rephem() { return *m_primary_gps_rephem; }
    TScalar<std::uint32_t> &scheduler_proxies() { return *m_scheduler_proxies; }
    TScalar<std::uint32_t> &msgs_from_imgr() { return *m_msgs_from_imgr; }
    // Named "No. of mgs from imgr" like the one before it: the input manager's rejected messages.
    TScalar<std::uint32_t> &imgr_msgs_rejected() { return *m_imgr_msgs_rejected; }
    TScalar<std::uint32_t> &iin_mode_proxies() { return *m_iin_mode_proxies; }
    TScalar<std::int32_t> &mpa_status() { return *m_mpa_status; }
    TScalar<std::uint32_t> &error_1() { return *m_error_1; }
    TScalar<std::uint32_t> &error_2() { return *m_error_2; }
    TScalar<std::uint32_t> &error_3() { return *m_error_3; }
    // "Data 1" to "Data 10": `index` from 0 to 9.
    TScalar<double> &data(std::size_t index) { return *m_data[index]; }

private:
    TScalar<std::uint32_t> *m_fopen_error;
    TScalar<std::uint32_t> *m_twan_runs;
    TScalar<std::uint32_t> *m_twan_restarts;
    TScalar<std::uint8_t> *m_att_data_status;
    TScalar<std::uint8_t> *m_dpos_status;
    TScalar<std::uint8_t> *m_target_mode;
    TScalar<std::uint8_t> *m_estimate_mode;
    TScalar<std::uint8_t> *m_measurements_used;
    TScalar<std::uint32_t> *m_msgs_from_iin;
    TScalar<std::uint32_t> *m_msgs_from_primary_gps;
    TScalar<std::uint32_t> *m_msgs_from_secondary_gps;
    TScalar<std::uint32_t> *m_iin_proxies_queued;
    TScalar<std::uint32_t> *m_primary_gps_proxies_queued;
    TScalar<std::uint32_t> *m_secondary_gps_proxies_queued;
    TScalar<std::uint32_t> *m_primary_gps_navclk;
    TScalar<std::uint32_t> *m_primary_gps_rephem;
    TScalar<std::uint32_t> *m_scheduler_proxies;
    TScalar<std::uint32_t> *m_msgs_from_imgr;
    TScalar<std::uint32_t> *m_imgr_msgs_rejected;
    TScalar<std::uint32_t> *m_iin_mode_proxies;
    TScalar<std::int32_t> *m_mpa_status;
    TScalar<std::uint32_t> *m_error_1;
    TScalar<std::uint32_t> *m_error_2;
    TScalar<std::uint32_t> *m_error_3;
    std::array<TScalar<double> *, data_count> m_data;
};

// Analog output port status.
class CGroup20121 : public CStatus_group {
public:
    static constexpr std::uint16_t number_of_record = 20121;
    static constexpr std::uint16_t byte_count = 64;

    CGroup20121(std::byte *buffer, std::size_t buffer_size);

    TScalar<char *> &hardware_interface() { return *m_hardware_interface; }
    TScalar<std::uint16_t> &proxy_exceptions() { return *m_proxy_exceptions; }
    TScalar<std::uint16_t> &proxy_count() { return *m_proxy_count; }
    TScalar<std::uint32_t> &schedule_count() { return *m_schedule_count; }
    CDac_valid_msgs &valid_messages() { return *m_valid_messages; }
    TScalar<std::uint8_t> &mode() { return *m_mode; }

private:
    TScalar<char *> *m_hardware_interface;
    TScalar<std::uint16_t> *m_proxy_exceptions;
    TScalar<std::uint16_t> *m_proxy_count;
    TScalar<std::uint32_t> *m_schedule_count;
    CDac_valid_msgs *m_valid_messages;
    TScalar<std::uint8_t> *m_mode;
};

// Binary (real-time, COM2) output port status.
class CGroup20119 : public CStatus_group {
public:
    static constexpr std::uint16_t number_of_record = 20119;
    static constexpr std::uint16_t byte_count = 48;

    CGroup20119(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint16_t> &proxy_exceptions() { return *m_proxy_exceptions; }
    TScalar<std::uint16_t> &proxy_count() { return *m_proxy_count; }
    TScalar<std::uint16_t> &com_write_failures() { return *m_com_write_failures; }
    TScalar<std::uint32_t> &schedule_count() { return *m_schedule_count; }
    CRt_output_valid_msgs &valid_messages() { return *m_valid_messages; }
    TScalar<std::uint8_t> &port_setup() { return *m_port_setup; }
    TScalar<std::uint8_t> &com_port() { return *m_com_port; }
    TScalar<std::uint8_t> &mode() { return *m_mode; }

private:
    TScalar<std::uint16_t> *m_proxy_exceptions;
    TScalar<std::uint16_t> *m_proxy_count;
    TScalar<std::uint16_t> *m_com_write_failures;
    TScalar<std::uint32_t> *m_schedule_count;
    CRt_output_valid_msgs *m_valid_messages;
    TScalar<std::uint8_t> *m_port_setup;
    TScalar<std::uint8_t> *m_com_port;
    TScalar<std::uint8_t> *m_mode;
};

// A GNSS receiver's processor status: what Groups 20112 and 20113 share. The concrete group adds
// its own items after them and calls close_layout().
class CGps_processor_status : public CStatus_group {
public:
    TScalar<std::uint32_t> &processor_calls() { return *m_processor_calls; }
    TScalar<float> &execution_time() { return *m_execution_time; }
    TScalar<std::uint32_t> &messages_received() { return *m_messages_received; }
    TScalar<std::uint32_t> &messages_rejected() { return *m_messages_rejected; }
    TScalar<std::uint32_t> &position_messages() { return *m_position_messages; }
    TScalar<std::uint32_t> &velocity_messages() { return *m_velocity_messages; }
    TScalar<std::uint32_t> &time_recovery_messages() { return *m_time_recovery_messages; }
    TScalar<std::uint32_t> &clock_messages() { return *m_clock_messages; }
    TScalar<std::uint32_t> &raw_observable_messages() { return *m_raw_observable_messages; }
    TScalar<std::uint32_t> &dop_messages() { return *m_dop_messages; }
    TScalar<std::uint32_t> &ephemeris_messages() { return *m_ephemeris_messages; }
    TScalar<std::uint32_t> &satellite_messages() { return *m_satellite_messages; }
    TScalar<std::uint32_t> &version_messages() { return *m_version_messages; }
    TScalar<std::uint32_t> &zda_messages() { return *m_zda_messages; }
    TScalar<std::uint32_t> &gsa_messages() { return *m_gsa_messages; }
    TScalar<std::uint32_t> &gga_messages() { return *m_gga_messages; }
    TScalar<std::uint32_t> &other_messages() { return *m_other_messages; }
    TScalar<std::uint32_t> &checksum_errors() { return *m_checksum_errors; }
    // 0 while the receiver's port is not being configured.
    TScalar<std::uint16_t> &autoconfig_status() { return *m_autoconfig_status; }
    TScalar<std::uint32_t> &autoconfig_baud_rate() { return *m_autoconfig_baud_rate; }
    TScalar<std::uint32_t> &characters_received() { return *m_characters_received; }
    TScalar<std::uint8_t> &serial_port() { return *m_serial_port; }
    TScalar<std::uint16_t> &scheduler_proxy_exceptions() { return *m_scheduler_proxy_exceptions; }
    // Message 5 for the primary receiver, Message 110 for the secondary.
    TScalar<std::uint16_t> &receiver_message_proxy_exceptions()
    {
        return *m_receiver_message_proxy_exceptions;
    }
    TScalar<std::uint16_t> &message10_proxy_exceptions() { return *m_message10_proxy_exceptions; }
    TScalar<std::uint32_t> &ascii_parse_rejected() { return *m_ascii_parse_rejected; }
    TScalar<std::uint32_t> &binary_parse_rejected() { return *m_binary_parse_rejected; }
    TScalar<std::uint32_t> &config_messages_sent() { return *m_config_messages_sent; }
    TScalar<std::uint32_t> &single_messages_sent() { return *m_single_messages_sent; }
    TScalar<std::uint32_t> &set_rtcm_messages_sent() { return *m_set_rtcm_messages_sent; }
    TScalar<std::uint32_t> &reset_rtcm_messages_sent() { return *m_reset_rtcm_messages_sent; }
    TScalar<std::uint32_t> &decode_rejected() { return *m_decode_rejected; }
    TScalar<char *> &last_decode_rejected() { return *m_last_decode_rejected; }
    TScalar<std::uint32_t> &cpu_load() { return *m_cpu_load; }

protected:
    // `receiver_message_name` names the proxy exceptions of the receiver's own message.
    CGps_processor_status(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                          std::uint16_t byte_count, std::string_view receiver_message_name);

private:
    TScalar<std::uint32_t> *m_processor_calls;
    TScalar<float> *m_execution_time;
    TScalar<std::uint32_t> *m_messages_received;
    TScalar<std::uint32_t> *m_messages_rejected;
    TScalar<std::uint32_t> *m_position_messages;
    TScalar<std::uint32_t> *m_velocity_messages;
    TScalar<std::uint32_t> *m_time_recovery_messages;
    TScalar<std::uint32_t> *m_clock_messages;
    TScalar<std::uint32_t> *m_raw_observable_messages;
    TScalar<std::uint32_t> *m_dop_messages;
    TScalar<std::uint32_t> *m_ephemeris_messages;
    TScalar<std::uint32_t> *m_satellite_messages;
    TScalar<std::uint32_t> *m_version_messages;
    TScalar<std::uint32_t> *m_zda_messages;
    TScalar<std::uint32_t> *m_gsa_messages;
    TScalar<std::uint32_t> *m_gga_messages;
    TScalar<std::uint32_t> *m_other_messages;
    TScalar<std::uint32_t> *m_checksum_errors;
    TScalar<std::uint16_t> *m_autoconfig_status;
    TScalar<std::uint32_t> *m_autoconfig_baud_rate;
    TScalar<std::uint32_t> *m_characters_received;
    TScalar<std::uint8_t> *m_serial_port;
    TScalar<std::uint16_t> *m_scheduler_proxy_exceptions;
    TScalar<std::uint16_t> *m_receiver_message_proxy_exceptions;
    TScalar<std::uint16_t> *m_message10_proxy_exceptions;
    TScalar<std::uint32_t> *m_ascii_parse_rejected;
    TScalar<std::uint32_t> *m_binary_parse_rejected;
    TScalar<std::uint32_t> *m_config_messages_sent;
    TScalar<std::uint32_t> *m_single_messages_sent;
    TScalar<std::uint32_t> *m_set_rtcm_messages_sent;
    TScalar<std::uint32_t> *m_reset_rtcm_messages_sent;
    TScalar<std::uint32_t> *m_decode_rejected;
    TScalar<char *> *m_last_decode_rejected;
    TScalar<std::uint32_t> *m_cpu_load;
};

// Primary GNSS receiver processor status, with the subscription and seeding of its correction
// service.
class CGroup20112 : public CGps_processor_status {
public:
    static constexpr std::uint16_t number_of_record = 20112;
    static constexpr std::uint16_t byte_count = 188;

    CGroup20112(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint16_t> &subscription_start_year() { return *m_subscription_start_year; }
    TScalar<std::uint8_t> &subscription_start_month() { return *m_subscription_start_month; }
    TScalar<std::uint8_t> &subscription_start_day() { return *m_subscription_start_day; }
    TScalar<std::uint16_t> &subscription_end_year() { return *m_subscription_end_year; }
    TScalar<std::uint8_t> &subscription_end_month() { return *m_subscription_end_month; }
    TScalar<std::uint8_t> &subscription_end_day() { return *m_subscription_end_day; }
    TScalar<std::uint8_t> &active_flag() { return *m_active_flag; }
    TScalar<std::uint8_t> &engine_mode() { return *m_engine_mode; }
    TScalar<std::uint8_t> &subscribed_engine_mode() { return *m_subscribed_engine_mode; }
    TScalar<float> &horizontal_3_sigma() { return *m_horizontal_3_sigma; }
    TScalar<float> &vertical_3_sigma() { return *m_vertical_3_sigma; }
    TScalar<std::uint8_t> &receiver_operation_mode() { return *m_receiver_operation_mode; }
    TScalar<std::uint8_t> &omni_star_operation_mode() { return *m_omni_star_operation_mode; }
    TScalar<std::uint8_t> &startup_seeding() { return *m_startup_seeding; }
    TScalar<std::uint8_t> &dynamic_seeding() { return *m_dynamic_seeding; }
    TScalar<std::uint8_t> &seeding_quality() { return *m_seeding_quality; }
    TScalar<std::uint16_t> &reserved_1() { return *m_reserved_1; }
    TScalar<std::uint16_t> &reserved_2() { return *m_reserved_2; }
    TScalar<std::uint16_t> &reserved_3() { return *m_reserved_3; }

private:
    TScalar<std::uint16_t> *m_subscription_start_year;
    TScalar<std::uint8_t> *m_subscription_start_month;
    TScalar<std::uint8_t> *m_subscription_start_day;
    TScalar<std::uint16_t> *m_subscription_end_year;
    TScalar<std::uint8_t> *m_subscription_end_month;
    TScalar<std::uint8_t> *m_subscription_end_day;
    TScalar<std::uint8_t> *m_active_flag;
    TScalar<std::uint8_t> *m_engine_mode;
    TScalar<std::uint8_t> *m_subscribed_engine_mode;
    TScalar<float> *m_horizontal_3_sigma;
    TScalar<float> *m_vertical_3_sigma;
    TScalar<std::uint8_t> *m_receiver_operation_mode;
    TScalar<std::uint8_t> *m_omni_star_operation_mode;
    TScalar<std::uint8_t> *m_startup_seeding;
    TScalar<std::uint8_t> *m_dynamic_seeding;
    TScalar<std::uint8_t> *m_seeding_quality;
    TScalar<std::uint16_t> *m_reserved_1;
    TScalar<std::uint16_t> *m_reserved_2;
    TScalar<std::uint16_t> *m_reserved_3;
};

// Secondary GNSS receiver processor status.
class CGroup20113 : public CGps_processor_status {
public:
    static constexpr std::uint16_t number_of_record = 20113;
    static constexpr std::uint16_t byte_count = 160;

    CGroup20113(std::byte *buffer, std::size_t buffer_size);
};

// An auxiliary GNSS receiver's processor status: Groups 20122 and 20123 share this layout.
class CAux_gps_status : public CStatus_group {
public:
    static constexpr std::uint16_t byte_count = 116;

    TScalar<std::uint32_t> &processor_calls() { return *m_processor_calls; }
    TScalar<float> &execution_time() { return *m_execution_time; }
    TScalar<std::uint32_t> &messages_received() { return *m_messages_received; }
    TScalar<std::uint32_t> &messages_rejected() { return *m_messages_rejected; }
    TScalar<std::uint32_t> &gga_messages() { return *m_gga_messages; }
    TScalar<std::uint32_t> &gsa_messages() { return *m_gsa_messages; }
    TScalar<std::uint32_t> &gst_messages() { return *m_gst_messages; }
    TScalar<std::uint32_t> &gsv_messages() { return *m_gsv_messages; }
    TScalar<std::uint32_t> &other_messages() { return *m_other_messages; }
    TScalar<std::uint32_t> &checksum_errors() { return *m_checksum_errors; }
    TScalar<std::uint32_t> &baud_rate() { return *m_baud_rate; }
    TScalar<std::uint32_t> &characters_received() { return *m_characters_received; }
    TScalar<char *> &port() { return *m_port; }
    TScalar<std::uint16_t> &scheduler_proxy_exceptions() { return *m_scheduler_proxy_exceptions; }
    TScalar<std::uint16_t> &message104_proxy_exceptions() { return *m_message104_proxy_exceptions; }
    TScalar<std::uint32_t> &ascii_parse_rejected() { return *m_ascii_parse_rejected; }
    TScalar<std::uint32_t> &decode_rejected() { return *m_decode_rejected; }
    TScalar<char *> &last_decode_rejected() { return *m_last_decode_rejected; }

protected:
    CAux_gps_status(std::byte *buffer, std::size_t buffer_size, std::uint16_t number);

private:
    TScalar<std::uint32_t> *m_processor_calls;
    TScalar<float> *m_execution_time;
    TScalar<std::uint32_t> *m_messages_received;
    TScalar<std::uint32_t> *m_messages_rejected;
    TScalar<std::uint32_t> *m_gga_messages;
    TScalar<std::uint32_t> *m_gsa_messages;
    TScalar<std::uint32_t> *m_gst_messages;
    TScalar<std::uint32_t> *m_gsv_messages;
    TScalar<std::uint32_t> *m_other_messages;
    TScalar<std::uint32_t> *m_checksum_errors;
    TScalar<std::uint32_t> *m_baud_rate;
    TScalar<std::uint32_t> *m_characters_received;
    TScalar<char *> *m_port;
    TScalar<std::uint16_t> *m_scheduler_proxy_exceptions;
    TScalar<std::uint16_t> *m_message104_proxy_exceptions;
    TScalar<std::uint32_t> *m_ascii_parse_rejected;
    TScalar<std::uint32_t> *m_decode_rejected;
    TScalar<char *> *m_last_decode_rejected;
};

// Auxiliary GNSS receiver 1.
class CGroup20122 : public CAux_gps_status {
public:
    static constexpr std::uint16_t number_of_record = 20122;
    CGroup20122(std::byte *buffer, std::size_t buffer_size)
        : CAux_gps_status(buffer, buffer_size, number_of_record)
    {}
};

// Auxiliary GNSS receiver 2.
class CGroup20123 : public CAux_gps_status {
public:
    static constexpr std::uint16_t number_of_record = 20123;
    CGroup20123(std::byte *buffer, std::size_t buffer_size)
        : CAux_gps_status(buffer, buffer_size, number_of_record)
    {}
};

// Discrete (timing and event) processor status. The computer may leave the user-time tail off.
class CGroup20110 : public CStatus_group {
public:
    static constexpr std::uint16_t number_of_record = 20110;
    static constexpr std::uint16_t byte_count = 192;
    // The byte count of the group sent without its user-time tail.
    static constexpr std::uint16_t short_byte_count = 160;

    CGroup20110(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint32_t> &scheduler_proxies() { return *m_scheduler_proxies; }
    TScalar<std::uint32_t> &time_recovery_proxies() { return *m_time_recovery_proxies; }
    TScalar<std::uint32_t> &other_proxies() { return *m_other_proxies; }
    TScalar<std::uint32_t> &proxy_exceptions() { return *m_proxy_exceptions; }
    TScalar<std::uint32_t> &proxies_queued() { return *m_proxies_queued; }
    TScalar<std::int32_t> &mpa_status() { return *m_mpa_status; }
    TScalar<std::uint32_t> &tov_hits() { return *m_tov_hits; }
    TScalar<std::uint32_t> &pps_hits() { return *m_pps_hits; }
    TScalar<std::uint32_t> &event_1_hits() { return *m_event_1_hits; }
    TScalar<std::uint32_t> &event_2_hits() { return *m_event_2_hits; }
    TScalar<std::uint32_t> &slope_hits() { return *m_slope_hits; }
    TScalar<double> &drift_slope() { return *m_drift_slope; }
    TScalar<double> &clock_rate() { return *m_clock_rate; }
    TScalar<double> &time_recovery() { return *m_time_recovery; }
    TScalar<double> &previous_time_recovery() { return *m_previous_time_recovery; }
    TScalar<double> &raw_pps_time() { return *m_raw_pps_time; }
    TScalar<double> &previous_raw_pps_time() { return *m_previous_raw_pps_time; }
    TScalar<double> &utc_offset() { return *m_utc_offset; }
    TScalar<double> &gps_offset() { return *m_gps_offset; }
    TScalar<double> &user_offset() { return *m_user_offset; }
    // -1 reverse, 0 stationary, 1 forward.
    TScalar<std::int16_t> &direction_of_travel() { return *m_direction_of_travel; }
    TScalar<std::uint32_t> &up_counter_hits() { return *m_up_counter_hits; }
    TScalar<std::uint32_t> &up_down_counter_hits() { return *m_up_down_counter_hits; }
    TScalar<std::uint32_t> &up_down_counter_hits_at_event_2()
    {
        return *m_up_down_counter_hits_at_event_2;
    }
    // The user-time tail, sent only in the long form.
    TScalar<double> &user_drift_slope() { return *m_user_drift_slope; }
    TScalar<double> &user_clock_rate() { return *m_user_clock_rate; }
    TScalar<double> &user_time_recovery() { return *m_user_time_recovery; }
    TScalar<double> &previous_user_time_recovery() { return *m_previous_user_time_recovery; }

private:
    TScalar<std::uint32_t> *m_scheduler_proxies;
    TScalar<std::uint32_t> *m_time_recovery_proxies;
    TScalar<std::uint32_t> *m_other_proxies;
    TScalar<std::uint32_t> *m_proxy_exceptions;
    TScalar<std::uint32_t> *m_proxies_queued;
    TScalar<std::int32_t> *m_mpa_status;
    TScalar<std::uint32_t> *m_tov_hits;
    TScalar<std::uint32_t> *m_pps_hits;
    TScalar<std::uint32_t> *m_event_1_hits;
    TScalar<std::uint32_t> *m_event_2_hits;
    TScalar<std::uint32_t> *m_slope_hits;
    TScalar<double> *m_drift_slope;
    TScalar<double> *m_clock_rate;
    TScalar<double> *m_time_recovery;
    TScalar<double> *m_previous_time_recovery;
    TScalar<double> *m_raw_pps_time;
    TScalar<double> *m_previous_raw_pps_time;
    TScalar<double> *m_utc_offset;
    TScalar<double> *m_gps_offset;
    TScalar<double> *m_user_offset;
    TScalar<std::int16_t> *m_direction_of_travel;
    TScalar<std::uint32_t> *m_up_counter_hits;
    TScalar<std::uint32_t> *m_up_down_counter_hits;
    TScalar<std::uint32_t> *m_up_down_counter_hits_at_event_2;
    TScalar<double> *m_user_drift_slope;
    TScalar<double> *m_user_clock_rate;
    TScalar<double> *m_user_time_recovery;
    TScalar<double> *m_previous_user_time_recovery;
};

// IMU processor status.
class CGroup20111 : public CStatus_group {
public:
    static constexpr std::uint16_t number_of_record = 20111;
    static constexpr std::uint16_t byte_count = 76;

    CGroup20111(std::byte *buffer, std::size_t buffer_size);

    TScalar<char *> &hardware_interface() { return *m_hardware_interface; }
    TScalar<std::uint16_t> &io_address() { return *m_io_address; }
    TScalar<std::uint32_t> &processor_calls() { return *m_processor_calls; }
    TScalar<std::uint32_t> &data_frames() { return *m_data_frames; }
    TScalar<std::uint32_t> &proxy_exceptions() { return *m_proxy_exceptions; }
    TScalar<std::uint32_t> &proxies_queued() { return *m_proxies_queued; }
    TScalar<std::uint32_t> &bad_data_frames() { return *m_bad_data_frames; }
    TScalar<std::uint16_t> &status_summary_word() { return *m_status_summary_word; }
    TScalar<std::uint32_t> &timeouts() { return *m_timeouts; }

private:
    TScalar<char *> *m_hardware_interface;
    TScalar<std::uint16_t> *m_io_address;
    TScalar<std::uint32_t> *m_processor_calls;
    TScalar<std::uint32_t> *m_data_frames;
    TScalar<std::uint32_t> *m_proxy_exceptions;
    TScalar<std::uint32_t> *m_proxies_queued;
    TScalar<std::uint32_t> *m_bad_data_frames;
    TScalar<std::uint16_t> *m_status_summary_word;
    TScalar<std::uint32_t> *m_timeouts;
};

// System monitor.
class CGroup20118 : public CStatus_group {
public:
    static constexpr std::uint16_t number_of_record = 20118;
    static constexpr std::uint16_t byte_count = 60;

    CGroup20118(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint32_t> &schedule_count() { return *m_schedule_count; }
    TScalar<std::uint16_t> &proxy_exceptions() { return *m_proxy_exceptions; }
    TScalar<std::uint16_t> &proxy_count() { return *m_proxy_count; }
    TScalar<std::uint8_t> &tasks_status() { return *m_tasks_status; }
    TScalar<char *> &dead_task_name() { return *m_dead_task_name; }

private:
    TScalar<std::uint32_t> *m_schedule_count;
    TScalar<std::uint16_t> *m_proxy_exceptions;
    TScalar<std::uint16_t> *m_proxy_count;
    TScalar<std::uint8_t> *m_tasks_status;
    TScalar<char *> *m_dead_task_name;
};

// Output manager status. The computer may leave the socket tail off.
class CGroup20115 : public CStatus_group {
public:
    static constexpr std::uint16_t number_of_record = 20115;
    static constexpr std::uint16_t byte_count = 156;
    // The byte count of the group sent without its socket tail.
    static constexpr std::uint16_t short_byte_count = 136;

    CGroup20115(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint32_t> &mpa_request_failures() { return *m_mpa_request_failures; }
    TScalar<char *> &failed_name() { return *m_failed_name; }
    TScalar<std::int16_t> &last_mpa_failure_status() { return *m_last_mpa_failure_status; }
    TScalar<std::uint32_t> &display_port_reconfigurations()
    {
        return *m_display_port_reconfigurations;
    }
    TScalar<std::uint32_t> &last_display_port_error() { return *m_last_display_port_error; }
    TScalar<std::uint32_t> &data_port_reconfigurations() { return *m_data_port_reconfigurations; }
    TScalar<std::uint32_t> &last_data_port_error() { return *m_last_data_port_error; }
    TScalar<std::uint32_t> &logging_port_reconfigurations()
    {
        return *m_logging_port_reconfigurations;
    }
    TScalar<std::uint32_t> &last_logging_port_error() { return *m_last_logging_port_error; }
    TScalar<std::uint32_t> &display_port_writes() { return *m_display_port_writes; }
    TScalar<std::uint32_t> &data_port_writes() { return *m_data_port_writes; }
    TScalar<std::uint32_t> &logging_port_writes() { return *m_logging_port_writes; }
    TScalar<std::uint32_t> &message_1_accepted() { return *m_message_1_accepted; }
    TScalar<std::uint32_t> &message_1_rejected() { return *m_message_1_rejected; }
    TScalar<std::uint32_t> &message_2_accepted() { return *m_message_2_accepted; }
    TScalar<std::uint32_t> &message_2_rejected() { return *m_message_2_rejected; }
    TScalar<std::uint32_t> &message_3_accepted() { return *m_message_3_accepted; }
    TScalar<std::uint32_t> &message_3_rejected() { return *m_message_3_rejected; }
    TScalar<std::uint32_t> &message_4_accepted() { return *m_message_4_accepted; }
    TScalar<std::uint32_t> &message_4_rejected() { return *m_message_4_rejected; }
    TScalar<std::uint32_t> &message_8_accepted() { return *m_message_8_accepted; }
    TScalar<std::uint32_t> &message_8_rejected() { return *m_message_8_rejected; }
    TScalar<std::uint32_t> &message_14_accepted() { return *m_message_14_accepted; }
    TScalar<std::uint32_t> &message_14_rejected() { return *m_message_14_rejected; }
    // The socket tail, sent only in the long form. The address is IPv4, most significant byte the
    // first of the dotted form.
    TScalar<std::uint32_t> &controller_address() { return *m_controller_address; }
    TScalar<std::uint16_t> &control_port() { return *m_control_port; }
    TScalar<std::uint32_t> &last_control_port_error() { return *m_last_control_port_error; }
    TScalar<char *> &failed_port_operation() { return *m_failed_port_operation; }

private:
    TScalar<std::uint32_t> *m_mpa_request_failures;
    TScalar<char *> *m_failed_name;
    TScalar<std::int16_t> *m_last_mpa_failure_status;
    TScalar<std::uint32_t> *m_display_port_reconfigurations;
    TScalar<std::uint32_t> *m_last_display_port_error;
    TScalar<std::uint32_t> *m_data_port_reconfigurations;
    TScalar<std::uint32_t> *m_last_data_port_error;
    TScalar<std::uint32_t> *m_logging_port_reconfigurations;
    TScalar<std::uint32_t> *m_last_logging_port_error;
    TScalar<std::uint32_t> *m_display_port_writes;
    TScalar<std::uint32_t> *m_data_port_writes;
    TScalar<std::uint32_t> *m_logging_port_writes;
    TScalar<std::uint32_t> *m_message_1_accepted;
    TScalar<std::uint32_t> *m_message_1_rejected;
    TScalar<std::uint32_t> *m_message_2_accepted;
    TScalar<std::uint32_t> *m_message_2_rejected;
    TScalar<std::uint32_t> *m_message_3_accepted;
    TScalar<std::uint32_t> *m_message_3_rejected;
    TScalar<std::uint32_t> *m_message_4_accepted;
    TScalar<std::uint32_t> *m_message_4_rejected;
    TScalar<std::uint32_t> *m_message_8_accepted;
    TScalar<std::uint32_t> *m_message_8_rejected;
    TScalar<std::uint32_t> *m_message_14_accepted;
    TScalar<std::uint32_t> *m_message_14_rejected;
    TScalar<std::uint32_t> *m_controller_address;
    TScalar<std::uint16_t> *m_control_port;
    TScalar<std::uint32_t> *m_last_control_port_error;
    TScalar<char *> *m_failed_port_operation;
};

// PC card logging status.
class CGroup20120 : public CStatus_group {
public:
    static constexpr std::uint16_t number_of_record = 20120;
    static constexpr std::uint16_t byte_count = 80;

    CGroup20120(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint32_t> &mpa_request_failures() { return *m_mpa_request_failures; }
    TScalar<char *> &failed_message_name() { return *m_failed_message_name; }
    TScalar<std::int16_t> &last_mpa_failure_status() { return *m_last_mpa_failure_status; }
    TScalar<char *> &logging_state() { return *m_logging_state; }
    TScalar<std::int32_t> &last_command_error() { return *m_last_command_error; }
    TScalar<std::int32_t> &last_write_error() { return *m_last_write_error; }
    TScalar<std::uint32_t> &logging_port_writes() { return *m_logging_port_writes; }

private:
    TScalar<std::uint32_t> *m_mpa_request_failures;
    TScalar<char *> *m_failed_message_name;
    TScalar<std::int16_t> *m_last_mpa_failure_status;
    TScalar<char *> *m_logging_state;
    TScalar<std::int32_t> *m_last_command_error;
    TScalar<std::int32_t> *m_last_write_error;
    TScalar<std::uint32_t> *m_logging_port_writes;
};

// Input manager status.
class CGroup20116 : public CStatus_group {
public:
    static constexpr std::uint16_t number_of_record = 20116;
    static constexpr std::uint16_t byte_count = 120;

    CGroup20116(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint32_t> &mpa_request_failures() { return *m_mpa_request_failures; }
    TScalar<char *> &failed_csc_name() { return *m_failed_csc_name; }
    TScalar<std::int16_t> &last_mpa_failure_status() { return *m_last_mpa_failure_status; }
    // IPv4 addresses, most significant byte the first of the dotted form.
    TScalar<std::uint32_t> &koru_address() { return *m_koru_address; }
    TScalar<std::uint32_t> &controller_address() { return *m_controller_address; }
    TScalar<std::uint16_t> &control_port() { return *m_control_port; }
    TScalar<std::uint32_t> &last_control_port_error() { return *m_last_control_port_error; }
    TScalar<char *> &failed_port_operation() { return *m_failed_port_operation; }
    TScalar<std::uint16_t> &failed_transaction_number() { return *m_failed_transaction_number; }
    TScalar<std::uint16_t> &rejected_message_id() { return *m_rejected_message_id; }
    TScalar<std::uint16_t> &rejected_received_size() { return *m_rejected_received_size; }
    TScalar<std::uint16_t> &rejected_expected_size() { return *m_rejected_expected_size; }
    TScalar<std::uint16_t> &rejected_transaction_number() { return *m_rejected_transaction_number; }
    CIm_error_codes &error_codes() { return *m_error_codes; }
    TScalar<std::uint32_t> &messages_rejected() { return *m_messages_rejected; }
    TScalar<std::uint32_t> &messages_received() { return *m_messages_received; }
    TScalar<std::uint16_t> &last_message_id() { return *m_last_message_id; }
    TScalar<std::uint32_t> &sends_missed() { return *m_sends_missed; }
    TScalar<std::uint32_t> &messages_sent() { return *m_messages_sent; }
    TScalar<std::uint16_t> &nvm_read_failure_message_id() { return *m_nvm_read_failure_message_id; }
    TScalar<std::int32_t> &internal_error() { return *m_internal_error; }
    TScalar<std::int32_t> &internal_error_aux_1() { return *m_internal_error_aux_1; }
    TScalar<std::int32_t> &internal_error_aux_2() { return *m_internal_error_aux_2; }

private:
    TScalar<std::uint32_t> *m_mpa_request_failures;
    TScalar<char *> *m_failed_csc_name;
    TScalar<std::int16_t> *m_last_mpa_failure_status;
    TScalar<std::uint32_t> *m_koru_address;
    TScalar<std::uint32_t> *m_controller_address;
    TScalar<std::uint16_t> *m_control_port;
    TScalar<std::uint32_t> *m_last_control_port_error;
    TScalar<char *> *m_failed_port_operation;
    TScalar<std::uint16_t> *m_failed_transaction_number;
    TScalar<std::uint16_t> *m_rejected_message_id;
    TScalar<std::uint16_t> *m_rejected_received_size;
    TScalar<std::uint16_t> *m_rejected_expected_size;
    TScalar<std::uint16_t> *m_rejected_transaction_number;
    CIm_error_codes *m_error_codes;
    TScalar<std::uint32_t> *m_messages_rejected;
    TScalar<std::uint32_t> *m_messages_received;
    TScalar<std::uint16_t> *m_last_message_id;
    TScalar<std::uint32_t> *m_sends_missed;
    TScalar<std::uint32_t> *m_messages_sent;
    TScalar<std::uint16_t> *m_nvm_read_failure_message_id;
    TScalar<std::int32_t> *m_internal_error;
    TScalar<std::int32_t> *m_internal_error_aux_1;
    TScalar<std::int32_t> *m_internal_error_aux_2;
};

// An Ethernet port's status: Groups 20124, 20125 and 20126 share this layout.
class CEthernet_port_status : public CStatus_group {
public:
    static constexpr std::uint16_t byte_count = 52;

    TScalar<std::uint32_t> &scheduler_proxies() { return *m_scheduler_proxies; }
    TScalar<std::int16_t> &proxy_exceptions() { return *m_proxy_exceptions; }
    TScalar<std::int16_t> &proxies_queued() { return *m_proxies_queued; }
    TScalar<std::uint32_t> &mpa_request_failures() { return *m_mpa_request_failures; }
    TScalar<std::int16_t> &last_mpa_failure_status() { return *m_last_mpa_failure_status; }
    // Named after the display port in all three groups.
    TScalar<std::uint32_t> &last_port_error() { return *m_last_port_error; }
    TScalar<std::uint32_t> &port_writes() { return *m_port_writes; }

protected:
    CEthernet_port_status(std::byte *buffer, std::size_t buffer_size, std::uint16_t number);

private:
    TScalar<std::uint32_t> *m_scheduler_proxies;
    TScalar<std::int16_t> *m_proxy_exceptions;
    TScalar<std::int16_t> *m_proxies_queued;
    TScalar<std::uint32_t> *m_mpa_request_failures;
    TScalar<std::int16_t> *m_last_mpa_failure_status;
    TScalar<std::uint32_t> *m_last_port_error;
    TScalar<std::uint32_t> *m_port_writes;
};

// The display port.
class CGroup20124 : public CEthernet_port_status {
public:
    static constexpr std::uint16_t number_of_record = 20124;
    CGroup20124(std::byte *buffer, std::size_t buffer_size)
        : CEthernet_port_status(buffer, buffer_size, number_of_record)
    {}
};

// The primary data port.
class CGroup20125 : public CEthernet_port_status {
public:
    static constexpr std::uint16_t number_of_record = 20125;
    CGroup20125(std::byte *buffer, std::size_t buffer_size)
        : CEthernet_port_status(buffer, buffer_size, number_of_record)
    {}
};

// The secondary data port.
class CGroup20126 : public CEthernet_port_status {
public:
    static constexpr std::uint16_t number_of_record = 20126;
    CGroup20126(std::byte *buffer, std::size_t buffer_size)
        : CEthernet_port_status(buffer, buffer_size, number_of_record)
    {}
};
