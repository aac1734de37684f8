#pragma once
// The groups the main window and the main navigation view read: navigation solution and its
// accuracy, IMU data, PPS counts, disk usage, versions, status words and the data port state.

#include "protocol/group_base.h"

#include <concepts>
#include <cstdint>

// "Bad Raw IMU Frame Status" of Group 4.
class CStatus : public TBit_set<std::uint8_t> {
public:
    CStatus(CComposite_item *parent, std::string_view name);
};

// Reading the status words of Group 101 by the bit numbers their classes below name.

// The mask of the status bits numbered `numbers`.
template <std::same_as<unsigned>... TNumber>
constexpr std::uint32_t status_mask(TNumber... numbers)
{
    return ((std::uint32_t{1} << numbers) | ...);
}

// True when bit `number` of a status word is set.
constexpr bool is_bit_set(std::uint32_t word, unsigned number)
{
    return ((word >> number) & 1u) != 0;
}

// True when any bit of `mask` is set in a status word.
constexpr bool any_bit_set(std::uint32_t word, std::uint32_t mask)
{
    return (word & mask) != 0;
}

// The status words of Group 101. Bits without a name are not listed. Each class's `bits` numbers
// its named bits, so that a reader of a word names the bit instead of writing its number.
class CGen_status_a : public TBit_set<std::uint32_t> {
public:
    struct bits {
        static constexpr unsigned coarse_leveling_active = 0;
        static constexpr unsigned coarse_leveling_failed = 1;
        static constexpr unsigned quadrant_resolved = 2;
        static constexpr unsigned fine_align_active = 3;
        static constexpr unsigned sdnav_initialized = 4;
        static constexpr unsigned nav_alignment_active = 5;
        static constexpr unsigned degraded_nav_solution = 6;
        static constexpr unsigned full_nav_solution = 7;
        static constexpr unsigned initial_position_valid = 8;
        static constexpr unsigned gps_only_mode = 9;
        static constexpr unsigned free_inertial_mode = 10;
        static constexpr unsigned log_port_file_write_error = 12;
        static constexpr unsigned log_port_file_open = 13;
        static constexpr unsigned log_port_logging_enabled = 14;
        static constexpr unsigned log_port_device_full = 15;
        static constexpr unsigned ram_config_differs = 16;
        static constexpr unsigned nvm_write_successful = 17;
        static constexpr unsigned nvm_write_fail = 18;
        static constexpr unsigned nvm_hardware_fail = 19;
    };

    CGen_status_a(CComposite_item *parent, std::string_view name);
};

class CGen_status_b : public TBit_set<std::uint32_t> {
public:
    struct bits {
        static constexpr unsigned user_attitude_rms_perf = 0;
        static constexpr unsigned user_heading_rms_perf = 1;
        static constexpr unsigned user_position_rms_perf = 2;
        static constexpr unsigned user_velocity_rms_perf = 3;
        static constexpr unsigned twan_cal_in_progress = 4;
        static constexpr unsigned twan_cal_complete = 5;
        static constexpr unsigned twan_cal_failed = 6;
        static constexpr unsigned twan_cal_requested = 7;
        static constexpr unsigned twan_inst_param_valid = 8;
        static constexpr unsigned twan_solution_in_use = 9;
        static constexpr unsigned twan_solution_ok = 10;
        static constexpr unsigned twan_cal_suspended = 11;
        static constexpr unsigned twan_cal_forced = 12;
        static constexpr unsigned primary_gps_solution_in_use = 13;
        static constexpr unsigned primary_gps_init_failed = 14;
        static constexpr unsigned primary_gps_reset_command_sent = 15;
        static constexpr unsigned primary_gps_conf_file_sent = 16;
        static constexpr unsigned primary_gps_not_configured = 17;
        static constexpr unsigned primary_gps_ca_mode = 18;
        static constexpr unsigned primary_gps_diff_mode = 19;
        static constexpr unsigned primary_gps_float_rtk_mode = 20;
        static constexpr unsigned primary_gps_wide_lane_rtk_mode = 21;
        static constexpr unsigned primary_gps_narrow_lane_rtk_mode = 22;
        static constexpr unsigned primary_gps_solution_in_use_for_twan = 23;
        static constexpr unsigned secondary_gps_solution_in_use = 24;
        static constexpr unsigned aux_gps_solution_in_use = 25;
        static constexpr unsigned aux_gps_p_code_mode = 26;
        static constexpr unsigned aux_gps_diff_mode = 27;
        static constexpr unsigned aux_gps_float_rtk_mode = 28;
        static constexpr unsigned aux_gps_wide_lane_rtk_mode = 29;
        static constexpr unsigned aux_gps_narrow_lane_rtk_mode = 30;
        static constexpr unsigned primary_gps_p_code_mode = 31;
    };

