#include "views/subsystem_status_records.h"

#include <string>

namespace {

std::string frame_part_name(std::uint16_t number, std::string_view part)
{
    return "Group " + std::to_string(number) + " " + std::string(part);
}

} // namespace

CStatus_group::CStatus_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                             std::uint16_t byte_count)
    : CGroup_record(buffer, buffer_size, number, byte_count, frame_part_name(number, "Header"))
{}

void CStatus_group::close_layout()
{
    CGroup_record::close_layout(frame_part_name(number(), "Footer"));
}

CNmea_valid_msgs::CNmea_valid_msgs(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ulong,
               {{bits::iin_data, "iinData"},
                {bits::group_2, "group2"},
                {bits::group_3, "group3"},
                {bits::group_101, "group101"},
                {bits::error_message, "errorMsg"},
                {bits::offset_message, "offsetMsg"},
                {bits::date_message, "dataMsg"}})
{}

CDac_valid_msgs::CDac_valid_msgs(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ulong, {{bits::iin_data, "iinData"}})
{}

CRt_output_valid_msgs::CRt_output_valid_msgs(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ulong,
               {{bits::iin_data, "iinData"}, {bits::offset_message, "offsetMsg"}})
{}

CIm_error_codes::CIm_error_codes(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ulong,
               {{bits::message_start, "Rejected Message Start Error"},
                {bits::message_end, "Rejected Message End Error"},
                {bits::byte_count, "Rejected Message Byte Count Error"},
                {bits::checksum, "Rejected Message Checksum Error"}})
{}

CGroup20114::CGroup20114(std::byte *buffer, std::size_t buffer_size)
    : CStatus_group(buffer, buffer_size, number_of_record, byte_count),
      m_proxy_exceptions(new TScalar<std::uint16_t>(this, "Proxy Exceptions")),
      m_proxy_count(new TScalar<std::uint16_t>(this, "Proxy Count")),
      m_com_write_failures(new TScalar<std::uint16_t>(this, "COM Write Failures")),
      m_schedule_count(new TScalar<std::uint32_t>(this, "Schedule Count")),
      m_valid_messages(new CNmea_valid_msgs(this, "Nmea Valid Messages")),
      m_port_setup(new TScalar<std::uint8_t>(this, "Port Setup")),
      m_com_port(new TScalar<std::uint8_t>(this, "Com Port")),
      m_mpa_request_failures(new TScalar<std::uint32_t>(this, "Num MPA Request Failures")),
      m_failed_group_name(new TScalar<char *>(this, "Name of Group Failed", 16)),
      m_last_mpa_failure_status(new TScalar<std::int16_t>(this, "Last MPA Failure Status"))
{
    close_layout();
}

