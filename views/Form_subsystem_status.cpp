#include "views/Form_subsystem_status.h"

#include "views/subsystem_status_records.h"

namespace {

// Port set up or not; a serial port's number, 0 when not known.
const CText_rule port_setup_words =
    CText_rule::words({{0, StatusText("Ok")}}, StatusText("Failed"));
const CText_rule com_port_words = CText_rule::words({{0, StatusText("Unknown")}});
const CText_rule one_decimal = CText_rule::picture("0.0");
const CText_rule dotted = CText_rule::dotted();
// A text field the computer has not reported reads this until it does.
const char *const unknown = "Unknown";

// The primary and secondary receivers' boxes in three columns: their sixteen message counts stand
// beside the other boxes, so that the window fits a low screen.
constexpr int receiver_columns = 3;

// The processor status of the primary or secondary GNSS receiver; `receiver_message` captions
// the proxy exceptions of the receiver's own message.
template <class G>
TStatus_table<G> gps_processor_table(const char *receiver_message)
{
    return {
        {"Execution",
         {{"Processor Calls", &G::processor_calls},
          {"Execution Time", &G::execution_time, one_decimal},
          {"Characters Received", &G::characters_received},
          {"GPS CPU Load", &G::cpu_load}}},
        {"GPS Messages Received",
         {{"Messages Received", &G::messages_received},
          {"Messages Rejected", &G::messages_rejected},
          {"Pos Messages (POSB)", &G::position_messages},
          {"Vel Messages (VLHB)", &G::velocity_messages},
          {"Time Recovery (TM1B)", &G::time_recovery_messages},
          {"Clock Messages (CLKB)", &G::clock_messages},
          {"Raw Observables (RGEB)", &G::raw_observable_messages},
          {"DOP Messages (DOPB)", &G::dop_messages},
          {"Ephemeris (REPB)", &G::ephemeris_messages},
          {"SAT Messages (SATB)", &G::satellite_messages},
          {"Version Messages (RCSB)", &G::version_messages},
          {"ZDA Messages (GPZDA)", &G::zda_messages},
          {"GSA Messages (GPGSA)", &G::gsa_messages},
          {"GGA Messages (GGAB)", &G::gga_messages},
          {"Other Messges", &G::other_messages},
          {"Checksum Errors", &G::checksum_errors}}},
        {"Auto Configuraton",
         {{"Status", &G::autoconfig_status,
           CText_rule::words({{0, StatusText("Not Active")}}, StatusText("Active"))},
          {"Baud Rate", &G::autoconfig_baud_rate},
          {"Serial Port", &G::serial_port}}},
        {"Proxy Exceptions",
         {{"Scheduler", &G::scheduler_proxy_exceptions},
          {receiver_message, &G::receiver_message_proxy_exceptions},
          {"Message 10", &G::message10_proxy_exceptions}}},
        {"Messages Rejected",
         {{"ASCII Parse", &G::ascii_parse_rejected},
          {"Binary Parse", &G::binary_parse_rejected},
          {"Decode Message", &G::decode_rejected},
          {"Last Decode Message", &G::last_decode_rejected}}},
        {"Messages Sent",
         {{"Config Messages", &G::config_messages_sent},
          {"Single Messages", &G::single_messages_sent},
          {"Diff. Port Configuration", &G::set_rtcm_messages_sent},
          {"Diff. Port Commands", &G::reset_rtcm_messages_sent}}},
    };
}

// The processor status of an auxiliary GNSS receiver.
template <class G>
TStatus_table<G> aux_gps_table()
{
    return {
        {"Execution",
         {{"Processor Calls", &G::processor_calls},
          {"Execution Time", &G::execution_time, one_decimal},
          {"Characters Received", &G::characters_received}}},
        {"GPS Messages Received",
         {{"Messages Received", &G::messages_received},
          {"Messages Rejected", &G::messages_rejected},
          {"GGA Messages", &G::gga_messages},
          {"GSA Messages", &G::gsa_messages},
          {"GST Messages", &G::gst_messages},
          {"GSV Messages", &G::gsv_messages},
          {"Other Messges", &G::other_messages},
          {"Checksum Errors", &G::checksum_errors}}},
        {"GPS Serial Port", {{"Baud Rate", &G::baud_rate}, {"Port", &G::port}}},
        {"Proxy Exceptions",
         {{"Scheduler", &G::scheduler_proxy_exceptions},
          {"Message 104", &G::message104_proxy_exceptions}}},
        {"Messages Rejected",
         {{"ASCII Parse", &G::ascii_parse_rejected},
          {"Decode Messages", &G::decode_rejected},
          {"Last Decode Message", &G::last_decode_rejected}}},
    };
}

// The status of one Ethernet port.
template <class G>
TStatus_table<G> ethernet_port_table()
{
    return {
        {"",
         {{"No. of Scheduler Proxies", &G::scheduler_proxies},
          {"No. of Proxy Exceptions", &G::proxy_exceptions},
          {"No. of Proxy Queued", &G::proxies_queued},
          {"No. of MPA Request Failures", &G::mpa_request_failures},
          {"Last MPA Failure Status", &G::last_mpa_failure_status},
          {"Last Port Error", &G::last_port_error},
          {"No. of Port Writes", &G::port_writes}}},
    };
}

} // namespace

