#include "dde/published_values.h"

#include "display/formats.h"
#include "display/status_texts.h"
#include "lidar/lidar_records.h"
#include "protocol/command_messages.h"
#include "protocol/navigation_groups.h"
#include "protocol/status_words.h"
#include "resources/string_ids.h"
#include "resources/texts.h"
#include "settings/scsi_logging_records.h"
#include "settings/yaw_drift_records.h"
#include "shell/program.h"

namespace {

constexpr char three_decimals[] = "0.000";
constexpr char thirteen_decimals[] = "0.0000000000000";
// A pulse this long or longer before the solution's time is the one before the last: the time
// published is the pulse after it.
constexpr double pps_lag_limit = 0.7;
constexpr double pps_period = 1.0;
// Group 101s without a Group 1 after which the text goes out anyway.
constexpr unsigned status_groups_per_publish = 3;

QString mode_entry_code(const SStatus_words &words)
{
    const IController *controller = Program().controller;
    const EChecked_mode mode =
        controller != nullptr ? controller->checked_mode() : EChecked_mode::none;
    return ModeText(mode, words, ETextForm::code);
}

QString general_number(double value)
{
    return QString::number(value, 'g', 15);
}

template <class TRecord, class TItem>
QString three_decimals_of(const TRecord &record, TItem &item)
{
    return FormatValue(three_decimals, item.get(), record.has_value(item));
}

} // namespace

CPublished_values::CPublished_values(SEchoed_states &states) : m_states(states)
{
    Get(Program().groups, m_navigation);
    Get(Program().groups, m_accuracy);
    Get(Program().groups, m_gnss);
    Get(Program().groups, m_event1);
    Get(Program().groups, m_event2);
    Get(Program().groups, m_pps);
    Get(Program().groups, m_disk);
    Get(Program().groups, m_status);
    Get(Program().groups, m_lidar);
    Get(Program().messages, m_pc_card);
    Get(Program().messages, m_mode);
    Get(Program().messages, m_yaw_drift);
    Get(Program().messages, m_gimbal);
    Get(Program().messages, m_lidar_control);
}

bool CPublished_values::in_standby() const
{
    return m_text.value(u"Mode") == QLatin1String("1");
}

bool CPublished_values::take_group()
{
    if (m_navigation->is_current()) {
        take_navigation();
        if (!in_standby()) {
            m_status_count = 0;
            return true;
        }
    } else if (m_gnss->is_current()) {
        take_gnss();
    } else if (m_accuracy->is_current()) {
        take_accuracy();
    } else if (m_event1->is_current()) {
        take_pulses(*m_event1, u"Time1", u"Count1");
    } else if (m_event2->is_current()) {
        take_pulses(*m_event2, u"Time2", u"Count2");
    } else if (m_pps->is_current()) {
        TScalar<double> &time = m_pps->header().time_1();
        m_pps_time = m_pps->has_value(time) ? time.get() : -1.0;
    } else if (m_disk->is_current()) {
        m_text.set(u"Disk Usage", FormatCount(m_disk->kbytes_remaining().get(),
                                              m_disk->has_value(m_disk->kbytes_remaining())));
    } else if (m_lidar->is_current()) {
        take_lidar();
    } else if (m_status->is_current()) {
        return take_status();
    }
    return false;
}

void CPublished_values::take_navigation()
{
    CGroup1 &group = *m_navigation;
    TScalar<double> &time = group.header().time_1();
    m_text.set(u"Time", three_decimals_of(group, time));
    m_navigation_time = group.has_value(time) ? time.get() : -1.0;
    TLat_lon_alt<double> &position = group.position();
    m_text.set(u"Lat", FormatValue(thirteen_decimals, position.latitude().get(),
                                   group.has_value(position.latitude())));
    m_text.set(u"Lon", FormatValue(thirteen_decimals, position.longitude().get(),
                                   group.has_value(position.longitude())));
    m_text.set(u"Alt", three_decimals_of(group, position.altitude()));
    m_text.set(u"Speed", three_decimals_of(group, group.speed()));
    m_text.set(u"Track",
               FormatAngle360(group.track_angle().get(), group.has_value(group.track_angle())));
    m_text.set(u"Roll", three_decimals_of(group, group.attitude().roll()));
    m_text.set(u"Pitch", three_decimals_of(group, group.attitude().pitch()));
    TScalar<double> &heading = group.attitude().heading();
    m_text.set(u"Heading", FormatAngle360(heading.get(), group.has_value(heading)));
}