CGroup20117::CGroup20117(std::byte *buffer, std::size_t buffer_size)
    : CStatus_group(buffer, buffer_size, number_of_record, byte_count),
      m_fopen_error(new TScalar<std::uint32_t>(this, "Error. of fopen")),
      m_twan_runs(new TScalar<std::uint32_t>(this, "No.of iin runs")),
      m_twan_restarts(new TScalar<std::uint32_t>(this, "No. of restart iin")),
      m_att_data_status(new TScalar<std::uint8_t>(this, "ATT data status")),
      m_dpos_status(new TScalar<std::uint8_t>(this, "DPOS status")),
      m_target_mode(new TScalar<std::uint8_t>(this, "Target Mode")),
      m_estimate_mode(new TScalar<std::uint8_t>(this, " Estimate Mode")),
      m_measurements_used(new TScalar<std::uint8_t>(this, "No. of Measurements Used")),
      m_msgs_from_iin(new TScalar<std::uint32_t>(this, "No. of mgs from IIN")),
      m_msgs_from_primary_gps(new TScalar<std::uint32_t>(this, "No. of mgs from pri gps")),
      m_msgs_from_secondary_gps(new TScalar<std::uint32_t>(this, "No. of mgs from sec gps")),
      m_iin_proxies_queued(new TScalar<std::uint32_t>(this, "No. of iin proxies queued")),
      m_primary_gps_proxies_queued(
          new TScalar<std::uint32_t>(this, "No. of pri gps proxies queued")),
      m_secondary_gps_proxies_queued(
          new TScalar<std::uint32_t>(this, "No. of sec gps proxies queued")),
      m_primary_gps_navclk(new TScalar<std::uint32_t>(this, "No. of Pri Gps NavClk")),
      m_primary_gps_rephem(new TScalar<std::uint32_t>(this, "No. of Pri Gps Rephem")),
      m_scheduler_proxies(new TScalar<std::uint32_t>(this, "No. of Proxies From Scheduler")),
      m_msgs_from_imgr(new TScalar<std::uint32_t>(this, "No. of mgs from imgr")),
      m_imgr_msgs_rejected(new TScalar<std::uint32_t>(this, "No. of mgs from imgr")),
      m_iin_mode_proxies(new TScalar<std::uint32_t>(this, "No. of Iin Mode Proxies")),
      m_mpa_status(new TScalar<std::int32_t>(this, "MPA status")),
      m_error_1(new TScalar<std::uint32_t>(this, "Error 1")),
      m_error_2(new TScalar<std::uint32_t>(this, "Error 2")),
      m_error_3(new TScalar<std::uint32_t>(this, "Error 3")),
      m_data{{new TScalar<double>(this, "Data 1"), new TScalar<double>(this, "Data 2"),
              new TScalar<double>(this, "Data 3"), new TScalar<double>(this, "Data 4"),
              new TScalar<double>(this, "Data 5"), new TScalar<double>(this, "Data 6"),
              new TScalar<double>(this, "Data 7"), new TScalar<double>(this, "Data 8"),
              new TScalar<double>(this, "Data 9"), new TScalar<double>(this, "Data 10")}}
{
    close_layout();
}

CGroup20121::CGroup20121(std::byte *buffer, std::size_t buffer_size)
    : CStatus_group(buffer, buffer_size, number_of_record, byte_count),
      m_hardware_interface(new TScalar<char *>(this, "IMU Hardware Interface", 18)),
      m_proxy_exceptions(new TScalar<std::uint16_t>(this, "Proxy Exceptions")),
      m_proxy_count(new TScalar<std::uint16_t>(this, "Proxy Count")),
      m_schedule_count(new TScalar<std::uint32_t>(this, "Schedule Count")),
      m_valid_messages(new CDac_valid_msgs(this, "Dac Valid Messages")),
      m_mode(new TScalar<std::uint8_t>(this, "Mode"))
{
    close_layout();
}

CGroup20119::CGroup20119(std::byte *buffer, std::size_t buffer_size)
    : CStatus_group(buffer, buffer_size, number_of_record, byte_count),
      m_proxy_exceptions(new TScalar<std::uint16_t>(this, "Proxy Exceptions")),
      m_proxy_count(new TScalar<std::uint16_t>(this, "Proxy Count")),
      m_com_write_failures(new TScalar<std::uint16_t>(this, "COM Write Failures")),
      m_schedule_count(new TScalar<std::uint32_t>(this, "Schedule Count")),
      m_valid_messages(new CRt_output_valid_msgs(this, "RT Output Valid Messages")),
      m_port_setup(new TScalar<std::uint8_t>(this, "Port Setup")),
      m_com_port(new TScalar<std::uint8_t>(this, "Com Port")),
      m_mode(new TScalar<std::uint8_t>(this, "Mode"))
{
    close_layout();
}

