#include "display/status_texts.h"

#include "protocol/navigation_groups.h"
#include "resources/texts.h"

#include <span>

namespace {

using A = CGen_status_a::bits;
using B = CGen_status_b::bits;
using C = CGen_status_c::bits;
using F1 = CFdir_level_1::bits;
using F2 = CFdir_level_2::bits;
using F5 = CFdir_level_5::bits;

// IMU checksum error or status bit.
constexpr std::uint32_t imu_faults = status_mask(F1::imu_checksum_error, F1::imu_status_bit);
// Any accelerometer or gyro failure.
constexpr std::uint32_t imu_sensor_failures =
    status_mask(F5::imu_x_accel_failure, F5::imu_y_accel_failure, F5::imu_z_accel_failure,
                F5::imu_x_gyro_failure, F5::imu_y_gyro_failure, F5::imu_z_gyro_failure);
// The primary receiver's speed or position is rejected.
constexpr std::uint32_t gnss_failures =
    status_mask(F2::primary_gps_speed_over_35, F2::primary_gps_position_error_over_1000);
// The primary receiver is not navigating or not configured yet.
constexpr std::uint32_t gnss_not_ready =
    status_mask(F1::primary_gps_not_in_nav_mode, F1::primary_gps_track_elev_limit_incorrect,
                F1::primary_gps_datum_parameters_incorrect, F1::primary_gps_posvel_fix_error,
                F1::primary_gps_sv_parameters_incorrect);

// One row of a status table: the first row whose condition holds gives the text and the code.
struct SStatus_row {
    bool (*holds)(const SStatus_words &);
    int text_id;
    int code_id;
};

using S = SStatus_words;

constexpr bool always(const S &)
{
    return true;
}

constexpr SStatus_row navigation_rows[] = {
    {[](const S &s) { return is_bit_set(s.general_a, A::coarse_leveling_failed); }, 14001, 14081},
    {[](const S &s) { return is_bit_set(s.general_a, A::coarse_leveling_active); }, 14002, 14082},
    {[](const S &s) { return is_bit_set(s.general_a, A::gps_only_mode); }, 14007, 14087},
    {[](const S &s) { return is_bit_set(s.general_a, A::free_inertial_mode); }, 14008, 14088},
    {[](const S &s) { return is_bit_set(s.general_a, A::degraded_nav_solution); }, 14003, 14083},
    {[](const S &s) { return is_bit_set(s.general_a, A::full_nav_solution); }, 14004, 14084},
    {[](const S &s) { return is_bit_set(s.general_a, A::fine_align_active); }, 14005, 14085},
    {[](const S &s) { return is_bit_set(s.general_a, A::sdnav_initialized); }, 14006, 14086},
    {always, 14000, 14080},
};

constexpr int imu_failure = 14010, imu_failure_code = 14090;
constexpr int imu_warning = 14011, imu_warning_code = 14091;
constexpr int imu_ok = 14012, imu_ok_code = 14092;

constexpr SStatus_row imu_rows[] = {
    // In GPS-only mode only the IMU's own status bit counts.
    {[](const S &s) {
         return is_bit_set(s.general_a, A::gps_only_mode) &&
                is_bit_set(s.fdir_level_1, F1::imu_status_bit);
     },
     imu_failure, imu_failure_code},
    {[](const S &s) { return is_bit_set(s.general_a, A::gps_only_mode); }, imu_ok, imu_ok_code},
    // Checksum error or status bit; nav speed above 35.
    {[](const S &s) { return any_bit_set(s.fdir_level_1, imu_faults); }, imu_failure,
     imu_failure_code},
    {[](const S &s) { return is_bit_set(s.fdir_level_2, F2::imu_nav_speed_over_35); }, imu_failure,
     imu_failure_code},
    // More than 20 failures; any accelerometer or gyro failure.
    {[](const S &s) {
         return is_bit_set(s.fdir_level_1, F1::imu_more_than_20) ||
                any_bit_set(s.fdir_level_5, imu_sensor_failures);
     },
     imu_warning, imu_warning_code},
    {always, imu_ok, imu_ok_code},
};

constexpr bool aux_in_use(const S &s)
{
    return is_bit_set(s.general_b, B::aux_gps_solution_in_use);
}

// The primary receiver's solution is in use, in mode `mode`.
constexpr bool primary_in(const S &s, unsigned mode)
{
    return !aux_in_use(s) && is_bit_set(s.general_b, mode);
}

constexpr SStatus_row gnss_rows[] = {
    {[](const S &s) { return is_bit_set(s.fdir_level_1, F1::primary_gps_not_available); }, 14033,
     14113},
    {[](const S &s) { return any_bit_set(s.fdir_level_2, gnss_failures); }, 14031, 14111},
    {[](const S &s) { return any_bit_set(s.fdir_level_1, gnss_not_ready); }, 14032, 14112},
    {[](const S &s) { return is_bit_set(s.fdir_level_1, F1::primary_gps_data_gap); }, 14034, 14114},
    {[](const S &s) { return is_bit_set(s.fdir_level_1, F1::pps_time_gap); }, 14035, 14115},
    // Primary receiver's solution.
    {[](const S &s) { return primary_in(s, B::primary_gps_p_code_mode); }, 14049, 14128},
    {[](const S &s) { return primary_in(s, B::primary_gps_narrow_lane_rtk_mode); }, 14048, 14128},
    {[](const S &s) { return primary_in(s, B::primary_gps_wide_lane_rtk_mode); }, 14047, 14127},
    {[](const S &s) { return primary_in(s, B::primary_gps_float_rtk_mode); }, 14046, 14126},
    {[](const S &s) { return primary_in(s, B::primary_gps_diff_mode); }, 14036, 14116},
    {[](const S &s) { return primary_in(s, B::primary_gps_ca_mode); }, 14037, 14117},
    {[](const S &s) { return !aux_in_use(s); }, 14030, 14110}, // waiting
    // Auxiliary receiver's solution.
    {[](const S &s) { return is_bit_set(s.fdir_level_1, F1::aux_gps_data_gap); }, 14041, 14121},
    {[](const S &s) { return is_bit_set(s.general_b, B::aux_gps_narrow_lane_rtk_mode); }, 14042,
     14122},
    {[](const S &s) { return is_bit_set(s.general_b, B::aux_gps_wide_lane_rtk_mode); }, 14043,
     14123},
    {[](const S &s) { return is_bit_set(s.general_b, B::aux_gps_float_rtk_mode); }, 14040, 14120},
    {[](const S &s) { return is_bit_set(s.general_b, B::aux_gps_diff_mode); }, 14039, 14119},
    {[](const S &s) { return is_bit_set(s.general_b, B::aux_gps_p_code_mode); }, 14045, 14125},
    {always, 14044, 14124}, // aux C/A
};

constexpr SStatus_row gimbal_rows[] = {
    {[](const S &s) { return !is_bit_set(s.general_c, C::gimbal_input_on); }, 14073, 14133},
    {[](const S &s) { return is_bit_set(s.fdir_level_1, F1::gimbal_data_gap); }, 14071, 14131},
    {[](const S &s) { return is_bit_set(s.general_c, C::gimbal_data_in_use); }, 14070, 14130},
    {always, 14072, 14132},
};

constexpr bool log_enabled(const S &s)
{
    return is_bit_set(s.general_a, A::log_port_logging_enabled);
}
constexpr bool log_file_open(const S &s)
{
    return is_bit_set(s.general_a, A::log_port_file_open);
}

constexpr SStatus_row pc_card_rows[] = {
    {[](const S &s) { return is_bit_set(s.general_a, A::log_port_device_full); }, 14020, 14100},
    {[](const S &s) { return is_bit_set(s.general_a, A::log_port_file_write_error); }, 14021,
     14101},
    {[](const S &s) { return log_enabled(s) && log_file_open(s); }, 14022, 14102},  // writing
    {[](const S &s) { return log_enabled(s) && !log_file_open(s); }, 14023, 14103}, // buffering
    {[](const S &s) { return log_file_open(s) && !log_enabled(s); }, 14025, 14105}, // invalid
    {always, 14024, 14104},                                                         // idle
};

// Texts that do not depend on the status words.
constexpr SStatus_row standby_row{always, 12000, 12050};
constexpr SStatus_row diagnostics_row{always, 12001, 12051};
constexpr SStatus_row imu_not_fitted_row{always, 14013, 14093};

QString row_text(const SStatus_row &row, ETextForm form)
{
    return LoadText(form == ETextForm::code ? row.code_id : row.text_id);
}

// Every table ends with a row that always holds.
QString first_match(std::span<const SStatus_row> rows, const S &status, ETextForm form)
{
    for (const SStatus_row &row : rows) {
        if (row.holds(status)) {
            return row_text(row, form);
        }
    }
    return {};
}

QStringList texts_of(std::span<const SStatus_row> rows)
{
    QStringList texts;
    for (const SStatus_row &row : rows) {
        texts.append(row_text(row, ETextForm::words));
    }
    texts.removeDuplicates();
    return texts;
}

QColor red_when(bool alarm)
{
    return alarm ? QColor(Qt::red) : QColor(Qt::black);
}

} // namespace

