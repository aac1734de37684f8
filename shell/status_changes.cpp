#include "shell/status_changes.h"

#include "protocol/navigation_groups.h"

#include <iterator>

namespace {

using W = SStatus_words;
using A = CGen_status_a::bits;
using B = CGen_status_b::bits;
using C = CGen_status_c::bits;
using F1 = CFdir_level_1::bits;
using F2 = CFdir_level_2::bits;
using F3 = CFdir_level_3::bits;
using F4 = CFdir_level_4::bits;
using F5 = CFdir_level_5::bits;

// One row of the tables: the word and its bits it watches, and the texts added when one of them
// is set afterwards, or when all are clear afterwards (0: no line).
struct SStatus_row {
    std::uint32_t SStatus_words::*word;
    std::uint32_t mask;
    int set_text;
    int cleared_text;
};

constexpr std::uint32_t twan_solution_in_use = status_mask(B::twan_solution_in_use);
constexpr std::uint32_t primary_gnss_modes =
    status_mask(B::primary_gps_ca_mode, B::primary_gps_diff_mode, B::primary_gps_float_rtk_mode,
                B::primary_gps_wide_lane_rtk_mode, B::primary_gps_narrow_lane_rtk_mode,
                B::primary_gps_p_code_mode);

constexpr SStatus_row status_rows[] = {
    {&W::general_a, status_mask(A::coarse_leveling_active), 12601, 12602},
    {&W::general_a, status_mask(A::coarse_leveling_failed), 12603, 12604},
    {&W::general_a, status_mask(A::quadrant_resolved), 12605, 12606},
    {&W::general_a, status_mask(A::fine_align_active), 12607, 0},
    {&W::general_a, status_mask(A::sdnav_initialized), 12609, 12610},
    {&W::general_a, status_mask(A::nav_alignment_active), 12611, 12612},
    {&W::general_a, status_mask(A::degraded_nav_solution), 12613, 12614},
    {&W::general_a, status_mask(A::full_nav_solution), 12615, 12616},
    {&W::general_a, status_mask(A::gps_only_mode), 12635, 12636},
    {&W::general_a, status_mask(A::free_inertial_mode), 12637, 12638},
    {&W::general_a, status_mask(A::log_port_file_write_error), 12619, 12620},
    {&W::general_a, status_mask(A::log_port_file_open), 12621, 12622},
    {&W::general_a, status_mask(A::log_port_logging_enabled), 12623, 12624},
    {&W::general_a, status_mask(A::log_port_device_full), 12625, 0},
    {&W::general_a, status_mask(A::nvm_write_successful), 12629, 0},
    {&W::general_a, status_mask(A::nvm_write_fail), 12631, 0},
    {&W::general_a, status_mask(A::nvm_hardware_fail), 12633, 12634},

    {&W::general_b, status_mask(B::user_attitude_rms_perf), 12700, 12701},
    {&W::general_b, status_mask(B::user_heading_rms_perf), 12702, 12703},
    {&W::general_b, status_mask(B::user_position_rms_perf), 12704, 12705},
    {&W::general_b, status_mask(B::user_velocity_rms_perf), 12706, 12707},
    {&W::general_b, status_mask(B::twan_cal_in_progress), 12709, 0},
    {&W::general_b, status_mask(B::twan_cal_complete), 12711, 0},
    {&W::general_b, status_mask(B::twan_cal_failed), 12713, 0},
    {&W::general_b, status_mask(B::twan_cal_requested), 12715, 0},
    {&W::general_b, status_mask(B::twan_inst_param_valid), 12717, 12716},
    {&W::general_b, twan_solution_in_use, 12719, 12718},
    {&W::general_b, status_mask(B::twan_solution_ok), 12721, 12720},
    {&W::general_b, status_mask(B::twan_cal_suspended), 12723, 12722},
    {&W::general_b, status_mask(B::twan_cal_forced), 12725, 0},
    {&W::general_b, status_mask(B::primary_gps_solution_in_use), 12726, 12727},
    {&W::general_b, status_mask(B::primary_gps_init_failed), 12728, 0},
    {&W::general_b, status_mask(B::primary_gps_reset_command_sent), 12730, 12731},
    {&W::general_b, status_mask(B::primary_gps_conf_file_sent), 12732, 0},
    {&W::general_b, status_mask(B::primary_gps_not_configured), 12734, 0},
    {&W::general_b, status_mask(B::primary_gps_ca_mode), 12736, 0},
    {&W::general_b, status_mask(B::primary_gps_diff_mode), 12738, 0},
    {&W::general_b, status_mask(B::primary_gps_float_rtk_mode), 12740, 0},
    {&W::general_b, status_mask(B::primary_gps_wide_lane_rtk_mode), 12742, 0},
    {&W::general_b, status_mask(B::primary_gps_narrow_lane_rtk_mode), 12744, 0},
    {&W::general_b, primary_gnss_modes, 0, 12763},
    {&W::general_b, status_mask(B::primary_gps_solution_in_use_for_twan), 12746, 12747},
    {&W::general_b, status_mask(B::secondary_gps_solution_in_use), 12748, 12749},
    {&W::general_b, status_mask(B::aux_gps_solution_in_use), 12751, 12750},
    {&W::general_b, status_mask(B::aux_gps_p_code_mode), 12752, 0},
    {&W::general_b, status_mask(B::aux_gps_diff_mode), 12755, 0},
    {&W::general_b, status_mask(B::aux_gps_float_rtk_mode), 12757, 0},
    {&W::general_b, status_mask(B::aux_gps_wide_lane_rtk_mode), 12758, 0},
    {&W::general_b, status_mask(B::aux_gps_narrow_lane_rtk_mode), 12760, 0},
    {&W::general_b, status_mask(B::primary_gps_p_code_mode), 12764, 0},

    {&W::general_c, status_mask(C::gimbal_input_on), 12800, 12801},
    {&W::general_c, status_mask(C::gimbal_data_in_use), 12802, 12803},
    {&W::general_c, status_mask(C::user_not_logged_in), 12804, 12805},

    {&W::fdir_level_1, status_mask(F1::imu_checksum_error), 12900, 12901},
    {&W::fdir_level_1, status_mask(F1::imu_status_bit), 12902, 12903},
    {&W::fdir_level_1, status_mask(F1::imu_more_than_20), 12904, 12905},
    {&W::fdir_level_1, status_mask(F1::primary_gps_not_in_nav_mode), 12906, 12907},
    {&W::fdir_level_1, status_mask(F1::primary_gps_not_available), 12908, 12909},
    {&W::fdir_level_1, status_mask(F1::primary_gps_data_gap), 12910, 12911},
    {&W::fdir_level_1, status_mask(F1::pps_time_gap), 12914, 12915},
    {&W::fdir_level_1, status_mask(F1::primary_gps_no_time_recovery), 12912, 12913},
    {&W::fdir_level_1, status_mask(F1::primary_gps_raw_obs_data_gap), 12916, 12917},
    {&W::fdir_level_1, status_mask(F1::primary_gps_ephemeris_data_gap), 12918, 12919},
    {&W::fdir_level_1, status_mask(F1::primary_gps_track_elev_limit_incorrect), 12920, 12921},
    {&W::fdir_level_1, status_mask(F1::primary_gps_datum_parameters_incorrect), 12923, 12922},
    {&W::fdir_level_1, status_mask(F1::primary_gps_posvel_fix_error), 12924, 12925},
    {&W::fdir_level_1, status_mask(F1::primary_gps_sv_parameters_incorrect), 12926, 12927},
    {&W::fdir_level_1, status_mask(F1::secondary_gps_data_gap), 12928, 12929},
    {&W::fdir_level_1, status_mask(F1::secondary_gps_raw_obs_data_gap), 12930, 12931},
    {&W::fdir_level_1, status_mask(F1::aux_gps_data_gap), 12932, 12933},
    {&W::fdir_level_1, status_mask(F1::twan_ambiguity_resolution_failed), 12934, 12935},
    {&W::fdir_level_1, status_mask(F1::gimbal_data_gap), 12936, 12937},

    {&W::fdir_level_2, status_mask(F2::imu_nav_speed_over_35), 13000, 13001},
    {&W::fdir_level_2, status_mask(F2::primary_gps_speed_over_35), 13002, 13003},
    {&W::fdir_level_2, status_mask(F2::primary_gps_position_error_over_1000), 13004, 13005},
    {&W::fdir_level_2, status_mask(F2::aux_gps_position_error_over_1000), 13006, 13007},
    {&W::fdir_level_2, status_mask(F2::dmi_speed_over_350), 13008, 13009},

    {&W::fdir_level_3, status_mask(F3::aux_gps_primary_distance_over_1000), 13400, 13401},

    {&W::fdir_level_4, status_mask(F4::primary_gps_position_failure), 13100, 13101},
    {&W::fdir_level_4, status_mask(F4::primary_gps_velocity_failure), 13102, 13103},
    {&W::fdir_level_4, status_mask(F4::twan_heading_failure), 13104, 13105},
    {&W::fdir_level_4, status_mask(F4::aux_gps_position_failure), 13106, 13107},
    {&W::fdir_level_4, status_mask(F4::dmi_position_failure), 13108, 13109},

    {&W::fdir_level_5, status_mask(F5::imu_x_accel_failure), 13200, 13201},
    {&W::fdir_level_5, status_mask(F5::imu_y_accel_failure), 13202, 13203},
    {&W::fdir_level_5, status_mask(F5::imu_z_accel_failure), 13204, 13205},
    {&W::fdir_level_5, status_mask(F5::imu_x_gyro_failure), 13206, 13207},
    {&W::fdir_level_5, status_mask(F5::imu_y_gyro_failure), 13208, 13209},
    {&W::fdir_level_5, status_mask(F5::imu_z_gyro_failure), 13210, 13211},
    {&W::fdir_level_5, status_mask(F5::twan_failure), 13212, 13213},
    {&W::fdir_level_5, status_mask(F5::gps_lever_arm_failure), 13214, 13215},
};

} // namespace

