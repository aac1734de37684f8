#include "tools/korusim/subsystem_status.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

// A serial port the computer set up, and the number of the one the NMEA output goes to.
constexpr std::uint8_t port_set_up = 0;
constexpr std::uint8_t nmea_com_port = 1;
constexpr std::uint8_t binary_com_port = 2;
constexpr std::uint8_t gps_serial_port = 3;
constexpr std::uint32_t gps_baud_rate = 115200;
constexpr std::uint32_t aux_gps_baud_rate = 38400;
// How often the output manager handles each of Messages 1, 2, 3, 4, 8 and 14, per second.
constexpr double message_rate = 0.1;
constexpr std::uint16_t control_port = 5601;

// `text` followed by blanks to the end of the field: the field holds no zero byte.
void fill_text(TScalar<char *> &field, std::string_view text)
{
    std::string full(text.substr(0, field.size()));
    full.resize(field.size(), ' ');
    field.set(full);
}

std::uint32_t address_of(const SSnapshot &snapshot)
{
    const auto &a = snapshot.address;
    return std::uint32_t{a[0]} << 24 | std::uint32_t{a[1]} << 16 | std::uint32_t{a[2]} << 8 | a[3];
}

std::uint32_t scheduled(const SSnapshot &snapshot)
{
    return occurrences(snapshot.time, status_rate::scheduler);
}

// The counts a GNSS receiver's processor shares with the auxiliary ones.
template <class TGroup>
void fill_receiver_counts(TGroup &group, const SSnapshot &snapshot)
{
    const std::uint32_t logs = occurrences(snapshot.time, status_rate::receiver_log);
    group.processor_calls().set(scheduled(snapshot));
    group.execution_time().set(1.5);
    group.messages_received().set(logs);
    group.messages_rejected().set(0);
    group.other_messages().set(0);
    group.checksum_errors().set(0);
    group.characters_received().set(occurrences(snapshot.time, status_rate::receiver_chars));
    group.scheduler_proxy_exceptions().set(0);
    group.ascii_parse_rejected().set(0);
    group.decode_rejected().set(0);
    fill_text(group.last_decode_rejected(), "NONE");
}

void fill_gps_processor(CGps_processor_status &group, const SSnapshot &snapshot)
{
    fill_receiver_counts(group, snapshot);
    // One each of position, velocity, clock, raw observables and a tenth of that of the rest.
    const std::uint32_t each = occurrences(snapshot.time, status_rate::receiver_log / 5);
    const std::uint32_t seldom = each / 10;
    for (TScalar<std::uint32_t> *count :
         {&group.position_messages(), &group.velocity_messages(), &group.clock_messages(),
          &group.raw_observable_messages()}) {
        count->set(each);
    }
    for (TScalar<std::uint32_t> *count :
         {&group.time_recovery_messages(), &group.dop_messages(), &group.ephemeris_messages(),
          &group.satellite_messages(), &group.zda_messages(), &group.gsa_messages(),
          &group.gga_messages()}) {
        count->set(seldom);
    }
    group.version_messages().set(1);
    group.autoconfig_status().set(0);
    group.autoconfig_baud_rate().set(gps_baud_rate);
    group.serial_port().set(gps_serial_port);
    group.receiver_message_proxy_exceptions().set(0);
    group.message10_proxy_exceptions().set(0);
    group.binary_parse_rejected().set(0);
    group.config_messages_sent().set(12);
    group.single_messages_sent().set(3);
    group.set_rtcm_messages_sent().set(1);
    group.reset_rtcm_messages_sent().set(0);
    group.cpu_load().set(35);
}

// The counts of a serial or analog output port that writes `status_rate::output` frames a second.
template <class TGroup>
void fill_port_counts(TGroup &group, const SSnapshot &snapshot)
{
    group.proxy_exceptions().set(0);
    group.proxy_count().set(
        static_cast<std::uint16_t>(occurrences(snapshot.time, status_rate::output)));
    group.schedule_count().set(scheduled(snapshot));
}

