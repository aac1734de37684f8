#include "protocol/navigation_groups.h"

CStatus::CStatus(CComposite_item *parent, std::string_view name)
    : TBit_set(
          parent, name, CInvalid::invalid_uchar,
          {{0, "1 Bad Raw IMU Frame"}, {1, "2 Bad Raw IMU Frames"}, {2, "3 Bad Raw IMU Frames"}})
{}

CGen_status_a::CGen_status_a(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ulong,
               {{0, "Coarse Leveling Active"},
                {1, "Coarse Leveling Failed"},
                {2, "Quadrant Resolved"},
                {3, "Fine Align Active"},
                {4, "SDnav Initialized"},
                {5, "Nav Alignment Active"},
                {6, "Degraded Nav Solution"},
                {7, "Full Nav Solution"},
                {8, "Initial Position Valid"},
                {9, "Gps Only Mode"},
                {10, "Free Inertial Mode"},
                {12, "Log Port File Write Error"},
                {13, "Log Port File Open"},
                {14, "Log Port Loging Enabled"},
                {15, "Log Port Device Full"},
                {16, "RAM Config != NVM"},
                {17, "NVM Write Successful"},
                {18, "NVM Write Fail"},
                {19, "NVM Hardware Fail"}})
{}

CGen_status_b::CGen_status_b(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ulong,
               {{0, "User Att RMS Perf"},
                {1, "User Hdg RMS Perf"},
                {2, "User Pos RMS Perf"},
                {3, "User Vel RMS Perf"},
                {4, "TWAN Cal In Progress"},
                {5, "TWAN Cal Complete"},
                {6, "TWAN Cal Failed"},
                {7, "TWAN Cal Requested"},
                {8, "TWAN Inst Param Valid"},
                {9, "TWAN Solution In Use"},
                {10, "TWAN Solution OK"},
                {11, "TWAN Cal Suspended"},
                {12, "TWAN Cal Forced"},
                {13, "Pri GPS Sol In Use"},
                {14, "Pri GPS Init Failed"},
                {15, "Pri GPS Reset Command Sent"},
                {16, "Pri GPS Conf File Sent"},
                {17, "Pri GPS Not Configured"},
                {18, "Pri GPS In CA Mode"},
                {19, "Pri GPS In Diff Mode"},
                {20, "Pri GPS In Float RTK Mode"},
                {21, "Pri GPS In Wide Lane RTK Mode"},
                {22, "Pri GPS In Narrow Lane RTK Mode"},
                {23, "Primary GPS Sol In Use For Twan"},
                {24, "Sec GPS Sol In Use"},
                {25, "Aux GPS Sol In Use"},
                {26, "Aux GPS In P-Code Mode"},
                {27, "Aux GPS In Diff Mode"},
                {28, "Aux GPS In Float RTK Mode"},
                {29, "Aux GPS In Wide Lane RTK Mode"},
                {30, "Aux GPS In Narrow Lane RTK Mode"},
                {31, "Pri GPS In PCode Mode"}})
{}

CGen_status_c::CGen_status_c(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ulong,
               {{0, "Gimbal Input On"},
                {1, "Gimbal Data In Use"},
                {2, "Zero Velocity On"},
                {3, "Zero Velocity Auto"},
                {4, "Position Fix On"},
                {5, "Position Fix Auto"},
                {6, "User Not Logged In"},
                {7, "Omni Star VBS"},
                {8, "Omni Star XP"},
                {9, "Omni Star HP"}})
{}

CFdir_level_1::CFdir_level_1(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ulong,
               {{0, "IMU: KORU Checksum Error"},
                {1, "IMU: Status Bit"},
                {2, "IMU: More Than 20"},
                {5, "Pri GPS: Not In Nav Mode"},
                {6, "Pri GPS: Not Available"},
                {7, "Pri GPS: Data Gap"},
                {8, "Discrete: PPS Time Gap"},
                {9, "Pri GPS: No Time Recovery"},
                {10, "Pri GPS: Raw Obs Data Gap"},
                {11, "Pri GPS: Ephemeris Data Gap"},
                {12, "Pri GPS: Track Elev Limit Incorrect"},
                {13, "Pri GPS: Datum Parameters Incorrect"},
                {14, "Pri GPS: PosVel Fix Error"},
                {15, "Pri GPS: SV Parameters Incorrect"},
                {20, "Sec GPS: Data Gap"},
                {21, "Sec GPS: Raw ObsData Gap"},
                {25, "Aux GPS: Data Gap"},
                {26, "TWAN: Ambiguity Resolution Failed"},
                {27, "Gimbal: Data Gap"}})
{}

CFdir_level_2::CFdir_level_2(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ushort,
               {{0, "IMU Failure:  Nav Speed > 35"},
                {1, "Pri GPS Failure:  Speed> 35"},
                {2, "Pri GPS Failure:  Position Error > 1000"},
                {3, "Aux GPS Failure:  Position Error > 1000"},
                {4, "Dmi Failure:  Speed > 350"}})
{}

CFdir_level_3::CFdir_level_3(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ushort,
               {{0, "Aux GPS Failure: |Pri - Aux Pos| > 1000m"}})
{}

CFdir_level_4::CFdir_level_4(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ushort,
               {{0, "Pri GPS Failure:  Position"},
                {1, "Pri GPS Failure:  Velocity"},
                {2, "TWAN Failure:  Heading"},
                {3, "Aux GPS Failure:  Position"},
                {4, "DMI Failure:  Position"}})
{}

CFdir_level_5::CFdir_level_5(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, CInvalid::invalid_ushort,
               {{0, "IMU Failure:  X-accel"},
                {1, "IMU Failure:  Y-accel"},
                {2, "IMU Failure:  Z-accel"},
                {3, "IMU Failure:  X-gyro"},
                {4, "IMU Failure:  Y-gyro"},
                {5, "IMU Failure:  Z-gyro"},
                {6, "TWAN Failure"},
                {7, "gps Lever Arm Failure"}})
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