QString ModeText(EChecked_mode mode, const SStatus_words &status, ETextForm form)
{
    switch (mode) {
    case EChecked_mode::standby:
        return row_text(standby_row, form);
    case EChecked_mode::diagnostics:
        return row_text(diagnostics_row, form);
    case EChecked_mode::navigate:
        return first_match(navigation_rows, status, form);
    case EChecked_mode::none:
        break;
    }
    return {};
}

QString ImuStatusText(const SStatus_words &status, ETextForm form)
{
    return first_match(imu_rows, status, form);
}

QString ImuNotFittedText(ETextForm form)
{
    return row_text(imu_not_fitted_row, form);
}

QString GnssStatusText(const SStatus_words &status, ETextForm form)
{
    return first_match(gnss_rows, status, form);
}

QString OmniStarSuffix(const SStatus_words &status)
{
    if (is_bit_set(status.general_c, C::omni_star_hp)) {
        return QStringLiteral(" HP");
    }
    if (is_bit_set(status.general_c, C::omni_star_xp)) {
        return QStringLiteral(" XP");
    }
    if (is_bit_set(status.general_c, C::omni_star_vbs)) {
        return QStringLiteral(" VBS");
    }
    return QStringLiteral(" ");
}

QString GimbalStatusText(const SStatus_words &status, ETextForm form)
{
    return first_match(gimbal_rows, status, form);
}