// The logging task's state while recording is not asked for, the file is being opened, data is
// written, or the card is full.
constexpr std::string_view logging_state_names[] = {"Idle", "Opening File", "Logging",
                                                    "Device Full"};

// The name of no failure, as the computer's tasks report it.
constexpr std::string_view none = "None";

} // namespace

void fill_discrete_status(CGroup20110 &group, const SSnapshot &snapshot)
{
    group.scheduler_proxies().set(scheduled(snapshot));
    group.time_recovery_proxies().set(snapshot.pps.count);
    group.other_proxies().set(snapshot.event_1.count + snapshot.event_2.count);
    group.proxy_exceptions().set(0);
    group.proxies_queued().set(0);
    group.mpa_status().set(0);
    group.tov_hits().set(snapshot.pps.count);
    group.pps_hits().set(snapshot.pps.count);
    group.event_1_hits().set(snapshot.event_1.count);
    group.event_2_hits().set(snapshot.event_2.count);
    group.slope_hits().set(snapshot.pps.count);
    group.drift_slope().set(0.0);
    group.clock_rate().set(1.0);
    group.time_recovery().set(snapshot.utc_of(snapshot.pps.last));
    group.previous_time_recovery().set(snapshot.utc_of(std::max(0.0, snapshot.pps.last - 1)));
    group.raw_pps_time().set(snapshot.pps.last);
    group.previous_raw_pps_time().set(std::max(0.0, snapshot.pps.last - 1));
    group.utc_offset().set(snapshot.utc_at_power_on);
    group.gps_offset().set(snapshot.utc_at_power_on + 18);
    group.user_offset().set(0.0);
    group.direction_of_travel().set(static_cast<std::int16_t>(snapshot.nav.speed > 0.5 ? 1 : 0));
    const auto dmi = static_cast<std::uint32_t>(snapshot.nav.distance * dmi_counts_per_metre);
    group.up_counter_hits().set(dmi);
    group.up_down_counter_hits().set(dmi);
    group.up_down_counter_hits_at_event_2().set(0);
    group.user_drift_slope().set(0.0);
    group.user_clock_rate().set(1.0);
    group.user_time_recovery().set(snapshot.pps.last);
    group.previous_user_time_recovery().set(std::max(0.0, snapshot.pps.last - 1));
}

void fill_imu_status(CGroup20111 &group, const SSnapshot &snapshot)
{
    const std::uint32_t frames = occurrences(snapshot.time, status_rate::imu);
    fill_text(group.hardware_interface(), "SDLC-PCI IMU BOARD");
    group.io_address().set(0x300);
    group.processor_calls().set(frames);
    group.data_frames().set(frames);
    group.proxy_exceptions().set(0);
    group.proxies_queued().set(0);
    group.bad_data_frames().set(0);
    group.status_summary_word().set(0x00A5);
    group.timeouts().set(0);
}

void fill_primary_gps_status(CGroup20112 &group, const SSnapshot &snapshot)
{
    fill_gps_processor(group, snapshot);
    group.subscription_start_year().set(2024);
    group.subscription_start_month().set(1);
    group.subscription_start_day().set(1);
    group.subscription_end_year().set(2025);
    group.subscription_end_month().set(12);
    group.subscription_end_day().set(31);
    group.active_flag().set(1);
    group.engine_mode().set(2);
    group.subscribed_engine_mode().set(2);
    group.horizontal_3_sigma().set(0.3);
    group.vertical_3_sigma().set(0.6);
    group.receiver_operation_mode().set(1);
    group.omni_star_operation_mode().set(1);
    group.startup_seeding().set(1);
    group.dynamic_seeding().set(0);
    group.seeding_quality().set(2);
    group.reserved_1().set(0);
    group.reserved_2().set(0);
    group.reserved_3().set(0);
}

void fill_secondary_gps_status(CGroup20113 &group, const SSnapshot &snapshot)
{
    fill_gps_processor(group, snapshot);
}