    CGen_status_b(CComposite_item *parent, std::string_view name);
};

class CGen_status_c : public TBit_set<std::uint32_t> {
public:
    struct bits {
        static constexpr unsigned gimbal_input_on = 0;
        static constexpr unsigned gimbal_data_in_use = 1;
        static constexpr unsigned zero_velocity_on = 2;
        static constexpr unsigned zero_velocity_auto = 3;
        static constexpr unsigned position_fix_on = 4;
        static constexpr unsigned position_fix_auto = 5;
        static constexpr unsigned user_not_logged_in = 6;
        static constexpr unsigned omni_star_vbs = 7;
        static constexpr unsigned omni_star_xp = 8;
        static constexpr unsigned omni_star_hp = 9;
    };

    CGen_status_c(CComposite_item *parent, std::string_view name);
};

class CFdir_level_1 : public TBit_set<std::uint32_t> {
public:
    struct bits {
        static constexpr unsigned imu_checksum_error = 0;
        static constexpr unsigned imu_status_bit = 1;
        static constexpr unsigned imu_more_than_20 = 2;
        static constexpr unsigned primary_gps_not_in_nav_mode = 5;
        static constexpr unsigned primary_gps_not_available = 6;
        static constexpr unsigned primary_gps_data_gap = 7;
        static constexpr unsigned pps_time_gap = 8;
        static constexpr unsigned primary_gps_no_time_recovery = 9;
        static constexpr unsigned primary_gps_raw_obs_data_gap = 10;
        static constexpr unsigned primary_gps_ephemeris_data_gap = 11;
        static constexpr unsigned primary_gps_track_elev_limit_incorrect = 12;
        static constexpr unsigned primary_gps_datum_parameters_incorrect = 13;
        static constexpr unsigned primary_gps_posvel_fix_error = 14;
        static constexpr unsigned primary_gps_sv_parameters_incorrect = 15;
        static constexpr unsigned secondary_gps_data_gap = 20;
        static constexpr unsigned secondary_gps_raw_obs_data_gap = 21;
        static constexpr unsigned aux_gps_data_gap = 25;
        static constexpr unsigned twan_ambiguity_resolution_failed = 26;
        static constexpr unsigned gimbal_data_gap = 27;
    };

    CFdir_level_1(CComposite_item *parent, std::string_view name);
};

class CFdir_level_2 : public TBit_set<std::uint16_t> {
public:
    struct bits {
        static constexpr unsigned imu_nav_speed_over_35 = 0;
        static constexpr unsigned primary_gps_speed_over_35 = 1;
        static constexpr unsigned primary_gps_position_error_over_1000 = 2;
        static constexpr unsigned aux_gps_position_error_over_1000 = 3;
        static constexpr unsigned dmi_speed_over_350 = 4;
    };

    CFdir_level_2(CComposite_item *parent, std::string_view name);
};

class CFdir_level_3 : public TBit_set<std::uint16_t> {
public:
    struct bits {
        static constexpr unsigned aux_gps_primary_distance_over_1000 = 0;
    };

    CFdir_level_3(CComposite_item *parent, std::string_view name);
};

class CFdir_level_4 : public TBit_set<std::uint16_t> {
public:
    struct bits {
        static constexpr unsigned primary_gps_position_failure = 0;
        static constexpr unsigned primary_gps_velocity_failure = 1;
        static constexpr unsigned twan_heading_failure = 2;
        static constexpr unsigned aux_gps_position_failure = 3;
        static constexpr unsigned dmi_position_failure = 4;
    };

    CFdir_level_4(CComposite_item *parent, std::string_view name);
};

