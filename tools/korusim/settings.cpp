#include "tools/korusim/settings.h"

#include "protocol/command_messages.h"
#include "protocol/frame.h"
#include "protocol/navigation_messages.h"
#include "lidar/lidar_records.h"
#include "settings/ethernet_logging_records.h"
#include "settings/frame_control_records.h"
#include "settings/general_data_records.h"
#include "settings/gps_installation_records.h"
#include "settings/installation_records.h"
#include "settings/omni_star_records.h"
#include "settings/output_port_records.h"
#include "settings/scsi_logging_records.h"
#include "settings/twan_installation_records.h"
#include "settings/yaw_drift_records.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace {

using CReceiver_codes = CGps_receiver_message;

// Lever arms are metres, mounting angles degrees: the ranges the installation dialog enters.
constexpr double lever_arm_limit = 10000;
constexpr double angle_limit = 180;

// Collects the first parameter whose value lies outside the values the computer takes. A value
// that is not a number lies outside every range.
class CParameter_check {
public:
    template <class TItem>
    CParameter_check &within(const TItem &item, double low, double high)
    {
        note(item, item.get(), low, high);
        return *this;
    }
    // Every component within ±limit; a failure names the vector.
    CParameter_check &within(const TXyz<float> &vector, double limit)
    {
        for (std::size_t i = 0; i < 3; ++i) {
            note(vector, vector.component(i).get(), -limit, limit);
        }
        return *this;
    }
    template <class TItem>
    CParameter_check &one_of(const TItem &item, std::initializer_list<double> values)
    {
        const double value = item.get();
        if (m_outside == nullptr &&
            std::find(values.begin(), values.end(), value) == values.end()) {
            m_outside = &item;
        }
        return *this;
    }
    // A serial port: enabled or not, a baud rate the port has, a character format it knows.
    CParameter_check &serial_port(CCom_port &port)
    {
        CCom_port_protocol &protocol = port.protocol();
        return within(port.port_control(), CCom_port::disabled, CCom_port::enabled)
            .within(port.baud_rate(), CCom_port::baud_4800, CCom_port::baud_115200)
            .one_of(protocol.parity(),
                    {CCom_port_protocol::no_parity, CCom_port_protocol::even_parity,
                     CCom_port_protocol::odd_parity})
            .within(protocol.data_bits(), CCom_port_protocol::eight_data_bits,
                    CCom_port_protocol::seven_data_bits)
            .within(protocol.stop_bits(), CCom_port_protocol::one_stop_bit,
                    CCom_port_protocol::two_stop_bits);
    }
    // Roll, pitch and heave each signed one way or the other.
    template <class TMessage>
    CParameter_check &senses(TMessage &message)
    {
        return within(message.roll_sense(), positive_sense, negative_sense)
            .within(message.pitch_sense(), positive_sense, negative_sense)
            .within(message.heave_sense(), positive_sense, negative_sense);
    }

    SAnswer answer() const
    {
        return m_outside == nullptr ? applied(true)
                                    : rejected(response::parameter_error, m_outside->name());
    }

private:
    void note(const CItem &item, double value, double low, double high)
    {
        if (m_outside == nullptr && !(value >= low && value <= high)) {
            m_outside = &item;
        }
    }

    const CItem *m_outside = nullptr;
};

SAnswer check_installation(CMessage1 &received)
{
    CTime_tag_type &time_tags = received.time_tag_type();
    return CParameter_check()
        .within(time_tags.time_type_1(), CTime_tag_type::koru_time, CTime_tag_type::utc_time)
        .within(time_tags.time_type_2(), CTime_tag_type::koru_time, CTime_tag_type::user_time)
        .within(received.distance_tag_type().distance_select(), CDistance_tag_type::koru_distance,
                CDistance_tag_type::dmi_distance)
        .within(received.ref_to_imu_lever_arm(), lever_arm_limit)
        .within(received.ref_to_primary_gps_lever_arm(), lever_arm_limit)
        .within(received.imu_to_ref_mount_angle(), angle_limit)
        .within(received.ref_to_vessel_lever_arm(), lever_arm_limit)
        .within(received.vessel_to_ref_mount_angle(), angle_limit)
        .within(received.multipath(), CMessage1::low, CMessage1::high)
        .answer();
}

