#include "protocol/navigation_groups.h"

CStatus::CStatus(CComposite_item *parent, std::string_view name)
    : TBit_set(
          parent, name, CInvalid::invalid_uchar,
          {{0, "1 Bad Raw IMU Frame"}, {1, "2 Bad Raw IMU Frames"}, {2, "3 Bad Raw IMU Frames"}})
{}

CGen_status_a::CGen_status_a(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ulong,
               {{bits::coarse_leveling_active, "Coarse Leveling Active"},
                {bits::coarse_leveling_failed, "Coarse Leveling Failed"},
                {bits::quadrant_resolved, "Quadrant Resolved"},
                {bits::fine_align_active, "Fine Align Active"},
                {bits::sdnav_initialized, "SDnav Initialized"},
                {bits::nav_alignment_active, "Nav Alignment Active"},
                {bits::degraded_nav_solution, "Degraded Nav Solution"},
                {bits::full_nav_solution, "Full Nav Solution"},
                {bits::initial_position_valid, "Initial Position Valid"},
                {bits::gps_only_mode, "Gps Only Mode"},
                {bits::free_inertial_mode, "Free Inertial Mode"},
                {bits::log_port_file_write_error, "Log Port File Write Error"},
                {bits::log_port_file_open, "Log Port File Open"},
                {bits::log_port_logging_enabled, "Log Port Loging Enabled"},
                {bits::log_port_device_full, "Log Port Device Full"},
                {bits::ram_config_differs, "RAM Config != NVM"},
                {bits::nvm_write_successful, "NVM Write Successful"},
                {bits::nvm_write_fail, "NVM Write Fail"},
                {bits::nvm_hardware_fail, "NVM Hardware Fail"}})
{}

CGen_status_b::CGen_status_b(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ulong,
               {{bits::user_attitude_rms_perf, "User Att RMS Perf"},
                {bits::user_heading_rms_perf, "User Hdg RMS Perf"},
                {bits::user_position_rms_perf, "User Pos RMS Perf"},
                {bits::user_velocity_rms_perf, "User Vel RMS Perf"},
                {bits::twan_cal_in_progress, "TWAN Cal In Progress"},
                {bits::twan_cal_complete, "TWAN Cal Complete"},
                {bits::twan_cal_failed, "TWAN Cal Failed"},
                {bits::twan_cal_requested, "TWAN Cal Requested"},
                {bits::twan_inst_param_valid, "TWAN Inst Param Valid"},
                {bits::twan_solution_in_use, "TWAN Solution In Use"},
                {bits::twan_solution_ok, "TWAN Solution OK"},
                {bits::twan_cal_suspended, "TWAN Cal Suspended"},
                {bits::twan_cal_forced, "TWAN Cal Forced"},
                {bits::primary_gps_solution_in_use, "Pri GPS Sol In Use"},
                {bits::primary_gps_init_failed, "Pri GPS Init Failed"},
                {bits::primary_gps_reset_command_sent, "Pri GPS Reset Command Sent"},
                {bits::primary_gps_conf_file_sent, "Pri GPS Conf File Sent"},
                {bits::primary_gps_not_configured, "Pri GPS Not Configured"},
                {bits::primary_gps_ca_mode, "Pri GPS In CA Mode"},
                {bits::primary_gps_diff_mode, "Pri GPS In Diff Mode"},
                {bits::primary_gps_float_rtk_mode, "Pri GPS In Float RTK Mode"},
                {bits::primary_gps_wide_lane_rtk_mode, "Pri GPS In Wide Lane RTK Mode"},
                {bits::primary_gps_narrow_lane_rtk_mode, "Pri GPS In Narrow Lane RTK Mode"},
                {bits::primary_gps_solution_in_use_for_twan, "Primary GPS Sol In Use For Twan"},
                {bits::secondary_gps_solution_in_use, "Sec GPS Sol In Use"},
                {bits::aux_gps_solution_in_use, "Aux GPS Sol In Use"},
                {bits::aux_gps_p_code_mode, "Aux GPS In P-Code Mode"},
                {bits::aux_gps_diff_mode, "Aux GPS In Diff Mode"},
                {bits::aux_gps_float_rtk_mode, "Aux GPS In Float RTK Mode"},
                {bits::aux_gps_wide_lane_rtk_mode, "Aux GPS In Wide Lane RTK Mode"},
                {bits::aux_gps_narrow_lane_rtk_mode, "Aux GPS In Narrow Lane RTK Mode"},
                {bits::primary_gps_p_code_mode, "Pri GPS In PCode Mode"}})
{}