CGps_processor_status::CGps_processor_status(std::byte *buffer, std::size_t buffer_size,
                                             std::uint16_t number, std::uint16_t byte_count,
                                             std::string_view receiver_message_name)
    : CStatus_group(buffer, buffer_size, number, byte_count),
      m_processor_calls(new TScalar<std::uint32_t>(this, "No. of Processor Calls")),
      m_execution_time(new TScalar<float>(this, "Execution Time")),
      m_messages_received(new TScalar<std::uint32_t>(this, "No. Messages Received")),
      m_messages_rejected(new TScalar<std::uint32_t>(this, "No. Messages Rejected")),
      m_position_messages(new TScalar<std::uint32_t>(this, "No. Pos Messages Received")),
      m_velocity_messages(new TScalar<std::uint32_t>(this, "No. Vel Messages Received")),
      m_time_recovery_messages(
          new TScalar<std::uint32_t>(this, "No. Time Recovery Messages Received")),
      m_clock_messages(new TScalar<std::uint32_t>(this, "No. Clock Messages Received")),
      m_raw_observable_messages(new TScalar<std::uint32_t>(this, "No. Rob Messages Received")),
      m_dop_messages(new TScalar<std::uint32_t>(this, "No. Dop Messages Received")),
      m_ephemeris_messages(new TScalar<std::uint32_t>(this, "No. Ephemeris Messages Received")),
      m_satellite_messages(new TScalar<std::uint32_t>(this, "No. Sat Messages Received")),
      m_version_messages(new TScalar<std::uint32_t>(this, "No. Version Messages Received")),
      m_zda_messages(new TScalar<std::uint32_t>(this, "No. Gpzda Messages Received")),
      m_gsa_messages(new TScalar<std::uint32_t>(this, "No. Gpgsa Messages Received")),
      m_gga_messages(new TScalar<std::uint32_t>(this, "No. Ggab Messages Received")),
      m_other_messages(new TScalar<std::uint32_t>(this, "No. Other Messages Received")),
      m_checksum_errors(new TScalar<std::uint32_t>(this, "No. of Checksum Errors")),
      m_autoconfig_status(new TScalar<std::uint16_t>(this, "Autoconfig Status")),
      m_autoconfig_baud_rate(new TScalar<std::uint32_t>(this, "Autoconfig Baud Rate")),
      m_characters_received(new TScalar<std::uint32_t>(this, "No. of Characters Received")),
      m_serial_port(new TScalar<std::uint8_t>(this, "Gps Serial Port")),
      m_scheduler_proxy_exceptions(
          new TScalar<std::uint16_t>(this, "No. of Scheduler Proxy Exceptions")),
      m_receiver_message_proxy_exceptions(new TScalar<std::uint16_t>(this, receiver_message_name)),
      m_message10_proxy_exceptions(
          new TScalar<std::uint16_t>(this, "No. of Message10 Proxy Exceptions")),
      m_ascii_parse_rejected(new TScalar<std::uint32_t>(this, "No. Ascii Parse Messages Rejected")),
      m_binary_parse_rejected(
          new TScalar<std::uint32_t>(this, "No. Binary Parse Messages Rejected")),
      m_config_messages_sent(new TScalar<std::uint32_t>(this, "No. of Config Messages Sent")),
      m_single_messages_sent(new TScalar<std::uint32_t>(this, "No. of Single Messages Sent")),
      m_set_rtcm_messages_sent(new TScalar<std::uint32_t>(this, "No. Set Rtcm Messages Sent")),
      m_reset_rtcm_messages_sent(new TScalar<std::uint32_t>(this, "No. Reset Rtcm Messages Sent")),
      m_decode_rejected(new TScalar<std::uint32_t>(this, "No. Decode Messages Rejected")),
      m_last_decode_rejected(new TScalar<char *>(this, "last Decode Message Rejected", 6)),
      m_cpu_load(new TScalar<std::uint32_t>(this, "Gps Receiver Cpu Load"))
{}