std::size_t CStatus_changes::most_lines()
{
    return std::size(status_rows);
}

void CStatus_changes::update(SStatus_words words, std::vector<int> &texts)
{
    texts.clear();
    debounce_twan_solution(words);
    for (const SStatus_row &row : status_rows) {
        const std::uint32_t before = m_previous.*row.word & row.mask;
        const std::uint32_t after = words.*row.word & row.mask;
        if (before == after) {
            continue;
        }
        const int text = after != 0 ? row.set_text : row.cleared_text;
        if (text != 0) {
            texts.push_back(text);
        }
    }
    m_previous = words;
}

// A TWAN solution that was in use and is missing now counts as still in use until it has been
// missing from enough Group 101 in a row.
void CStatus_changes::debounce_twan_solution(SStatus_words &words)
{
    const bool lost_now = (words.general_b & twan_solution_in_use) == 0 &&
                          (m_previous.general_b & twan_solution_in_use) != 0;
    if (!lost_now) {
        m_twan_loss_count = 0;
        return;
    }
    ++m_twan_loss_count;
    if (m_twan_loss_count < twan_loss_confirmations) {
        words.general_b |= twan_solution_in_use;
    } else {
        m_twan_loss_count = twan_loss_confirmations - 1;
    }
}

void CStatus_changes::reset()
{
    m_previous = {};
    m_twan_loss_count = 0;
}