CGen_status_c::CGen_status_c(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ulong,
               {{bits::gimbal_input_on, "Gimbal Input On"},
                {bits::gimbal_data_in_use, "Gimbal Data In Use"},
                {bits::zero_velocity_on, "Zero Velocity On"},
                {bits::zero_velocity_auto, "Zero Velocity Auto"},
                {bits::position_fix_on, "Position Fix On"},
                {bits::position_fix_auto, "Position Fix Auto"},
                {bits::user_not_logged_in, "User Not Logged In"},
                {bits::omni_star_vbs, "Omni Star VBS"},
                {bits::omni_star_xp, "Omni Star XP"},
                {bits::omni_star_hp, "Omni Star HP"}})
{}

CFdir_level_1::CFdir_level_1(CComposite_item *parent, std::string_view name)
    : TBit_set(
          parent, name, CInvalid::invalid_ulong,
          {{bits::imu_checksum_error, "IMU: KORU Checksum Error"},
           {bits::imu_status_bit, "IMU: Status Bit"},
           {bits::imu_more_than_20, "IMU: More Than 20"},
           {bits::primary_gps_not_in_nav_mode, "Pri GPS: Not In Nav Mode"},
           {bits::primary_gps_not_available, "Pri GPS: Not Available"},
           {bits::primary_gps_data_gap, "Pri GPS: Data Gap"},
           {bits::pps_time_gap, "Discrete: PPS Time Gap"},
           {bits::primary_gps_no_time_recovery, "Pri GPS: No Time Recovery"},
           {bits::primary_gps_raw_obs_data_gap, "Pri GPS: Raw Obs Data Gap"},
           {bits::primary_gps_ephemeris_data_gap, "Pri GPS: Ephemeris Data Gap"},
           {bits::primary_gps_track_elev_limit_incorrect, "Pri GPS: Track Elev Limit Incorrect"},
           {bits::primary_gps_datum_parameters_incorrect, "Pri GPS: Datum Parameters Incorrect"},
           {bits::primary_gps_posvel_fix_error, "Pri GPS: PosVel Fix Error"},
           {bits::primary_gps_sv_parameters_incorrect, "Pri GPS: SV Parameters Incorrect"},
           {bits::secondary_gps_data_gap, "Sec GPS: Data Gap"},
           {bits::secondary_gps_raw_obs_data_gap, "Sec GPS: Raw ObsData Gap"},
           {bits::aux_gps_data_gap, "Aux GPS: Data Gap"},
           {bits::twan_ambiguity_resolution_failed, "TWAN: Ambiguity Resolution Failed"},
           {bits::gimbal_data_gap, "Gimbal: Data Gap"}})
{}

CFdir_level_2::CFdir_level_2(CComposite_item *parent, std::string_view name)
    : TBit_set(
          parent, name, CInvalid::invalid_ushort,
          {{bits::imu_nav_speed_over_35, "IMU Failure:  Nav Speed > 35"},
           {bits::primary_gps_speed_over_35, "Pri GPS Failure:  Speed> 35"},
           {bits::primary_gps_position_error_over_1000, "Pri GPS Failure:  Position Error > 1000"},
           {bits::aux_gps_position_error_over_1000, "Aux GPS Failure:  Position Error > 1000"},
           {bits::dmi_speed_over_350, "Dmi Failure:  Speed > 350"}})
{}

CFdir_level_3::CFdir_level_3(CComposite_item *parent, std::string_view name)
    : TBit_set(
          parent, name, CInvalid::invalid_ushort,
          {{bits::aux_gps_primary_distance_over_1000, "Aux GPS Failure: |Pri - Aux Pos| > 1000m"}})
{}

CFdir_level_4::CFdir_level_4(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ushort,
               {{bits::primary_gps_position_failure, "Pri GPS Failure:  Position"},
                {bits::primary_gps_velocity_failure, "Pri GPS Failure:  Velocity"},
                {bits::twan_heading_failure, "TWAN Failure:  Heading"},
                {bits::aux_gps_position_failure, "Aux GPS Failure:  Position"},
                {bits::dmi_position_failure, "DMI Failure:  Position"}})
{}