class CFdir_level_5 : public TBit_set<std::uint16_t> {
public:
    struct bits {
        static constexpr unsigned imu_x_accel_failure = 0;
        static constexpr unsigned imu_y_accel_failure = 1;
        static constexpr unsigned imu_z_accel_failure = 2;
        static constexpr unsigned imu_x_gyro_failure = 3;
        static constexpr unsigned imu_y_gyro_failure = 4;
        static constexpr unsigned imu_z_gyro_failure = 5;
        static constexpr unsigned twan_failure = 6;
        static constexpr unsigned gps_lever_arm_failure = 7;
    };

    CFdir_level_5(CComposite_item *parent, std::string_view name);
};

// Navigation solution.
class CGroup1 : public CGroup_record {
public:
    static constexpr std::uint16_t number_of_record = 1;
    static constexpr std::uint16_t byte_count = 132;

    CGroup1(std::byte *buffer, std::size_t buffer_size);

    TLat_lon_alt<double> &position() { return *m_position; }
    TNed<float> &velocity() { return *m_velocity; }
    TRph<double> &attitude() { return *m_attitude; }
    TScalar<double> &wander_angle() { return *m_wander_angle; }
    TScalar<float> &track_angle() { return *m_track_angle; }
    TScalar<float> &speed() { return *m_speed; }
    TLon_tra_dwn<float> &angular_rate() { return *m_angular_rate; }
    TLon_tra_dwn<float> &angular_accel() { return *m_angular_accel; }
    TScalar<std::uint8_t> &solution_status() { return *m_solution_status; }

private:
    TLat_lon_alt<double> *m_position;
    TNed<float> *m_velocity;
    TRph<double> *m_attitude;
    TScalar<double> *m_wander_angle;
    TScalar<float> *m_track_angle;
    TScalar<float> *m_speed;
    TLon_tra_dwn<float> *m_angular_rate;
    TLon_tra_dwn<float> *m_angular_accel;
    TScalar<std::uint8_t> *m_solution_status;
};

// RMS accuracy of the navigation solution.
class CGroup2 : public CGroup_record {
public:
    static constexpr std::uint16_t number_of_record = 2;
    static constexpr std::uint16_t byte_count = 68;

    CGroup2(std::byte *buffer, std::size_t buffer_size);

    TNed<float> &rms_position() { return *m_rms_position; }
    TNed<float> &rms_velocity() { return *m_rms_velocity; }
    TRph<float> &rms_attitude() { return *m_rms_attitude; }

private:
    TNed<float> *m_rms_position;
    TNed<float> *m_rms_velocity;
    TRph<float> *m_rms_attitude;
};

// IMU increments and status.
class CGroup4 : public CGroup_record {
public:
    static constexpr std::uint16_t number_of_record = 4;
    static constexpr std::uint16_t byte_count = 60;

    CGroup4(std::byte *buffer, std::size_t buffer_size);

    // The computer names both increment triples "Detla Velocity"; the second holds the angle
    // increments.
    TXyz<std::int32_t> &delta_velocity() { return *m_delta_velocity; }
    TXyz<std::int32_t> &delta_angle() { return *m_delta_angle; }
    CStatus &bad_frame_status() { return *m_bad_frame_status; }
    TScalar<std::uint8_t> &imu_type() { return *m_imu_type; }
    TScalar<std::uint8_t> &data_rate() { return *m_data_rate; }
    TBit_array<std::uint16_t> &imu_status() { return *m_imu_status; }

private:
    TXyz<std::int32_t> *m_delta_velocity;
    TXyz<std::int32_t> *m_delta_angle;
    CStatus *m_bad_frame_status;
    TScalar<std::uint8_t> *m_imu_type;
    TScalar<std::uint8_t> *m_data_rate;
    TBit_array<std::uint16_t> *m_imu_status;
};

// A pulse count: Groups 5, 6 and 7 share this layout.
class CPulse_group : public CGroup_record {
public:
    static constexpr std::uint16_t byte_count = 36;

    TScalar<std::uint32_t> &pulse_number() { return *m_pulse_number; }

protected:
    CPulse_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                 std::string_view header_name, std::string_view footer_name);

private:
    TScalar<std::uint32_t> *m_pulse_number;
};

class CGroup5 : public CPulse_group {
public:
    static constexpr std::uint16_t number_of_record = 5;
    CGroup5(std::byte *buffer, std::size_t buffer_size);
};