// The list must hold as many groups as its count says.
SAnswer check_group_list(CGroup_list_message &received)
{
    if (received.group_count().get() != received.groups().count()) {
        return rejected(response::parameter_error, received.group_count().name());
    }
    return applied(true);
}

SAnswer check_display_groups(CMessage2 &received)
{
    return check_group_list(received);
}

// Groups logged at up to the fastest IMU's rate.
template <class TMessage>
SAnswer check_logging(TMessage &received)
{
    const SAnswer groups = check_group_list(received);
    if (groups.code != response::accepted) {
        return groups;
    }
    return CParameter_check().within(received.output_rate(), 1, 500).answer();
}

SAnswer check_omni_star(CMessage17 &received)
{
    return CParameter_check()
        .within(received.mode_control(), CMessage17::off, CMessage17::vbs_only)
        .within(received.satellite_id(), CMessage17::automatic_satellite,
                CMessage17::custom_satellite)
        .within(received.frequency(), 0, 10000)
        .answer();
}

SAnswer check_com1(CMessage102 &received)
{
    return CParameter_check()
        .senses(received)
        .serial_port(received.com1())
        .one_of(received.update_rate(), {1, 2, 5, 10, 20, 25, 50})
        .answer();
}

// COM2's fastest rates follow the IMU's.
SAnswer check_com2(CMessage103 &received)
{
    return CParameter_check()
        .senses(received)
        .within(received.formula_select(), CMessage103::att01, CMessage103::gsm3000)
        .serial_port(received.com2())
        .one_of(received.update_rate(), {1, 2, 5, 10, 20, 25, 50, 100, 125, 150, 200, 250, 300})
        .within(received.tm1b_delay(), 0, CMessage103::largest_tm1b_delay)
        .answer();
}

// An input port may run without a rate of its own (0).
SAnswer check_com3(CMessage104 &received)
{
    return CParameter_check()
        .within(received.formula_select(), CMessage104::auxiliary_gps, CMessage104::pv_su)
        .serial_port(received.com3())
        .one_of(received.update_rate(), {0, 1, 2, 5, 10, 20, 25, 50, 100, 200})
        .within(received.aux_1_protocol(), CMessage104::nmea_standard, CMessage104::cnav_navcom)
        .within(received.aux_2_protocol(), CMessage104::nmea_standard, CMessage104::cnav_navcom)
        .answer();
}

SAnswer check_analog(CMessage105 &received)
{
    constexpr double largest_scale = 1000000;
    return CParameter_check()
        .within(received.roll_scale_factor(), 0, largest_scale)
        .within(received.pitch_scale_factor(), 0, largest_scale)
        .within(received.heave_scale_factor(), 0, largest_scale)
        .senses(received)
        .within(received.formula_select(), CMessage105::rph, CMessage105::rprr)
        .within(received.output_enable(), 0, 1)
        .answer();
}

SAnswer check_yaw_drift(CMessage20201 &received)
{
    return CParameter_check()
        .within(received.desired_heading(), 0, 360)
        .within(received.activation_threshold(), 0, 30)
        .within(received.cutoff_period(), 0.001, 10000)
        .within(received.gain(), 0.00001, 10000)
        .within(received.correction_method(), CMessage20201::follow_mean_track,
                CMessage20201::follow_desired_heading)
        .answer();
}

SAnswer check_gimbal(CMessage20205 &received)
{
    return CParameter_check()
        .within(received.gimbal_control(), CMessage20205::stabilization_off,
                CMessage20205::stabilization_on)
        .answer();
}

