#include "tools/korusim/computer.h"

#include "lidar/lidar_records.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// A successful login lasts this long, or until the controller disconnects.
constexpr double login_seconds = 600;

// The removable disk: its size, what other files take, and how fast navigation data fills it.
constexpr double disk_kbytes = 16.0 * 1024 * 1024;
constexpr double disk_kbytes_in_other_files = disk_kbytes / 4;
constexpr double logging_kbytes_per_second = 1024;
// How long the computer buffers what it records before the file on the card is open.
constexpr double file_open_seconds = 1;

// Discrete inputs: the PPS every second, the two event inputs from cameras.
struct SPulse_train {
    double first; // seconds after power-on
    double period;
};
constexpr SPulse_train pps_train{1, 1};
constexpr SPulse_train event_1_train{0.5, 2};
constexpr SPulse_train event_2_train{1.25, 5};

// The life of the computer before this power-on.
constexpr float hours_before = 1234.5F;
constexpr std::uint32_t runs_before = 321;
constexpr float average_run_hours = 3.2F;
constexpr float longest_run_hours = 9.75F;

SPulse_count pulses(const SPulse_train &train, double koru_time)
{
    if (koru_time < train.first) {
        return {};
    }
    const double count = std::floor((koru_time - train.first) / train.period) + 1;
    return {static_cast<std::uint32_t>(count), train.first + (count - 1) * train.period};
}

void copy_frame(CMessage_record &record, std::span<const std::byte> frame)
{
    std::memcpy(record.buffer(), frame.data(), std::min(frame.size(), record.buffer_size()));
}

// The length a frame needs to hold every item of `record` as laid out now.
std::size_t needed_length(CMessage_record &record)
{
    const auto body_end = static_cast<std::size_t>(record.footer().start() - record.buffer());
    return body_end + CFrame_footer::pad_for(body_end) + frame::trailer_length;
}

std::uint16_t code_of(EFrame_status status)
{
    switch (status) {
    case EFrame_status::bad_start:
        return response::start_error;
    case EFrame_status::bad_byte_count:
        return response::byte_count_error;
    case EFrame_status::bad_end:
        return response::end_error;
    case EFrame_status::bad_checksum:
    case EFrame_status::ok:
        break;
    }
    return response::checksum_error;
}

} // namespace

void CMessage_envelope::take(std::span<const std::byte> frame)
{
    std::memset(buffer(), 0, buffer_size());
    copy_frame(*this, frame);
}

CComputer::CComputer(const SOptions &options)
    : m_options(options),
      m_factory(options),
      m_saved(options),
      m_settings(options),
      m_password(options.password),
      m_pending_settings(setting_rows().size()),
      m_states{&m_mode, &m_com2_values, &m_analog_values},
      m_pending_states(m_states.size()),
      m_navigator(options.start, options.profile, options.align_seconds),
      m_received_settings(options),
      m_handlers(make_handlers())
{
    m_mode.mode_type().set(options.start_in_standby ? CMessage7::standby : CMessage7::navigate);
    if (!options.start_in_standby) {
        start_navigation(0);
    }
    set_logging(m_settings.get<CMessage4>().logging_mode().automatic_logging().get(), 0);
}

std::vector<CComputer::SHandler> CComputer::make_handlers()
{
    const auto apply = [this](SAnswer (CComputer::*handler)(double)) {
        return std::bind_front(handler, this);
    };
    std::vector<SHandler> handlers = {
        {CMessage7::number_of_record, false, &m_received_mode, nullptr,
         apply(&CComputer::apply_mode)},
        {CMessage8::number_of_record, false, &m_received_save, nullptr,
         apply(&CComputer::apply_save)},
        {CMessage9::number_of_record, true, &m_received_restore, nullptr,
         apply(&CComputer::apply_restore)},
        {CMessage10::number_of_record, false, &m_received_gnss_control, nullptr,
         apply(&CComputer::apply_gnss_control)},
        {CMessage14::number_of_record, false, &m_received_control, nullptr,
         apply(&CComputer::apply_control)},
        {CMessage109::number_of_record, true, &m_received_twan_calibration, nullptr,
         apply(&CComputer::apply_twan_calibration)},
        {CMessage111::number_of_record, false, &m_received_password, nullptr,
         apply(&CComputer::apply_password)},
        {CMessage20202::number_of_record, false, &m_received_free_inertial, nullptr,
         apply(&CComputer::apply_free_inertial)},
        {CMessage20102::number_of_record, false, &m_received_com2_values, nullptr,
         apply(&CComputer::apply_com2_values)},
        {CMessage20103::number_of_record, false, &m_received_analog_values, nullptr,
         apply(&CComputer::apply_analog_values)},
    };
    const std::span<const SSetting_row> rows = setting_rows();
    for (std::size_t index = 0; index < rows.size(); ++index) {
        handlers.push_back({rows[index].number, rows[index].guarded,
                            &m_received_settings.record(index), rows[index].lay_out,
                            std::bind_front(&CComputer::apply_setting, this, index)});
    }
    return handlers;
}

