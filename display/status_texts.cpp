#include "display/status_texts.h"

#include "resources/texts.h"

#include <span>

namespace {

constexpr bool bit(std::uint32_t word, unsigned number)
{
    return ((word >> number) & 1u) != 0;
}

constexpr bool any(std::uint32_t word, std::uint32_t mask)
{
    return (word & mask) != 0;
}

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
    {[](const S &s) { return bit(s.general_a, 1); }, 14001, 14081},  // coarse levelling failed
    {[](const S &s) { return bit(s.general_a, 0); }, 14002, 14082},  // coarse levelling active
    {[](const S &s) { return bit(s.general_a, 9); }, 14007, 14087},  // GPS only mode
    {[](const S &s) { return bit(s.general_a, 10); }, 14008, 14088}, // free inertial mode
    {[](const S &s) { return bit(s.general_a, 6); }, 14003, 14083},  // degraded nav solution
    {[](const S &s) { return bit(s.general_a, 7); }, 14004, 14084},  // full nav solution
    {[](const S &s) { return bit(s.general_a, 3); }, 14005, 14085},  // fine align active
    {[](const S &s) { return bit(s.general_a, 4); }, 14006, 14086},  // SDnav initialised
    {always, 14000, 14080},
};

constexpr int imu_failure = 14010, imu_failure_code = 14090;
constexpr int imu_warning = 14011, imu_warning_code = 14091;
constexpr int imu_ok = 14012, imu_ok_code = 14092;

constexpr SStatus_row imu_rows[] = {
    // In GPS-only mode only the IMU's own status bit counts.
    {[](const S &s) { return bit(s.general_a, 9) && bit(s.fdir_level_1, 1); }, imu_failure,
     imu_failure_code},
    {[](const S &s) { return bit(s.general_a, 9); }, imu_ok, imu_ok_code},
    // Checksum error or status bit; nav speed above 35.
    {[](const S &s) { return any(s.fdir_level_1, 0x3); }, imu_failure, imu_failure_code},
    {[](const S &s) { return bit(s.fdir_level_2, 0); }, imu_failure, imu_failure_code},
    // More than 20 failures; any accelerometer or gyro failure.
    {[](const S &s) { return bit(s.fdir_level_1, 2) || any(s.fdir_level_5, 0x3F); }, imu_warning,
     imu_warning_code},
    {always, imu_ok, imu_ok_code},
};

constexpr bool aux_in_use(const S &s)
{
    return bit(s.general_b, 25);
}

constexpr SStatus_row gnss_rows[] = {
    {[](const S &s) { return bit(s.fdir_level_1, 6); }, 14033, 14113},      // not available
    {[](const S &s) { return any(s.fdir_level_2, 0x6); }, 14031, 14111},    // speed, position
    {[](const S &s) { return any(s.fdir_level_1, 0xF020); }, 14032, 14112}, // not ready
    {[](const S &s) { return bit(s.fdir_level_1, 7); }, 14034, 14114},      // data gap
    {[](const S &s) { return bit(s.fdir_level_1, 8); }, 14035, 14115},      // PPS time gap
    // Primary receiver's solution.
    {[](const S &s) { return !aux_in_use(s) && bit(s.general_b, 31); }, 14049, 14128}, // P-code
    {[](const S &s) { return !aux_in_use(s) && bit(s.general_b, 22); }, 14048, 14128}, // NL RTK
    {[](const S &s) { return !aux_in_use(s) && bit(s.general_b, 21); }, 14047, 14127}, // WL RTK
    {[](const S &s) { return !aux_in_use(s) && bit(s.general_b, 20); }, 14046, 14126}, // float
    {[](const S &s) { return !aux_in_use(s) && bit(s.general_b, 19); }, 14036, 14116}, // DGPS
    {[](const S &s) { return !aux_in_use(s) && bit(s.general_b, 18); }, 14037, 14117}, // C/A
    {[](const S &s) { return !aux_in_use(s); }, 14030, 14110},                         // waiting
    // Auxiliary receiver's solution.
    {[](const S &s) { return bit(s.fdir_level_1, 25); }, 14041, 14121}, // aux data gap
    {[](const S &s) { return bit(s.general_b, 30); }, 14042, 14122},    // aux NL RTK
    {[](const S &s) { return bit(s.general_b, 29); }, 14043, 14123},    // aux WL RTK
    {[](const S &s) { return bit(s.general_b, 28); }, 14040, 14120},    // aux float RTK
    {[](const S &s) { return bit(s.general_b, 27); }, 14039, 14119},    // aux DGPS
    {[](const S &s) { return bit(s.general_b, 26); }, 14045, 14125},    // aux P-code
    {always, 14044, 14124},                                             // aux C/A
};

constexpr SStatus_row gimbal_rows[] = {
    {[](const S &s) { return !bit(s.general_c, 0); }, 14073, 14133},    // input off
    {[](const S &s) { return bit(s.fdir_level_1, 27); }, 14071, 14131}, // data gap
    {[](const S &s) { return bit(s.general_c, 1); }, 14070, 14130},     // data in use
    {always, 14072, 14132},
};

constexpr bool log_enabled(const S &s)
{
    return bit(s.general_a, 14);
}
constexpr bool log_file_open(const S &s)
{
    return bit(s.general_a, 13);
}

constexpr SStatus_row pc_card_rows[] = {
    {[](const S &s) { return bit(s.general_a, 15); }, 14020, 14100}, // device full
    {[](const S &s) { return bit(s.general_a, 12); }, 14021, 14101}, // file write error
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
    if (bit(status.general_c, 9)) {
        return QStringLiteral(" HP");
    }
    if (bit(status.general_c, 8)) {
        return QStringLiteral(" XP");
    }
    if (bit(status.general_c, 7)) {
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
    return red_when(bit(status.general_a, 10));
}

QColor ImuStatusColour(const SStatus_words &status)
{
    return red_when(any(status.fdir_level_1, 0x3) || bit(status.fdir_level_2, 0));
}

QColor GnssStatusColour(const SStatus_words &status)
{
    return red_when(!bit(status.fdir_level_1, 6) && any(status.fdir_level_2, 0x6));
}

QColor GimbalStatusColour(const SStatus_words &status)
{
    return red_when(bit(status.general_c, 0) &&
                    (bit(status.fdir_level_1, 27) || !bit(status.general_c, 1)));
}

QColor PcCardStatusColour(const SStatus_words &status)
{
    return red_when(bit(status.general_a, 12));
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