SAnswer check_general_data(CMessage13 &received)
{
    return CParameter_check()
        .within(received.initial_latitude(), -90, 90)
        .within(received.initial_longitude(), -180, 180)
        .within(received.initial_altitude(), -1000, 20000)
        .within(received.initial_heading(), 0, 360)
        .answer();
}

SAnswer check_sensor_mounting(CMessage101 &received)
{
    return CParameter_check()
        .within(received.sensor_1_mount_angles(), angle_limit)
        .within(received.sensor_2_mount_angles(), angle_limit)
        .within(received.ref_to_aux_gps_lever_arm(), lever_arm_limit)
        .within(received.ref_to_sensor_1_lever_arm(), lever_arm_limit)
        .within(received.ref_to_sensor_2_lever_arm(), lever_arm_limit)
        .within(received.ref_to_heave_lever_arm(), lever_arm_limit)
        .within(received.ref_to_aux_2_gps_lever_arm(), lever_arm_limit)
        .answer();
}

SAnswer check_logging_request(CMessage20206 &received)
{
    return CParameter_check()
        .within(received.logging_control(), CMessage20206::logging_disabled,
                CMessage20206::logging_enabled)
        .answer();
}

// The flags of the connection and of the PC's state reports are 0 or 1.
SAnswer check_scanner_address(CMessage20207 &received)
{
    return CParameter_check()
        .within(received.connect_control(), 0, 1)
        .within(received.reserved0(), 0, 1)
        .within(received.reserved1(), 0, 1)
        .within(received.reserved2(), 0, 1)
        .answer();
}

// The groups a logging port streams at power-on.
template <class TMessage, std::size_t port>
void factory_logging_groups(TMessage &message, const SOptions &options)
{
    const std::vector<std::uint16_t> &groups = options.logging_groups[port];
    const std::size_t count = message.set_group_count(groups.size());
    for (std::size_t i = 0; i < count; ++i) {
        message.groups()[i].set(groups[i]);
    }
}

SAnswer check_user_accuracy(CMessage107 &received)
{
    return CParameter_check()
        .within(received.attitude_accuracy(), 0.01, 20)
        .within(received.heading_accuracy(), 0.01, 20)
        .within(received.position_accuracy(), 0.01, 1000)
        .within(received.velocity_accuracy(), 0.05, 20)
        .answer();
}

// A host address: the network part from 1, the last octet below the broadcast octet.
SAnswer check_address(CMessage6 &received)
{
    return CParameter_check()
        .within(received.address(0), 1, 255)
        .within(received.address(3), 0, 254)
        .answer();
}

SAnswer check_user_time(CMessage12 &received)
{
    return CParameter_check().within(received.units_per_second(), 1e-6, 1e9).answer();
}

SAnswer check_events(CMessage11 &received)
{
    return CParameter_check()
        .within(received.event_1_trigger(), CMessage11::positive_edge, CMessage11::negative_edge)
        .within(received.event_2_trigger(), CMessage11::positive_edge, CMessage11::negative_edge)
        .within(received.event_1_guard_time(), 0, 10000)
        .within(received.event_2_guard_time(), 0, 10000)
        .answer();
}

SAnswer check_event_shifts(CMessage20211 &received)
{
    return CParameter_check()
        .within(received.event_1_shift(), -1e6, 1e6)
        .within(received.event_2_shift(), -1e6, 1e6)
        .answer();
}

// The receiver's type is the computer's to report: whatever comes back is not checked.
template <class TReceiver>
SAnswer check_receiver(TReceiver &received)
{
    const std::uint8_t rate = received.output_rate().get();
    CCom_port &port = received.differential_port();
    return CParameter_check()
        .within(received.auto_config(), 0, 1)
        .within(received.output_rate(), 1, rate == 10 ? 10 : 5) // 1 to 5 Hz, or 10
        .within(port.port_control(), CReceiver_codes::accept_rtcm,
                CReceiver_codes::accept_rtcm_18_19)
        .within(port.baud_rate(), 0, CCom_port::baud_115200)
        .within(received.antenna_frequency(), CReceiver_codes::l1, CReceiver_codes::l2)
        .within(received.augmentation(), CReceiver_codes::augmentation_off,
                CReceiver_codes::msas)
        .answer();
}