SAnswer CComputer::answer(std::span<const std::byte> frame, EFrame_status status, double t)
{
    m_received_header.take(frame);
    m_answered_number = m_received_header.header().id().get();
    m_answered_transaction = m_received_header.header().transaction_number().get();
    if (status != EFrame_status::ok) {
        return rejected(code_of(status));
    }
    return answer_frame(frame, t);
}

SAnswer CComputer::answer_frame(std::span<const std::byte> frame, double t)
{
    const SHandler *handler = handler_for(m_answered_number);
    const std::optional<std::uint16_t> configured_code = configured_response(m_answered_number);
    if (configured_code && *configured_code > CMsg0_response_code::last_accepting_code) {
        return rejected(*configured_code);
    }
    if (handler == nullptr) {
        SAnswer unknown = applied();
        unknown.known = false;
        unknown.code = configured_code.value_or(response::accepted);
        return unknown;
    }

    CMessage_record &received = *handler->received;
    copy_frame(received, frame);
    if (handler->lay_out != nullptr) {
        handler->lay_out(received);
    }
    // A frame too short for its layout would leave fields unread: nothing of it is applied.
    const std::size_t needed = needed_length(received);
    if (frame.size() < needed) {
        return rejected(response::byte_count_error);
    }
    if (handler->guarded && logged_out(t)) {
        return rejected(response::not_logged_in);
    }
    SAnswer answer = handler->apply(t);
    if (answer.code == response::accepted) {
        if (frame.size() > needed) {
            answer.code = response::accepted_too_long;
        }
        answer.code = configured_code.value_or(answer.code);
    }
    return answer;
}

std::optional<std::uint16_t> CComputer::configured_response(std::uint16_t number) const
{
    const auto found = m_options.faults.responses.find(number);
    if (found == m_options.faults.responses.end()) {
        return std::nullopt;
    }
    return found->second;
}

const CComputer::SHandler *CComputer::handler_for(std::uint16_t number) const
{
    const auto found = std::find_if(m_handlers.begin(), m_handlers.end(),
                                    [number](const SHandler &h) { return h.number == number; });
    return found == m_handlers.end() ? nullptr : &*found;
}

std::span<const std::byte> CComputer::acknowledgement(const SAnswer &answer)
{
    m_acknowledgement.message_id_received().set(m_answered_number);
    m_acknowledgement.response_code().set(answer.code);
    m_acknowledgement.new_parameters().bit(0)->set(answer.new_parameters);
    m_acknowledgement.parameter_error_name().set(answer.parameter_name);
    m_acknowledgement.seal(m_answered_transaction);
    return m_acknowledgement.frame();
}

bool CComputer::logged_out(double t) const
{
    return !m_password.empty() && !(m_logged_in_until && t < *m_logged_in_until);
}

void CComputer::controller_disconnected()
{
    m_logged_in_until.reset();
}

void CComputer::restart(double t)
{
    stop_navigation(t);
    m_power_on = t;
    ++m_restarts;
    m_settings.copy_from(m_saved);
    m_saved_successfully = false;
    m_free_inertial = false;
    m_logged_in_until.reset();
    m_mode.mode_type().set(m_options.start_in_standby ? CMessage7::standby : CMessage7::navigate);
    if (!m_options.start_in_standby) {
        start_navigation(t);
    }
    set_logging(m_settings.get<CMessage4>().logging_mode().automatic_logging().get(), t);
    request_echoes();
}

void CComputer::setting_changed(std::size_t index)
{
    m_saved_successfully = false;
    m_pending_settings[index] = true;
}

void CComputer::state_changed(const CMessage_record &state)
{
    const auto found = std::find(m_states.begin(), m_states.end(), &state);
    m_pending_states[static_cast<std::size_t>(found - m_states.begin())] = true;
}

void CComputer::settings_replaced()
{
    for (std::size_t index = 0; index < m_pending_settings.size(); ++index) {
        setting_changed(index);
    }
}

// Recording on the PC card starts and stops with the logging settings' "Start Logging".
SAnswer CComputer::apply_setting(std::size_t index, double t)
{
    CMessage_record &received = m_received_settings.record(index);
    const SAnswer answer = setting_rows()[index].check(received);
    if (answer.code == response::accepted) {
        m_settings.take(index, received);
        setting_changed(index);
        if (received.number() == CMessage4::number_of_record) {
            set_logging(m_settings.get<CMessage4>().disk_logging_control().start_logging().get(),
                        t);
        }
    }
    return answer;
}