CGroup20112::CGroup20112(std::byte *buffer, std::size_t buffer_size)
    : CGps_processor_status(buffer, buffer_size, number_of_record, byte_count,
                            "No. of Message5 Proxy Exceptions"),
      m_subscription_start_year(new TScalar<std::uint16_t>(this, "Subscription Start Year")),
      m_subscription_start_month(new TScalar<std::uint8_t>(this, "Subscription Start Month")),
      m_subscription_start_day(new TScalar<std::uint8_t>(this, "Subscription Start Day")),
      m_subscription_end_year(new TScalar<std::uint16_t>(this, "Subscription End Year")),
      m_subscription_end_month(new TScalar<std::uint8_t>(this, "Subscription End Month")),
      m_subscription_end_day(new TScalar<std::uint8_t>(this, "Subscription End Day")),
      m_active_flag(new TScalar<std::uint8_t>(this, "Active Flag")),
      m_engine_mode(new TScalar<std::uint8_t>(this, "Engine Mode")),
      m_subscribed_engine_mode(new TScalar<std::uint8_t>(this, "Subscribed Engine Mode")),
      m_horizontal_3_sigma(new TScalar<float>(this, "Horizontal 3 Sigma")),
      m_vertical_3_sigma(new TScalar<float>(this, "Vertical 3 Sigma")),
      m_receiver_operation_mode(new TScalar<std::uint8_t>(this, "Receiver Operation Mode")),
      m_omni_star_operation_mode(new TScalar<std::uint8_t>(this, "OmniStar Operation Mode")),
      m_startup_seeding(new TScalar<std::uint8_t>(this, "Start up seeding")),
      m_dynamic_seeding(new TScalar<std::uint8_t>(this, "Dynamic Seeding")),
      m_seeding_quality(new TScalar<std::uint8_t>(this, "Seeding Quality")),
      m_reserved_1(new TScalar<std::uint16_t>(this, "Reserved 1")),
      m_reserved_2(new TScalar<std::uint16_t>(this, "Reserved 2")),
      m_reserved_3(new TScalar<std::uint16_t>(this, "Reserved 3"))
{
    close_layout();
}

CGroup20113::CGroup20113(std::byte *buffer, std::size_t buffer_size)
    : CGps_processor_status(buffer, buffer_size, number_of_record, byte_count,
                            "No. of Message110 Proxy Exceptions")
{
    close_layout();
}

CAux_gps_status::CAux_gps_status(std::byte *buffer, std::size_t buffer_size, std::uint16_t number)
    : CStatus_group(buffer, buffer_size, number, byte_count),
      m_processor_calls(new TScalar<std::uint32_t>(this, "No. of Processor Calls")),
      m_execution_time(new TScalar<float>(this, "Execution Time")),
      m_messages_received(new TScalar<std::uint32_t>(this, "No. Messages Received")),
      m_messages_rejected(new TScalar<std::uint32_t>(this, "No. Messages Rejected")),
      m_gga_messages(new TScalar<std::uint32_t>(this, "No. Gpgga Messages Received")),
      m_gsa_messages(new TScalar<std::uint32_t>(this, "No. Gpgsa Messages Received")),
      m_gst_messages(new TScalar<std::uint32_t>(this, "No. Gpgst Messages Received")),
      m_gsv_messages(new TScalar<std::uint32_t>(this, "No. Gpgsv Messages Received")),
      m_other_messages(new TScalar<std::uint32_t>(this, "No. Other Messages Received")),
      m_checksum_errors(new TScalar<std::uint32_t>(this, "No. of Checksum Errors")),
      m_baud_rate(new TScalar<std::uint32_t>(this, "Aux Gps Baud Rate")),
      m_characters_received(new TScalar<std::uint32_t>(this, "No. of Characters Received")),
      m_port(new TScalar<char *>(this, "Aux Gps Port", 18)),
      m_scheduler_proxy_exceptions(
          new TScalar<std::uint16_t>(this, "No. of Scheduler Proxy Exceptions")),
      m_message104_proxy_exceptions(
          new TScalar<std::uint16_t>(this, "No. of Message104 Proxy Exceptions")),
      m_ascii_parse_rejected(new TScalar<std::uint32_t>(this, "No. Ascii Parse Messages Rejected")),
      m_decode_rejected(new TScalar<std::uint32_t>(this, "No. Decode Messages Rejected")),
      m_last_decode_rejected(new TScalar<char *>(this, "last Decode Message Rejected", 6))
{
    close_layout();
}