SAnswer check_twan_installation(CMessage108 &received)
{
    return CParameter_check()
        .within(received.antenna_separation(), 0, lever_arm_limit)
        .within(received.baseline_vector(), lever_arm_limit)
        .within(received.calibration_threshold(), 0.1, 90)
        .within(received.heading_correction(), -360, 360)
        .answer();
}

// The user frame (0) or the IMU frame (1).
SAnswer check_frame_control(CMessage20001 &received)
{
    return CParameter_check().within(received.imu_dcm_frame_control(), 0, 1).answer();
}

// Any combination of the eight named bits; no other bit.
SAnswer check_fdir_control(CMessage20101 &received)
{
    return CParameter_check().within(received.fdir_control(), 0, 255).answer();
}

template <class TReceiver, std::size_t receiver>
void factory_receiver(TReceiver &message, const SOptions &options)
{
    message.receiver_type().set(options.receiver_types[receiver]);
}

// The groups broadcast at power-on.
void factory_display_groups(CMessage2 &message, const SOptions &options)
{
    const std::size_t count = message.set_group_count(options.display_groups.size());
    for (std::size_t i = 0; i < count; ++i) {
        message.groups()[i].set(options.display_groups[i]);
    }
}

// The start position and the date and time of power-on.
void factory_general_data(CMessage13 &message, const SOptions &options)
{
    const SStart_time &time = options.start_time;
    const auto seconds = static_cast<unsigned>(time.seconds_of_day);
    message.hours().set(static_cast<std::uint8_t>(seconds / 3600));
    message.minutes().set(static_cast<std::uint8_t>(seconds / 60 % 60));
    message.seconds().set(static_cast<std::uint8_t>(seconds % 60));
    message.month().set(time.month);
    message.day().set(time.day);
    message.year().set(time.year);
    message.initial_latitude().set(options.start.latitude);
    message.initial_longitude().set(options.start.longitude);
    message.initial_altitude().set(options.start.altitude);
    message.initial_heading().set(options.start.heading);
}

// The logging asked for at power-on.
void factory_logging_request(CMessage20206 &message, const SOptions &options)
{
    message.logging_control().set(options.lidar.logging_request);
}

// The settings a new record holds that the computer would not take: COM2 and the analog output
// put out their first formats, the yaw drift correction acts with a short period at gain 1.
void factory_com2(CMessage103 &message, const SOptions &)
{
    message.formula_select().set(CMessage103::att01);
}

void factory_analog(CMessage105 &message, const SOptions &)
{
    message.formula_select().set(CMessage105::rph);
}

void factory_yaw_drift(CMessage20201 &message, const SOptions &)
{
    message.cutoff_period().set(0.01);
    message.gain().set(1.0);
}

template <class TRecord>
void record_defaults(TRecord &, const SOptions &)
{}

enum class EGuard : std::uint8_t { none, password };

// A row for the settings message TRecord. Records with a variable part are laid out for the
// count a copy carries.
template <class TRecord, SAnswer (*Check)(TRecord &),
          void (*Factory)(TRecord &, const SOptions &) = record_defaults<TRecord>>
SSetting_row setting_row(EGuard guard)
{
    SSetting_row row{
        TRecord::number_of_record,
        guard == EGuard::password,
        [](const SOptions &options) -> std::unique_ptr<CMessage_record> {
            auto record = std::make_unique<TRecord>();
            Factory(*record, options);
            return record;
        },
        nullptr,
        [](CMessage_record &received) { return Check(static_cast<TRecord &>(received)); },
    };
    if constexpr (requires(TRecord & record) { record.lay_out_received(); }) {
        row.lay_out = [](CMessage_record &record) {
            static_cast<TRecord &>(record).lay_out_received();
        };
    }
    return row;
}

