#include "tools/korusim/korusim.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// After a stall longer than this (a suspended machine) the groups missed are skipped, not sent
// in one burst.
constexpr double longest_catch_up = 5;
// A computer told to shut down waits this long for its last answer to go out.
constexpr double shut_down_seconds = 2;

SOptions with_display_groups(SOptions options, const Group_encoders &encoders)
{
    if (options.display_groups.empty()) {
        for (const auto &encoder : encoders) {
            options.display_groups.push_back(encoder->number());
        }
    }
    return options;
}

std::string numbers_text(std::span<const std::uint16_t> numbers)
{
    std::string text;
    for (const std::uint16_t number : numbers) {
        text += (text.empty() ? "" : ", ") + std::to_string(number);
    }
    return text.empty() ? "none" : text;
}

std::string seconds_text(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g s", seconds);
    return text;
}

std::string_view phase_text(ENav_phase phase)
{
    switch (phase) {
    case ENav_phase::standby:
        return "standby";
    case ENav_phase::coarse_leveling:
        return "coarse levelling";
    case ENav_phase::fine_align:
        return "fine alignment";
    case ENav_phase::full_navigation:
        return "full navigation";
    }
    return "";
}

} // namespace

CKorusim::CKorusim(const SOptions &options, const IClock &clock, CEvent_log &log)
    : m_clock(clock),
      m_log(log),
      m_origin(clock.now()),
      m_encoders(make_group_encoders(options.iin_form, options.status_form, options.aux_count)),
      m_options(with_display_groups(options, m_encoders)),
      m_schedule(group_defaults(m_encoders), m_options.rates),
      m_computer(m_options),
      m_display(log, m_options.faults),
      m_control(log, *this, m_options.watchdog_seconds, m_options.faults.drop_control_after),
      m_logging{std::make_unique<CLogging_server>("primary logging port", log, m_options.faults,
                                                  m_options.logging_saves[0]),
                std::make_unique<CLogging_server>("secondary logging port", log, m_options.faults,
                                                  m_options.logging_saves[1])},
      m_scanner(log, m_options.scanner)
{
    select_logging_groups();
    if (!m_options.replay_file.empty()) {
        m_replay.emplace(m_options.replay_file, m_options.replay_speed, m_options.replay_rate);
    }
}

int CKorusim::open()
{
    const SEndpoint destination{m_options.display_address, m_options.display_port};
    if (const int error = m_display.open(m_options.local_address, destination); error != 0) {
        m_log.line("display port: cannot send from " + format_address(m_options.local_address) +
                   ": " + error_text(error));
        return error;
    }
    if (const int error = open_servers(); error != 0) {
        return error;
    }
    m_log.line("simulated KORU computer " + format_address(m_options.local_address) +
               ": display port to " + format_endpoint(destination) + ", control port " +
               std::to_string(control_port()) + ", logging ports " +
               std::to_string(logging_port(0)) + " and " + std::to_string(logging_port(1)));
    open_scanner();
    if (m_replay) {
        if (const int error = m_replay->open(elapsed()); error != 0) {
            m_log.line("replay: cannot read " + m_options.replay_file + ": " + error_text(error));
            return error;
        }
        const std::string instead = " on the display port instead of the simulated groups";
        m_log.line("replay: " + m_options.replay_file + instead);
    } else {
        m_computer.request_echoes();
        report_display_groups();
    }
    return 0;
}

int CKorusim::open_servers()
{
    if (m_options.faults.refuse_connections) {
        m_log.line("fault: connections are refused: nothing listens on the control and "
                   "logging ports");
        return 0;
    }
    const std::array<std::pair<CTcp_server *, std::uint16_t>, 3> servers = {{
        {&m_control, m_options.control_port},
        {m_logging[0].get(), m_options.logging_ports[0]},
        {m_logging[1].get(), m_options.logging_ports[1]},
    }};
    for (const auto &[server, port] : servers) {
        if (server == m_logging[0].get() || server == m_logging[1].get()) {
            const std::size_t which = server == m_logging[0].get() ? 0 : 1;
            if (m_options.faults.refuse_logging[which]) {
                m_log.line("fault: " + std::string(which == 0 ? "primary" : "secondary") +
                           " logging port refuses connections");
                continue;
            }
        }
        const SEndpoint local{m_options.local_address, port};
        if (const int error = server->open(local); error != 0) {
            m_log.line("cannot listen on " + format_endpoint(local) + ": " + error_text(error));
            return error;
        }
    }
    return 0;
}