void fill_nmea_port_status(CGroup20114 &group, const SSnapshot &snapshot)
{
    fill_port_counts(group, snapshot);
    group.com_write_failures().set(0);
    group.valid_messages().set(1u << CNmea_valid_msgs::bits::iin_data |
                               1u << CNmea_valid_msgs::bits::group_2 |
                               1u << CNmea_valid_msgs::bits::group_101);
    group.port_setup().set(port_set_up);
    group.com_port().set(nmea_com_port);
    group.mpa_request_failures().set(0);
    fill_text(group.failed_group_name(), none);
    group.last_mpa_failure_status().set(0);
}

void fill_output_manager_status(CGroup20115 &group, const SSnapshot &snapshot)
{
    const std::uint32_t writes = occurrences(snapshot.time, status_rate::output);
    const std::uint32_t each_message = occurrences(snapshot.time, message_rate);
    group.mpa_request_failures().set(0);
    fill_text(group.failed_name(), none);
    group.last_mpa_failure_status().set(0);
    for (TScalar<std::uint32_t> *count :
         {&group.display_port_reconfigurations(), &group.data_port_reconfigurations(),
          &group.logging_port_reconfigurations()}) {
        count->set(1);
    }
    for (TScalar<std::uint32_t> *error :
         {&group.last_display_port_error(), &group.last_data_port_error(),
          &group.last_logging_port_error()}) {
        error->set(0);
    }
    group.display_port_writes().set(writes);
    group.data_port_writes().set(snapshot.data_port_reads);
    group.logging_port_writes().set(writes);
    for (TScalar<std::uint32_t> *accepted :
         {&group.message_1_accepted(), &group.message_2_accepted(), &group.message_3_accepted(),
          &group.message_4_accepted(), &group.message_8_accepted(), &group.message_14_accepted()}) {
        accepted->set(each_message);
    }
    for (TScalar<std::uint32_t> *rejected :
         {&group.message_1_rejected(), &group.message_2_rejected(), &group.message_3_rejected(),
          &group.message_4_rejected(), &group.message_8_rejected(), &group.message_14_rejected()}) {
        rejected->set(0);
    }
    group.controller_address().set(0);
    group.control_port().set(control_port);
    group.last_control_port_error().set(0);
    fill_text(group.failed_port_operation(), none);
}

void fill_input_manager_status(CGroup20116 &group, const SSnapshot &snapshot)
{
    const std::uint32_t messages = occurrences(snapshot.time, 1);
    group.mpa_request_failures().set(0);
    fill_text(group.failed_csc_name(), none);
    group.last_mpa_failure_status().set(0);
    group.koru_address().set(address_of(snapshot));
    group.controller_address().set(0);
    group.control_port().set(control_port);
    group.last_control_port_error().set(0);
    fill_text(group.failed_port_operation(), none);
    group.failed_transaction_number().set(0);
    group.rejected_message_id().set(0);
    group.rejected_received_size().set(0);
    group.rejected_expected_size().set(0);
    group.rejected_transaction_number().set(0);
    group.error_codes().set(0);
    group.messages_rejected().set(0);
    group.messages_received().set(messages);
    group.last_message_id().set(14);
    group.sends_missed().set(0);
    group.messages_sent().set(messages);
    group.nvm_read_failure_message_id().set(0);
    group.internal_error().set(0);
    group.internal_error_aux_1().set(0);
    group.internal_error_aux_2().set(0);
}