SAnswer CComputer::apply_mode(double t)
{
    TScalar<std::uint8_t> &mode = m_received_mode.mode_type();
    switch (mode.get()) {
    case CMessage7::standby:
        stop_navigation(t);
        break;
    case CMessage7::navigate:
        if (!m_navigator.running()) {
            start_navigation(t);
        }
        break;
    case CMessage7::diagnostics:
        break;
    default:
        return rejected(response::parameter_error, mode.name());
    }
    m_mode.mode_type().set(mode.get());
    state_changed(m_mode);
    return applied();
}

SAnswer CComputer::apply_save(double)
{
    if (m_received_save.control().save_parameters().get()) {
        m_saved.copy_from(m_settings);
        m_saved_successfully = true;
    }
    return applied();
}

SAnswer CComputer::apply_restore(double)
{
    m_settings.copy_from(m_received_restore.control().load_parameters().get() ? m_saved
                                                                              : m_factory);
    settings_replaced();
    return applied(true);
}

SAnswer CComputer::apply_gnss_control(double)
{
    TScalar<std::uint8_t> &command = m_received_gnss_control.control_command();
    if (command.get() > CMessage10::reset) {
        return rejected(response::parameter_error, command.name());
    }
    return applied();
}

SAnswer CComputer::apply_control(double)
{
    CMsg14_control &control = m_received_control.control();
    switch (control.get()) {
    case CMsg14_control::controller_alive:
    case CMsg14_control::reset_twan:
        return applied();
    case CMsg14_control::controller_disconnecting:
        return applied(false, EAfter::disconnect);
    case CMsg14_control::reset_computer:
        return applied(false, EAfter::restart);
    case CMsg14_control::shut_down_computer:
        return applied(false, EAfter::shut_down);
    default:
        return rejected(response::parameter_error, control.name());
    }
}

SAnswer CComputer::apply_twan_calibration(double)
{
    TScalar<std::uint8_t> &command = m_received_twan_calibration.twan_control();
    if (command.get() > CMessage109::force) {
        return rejected(response::parameter_error, command.name());
    }
    return applied();
}

// Without a password every login is accepted, and a change sets the first password.
SAnswer CComputer::apply_password(double t)
{
    CMessage111 &received = m_received_password;
    const bool matches = m_password.empty() || received.password().text() == m_password;
    switch (received.password_control().get()) {
    case CMessage111::log_in:
        break;
    case CMessage111::change_password:
        if (matches) {
            m_password = received.new_password().text();
        }
        break;
    default:
        return rejected(response::parameter_error, received.password_control().name());
    }
    if (!matches) {
        return rejected(response::password_incorrect);
    }
    m_logged_in_until = t + login_seconds;
    return applied(received.password_control().get() == CMessage111::change_password);
}

SAnswer CComputer::apply_free_inertial(double)
{
    TScalar<std::uint8_t> &mode = m_received_free_inertial.mode_type();
    if (mode.get() > 1) {
        return rejected(response::parameter_error, mode.name());
    }
    m_free_inertial = mode.get() == 1;
    return applied();
}

SAnswer CComputer::take_values(CMessage_record &received, CMessage_record &taken, SAnswer check)
{
    if (check.code == response::accepted) {
        std::memcpy(taken.buffer(), received.buffer(), taken.buffer_size());
        taken.refit_frame();
        state_changed(taken);
    }
    return check;
}

SAnswer CComputer::apply_com2_values(double)
{
    return take_values(m_received_com2_values, m_com2_values,
                       check_com2_values(m_received_com2_values));
}

SAnswer CComputer::apply_analog_values(double)
{
    return take_values(m_received_analog_values, m_analog_values,
                       check_analog_values(m_received_analog_values));
}

void CComputer::start_navigation(double t)
{
    m_navigator.start(t, m_settings.start());
}

void CComputer::stop_navigation(double)
{
    m_navigator.stop();
}

void CComputer::set_logging(bool on, double t)
{
    if (m_logging_since) {
        m_logged_kbytes += (t - *m_logging_since) * logging_kbytes_per_second;
    }
    m_logging_since = on ? std::optional<double>(t) : std::nullopt;
}

EPc_card CComputer::pc_card_at(double t, const SDisk_usage &disk) const
{
    if (!m_logging_since) {
        return EPc_card::idle;
    }
    if (disk.kbytes_remaining == 0) {
        return EPc_card::device_full;
    }
    return t - *m_logging_since < file_open_seconds ? EPc_card::buffering : EPc_card::writing;
}