CGroup20110::CGroup20110(std::byte *buffer, std::size_t buffer_size)
    : CStatus_group(buffer, buffer_size, number_of_record, byte_count),
      m_scheduler_proxies(new TScalar<std::uint32_t>(this, "No. of Scheduler Proxies")),
      m_time_recovery_proxies(new TScalar<std::uint32_t>(this, "No. of Time Recovery Msg Proxies")),
      m_other_proxies(new TScalar<std::uint32_t>(this, "No. of Other Proxies")),
      m_proxy_exceptions(new TScalar<std::uint32_t>(this, "No. of Proxy Exceptions")),
      m_proxies_queued(new TScalar<std::uint32_t>(this, "No. of Proxies Queued")),
      m_mpa_status(new TScalar<std::int32_t>(this, "MPA Call Status Code")),
      m_tov_hits(new TScalar<std::uint32_t>(this, "No. of TOV Hits")),
      m_pps_hits(new TScalar<std::uint32_t>(this, "No. of PPS Hits")),
      m_event_1_hits(new TScalar<std::uint32_t>(this, "No. of Event-1 Hits")),
      m_event_2_hits(new TScalar<std::uint32_t>(this, "No. of Event-2 Hits")),
      m_slope_hits(new TScalar<std::uint32_t>(this, "No. of Slope Hits")),
      m_drift_slope(new TScalar<double>(this, "Drift Slope")),
      m_clock_rate(new TScalar<double>(this, "Clock Rate")),
      m_time_recovery(new TScalar<double>(this, "Current Time Recovery in UTC sec")),
      m_previous_time_recovery(new TScalar<double>(this, "Previous Time Recovery in UTC sec")),
      m_raw_pps_time(new TScalar<double>(this, "Current Raw Time of PPS Signal")),
      m_previous_raw_pps_time(new TScalar<double>(this, "Previous Raw Time of PPS Signal")),
      m_utc_offset(new TScalar<double>(this, "UTC Offset")),
      m_gps_offset(new TScalar<double>(this, "GPS Offset")),
      m_user_offset(new TScalar<double>(this, "User Offset")),
      m_direction_of_travel(new TScalar<std::int16_t>(this, "Direction of travel")),
      m_up_counter_hits(new TScalar<std::uint32_t>(this, "No. Up counter hits")),
      m_up_down_counter_hits(new TScalar<std::uint32_t>(this, "No. Up down counter hits")),
      m_up_down_counter_hits_at_event_2(
          new TScalar<std::uint32_t>(this, "No. Up down counter hits at event2")),
      m_user_drift_slope(new TScalar<double>(this, "User Drift Slope")),
      m_user_clock_rate(new TScalar<double>(this, "User Clock Rate")),
      m_user_time_recovery(new TScalar<double>(this, "User Time Recovery")),
      m_previous_user_time_recovery(new TScalar<double>(this, "Previous User Time Recovery"))
{
    close_layout();
}

CGroup20111::CGroup20111(std::byte *buffer, std::size_t buffer_size)
    : CStatus_group(buffer, buffer_size, number_of_record, byte_count),
      m_hardware_interface(new TScalar<char *>(this, "IMU Hardware Interface", 18)),
      m_io_address(new TScalar<std::uint16_t>(this, "IMU IO Address")),
      m_processor_calls(new TScalar<std::uint32_t>(this, "No. Processor Calls")),
      m_data_frames(new TScalar<std::uint32_t>(this, "No. IMU Data Frames")),
      m_proxy_exceptions(new TScalar<std::uint32_t>(this, "No. Proxy Exceptions")),
      m_proxies_queued(new TScalar<std::uint32_t>(this, "No. Proxies Queued")),
      m_bad_data_frames(new TScalar<std::uint32_t>(this, "No. Bad IMU Data Frame")),
      m_status_summary_word(new TScalar<std::uint16_t>(this, "IMU Status Summary Word")),
      m_timeouts(new TScalar<std::uint32_t>(this, "No. Time Outs"))
{
    close_layout();
}