void fill_twan_status(CGroup20117 &group, const SSnapshot &snapshot)
{
    const std::uint32_t solutions = occurrences(snapshot.time, status_rate::twan);
    const std::uint32_t logs = occurrences(snapshot.time, status_rate::receiver_log);
    group.fopen_error().set(0);
    group.twan_runs().set(solutions);
    group.twan_restarts().set(0);
    group.att_data_status().set(0);
    group.dpos_status().set(0);
    group.target_mode().set(1);
    group.estimate_mode().set(1);
    group.measurements_used().set(8);
    group.msgs_from_iin().set(solutions);
    group.msgs_from_primary_gps().set(logs);
    group.msgs_from_secondary_gps().set(logs);
    group.iin_proxies_queued().set(0);
    group.primary_gps_proxies_queued().set(0);
    group.secondary_gps_proxies_queued().set(0);
    group.primary_gps_navclk().set(solutions);
    group.primary_gps_rephem().set(solutions / 30);
    group.scheduler_proxies().set(scheduled(snapshot));
    group.msgs_from_imgr().set(0);
    group.imgr_msgs_rejected().set(0);
    group.iin_mode_proxies().set(1);
    group.mpa_status().set(0);
    group.error_1().set(0);
    group.error_2().set(0);
    group.error_3().set(0);
    const SNav_status &status = snapshot.status;
    const double values[] = {snapshot.nav.attitude[2], snapshot.nav.attitude[1],
                             status.rms_attitude[2], status.rms_attitude[1]};
    for (std::size_t i = 0; i < CGroup20117::data_count; ++i) {
        group.data(i).set(i < std::size(values) ? values[i] : 0.0);
    }
}

void fill_system_status(CGroup20118 &group, const SSnapshot &snapshot)
{
    group.schedule_count().set(scheduled(snapshot));
    group.proxy_exceptions().set(0);
    group.proxy_count().set(static_cast<std::uint16_t>(scheduled(snapshot)));
    group.tasks_status().set(0);
    fill_text(group.dead_task_name(), none);
}

void fill_binary_port_status(CGroup20119 &group, const SSnapshot &snapshot)
{
    fill_port_counts(group, snapshot);
    group.com_write_failures().set(0);
    group.valid_messages().set(1u << CRt_output_valid_msgs::bits::iin_data);
    group.port_setup().set(port_set_up);
    group.com_port().set(binary_com_port);
    group.mode().set(1);
}

void fill_logging_status(CGroup20120 &group, const SSnapshot &snapshot)
{
    group.mpa_request_failures().set(0);
    fill_text(group.failed_message_name(), none);
    group.last_mpa_failure_status().set(0);
    fill_text(group.logging_state(), logging_state_names[static_cast<int>(snapshot.pc_card)]);
    group.last_command_error().set(0);
    group.last_write_error().set(0);
    group.logging_port_writes().set(snapshot.disk.kbytes_logged);
}

void fill_analog_port_status(CGroup20121 &group, const SSnapshot &snapshot)
{
    fill_text(group.hardware_interface(), "DAC-PCI-4 BOARD #1");
    fill_port_counts(group, snapshot);
    group.valid_messages().set(1u << CDac_valid_msgs::bits::iin_data);
    group.mode().set(0);
}

void fill_aux_gps_status(CAux_gps_status &group, const SSnapshot &snapshot, int receiver)
{
    fill_receiver_counts(group, snapshot);
    const std::uint32_t each = occurrences(snapshot.time, status_rate::receiver_log / 4);
    for (TScalar<std::uint32_t> *count : {&group.gga_messages(), &group.gsa_messages(),
                                          &group.gst_messages(), &group.gsv_messages()}) {
        count->set(each);
    }
    group.baud_rate().set(aux_gps_baud_rate);
    fill_text(group.port(), "COM" + std::to_string(3 + receiver) + " 38400 8N1");
    group.message104_proxy_exceptions().set(0);
}

void fill_ethernet_port_status(CEthernet_port_status &group, const SSnapshot &snapshot, int port)
{
    group.scheduler_proxies().set(scheduled(snapshot));
    group.proxy_exceptions().set(0);
    group.proxies_queued().set(0);
    group.mpa_request_failures().set(0);
    group.last_mpa_failure_status().set(0);
    group.last_port_error().set(0);
    group.port_writes().set(port == 0 ? occurrences(snapshot.time, status_rate::output)
                                      : snapshot.data_port_reads);
}