// A computer of an older kind echoes its address without the mask, its events without the guard
// times.
std::size_t address_echoed(const SOptions &options)
{
    return options.address_without_mask ? CMessage6::octets : 0;
}
std::size_t events_echoed(const SOptions &options)
{
    return options.events_without_guard_times ? 2 : 0;
}

template <class TRow>
TRow echoing(TRow row, std::size_t (*echoed_body)(const SOptions &))
{
    row.echoed_body = echoed_body;
    return row;
}

// The installation, the computer's address and the TWAN installation are changed through the
// password-guarded entries of the installation menu, the navigator configuration through that of
// the tools menu.
const std::vector<SSetting_row> &table()
{
    static const std::vector<SSetting_row> rows = {
        setting_row<CMessage1, check_installation>(EGuard::password),
        setting_row<CMessage2, check_display_groups, factory_display_groups>(EGuard::none),
        setting_row<CMessage3, check_logging<CMessage3>, factory_logging_groups<CMessage3, 0>>(
            EGuard::none),
        setting_row<CMessage4, check_logging<CMessage4>>(EGuard::none),
        setting_row<CMessage13, check_general_data, factory_general_data>(EGuard::none),
        setting_row<CMessage16, check_logging<CMessage16>, factory_logging_groups<CMessage16, 1>>(
            EGuard::none),
        setting_row<CMessage17, check_omni_star>(EGuard::none),
        setting_row<CMessage101, check_sensor_mounting>(EGuard::password),
        setting_row<CMessage102, check_com1>(EGuard::none),
        setting_row<CMessage103, check_com2, factory_com2>(EGuard::none),
        setting_row<CMessage104, check_com3>(EGuard::none),
        setting_row<CMessage105, check_analog, factory_analog>(EGuard::none),
        setting_row<CMessage20201, check_yaw_drift, factory_yaw_drift>(EGuard::none),
        setting_row<CMessage20205, check_gimbal>(EGuard::none),
        // The PC's lidar tool reports its state in Message 20207 unattended: not guarded.
        setting_row<CMessage20206, check_logging_request, factory_logging_request>(EGuard::none),
        setting_row<CMessage20207, check_scanner_address>(EGuard::none),
        setting_row<CMessage107, check_user_accuracy>(EGuard::none),
        echoing(setting_row<CMessage6, check_address>(EGuard::password), address_echoed),
        setting_row<CMessage12, check_user_time>(EGuard::none),
        echoing(setting_row<CMessage11, check_events>(EGuard::none), events_echoed),
        setting_row<CMessage20211, check_event_shifts>(EGuard::none),
        setting_row<CMessage5, check_receiver<CMessage5>, factory_receiver<CMessage5, 0>>(
            EGuard::none),
        setting_row<CMessage110, check_receiver<CMessage110>, factory_receiver<CMessage110, 1>>(
            EGuard::none),
        setting_row<CMessage108, check_twan_installation>(EGuard::password),
        // The navigator configuration is changed through a password-guarded entry as well.
        setting_row<CMessage20001, check_frame_control>(EGuard::password),
        setting_row<CMessage20101, check_fdir_control>(EGuard::password),
    };
    return rows;
}

// Lays `record`, of the setting in row `index`, out for the frame it holds and frames it again.
void lay_out_and_frame(std::size_t index, CMessage_record &record)
{
    if (table()[index].lay_out != nullptr) {
        table()[index].lay_out(record);
    }
    record.refit_frame();
}

} // namespace

// Degrees and metres of heave; the analog output's third channel carries heading (0 to 360),
// roll rate (±150) or heave (±100).
SAnswer check_com2_values(CMessage20102 &received)
{
    return CParameter_check()
        .within(received.roll_input(), -180, 180)
        .within(received.pitch_input(), -180, 180)
        .within(received.heading_input(), 0, 360)
        .within(received.heave_input(), -100, 100)
        .answer();
}