class CGroup6 : public CPulse_group {
public:
    static constexpr std::uint16_t number_of_record = 6;
    CGroup6(std::byte *buffer, std::size_t buffer_size);
};

class CGroup7 : public CPulse_group {
public:
    static constexpr std::uint16_t number_of_record = 7;
    CGroup7(std::byte *buffer, std::size_t buffer_size);
};

// Removable disk usage.
class CGroup8 : public CGroup_record {
public:
    static constexpr std::uint16_t number_of_record = 8;
    static constexpr std::uint16_t byte_count = 48;

    CGroup8(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint32_t> &kbytes_remaining() { return *m_kbytes_remaining; }
    TScalar<std::uint32_t> &kbytes_logged() { return *m_kbytes_logged; }
    TScalar<float> &time_remaining() { return *m_time_remaining; }
    TScalar<std::uint32_t> &kbytes_total() { return *m_kbytes_total; }

private:
    TScalar<std::uint32_t> *m_kbytes_remaining;
    TScalar<std::uint32_t> *m_kbytes_logged;
    TScalar<float> *m_time_remaining;
    TScalar<std::uint32_t> *m_kbytes_total;
};

// Versions and run statistics.
class CGroup99 : public CGroup_record {
public:
    static constexpr std::uint16_t number_of_record = 99;
    static constexpr std::uint16_t byte_count = 332;

    CGroup99(std::byte *buffer, std::size_t buffer_size);

    TScalar<char *> &koru_version() { return *m_koru_version; }
    TScalar<char *> &primary_gps_version() { return *m_primary_gps_version; }
    TScalar<char *> &secondary_gps_version() { return *m_secondary_gps_version; }
    TScalar<float> &total_hours() { return *m_total_hours; }
    TScalar<std::uint32_t> &number_of_runs() { return *m_number_of_runs; }
    TScalar<float> &average_run() { return *m_average_run; }
    TScalar<float> &longest_run() { return *m_longest_run; }
    TScalar<float> &current_run() { return *m_current_run; }

private:
    TScalar<char *> *m_koru_version;
    TScalar<char *> *m_primary_gps_version;
    TScalar<char *> *m_secondary_gps_version;
    TScalar<float> *m_total_hours;
    TScalar<std::uint32_t> *m_number_of_runs;
    TScalar<float> *m_average_run;
    TScalar<float> *m_longest_run;
    TScalar<float> *m_current_run;
};

// General status and fault detection words. Windows obtain it as CGroup_fdir.
class CGroup101 : public CGroup_record {
public:
    static constexpr std::uint16_t number_of_record = 101;
    static constexpr std::uint16_t byte_count = 56;

    CGen_status_a &general_status_a() { return *m_general_status_a; }
    const CGen_status_a &general_status_a() const { return *m_general_status_a; }
    CGen_status_b &general_status_b() { return *m_general_status_b; }
    const CGen_status_b &general_status_b() const { return *m_general_status_b; }
    CGen_status_c &general_status_c() { return *m_general_status_c; }
    const CGen_status_c &general_status_c() const { return *m_general_status_c; }
    CFdir_level_1 &fdir_level_1() { return *m_fdir_level_1; }
    const CFdir_level_1 &fdir_level_1() const { return *m_fdir_level_1; }
    TScalar<std::uint16_t> &fdir_level_1_imu_failures() { return *m_fdir_level_1_imu_failures; }
    CFdir_level_2 &fdir_level_2() { return *m_fdir_level_2; }
    const CFdir_level_2 &fdir_level_2() const { return *m_fdir_level_2; }
    CFdir_level_3 &fdir_level_3() { return *m_fdir_level_3; }
    const CFdir_level_3 &fdir_level_3() const { return *m_fdir_level_3; }
    CFdir_level_4 &fdir_level_4() { return *m_fdir_level_4; }
    const CFdir_level_4 &fdir_level_4() const { return *m_fdir_level_4; }
    CFdir_level_5 &fdir_level_5() { return *m_fdir_level_5; }
    const CFdir_level_5 &fdir_level_5() const { return *m_fdir_level_5; }

protected:
    CGroup101(std::byte *buffer, std::size_t buffer_size);

private:
    CGen_status_a *m_general_status_a;
    CGen_status_b *m_general_status_b;
    CGen_status_c *m_general_status_c;
    CFdir_level_1 *m_fdir_level_1;
    TScalar<std::uint16_t> *m_fdir_level_1_imu_failures;
    CFdir_level_2 *m_fdir_level_2;
    CFdir_level_3 *m_fdir_level_3;
    CFdir_level_4 *m_fdir_level_4;
    CFdir_level_5 *m_fdir_level_5;
};

// The one class registered for Group 101: every window that reads the status words asks for
// this class, so they all share one record whichever window asks first.
class CGroup_fdir : public CGroup101 {
public:
    CGroup_fdir(std::byte *buffer, std::size_t buffer_size) : CGroup101(buffer, buffer_size) {}
};

// State of the computer's data port and its proxies.
class CGroup20202 : public CGroup_record {
public:
    static constexpr std::uint16_t number_of_record = 20202;
    static constexpr std::uint16_t byte_count = 104;