TFormNmeaStatus::TFormNmeaStatus(QWidget *parent)
    : TFormStatusWindow("FormNmeaStatus", tr("COM1 (NMEA) Port Status"), parent)
{
    using G = CGroup20114;
    show_table<G>({
        {"",
         {{"Proxy Exceptions", &G::proxy_exceptions},
          {"Proxy Count", &G::proxy_count},
          {"COM Write Failures", &G::com_write_failures},
          {"Schedule Count", &G::schedule_count},
          {"Port Setup", &G::port_setup, port_setup_words},
          {"COM Port", &G::com_port, com_port_words}}},
        {"Valid Messages",
         {{&G::valid_messages,
           {{CNmea_valid_msgs::bits::iin_data, "IIN Data"},
            {CNmea_valid_msgs::bits::group_2, "Group 2"},
            {CNmea_valid_msgs::bits::group_3, "Group 3"},
            {CNmea_valid_msgs::bits::group_101, "Group 101"},
            {CNmea_valid_msgs::bits::error_message, "Error Message"},
            {CNmea_valid_msgs::bits::offset_message, "Offset Message"},
            {CNmea_valid_msgs::bits::date_message, "Date Message"}}}}},
        {"MPA",
         {{"Request Failures", &G::mpa_request_failures},
          {"Failed Group/Message", &G::failed_group_name},
          {"Last MPA Failure Status", &G::last_mpa_failure_status}}},
    });
}

TFormTwanStatus::TFormTwanStatus(QWidget *parent)
    : TFormStatusWindow("FormTwanStatus", tr("TWAN Status"), parent)
{
    using G = CGroup20117;
    const auto data_value = [](std::size_t index) {
        return [index](G & group) -> auto &
        {
            return group.data(index);
        };
    };
    show_table<G>(
        {
            {"General Status",
             {{"File Open", &G::fopen_error},
              {"TWAN Runs", &G::twan_runs},
              {"TWAN Restarts", &G::twan_restarts},
              {"ATT Data Status", &G::att_data_status},
              {"DPOS Status", &G::dpos_status},
              {"Target Mode", &G::target_mode},
              {"Estimate Mode", &G::estimate_mode},
              {"Meaurements Used", &G::measurements_used},
              {"MPA Status", &G::mpa_status}}},
            {"Messages Received",
             {{"IIN", &G::msgs_from_iin},
              {"Pri. GPS Raw Obs.", &G::msgs_from_primary_gps},
              {"Sec. GPS Raw Obs.", &G::msgs_from_secondary_gps},
              {"Pri. GPS Nav Clk", &G::primary_gps_navclk},
              {"Pri. GPS Rephem", &G::primary_gps_rephem},
              {"Scheduler", &G::scheduler_proxies},
              {"Input Manager", &G::msgs_from_imgr},
              {"IMgr Messages Rejected", &G::imgr_msgs_rejected},
              {"IIN Mode", &G::iin_mode_proxies}}},
            {"Proxies",
             {{"IIN Proxies Queued", &G::iin_proxies_queued},
              {"Pri. GPS Proxies Queued", &G::primary_gps_proxies_queued},
              {"Sec. GPS Proxies Queued", &G::secondary_gps_proxies_queued}}},
            {"Miscellaneous",
             {{"Error 1", &G::error_1}, {"Error 2", &G::error_2}, {"Error 3", &G::error_3}}},
            {"Data",
             {{"Data 1", data_value(0)},
              {"Data 2", data_value(1)},
              {"Data 3", data_value(2)},
              {"Data 4", data_value(3)},
              {"Data 5", data_value(4)},
              {"Data 6", data_value(5)},
              {"Data 7", data_value(6)},
              {"Data 8", data_value(7)},
              {"Data 9", data_value(8)},
              {"Data 10", data_value(9)}}},
        },
        3);
}