SDisk_usage CComputer::disk_usage(double t) const
{
    const double free_at_start =
        m_options.pc_card_full ? 0 : disk_kbytes - disk_kbytes_in_other_files;
    const double logging = m_logging_since ? (t - *m_logging_since) * logging_kbytes_per_second : 0;
    const double logged = std::min(m_logged_kbytes + logging, free_at_start);
    const double remaining = free_at_start - logged;
    return {static_cast<std::uint32_t>(disk_kbytes), static_cast<std::uint32_t>(logged),
            static_cast<std::uint32_t>(remaining),
            static_cast<float>(remaining / logging_kbytes_per_second / 60)};
}

// With the Q560 interface the PC's tool holds the scanner connection: the data port reports what
// the tool's last state report said; before the first, what the command line set.
std::uint16_t CComputer::lidar_port_status()
{
    CMessage20207 &report = m_settings.get<CMessage20207>();
    const bool state_report = report.reserved0().get() == 1 && report.connect_control().get() == 0;
    if (m_options.lidar.interface_kind != q560_interface || !state_report) {
        return m_options.lidar.data_port_status;
    }
    if (report.reserved1().get() == 0) {
        return data_port::off;
    }
    return report.reserved2().get() == 1 ? data_port::logging : data_port::not_logging;
}

SSnapshot CComputer::snapshot(double t)
{
    const double koru_time = t - m_power_on;
    SSnapshot snapshot;
    snapshot.time = koru_time;
    snapshot.utc_at_power_on = m_options.start_time.seconds_of_day;
    snapshot.phase = m_navigator.phase_at(t);
    snapshot.nav = m_navigator.state_at(t);
    snapshot.disk = disk_usage(t);
    snapshot.pc_card = pc_card_at(t, snapshot.disk);
    snapshot.imu_data_rate_code = m_options.imu_data_rate_code;
    snapshot.receivers = m_options.receivers;
    snapshot.receiver_types = {m_options.receiver_types[0], m_options.receiver_types[1]};
    snapshot.status =
        navigation_status({snapshot.phase, m_free_inertial, snapshot.pc_card,
                           !m_settings.same_as(m_saved), m_saved_successfully, logged_out(t)});
    snapshot.pps = pulses(pps_train, koru_time);
    snapshot.event_1 = pulses(event_1_train, koru_time);
    snapshot.event_2 = pulses(event_2_train, koru_time);
    const auto hours = static_cast<float>(koru_time / 3600);
    snapshot.run = {hours_before + hours, runs_before + m_restarts, average_run_hours,
                    longest_run_hours, hours};
    const std::uint32_t address = m_options.local_address;
    snapshot.address = {
        static_cast<std::uint8_t>(address >> 24), static_cast<std::uint8_t>(address >> 16),
        static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)};
    snapshot.data_port_reads = static_cast<std::uint32_t>(koru_time * 10);
    snapshot.lidar_interface = m_options.lidar.interface_kind;
    snapshot.lidar_port_status = lidar_port_status();
    snapshot.lidar_logging_request = m_settings.get<CMessage20206>().logging_control().get();
    snapshot.hotlink_model = m_options.hotlink_model;
    snapshot.filter_counts = m_options.filter_counts;
    snapshot.week_end = m_options.week_end;
    return snapshot;
}

void CComputer::request_echoes()
{
    std::fill(m_pending_settings.begin(), m_pending_settings.end(), true);
    std::fill(m_pending_states.begin(), m_pending_states.end(), true);
}

void CComputer::take_echoes(const std::function<void(std::span<const std::byte>)> &send)
{
    const std::optional<std::size_t> closing = setting_row_of(closing_echo);
    const auto send_sealed = [&send](CMessage_record &record) {
        record.seal(0);
        send(record.frame());
    };
    // A setting an older computer echoes in part goes out cut short.
    const auto send_setting = [&](std::size_t index) {
        CMessage_record &record = m_settings.record(index);
        const auto echoed_body = setting_rows()[index].echoed_body;
        const std::size_t body = echoed_body != nullptr ? echoed_body(m_options) : 0;
        if (body == 0) {
            send_sealed(record);
            return;
        }
        record.seal(0);
        send(CutMessageFrame(record.frame(), body));
    };
    bool any = false;
    for (std::size_t index = 0; index < m_pending_settings.size(); ++index) {
        if (m_pending_settings[index] && index != closing) {
            send_setting(index);
        }
        any = any || m_pending_settings[index];
        m_pending_settings[index] = false;
    }
    for (std::size_t index = 0; index < m_states.size(); ++index) {
        if (m_pending_states[index]) {
            send_sealed(*m_states[index]);
            any = true;
            m_pending_states[index] = false;
        }
    }
    if (any) {
        send_sealed(m_settings.record(*closing));
    }
}