CGroup20118::CGroup20118(std::byte *buffer, std::size_t buffer_size)
    : CStatus_group(buffer, buffer_size, number_of_record, byte_count),
      m_schedule_count(new TScalar<std::uint32_t>(this, "Schedule Count")),
      m_proxy_exceptions(new TScalar<std::uint16_t>(this, "Proxy Exceptions")),
      m_proxy_count(new TScalar<std::uint16_t>(this, "Proxy Count")),
      m_tasks_status(new TScalar<std::uint8_t>(this, "KORU Tasks Status")),
      m_dead_task_name(new TScalar<char *>(this, "Dead Task Name", 20))
{
    close_layout();
}

CGroup20115::CGroup20115(std::byte *buffer, std::size_t buffer_size)
    : CStatus_group(buffer, buffer_size, number_of_record, byte_count),
      m_mpa_request_failures(new TScalar<std::uint32_t>(this, "No. of MPA Request Failures")),
      m_failed_name(new TScalar<char *>(this, "Name of Group/Message Failed", 16)),
      m_last_mpa_failure_status(new TScalar<std::int16_t>(this, "Last MPA Failure Status")),
      m_display_port_reconfigurations(
          new TScalar<std::uint32_t>(this, "No. of Display Port Reconfigurations")),
      m_last_display_port_error(new TScalar<std::uint32_t>(this, "Last Display Port Error")),
      m_data_port_reconfigurations(
          new TScalar<std::uint32_t>(this, "No. of Data Port Reconfigurations")),
      m_last_data_port_error(new TScalar<std::uint32_t>(this, "Last Data Port Error")),
      m_logging_port_reconfigurations(
          new TScalar<std::uint32_t>(this, "No. of Logging Port Reconfigurations")),
      m_last_logging_port_error(new TScalar<std::uint32_t>(this, "Last Logging Port Error")),
      m_display_port_writes(new TScalar<std::uint32_t>(this, "No. of Display Port Writes")),
      m_data_port_writes(new TScalar<std::uint32_t>(this, "No. of Data Port Writes")),
      m_logging_port_writes(new TScalar<std::uint32_t>(this, "No. of Logging Port Writes")),
      m_message_1_accepted(new TScalar<std::uint32_t>(this, "No. of Message 1 Accepted")),
      m_message_1_rejected(new TScalar<std::uint32_t>(this, "No. of Message 1 Rejected")),
      m_message_2_accepted(new TScalar<std::uint32_t>(this, "No. of Message 2 Accepted")),
      m_message_2_rejected(new TScalar<std::uint32_t>(this, "No. of Message 2 Rejected")),
      m_message_3_accepted(new TScalar<std::uint32_t>(this, "No. of Message 3 Accepted")),
      m_message_3_rejected(new TScalar<std::uint32_t>(this, "No. of Message 3 Rejected")),
      m_message_4_accepted(new TScalar<std::uint32_t>(this, "No. of Message 4 Accepted")),
      m_message_4_rejected(new TScalar<std::uint32_t>(this, "No. of Message 4 Rejected")),
      m_message_8_accepted(new TScalar<std::uint32_t>(this, "No. of Message 8 Accepted")),
      m_message_8_rejected(new TScalar<std::uint32_t>(this, "No. of Message 8 Rejected")),
      m_message_14_accepted(new TScalar<std::uint32_t>(this, "No. of Message 14 Accepted")),
      m_message_14_rejected(new TScalar<std::uint32_t>(this, "No. of Message 14 Rejected")),
      m_controller_address(new TScalar<std::uint32_t>(this, "Controller IP Address")),
      m_control_port(new TScalar<std::uint16_t>(this, "Control Port Number")),
      m_last_control_port_error(new TScalar<std::uint32_t>(this, "Last Control Port Error")),
      m_failed_port_operation(new TScalar<char *>(this, "Last Port Operation Failed", 8))
{
    close_layout();
}

CGroup20120::CGroup20120(std::byte *buffer, std::size_t buffer_size)
    : CStatus_group(buffer, buffer_size, number_of_record, byte_count),
      m_mpa_request_failures(new TScalar<std::uint32_t>(this, "No. of MPA Request Failures")),
      m_failed_message_name(new TScalar<char *>(this, "Name of message failed", 16)),
      m_last_mpa_failure_status(new TScalar<std::int16_t>(this, "Last MPA Failure Status")),
      m_logging_state(new TScalar<char *>(this, "Name of current logging state", 16)),
      m_last_command_error(new TScalar<std::int32_t>(this, "Last Logging Command Error")),
      m_last_write_error(new TScalar<std::int32_t>(this, "Last Logging Write Error")),
      m_logging_port_writes(new TScalar<std::uint32_t>(this, "Number of Logging Port Writes"))
{
    close_layout();
}