TFormAnalogStatus::TFormAnalogStatus(QWidget *parent)
    : TFormStatusWindow("FormAnalogStatus", tr("Analog Output Port Status"), parent)
{
    using G = CGroup20121;
    show_table<G>({
        {"General",
         {{"Hardware Inferface", &G::hardware_interface, CText_rule::natural(), unknown},
          {"Proxy Exceptions", &G::proxy_exceptions},
          {"Proxy Count", &G::proxy_count},
          {"Schedule Count", &G::schedule_count},
          {"Mode", &G::mode}}},
        {"Valid Messages", {{&G::valid_messages, {{CDac_valid_msgs::bits::iin_data, "IIN Data"}}}}},
    });
}

TFormRtStatus::TFormRtStatus(QWidget *parent)
    : TFormStatusWindow("FormRtStatus", tr("COM2 (Binary) Port Status"), parent)
{
    using G = CGroup20119;
    show_table<G>({
        {"",
         {{"Proxy Exceptions", &G::proxy_exceptions},
          {"Proxy Count", &G::proxy_count},
          {"COM Write Failures", &G::com_write_failures},
          {"Schedule Count", &G::schedule_count},
          {"Port Setup", &G::port_setup},
          {"COM Port", &G::com_port},
          {"Mode", &G::mode}}},
        {"Valid Messages",
         {{&G::valid_messages,
           {{CRt_output_valid_msgs::bits::iin_data, "IIN Data"},
            {CRt_output_valid_msgs::bits::offset_message, "Offset Message"}}}}},
    });
}

TFormPriGpsStatus::TFormPriGpsStatus(QWidget *parent)
    : TFormStatusWindow("FormPriGpsStatus", tr("Primary GPS Processor Status"), parent)
{
    show_table(gps_processor_table<CGroup20112>("Message 5"), receiver_columns);
}

TFormSecGpsStatus::TFormSecGpsStatus(QWidget *parent)
    : TFormStatusWindow("FormSecGpsStatus", tr("Secondary GPS Processor Status"), parent)
{
    show_table(gps_processor_table<CGroup20113>("Message 110"), receiver_columns);
}

TFormAuxGpsStatus::TFormAuxGpsStatus(QWidget *parent)
    : TFormStatusWindow("FormAuxGpsStatus", tr("Auxiliary 1 GPS Processor Status"), parent)
{
    show_table(aux_gps_table<CGroup20122>());
}

TFormAux2GpsStatus::TFormAux2GpsStatus(QWidget *parent)
    : TFormStatusWindow("FormAux2GpsStatus", tr("Auxiliary 2 GPS Processor Status"), parent)
{
    show_table(aux_gps_table<CGroup20123>());
}