SAnswer check_analog_values(CMessage20103 &received)
{
    return CParameter_check()
        .within(received.roll_input(), -180, 180)
        .within(received.pitch_input(), -180, 180)
        .within(received.heave_input(), -150, 360)
        .answer();
}

std::vector<std::byte> CutMessageFrame(std::span<const std::byte> frame, std::size_t body)
{
    constexpr std::size_t header = frame::prefix_length + 2; // and the transaction number
    const std::size_t unpadded = header + body + frame::trailer_length;
    const std::size_t length = (unpadded + 3) / 4 * 4;
    std::vector<std::byte> cut(length, std::byte{0});
    std::copy_n(frame.begin(), header + body, cut.begin());
    const auto byte_count = static_cast<std::uint16_t>(length - frame::prefix_length);
    cut[frame::byte_count_offset] = std::byte{static_cast<std::uint8_t>(byte_count & 0xFF)};
    cut[frame::byte_count_offset + 1] = std::byte{static_cast<std::uint8_t>(byte_count >> 8)};
    cut[length - 2] = std::byte{'$'};
    cut[length - 1] = std::byte{'#'};
    frame::write_checksum(cut);
    return cut;
}

std::span<const SSetting_row> setting_rows()
{
    return table();
}

std::optional<std::size_t> setting_row_of(std::uint16_t number)
{
    const std::vector<SSetting_row> &rows = table();
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [number](const SSetting_row &r) { return r.number == number; });
    if (found == rows.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - rows.begin());
}

CSettings::CSettings(const SOptions &options)
{
    for (const SSetting_row &row : table()) {
        m_records.push_back(row.make_factory(options));
    }
}

// Header and body as laid out; the trailer of a received copy may be some other frame's bytes.
void CSettings::take(std::size_t index, CMessage_record &received)
{
    CMessage_record &record = *m_records[index];
    const auto body_end = static_cast<std::size_t>(received.footer().start() - received.buffer());
    std::memcpy(record.buffer(), received.buffer(), body_end);
    lay_out_and_frame(index, record);
}

void CSettings::copy_from(const CSettings &other)
{
    for (std::size_t index = 0; index < m_records.size(); ++index) {
        CMessage_record &record = *m_records[index];
        std::memcpy(record.buffer(), other.m_records[index]->buffer(), record.buffer_size());
        lay_out_and_frame(index, record);
    }
}

bool CSettings::same_as(const CSettings &other) const
{
    for (std::size_t index = 0; index < m_records.size(); ++index) {
        if (!m_records[index]->same_content(*other.m_records[index])) {
            return false;
        }
    }
    return true;
}

bool CSettings::displays_group(std::uint16_t group)
{
    auto &list = get<CMessage2>().groups();
    for (std::size_t i = 0; i < list.count(); ++i) {
        if (list[i].get() == group) {
            return true;
        }
    }
    return false;
}

namespace {

std::vector<std::uint16_t> listed_groups(CGroup_list_message &message)
{
    auto &list = message.groups();
    std::vector<std::uint16_t> groups;
    for (std::size_t i = 0; i < list.count(); ++i) {
        groups.push_back(list[i].get());
    }
    return groups;
}

} // namespace

std::vector<std::uint16_t> CSettings::display_groups()
{
    return listed_groups(get<CMessage2>());
}

std::vector<std::uint16_t> CSettings::logging_groups(std::size_t port)
{
    return listed_groups(port == 0 ? static_cast<CGroup_list_message &>(get<CMessage3>())
                                   : get<CMessage16>());
}

SFlight_start CSettings::start()
{
    CMessage13 &general_data = get<CMessage13>();
    return {general_data.initial_latitude().get(), general_data.initial_longitude().get(),
            general_data.initial_altitude().get(), general_data.initial_heading().get()};
}