void CPublished_values::take_gnss()
{
    m_gnss_copy.take(*m_gnss);
    CGroup3 &group = m_gnss_copy.record();
    m_text.set(u"Hdop", three_decimals_of(group, group.hdop()));
    m_text.set(u"Vdop", three_decimals_of(group, group.vdop()));
}

void CPublished_values::take_accuracy()
{
    CGroup2 &group = *m_accuracy;
    m_text.set(u"LatRMS", three_decimals_of(group, group.rms_position().north()));
    m_text.set(u"LonRMS", three_decimals_of(group, group.rms_position().east()));
    m_text.set(u"AltRMS", three_decimals_of(group, group.rms_position().down()));
    m_text.set(u"RollRMS", three_decimals_of(group, group.rms_attitude().roll()));
    m_text.set(u"PitchRMS", three_decimals_of(group, group.rms_attitude().pitch()));
    m_text.set(u"HdgRMS", three_decimals_of(group, group.rms_attitude().heading()));
}

void CPublished_values::take_pulses(CPulse_group &group, QStringView time, QStringView count)
{
    TScalar<std::uint32_t> &pulse = group.pulse_number();
    m_text.set(count, FormatCount(pulse.get(), group.has_value(pulse)));
    TScalar<double> &time_1 = group.header().time_1();
    m_text.set(time, group.has_value(time_1)
                         ? FormatTimeTag(time_1.get(),
                                         group.header().time_types().time_type_1().get(), true)
                         : LoadText(string_id::not_available));
}

// The lidar's own state; or, when the PC card logs for it, the card's: logging (2), idle (3) or
// anything else (1).
void CPublished_values::take_lidar()
{
    CGroup20202 &group = *m_lidar;
    if (!group.holds(group.data_port_status()) || !group.holds(group.reserved_int_1())) {
        m_text.set(u"LIDAR", LoadText(string_id::not_available));
        return;
    }
    const unsigned state = group.data_port_status().get();
    unsigned code = state;
    if (state == 1 && group.reserved_int_1().get() != 1) {
        code = m_pc_card_code == QLatin1String("1") || m_pc_card_code == QLatin1String("5") ? 2
               : m_pc_card_code == QLatin1String("2")                                       ? 3
                                                                                            : 1;
    }
    m_text.set(u"LIDAR", QString::number(code));
}

bool CPublished_values::take_status()
{
    using A = CGen_status_a::bits;
    using F4 = CFdir_level_4::bits;
    const SStatus_words words = status_words_of(*m_status);
    m_text.set(u"KORU", mode_entry_code(words));
    m_text.set(u"IMU", ImuStatusText(words, ETextForm::code));
    m_text.set(u"GPS", GnssStatusText(words, ETextForm::code));
    m_text.set(u"GIMBAL", GimbalStatusText(words, ETextForm::code));
    m_pc_card_code = PcCardStatusText(words, ETextForm::code);
    m_text.set(u"PC CARD", m_pc_card_code);
    m_text.set(u"KORU Meas Rej",
               is_bit_set(words.fdir_level_4, F4::primary_gps_position_failure) ? "1" : "2");
    m_text.set(u"Vel Meas Rej",
               is_bit_set(words.fdir_level_4, F4::primary_gps_velocity_failure) ? "1" : "2");
    take_pps_time();
    ++m_status_count;
    m_states.log_port_logging = is_bit_set(words.general_a, A::log_port_logging_enabled);
    return in_standby() || m_status_count >= status_groups_per_publish;
}