QString PcCardStatusText(const SStatus_words &status, ETextForm form)
{
    return first_match(pc_card_rows, status, form);
}

QColor ModeColour(const SStatus_words &status)
{
    return red_when(is_bit_set(status.general_a, A::free_inertial_mode));
}

QColor ImuStatusColour(const SStatus_words &status)
{
    return red_when(any_bit_set(status.fdir_level_1, imu_faults) ||
                    is_bit_set(status.fdir_level_2, F2::imu_nav_speed_over_35));
}

QColor GnssStatusColour(const SStatus_words &status)
{
    return red_when(!is_bit_set(status.fdir_level_1, F1::primary_gps_not_available) &&
                    any_bit_set(status.fdir_level_2, gnss_failures));
}

QColor GimbalStatusColour(const SStatus_words &status)
{
    return red_when(is_bit_set(status.general_c, C::gimbal_input_on) &&
                    (is_bit_set(status.fdir_level_1, F1::gimbal_data_gap) ||
                     !is_bit_set(status.general_c, C::gimbal_data_in_use)));
}

QColor PcCardStatusColour(const SStatus_words &status)
{
    return red_when(is_bit_set(status.general_a, A::log_port_file_write_error));
}

QStringList ModeTexts()
{
    return texts_of(navigation_rows) + QStringList{row_text(standby_row, ETextForm::words),
                                                   row_text(diagnostics_row, ETextForm::words)};
}

QStringList ImuStatusTexts()
{
    return texts_of(imu_rows) << ImuNotFittedText(ETextForm::words);
}

QStringList GnssStatusTexts()
{
    QStringList texts;
    for (const QString &word : texts_of(gnss_rows)) {
        for (const char *suffix : {" HP", " XP", " VBS", " "}) {
            texts.append(word + suffix);
        }
    }
    return texts;
}

QStringList GimbalStatusTexts()
{
    return texts_of(gimbal_rows);
}

QStringList PcCardStatusTexts()
{
    return texts_of(pc_card_rows);
}