TFormDiscreteStatus::TFormDiscreteStatus(QWidget *parent)
    : TFormStatusWindow("FormDiscreteStatus", tr("Discrete Processor Status"), parent)
{
    using G = CGroup20110;
    const CText_rule user_time = CText_rule::natural().in_tail(G::short_byte_count);
    show_table<G>({
        {"Proxies",
         {{"Scheduler", &G::scheduler_proxies},
          {"Time Recovery", &G::time_recovery_proxies},
          {"Other Proxies", &G::other_proxies},
          {"Proxy Exceptions", &G::proxy_exceptions},
          {"Proxies Queued", &G::proxies_queued},
          {"MPA Status", &G::mpa_status}}},
        {"Hits",
         {{"TOV", &G::tov_hits},
          {"PPS", &G::pps_hits},
          {"Event 1", &G::event_1_hits},
          {"Event 2", &G::event_2_hits},
          {"Slope Hits", &G::slope_hits}}},
        {"Timing",
         {{"Drift Slope", &G::drift_slope},
          {"Clock Rate", &G::clock_rate},
          {"Time Recovery, Current", &G::time_recovery},
          {"Time Recovery, Previous", &G::previous_time_recovery},
          {"Raw PPS Time, Current", &G::raw_pps_time},
          {"Raw PPS Time, Previous", &G::previous_raw_pps_time},
          {"User Drift Slope", &G::user_drift_slope, user_time},
          {"User Clock Rate", &G::user_clock_rate, user_time},
          {"User Time Recovery, Current", &G::user_time_recovery, user_time},
          {"User Time Recovery, Previous", &G::previous_user_time_recovery, user_time}}},
        {"Timing Offsets",
         {{"UTC Offset", &G::utc_offset},
          {"GPS Offset", &G::gps_offset},
          {"User Offset", &G::user_offset}}},
        {"DMI",
         {{"Direction", &G::direction_of_travel,
           CText_rule::words({{-1, StatusText("Reverse")},
                              {0, StatusText("Stationary")},
                              {1, StatusText("Forward")}},
                             StatusText("Unknown"))},
          {"Up Counter", &G::up_counter_hits},
          {"Up/Down Counter", &G::up_down_counter_hits},
          {"U/D Counter at Event 2", &G::up_down_counter_hits_at_event_2}}},
    });
}

TFormImuStatus::TFormImuStatus(QWidget *parent)
    : TFormStatusWindow("FormImuStatus", tr("IMU Processor Status"), parent)
{
    using G = CGroup20111;
    show_table<G>({
        {"",
         {{"Hardware Inferface", &G::hardware_interface, CText_rule::natural(), unknown},
          {"IMU I/O Address (Hex)", &G::io_address, CText_rule::hex(4, false)},
          {"Processor Calls", &G::processor_calls},
          {"IMU Data Frames", &G::data_frames},
          {"Proxy Exceptions", &G::proxy_exceptions},
          {"Proxies Queued", &G::proxies_queued},
          {"IMU Checksum Errors", &G::bad_data_frames},
          {"IMU Status Word (Hex)", &G::status_summary_word, CText_rule::hex(4, true)},
          {"Timeouts", &G::timeouts}}},
    });
}

TFormSystemStatus::TFormSystemStatus(QWidget *parent)
    : TFormStatusWindow("FormSystemStatus", tr("System Monitor"), parent)
{
    using G = CGroup20118;
    show_table<G>({
        {"",
         {{"Schedule Count", &G::schedule_count},
          {"Proxy Exceptions", &G::proxy_exceptions},
          {"Proxy Count", &G::proxy_count},
          {"Task Status", &G::tasks_status},
          {"Dead Task", &G::dead_task_name}}},
    });
}

TFormOmgrStatus::TFormOmgrStatus(QWidget *parent)
    : TFormStatusWindow("FormOmgrStatus", tr("Output Manager Status"), parent)
{
    using G = CGroup20115;
    const CText_rule socket = CText_rule::natural().in_tail(G::short_byte_count);
    show_table<G>({
        {"MPA",
         {{"Request Failures", &G::mpa_request_failures},
          {"Failed Group/Message", &G::failed_name},
          {"Last MPA Failure Status", &G::last_mpa_failure_status}}},
        {"Display Port",
         {{"Reconfigurations", &G::display_port_reconfigurations},
          {"Last Error", &G::last_display_port_error},
          {"Writes", &G::display_port_writes}}},
        {"Data Port",
         {{"Reconfigurations", &G::data_port_reconfigurations},
          {"Last Error", &G::last_data_port_error},
          {"Writes", &G::data_port_writes}}},
        {"Logging Port",
         {{"Reconfigurations", &G::logging_port_reconfigurations},
          {"Last Error", &G::last_logging_port_error},
          {"Writes", &G::logging_port_writes}}},
        {"Message Counts",
         {{"Message 1", &G::message_1_accepted},
          {"Message 1", &G::message_1_rejected},
          {"Message 2", &G::message_2_accepted},
          {"Message 2", &G::message_2_rejected},
          {"Message 3", &G::message_3_accepted},
          {"Message 3", &G::message_3_rejected},
          {"Message 4", &G::message_4_accepted},
          {"Message 4", &G::message_4_rejected},
          {"Message 8", &G::message_8_accepted},
          {"Message 8", &G::message_8_rejected},
          {"Message 14", &G::message_14_accepted},
          {"Message 14", &G::message_14_rejected}},
         {"Accepted", "Rejected"}},
        {"TCP Socket",
         {{"Client IP Address", &G::controller_address, dotted.in_tail(G::short_byte_count)},
          {"Data Port", &G::control_port, socket},
          {"Last Socket Error", &G::last_control_port_error, socket},
          {"Failed Operation", &G::failed_port_operation, socket}}},
    });
}