// The scanner is a device of its own: the computer runs without it when its port is taken.
void CKorusim::open_scanner()
{
    const SEndpoint local{m_options.local_address, m_options.scanner.port};
    if (const int error = m_scanner.open(local); error != 0) {
        m_log.line("lidar scanner: cannot listen on " + format_endpoint(local) + ": " +
                   error_text(error) + "; running without it");
        return;
    }
    m_log.line("lidar scanner: data logger on " +
               format_endpoint({m_options.local_address, m_scanner.port()}));
}

void CKorusim::run_once(int longest_wait_ms)
{
    const double t = elapsed();
    report_changes(t);
    m_control.check_timers(t);
    send_due(t);
    m_scanner.send_due(t);

    m_poll.clear();
    m_control.add_to(m_poll);
    for (const auto &logging : m_logging) {
        logging->add_to(m_poll);
    }
    m_scanner.add_to(m_poll);
    if (const int error = m_poll.wait(next_wait_ms(t, longest_wait_ms)); error != 0) {
        m_log.line("poll failed: " + error_text(error));
        return;
    }
    const double now = elapsed();
    m_control.handle(m_poll, now);
    for (const auto &logging : m_logging) {
        logging->handle(m_poll, now);
    }
    m_scanner.handle(m_poll, now);
}

bool CKorusim::finished() const
{
    const double t = elapsed();
    if (m_options.duration_seconds > 0 && t >= m_options.duration_seconds) {
        return true;
    }
    return m_shut_down_at && (!m_control.has_client() || t - *m_shut_down_at >= shut_down_seconds);
}

int CKorusim::next_wait_ms(double t, int longest_wait_ms) const
{
    double next = std::min(m_schedule.next_time(), m_scanner.next_time());
    if (m_replay) {
        next = std::min(next, m_replay->next_time());
    }
    if (m_options.echo_seconds > 0 && !m_replay) {
        next = std::min(next, m_next_echo);
    }
    const double wait_ms = std::ceil((next - t) * 1000);
    return static_cast<int>(std::clamp(wait_ms, 0.0, static_cast<double>(longest_wait_ms)));
}

void CKorusim::send_due(double t)
{
    if (m_options.echo_seconds > 0 && !m_replay && t >= m_next_echo) {
        m_computer.request_echoes();
        m_next_echo = (std::floor(t / m_options.echo_seconds) + 1) * m_options.echo_seconds;
    }
    send_groups(t);
    send_replayed(t);
    send_echoes(t);
}

void CKorusim::send_groups(double t)
{
    if (t - m_schedule.next_time() > longest_catch_up) {
        m_log.line("fell " + seconds_text(t - m_schedule.next_time()) +
                   " behind: the groups missed are skipped");
        m_schedule.skip_to(t);
    }
    std::optional<SSnapshot> snapshot;
    double snapshot_time = 0;
    while (const std::optional<CGroup_schedule::SDue> due = m_schedule.take_due(t)) {
        CGroup_encoder &encoder = *m_encoders[due->index];
        if (silent(due->time) || !wanted(encoder.number())) {
            continue;
        }
        if (!snapshot || snapshot_time != due->time) {
            snapshot = m_computer.snapshot(due->time);
            snapshot_time = due->time;
        }
        route(encoder.encode(*snapshot), EFrame_kind::group,
              simulated_on_display(encoder.number()));
    }
}

void CKorusim::send_replayed(double t)
{
    if (!m_replay) {
        return;
    }
    m_replay->emit_due(t, [this, t](std::span<const std::byte> frame, EFrame_kind kind) {
        if (!silent(t)) {
            route(frame, kind, true);
        }
    });
    if (m_replay->finished() && !m_reported_replay_end) {
        m_log.line("replay: finished, " + std::to_string(m_replay->frames_played()) +
                   " frames played, " + std::to_string(m_replay->frames_skipped()) +
                   " frames failing the frame check skipped");
        if (const std::string damage = m_replay->damage(); !damage.empty()) {
            m_log.line("replay: damaged recording: " + damage);
        }
        m_reported_replay_end = true;
    }
}

void CKorusim::send_echoes(double t)
{
    m_computer.take_echoes([this, t](std::span<const std::byte> frame) {
        if (!silent(t)) {
            m_display.send(frame);
        }
    });
}