CFdir_level_5::CFdir_level_5(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ushort,
               {{bits::imu_x_accel_failure, "IMU Failure:  X-accel"},
                {bits::imu_y_accel_failure, "IMU Failure:  Y-accel"},
                {bits::imu_z_accel_failure, "IMU Failure:  Z-accel"},
                {bits::imu_x_gyro_failure, "IMU Failure:  X-gyro"},
                {bits::imu_y_gyro_failure, "IMU Failure:  Y-gyro"},
                {bits::imu_z_gyro_failure, "IMU Failure:  Z-gyro"},
                {bits::twan_failure, "TWAN Failure"},
                {bits::gps_lever_arm_failure, "gps Lever Arm Failure"}})
{}

CGroup1::CGroup1(std::byte *buffer, std::size_t buffer_size)
    : CGroup_record(buffer, buffer_size, number_of_record, byte_count, "Group 1 Header"),
      m_position(new TLat_lon_alt<double>(this, "Position")),
      m_velocity(new TNed<float>(this, "Velocity")),
      m_attitude(new TRph<double>(this, "Attitude")),
      m_wander_angle(new TScalar<double>(this, "Wander Angle")),
      m_track_angle(new TScalar<float>(this, "Track Angle")),
      m_speed(new TScalar<float>(this, "Speed")),
      m_angular_rate(new TLon_tra_dwn<float>(this, "Angular Rate")),
      m_angular_accel(new TLon_tra_dwn<float>(this, "Angular Accel")),
      m_solution_status(new TScalar<std::uint8_t>(this, "Solution Status"))
{
    close_layout("Group 1 Footer");
}

CGroup2::CGroup2(std::byte *buffer, std::size_t buffer_size)
    : CGroup_record(buffer, buffer_size, number_of_record, byte_count, "Group 2 header"),
      m_rms_position(new TNed<float>(this, "RMS Position")),
      m_rms_velocity(new TNed<float>(this, "RMS Velocity")),
      m_rms_attitude(new TRph<float>(this, "RMS Attitude"))
{
    close_layout("Group 2 footer");
}

CGroup4::CGroup4(std::byte *buffer, std::size_t buffer_size)
    : CGroup_record(buffer, buffer_size, number_of_record, byte_count, "Group 4 header"),
      m_delta_velocity(new TXyz<std::int32_t>(this, "Detla Velocity")),
      m_delta_angle(new TXyz<std::int32_t>(this, "Detla Velocity")),
      m_bad_frame_status(new CStatus(this, "Bad Raw IMU Frame Status")),
      m_imu_type(new TScalar<std::uint8_t>(this, "IMU Type")),
      m_data_rate(new TScalar<std::uint8_t>(this, "Data Rate")),
      m_imu_status(new TBit_array<std::uint16_t>(this, "IMU Status", CInvalid::invalid_ushort))
{
    close_layout("Group 4 footer");
}

CPulse_group::CPulse_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                           std::string_view header_name, std::string_view footer_name)
    : CGroup_record(buffer, buffer_size, number, byte_count, header_name),
      m_pulse_number(new TScalar<std::uint32_t>(this, "PPS Pulse Number"))
{
    close_layout(footer_name);
}

CGroup5::CGroup5(std::byte *buffer, std::size_t buffer_size)
    : CPulse_group(buffer, buffer_size, number_of_record, "Group 5 header", "Group 5 footer")
{}

CGroup6::CGroup6(std::byte *buffer, std::size_t buffer_size)
    : CPulse_group(buffer, buffer_size, number_of_record, "Group 6 header", "Group 6 footer")
{}

CGroup7::CGroup7(std::byte *buffer, std::size_t buffer_size)
    : CPulse_group(buffer, buffer_size, number_of_record, "Group 7 header", "Group 7 Footer")
{}

CGroup8::CGroup8(std::byte *buffer, std::size_t buffer_size)
    : CGroup_record(buffer, buffer_size, number_of_record, byte_count, "Group 8 header"),
      m_kbytes_remaining(new TScalar<std::uint32_t>(this, "Removable Disk:  KBytes Remaining")),
      m_kbytes_logged(new TScalar<std::uint32_t>(this, "Removable Disk:  KBytes Logged")),
      m_time_remaining(new TScalar<float>(this, "Removable Disk:  Time Remaining")),
      m_kbytes_total(new TScalar<std::uint32_t>(this, "Removable Disk:  KBytes Total"))
{
    close_layout("Group 8 footer");
}