    CGroup20202(std::byte *buffer, std::size_t buffer_size);

    // The four bytes of an IPv4 address, in order.
    TScalar<std::uint8_t> &network_part1() { return *m_network_part1; }
    TScalar<std::uint8_t> &network_part2() { return *m_network_part2; }
    TScalar<std::uint8_t> &host_part1() { return *m_host_part1; }
    TScalar<std::uint8_t> &host_part2() { return *m_host_part2; }
    TScalar<std::uint16_t> &data_port_status() { return *m_data_port_status; }
    TScalar<std::uint32_t> &received_chars() { return *m_received_chars; }
    TScalar<std::uint32_t> &reads() { return *m_reads; }
    TScalar<std::uint32_t> &last_port_error() { return *m_last_port_error; }
    TScalar<std::uint32_t> &mpa_request_failures() { return *m_mpa_request_failures; }
    TScalar<std::uint32_t> &mpa_post_failures() { return *m_mpa_post_failures; }
    TScalar<std::uint32_t> &mpa_posts() { return *m_mpa_posts; }
    TScalar<std::uint32_t> &sched_proxy_exceptions() { return *m_sched_proxy_exceptions; }
    TScalar<std::uint32_t> &pps_proxy_exceptions() { return *m_pps_proxy_exceptions; }
    TScalar<std::uint32_t> &msg20206_proxy_exceptions() { return *m_msg20206_proxy_exceptions; }
    TScalar<std::uint32_t> &msg20206_accepted() { return *m_msg20206_accepted; }
    TScalar<std::uint32_t> &msg20206_rejected() { return *m_msg20206_rejected; }
    TScalar<double> &reserved_double_1() { return *m_reserved_double_1; }
    TScalar<double> &reserved_double_2() { return *m_reserved_double_2; }
    TScalar<std::uint32_t> &reserved_int_1() { return *m_reserved_int_1; }
    TScalar<std::uint32_t> &reserved_int_2() { return *m_reserved_int_2; }

private:
    TScalar<std::uint8_t> *m_network_part1;
    TScalar<std::uint8_t> *m_network_part2;
    TScalar<std::uint8_t> *m_host_part1;
    TScalar<std::uint8_t> *m_host_part2;
    TScalar<std::uint16_t> *m_data_port_status;
    TScalar<std::uint32_t> *m_received_chars;
    TScalar<std::uint32_t> *m_reads;
    TScalar<std::uint32_t> *m_last_port_error;
    TScalar<std::uint32_t> *m_mpa_request_failures;
    TScalar<std::uint32_t> *m_mpa_post_failures;
    TScalar<std::uint32_t> *m_mpa_posts;
    TScalar<std::uint32_t> *m_sched_proxy_exceptions;
    TScalar<std::uint32_t> *m_pps_proxy_exceptions;
    TScalar<std::uint32_t> *m_msg20206_proxy_exceptions;
    TScalar<std::uint32_t> *m_msg20206_accepted;
    TScalar<std::uint32_t> *m_msg20206_rejected;
    TScalar<double> *m_reserved_double_1;
    TScalar<double> *m_reserved_double_2;
    TScalar<std::uint32_t> *m_reserved_int_1;
    TScalar<std::uint32_t> *m_reserved_int_2;
};