// The pulse the solution's time follows: the last one when it came less than 0.7 s before, the
// one after it when a whole second or more has passed; in between the value stays.
void CPublished_values::take_pps_time()
{
    if (m_navigation_time >= 0.0 && m_pps_time >= 0.0) {
        const double lag = m_navigation_time - m_pps_time;
        if (lag < pps_lag_limit) {
            m_text.set(u"PPS Time", general_number(m_pps_time));
        } else if (lag >= pps_period) {
            m_text.set(u"PPS Time", general_number(m_pps_time + pps_period));
        }
    }
    m_navigation_time = -1.0;
    m_pps_time = -1.0;
}

// --- echoes of the control values ----------------------------------------------------------

void CPublished_values::take_messages()
{
    if (m_pc_card->is_current()) {
        take_pc_card_logging();
    }
    if (m_mode->is_current() && m_mode->has_value(m_mode->mode_type())) {
        m_text.set(u"Mode", QString::number(m_mode->mode_type().get()));
    }
    if (m_yaw_drift->is_current()) {
        take_yaw_drift();
    }
    if (m_lidar_control->is_current()) {
        take_lidar_control();
    }
    if (m_gimbal->is_current()) {
        take_gimbal_control();
    }
}

// Logging counts as on only while the computer also reports its log port logging.
void CPublished_values::take_pc_card_logging()
{
    CMessage4 &message = *m_pc_card;
    message.lay_out_received();
    const bool started = message.holds(message.disk_logging_control()) &&
                         message.disk_logging_control().start_logging().get();
    m_states.pc_card_logging = started && m_states.log_port_logging;
    m_text.set(u"Logging", m_states.pc_card_logging ? QStringLiteral("1") : QStringLiteral("0"));
    if (message.holds(message.file_name())) {
        m_text.set(u"LogFile", QString::fromUtf8(message.file_name().text()));
    }
}

void CPublished_values::take_yaw_drift()
{
    CMessage20201 &message = *m_yaw_drift;
    if (message.has_value(message.correction_method())) {
        m_text.set(u"Method", QString::number(message.correction_method().get()));
    }
    // A desired heading of 0 or less is shown as the same direction within (0, 360].
    TScalar<double> &desired = message.desired_heading();
    const double heading = desired.get() <= 0.0 ? desired.get() + 360.0 : desired.get();
    m_text.set(u"DesiredHead", FormatValue(three_decimals, heading, message.has_value(desired)));
    TScalar<double> &threshold = message.activation_threshold();
    m_text.set(u"ActivationThresh", FormatAngle360(threshold.get(), message.has_value(threshold)));
    m_text.set(u"Period", three_decimals_of(message, message.cutoff_period()));
    m_text.set(u"Gain", three_decimals_of(message, message.gain()));
}

void CPublished_values::take_lidar_control()
{
    CMessage20206 &message = *m_lidar_control;
    const bool held = message.holds(message.logging_control());
    m_states.lidar_logging = held ? message.logging_control().get() : 0;
    m_text.set(u"LidarLogging", FormatInteger(m_states.lidar_logging, held));
    m_text.set(u"FlightLine", FormatCount(message.flight_line_number().get(),
                                          message.holds(message.flight_line_number())));
}

void CPublished_values::take_gimbal_control()
{
    CMessage20205 &message = *m_gimbal;
    const bool held = message.holds(message.gimbal_control());
    m_states.gimbal_control = held ? message.gimbal_control().get() : 0;
    m_text.set(u"GimbalControl", FormatInteger(m_states.gimbal_control, held));
    m_text.set(u"GimbalCounter", QString::number(m_states.gimbal_counter));
    m_text.set(u"ComInitCounter", QString::number(m_states.com_init_counter));
}