CGroup99::CGroup99(std::byte *buffer, std::size_t buffer_size)
    : CGroup_record(buffer, buffer_size, number_of_record, byte_count, "Group 99 header"),
      m_koru_version(new TScalar<char *>(this, "KORU Version", 120)),
      m_primary_gps_version(new TScalar<char *>(this, "Primary GPS Version", 80)),
      m_secondary_gps_version(new TScalar<char *>(this, "Secondary GPS Version", 80)),
      m_total_hours(new TScalar<float>(this, "Total Hours")),
      m_number_of_runs(new TScalar<std::uint32_t>(this, "Number of Runs")),
      m_average_run(new TScalar<float>(this, "Average Length of Run")),
      m_longest_run(new TScalar<float>(this, "Longest Run")),
      m_current_run(new TScalar<float>(this, "Current Run"))
{
    close_layout("Group 99 footer");
}

CGroup101::CGroup101(std::byte *buffer, std::size_t buffer_size)
    : CGroup_record(buffer, buffer_size, number_of_record, byte_count, "Group 101 Header"),
      m_general_status_a(new CGen_status_a(this, "General Status A")),
      m_general_status_b(new CGen_status_b(this, "General Status B")),
      m_general_status_c(new CGen_status_c(this, "General Status C")),
      m_fdir_level_1(new CFdir_level_1(this, "FDIR Level 1 Status")),
      m_fdir_level_1_imu_failures(new TScalar<std::uint16_t>(this, "FIDR Level 1 IMU failures", 0)),
      m_fdir_level_2(new CFdir_level_2(this, "FDIR Level 2 Status")),
      m_fdir_level_3(new CFdir_level_3(this, "FDIR Level 3 Status")),
      m_fdir_level_4(new CFdir_level_4(this, "FDIR Level 4 Status")),
      m_fdir_level_5(new CFdir_level_5(this, "FDIR Level 5 Status"))
{
    close_layout("Group 101 Footer");
}

// The address defaults form a private address until the computer's own arrives.
CGroup20202::CGroup20202(std::byte *buffer, std::size_t buffer_size)
    : CGroup_record(buffer, buffer_size, number_of_record, byte_count, "Group 20202 header"),
      m_network_part1(new TScalar<std::uint8_t>(this, "Network Part1", 192)),
      m_network_part2(new TScalar<std::uint8_t>(this, "Network Part2", 168)),
      m_host_part1(new TScalar<std::uint8_t>(this, "Host Part1", 1)),
      m_host_part2(new TScalar<std::uint8_t>(this, "Host Part2", 100)),
      m_data_port_status(new TScalar<std::uint16_t>(this, "Data Port Status")),
      m_received_chars(new TScalar<std::uint32_t>(this, "Number of Received Char")),
      m_reads(new TScalar<std::uint32_t>(this, "Number of Reads")),
      m_last_port_error(new TScalar<std::uint32_t>(this, "Last Port Error")),
      m_mpa_request_failures(new TScalar<std::uint32_t>(this, "No of MPA Req Failures")),
      m_mpa_post_failures(new TScalar<std::uint32_t>(this, "No. of MPA Post Failures")),
      m_mpa_posts(new TScalar<std::uint32_t>(this, "No. of MPA Posts")),
      m_sched_proxy_exceptions(new TScalar<std::uint32_t>(this, "No. Sched Proxy Exception")),
      m_pps_proxy_exceptions(new TScalar<std::uint32_t>(this, "No. PPS Proxy Exception")),
      m_msg20206_proxy_exceptions(new TScalar<std::uint32_t>(this, "No. Msg20206 Proxy Exception")),
      m_msg20206_accepted(new TScalar<std::uint32_t>(this, "No. Msg20206 Accepted")),
      m_msg20206_rejected(new TScalar<std::uint32_t>(this, "No. Msg20206 Rejected")),
      m_reserved_double_1(new TScalar<double>(this, "Reserved Double 1")),
      m_reserved_double_2(new TScalar<double>(this, "Reserved Double 2")),
      m_reserved_int_1(new TScalar<std::uint32_t>(this, "Reserved Int 1")),
      m_reserved_int_2(new TScalar<std::uint32_t>(this, "Reserved Int 2"))
{
    close_layout("Group 20202 footer");
}