CGroup20116::CGroup20116(std::byte *buffer, std::size_t buffer_size)
    : CStatus_group(buffer, buffer_size, number_of_record, byte_count),
      m_mpa_request_failures(new TScalar<std::uint32_t>(this, "Number of MPA Request Failures")),
      m_failed_csc_name(new TScalar<char *>(this, "CSC Name for Last ICD Message Failed", 16)),
      m_last_mpa_failure_status(new TScalar<std::int16_t>(this, "Last MPA Failure Status")),
      m_koru_address(new TScalar<std::uint32_t>(this, "KCS IP Address")),
      m_controller_address(new TScalar<std::uint32_t>(this, "Controller IP Address")),
      m_control_port(new TScalar<std::uint16_t>(this, "Control Port Number")),
      m_last_control_port_error(new TScalar<std::uint32_t>(this, "Last Control Port Error")),
      m_failed_port_operation(new TScalar<char *>(this, "Last Port Operation Failed", 8)),
      m_failed_transaction_number(
          new TScalar<std::uint16_t>(this, "Transaction Number for Last Port Failure")),
      m_rejected_message_id(new TScalar<std::uint16_t>(this, "ID of Last Rejected Message")),
      m_rejected_received_size(
          new TScalar<std::uint16_t>(this, "Received Size of Last Rejected Message")),
      m_rejected_expected_size(
          new TScalar<std::uint16_t>(this, "Expected Size of Last Rejected Message")),
      m_rejected_transaction_number(
          new TScalar<std::uint16_t>(this, "Transaction Number of Last Rejected Message")),
      m_error_codes(new CIm_error_codes(this, "Input Manager Error Codes")),
      m_messages_rejected(new TScalar<std::uint32_t>(this, "Total Messages Rejected")),
      m_messages_received(new TScalar<std::uint32_t>(this, "Total Messages Received")),
      m_last_message_id(new TScalar<std::uint16_t>(this, "ID of Last Message Received")),
      m_sends_missed(new TScalar<std::uint32_t>(this, "Total Message Sends Missed")),
      m_messages_sent(new TScalar<std::uint32_t>(this, "Total Messages Sent")),
      m_nvm_read_failure_message_id(
          new TScalar<std::uint16_t>(this, "Message ID of Last NVM Read Failure")),
      m_internal_error(new TScalar<std::int32_t>(this, "Internal Error Number")),
      m_internal_error_aux_1(new TScalar<std::int32_t>(this, "Internal Error Auxiliary Number 1")),
      m_internal_error_aux_2(new TScalar<std::int32_t>(this, "Internal Error Auxiliary Number 2"))
{
    close_layout();
}

CEthernet_port_status::CEthernet_port_status(std::byte *buffer, std::size_t buffer_size,
                                             std::uint16_t number)
    : CStatus_group(buffer, buffer_size, number, byte_count),
      m_scheduler_proxies(new TScalar<std::uint32_t>(this, "No. of Scheduler Proxies")),
      m_proxy_exceptions(new TScalar<std::int16_t>(this, "No. of Proxy Exceptions")),
      m_proxies_queued(new TScalar<std::int16_t>(this, "No. of Proxies Queued")),
      m_mpa_request_failures(new TScalar<std::uint32_t>(this, "No. of MPA Request Failures")),
      m_last_mpa_failure_status(new TScalar<std::int16_t>(this, "Last MPA Failure Status")),
      m_last_port_error(new TScalar<std::uint32_t>(this, "Last Display Port Error")),
      m_port_writes(new TScalar<std::uint32_t>(this, "No. of Display Port Writes"))
{
    close_layout();
}