void CKorusim::route(std::span<const std::byte> frame, EFrame_kind kind, bool to_display)
{
    if (to_display) {
        m_display.send(frame);
    }
    if (kind != EFrame_kind::group) {
        return;
    }
    const std::uint16_t group = frame::number_of(frame);
    for (const auto &logging : m_logging) {
        if (logging->wants(group)) {
            logging->offer(frame);
        }
    }
}

void CKorusim::select_logging_groups()
{
    for (std::size_t port = 0; port < m_logging.size(); ++port) {
        m_logging[port]->select(m_computer.logging_groups(port));
    }
}

bool CKorusim::wanted(std::uint16_t group)
{
    return simulated_on_display(group) || m_logging[0]->wants(group) || m_logging[1]->wants(group);
}

bool CKorusim::silent(double t) const
{
    const SFault_options &faults = m_options.faults;
    return faults.silence_seconds > 0 && t >= faults.silence_at &&
           t < faults.silence_at + faults.silence_seconds;
}

void CKorusim::report_changes(double t)
{
    const ENav_phase phase = m_computer.phase_at(t);
    if (phase != m_reported_phase) {
        m_log.line("navigation: " + std::string(phase_text(phase)));
        m_reported_phase = phase;
    }
    if (silent(t) != m_reported_silence) {
        m_reported_silence = !m_reported_silence;
        m_log.line(m_reported_silence
                       ? "fault: silent for " + seconds_text(m_options.faults.silence_seconds)
                       : std::string("fault: silence over"));
    }
}

void CKorusim::report_display_groups()
{
    std::vector<std::uint16_t> groups = m_computer.display_groups();
    if (groups == m_reported_groups) {
        return;
    }
    std::vector<std::uint16_t> simulated;
    std::vector<std::uint16_t> unknown;
    for (const std::uint16_t group : groups) {
        const bool known = std::any_of(m_encoders.begin(), m_encoders.end(),
                                       [group](const auto &e) { return e->number() == group; });
        (known ? simulated : unknown).push_back(group);
    }
    m_log.line("display port: broadcasting groups " + numbers_text(simulated) +
               (unknown.empty() ? "" : " (not simulated: " + numbers_text(unknown) + ")"));
    m_reported_groups = std::move(groups);
}

void CKorusim::message_received(std::span<const std::byte> frame, EFrame_status status)
{
    const double t = elapsed();
    if (silent(t)) {
        m_log.line("control port: message " + std::to_string(frame::number_of(frame)) +
                   " ignored: the computer is silent");
        return;
    }
    const SAnswer answer = m_computer.answer(frame, status, t);
    log_answer(answer, status, frame.size());
    m_control.send(m_computer.acknowledgement(answer));
    follow_up(answer.after, t);
    select_logging_groups();
    send_echoes(t);
    if (!m_replay) {
        report_display_groups();
    }
}

void CKorusim::log_answer(const SAnswer &answer, EFrame_status status, std::size_t length)
{
    const std::string message = "message " + std::to_string(m_computer.answered_number()) +
                                ", transaction " +
                                std::to_string(m_computer.answered_transaction());
    std::string received =
        "control port: received " + message + ", " + std::to_string(length) + " bytes";
    if (status != EFrame_status::ok) {
        received += ", failing its frame check at \"" +
                    std::string(frame::failing_item_name(EFrame_kind::message, status)) + "\"";
    } else if (!answer.known) {
        received += " (no layout here: accepted without effect)";
    }
    m_log.line(received);

    const bool accepted = answer.code <= CMsg0_response_code::last_accepting_code;
    std::string acknowledged = "control port: acknowledged " + message + " with code " +
                               std::to_string(answer.code) +
                               (accepted ? " (accepted)" : " (rejected)");
    if (!answer.parameter_name.empty()) {
        acknowledged += ", parameter \"" + std::string(answer.parameter_name) + "\"";
    }
    m_log.line(acknowledged);
}

void CKorusim::follow_up(EAfter after, double t)
{
    switch (after) {
    case EAfter::nothing:
        return;
    case EAfter::disconnect:
        m_log.line("control port: the controller disconnects");
        break;
    case EAfter::restart:
        m_log.line("the controller resets the computer: it starts again");
        m_computer.restart(t);
        break;
    case EAfter::shut_down:
        m_log.line("the controller shuts the computer down");
        m_shut_down_at = t;
        break;
    }
    m_control.close_after_sending();
}

void CKorusim::controller_connected()
{
    m_computer.request_echoes();
    send_echoes(elapsed());
}

void CKorusim::controller_gone()
{
    m_computer.controller_disconnected();
}