TFormScsiLoggingStatus::TFormScsiLoggingStatus(QWidget *parent)
    : TFormStatusWindow("FormScsiLoggingStatus", tr("PC Card Logging Status"), parent)
{
    using G = CGroup20120;
    show_table<G>({
        {"",
         {{"MPA Request Failures", &G::mpa_request_failures},
          {"Failed Message Data", &G::failed_message_name},
          {"Last MPA Failure Status", &G::last_mpa_failure_status},
          {"Logging State", &G::logging_state},
          {"Logging Command Error", &G::last_command_error},
          {"Logging Write Error", &G::last_write_error},
          {"Total Logging Port Writes", &G::logging_port_writes}}},
    });
}

TFormImgrStatus::TFormImgrStatus(QWidget *parent)
    : TFormStatusWindow("FormImgrStatus", tr("Input Manager Status"), parent)
{
    using G = CGroup20116;
    show_table<G>(
        {
            {"MPA Request Failure",
             {{"Total Failures", &G::mpa_request_failures},
              {"Source CSC", &G::failed_csc_name},
              {"MPA Failure Status", &G::last_mpa_failure_status}}},
            {"Socket",
             {{"KORU IP Address", &G::koru_address, dotted},
              {"Controller IP Address", &G::controller_address, dotted},
              {"Control Port", &G::control_port},
              {"Last Socket Error", &G::last_control_port_error},
              {"Failed Operation", &G::failed_port_operation},
              {"Failed Transaction Number", &G::failed_transaction_number}}},
            {"Message Rejected",
             {{"Message Identifier", &G::rejected_message_id},
              {"Received Size", &G::rejected_received_size},
              {"Expected Size", &G::rejected_expected_size},
              {"Transaction Number", &G::rejected_transaction_number}}},
            {"Detected Error",
             {{&G::error_codes,
               {{CIm_error_codes::bits::message_start, "Bad Message Start"},
                {CIm_error_codes::bits::message_end, "Bad Message End"},
                {CIm_error_codes::bits::byte_count, "Bad Byte Count"},
                {CIm_error_codes::bits::checksum, "Checksum Error"}}}}},
            {"Message Statistics",
             {{"Messages Rejected", &G::messages_rejected},
              {"Messages Received", &G::messages_received},
              {"Last Message Received", &G::last_message_id},
              {"Sent Messages Missed", &G::sends_missed},
              {"Messages Sent", &G::messages_sent}}},
            {"NVM Read Failures", {{"Message Identifier", &G::nvm_read_failure_message_id}}},
            {"Internal Errors",
             {{"Internal Error 1", &G::internal_error},
              {"Internal Error 2", &G::internal_error_aux_1},
              {"Internal Error 3", &G::internal_error_aux_2}}},
        },
        3);
}

TFormEthernetPortsStatus::TFormEthernetPortsStatus(QWidget *parent)
    : TFormStatusWindow("FormEthernetPortsStatus", tr("Ethernet Ports Status"), parent)
{
    show_tables_behind_tabs("TabControl1", {tr("Display"), tr("Pri Data"), tr("Sec Data")},
                            ethernet_port_table<CGroup20124>(), ethernet_port_table<CGroup20125>(),
                            ethernet_port_table<CGroup20126>());
}
