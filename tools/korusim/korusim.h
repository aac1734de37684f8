#pragma once
// The simulator: a simulated computer behind its display, control and logging ports, driven by
// one poll() loop on one thread. Nothing in the loop waits except poll() itself.

#include "tools/korusim/clock.h"
#include "tools/korusim/computer.h"
#include "tools/korusim/control_server.h"
#include "tools/korusim/display_port.h"
#include "tools/korusim/event_log.h"
#include "tools/korusim/group_encoders.h"
#include "tools/korusim/group_schedule.h"
#include "tools/korusim/logging_server.h"
#include "tools/korusim/options.h"
#include "tools/korusim/replay.h"
#include "tools/korusim/scanner_server.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class CKorusim final : private IMessage_handler {
public:
    // `options` as parsed; an empty display group list means every simulated group. Time
    // starts now, by `clock`.
    CKorusim(const SOptions &options, const IClock &clock, CEvent_log &log);

    // Opens the sockets and the replay file. Returns 0, or the errno of what failed (logged).
    int open();
    // One turn of the loop: sends what is due, then waits up to `longest_wait_ms` for the
    // sockets and serves them.
    void run_once(int longest_wait_ms);
    // The duration is over, or the controller shut the computer down.
    bool finished() const;

    std::uint16_t control_port() const { return m_control.port(); }
    std::uint16_t logging_port(std::size_t index) const { return m_logging[index]->port(); }
    // 0 while the scanner could not listen.
    std::uint16_t scanner_port() const { return m_scanner.port(); }
    // Seconds since the simulator started.
    double elapsed() const { return m_clock.now() - m_origin; }

private:
    void message_received(std::span<const std::byte> frame, EFrame_status status) override;
    void controller_connected() override;
    void controller_gone() override;

    int open_servers();
    void open_scanner();
    void send_due(double t);
    void send_groups(double t);
    void send_replayed(double t);
    void send_echoes(double t);
    void route(std::span<const std::byte> frame, EFrame_kind kind, bool to_display);
    // Simulated groups go on the display port as Message 2 says, unless a file is replayed.
    bool simulated_on_display(std::uint16_t group)
    {
        return !m_replay && m_computer.displays_group(group);
    }
    bool wanted(std::uint16_t group);
    bool silent(double t) const;
    void report_changes(double t);
    void report_display_groups();
    // The logging ports stream what the settings (Messages 3 and 16) select.
    void select_logging_groups();
    void log_answer(const SAnswer &answer, EFrame_status status, std::size_t length);
    void follow_up(EAfter after, double t);
    int next_wait_ms(double t, int longest_wait_ms) const;

    const IClock &m_clock;
    CEvent_log &m_log;
    double m_origin;

    Group_encoders m_encoders;
    SOptions m_options;
    CGroup_schedule m_schedule;
    CComputer m_computer;
    CDisplay_port m_display;
    CControl_server m_control;
    std::array<std::unique_ptr<CLogging_server>, 2> m_logging;
    CScanner_server m_scanner;
    std::optional<CReplay> m_replay;
    CPoll_set m_poll;

    double m_next_echo = 0;
    ENav_phase m_reported_phase = ENav_phase::standby;
    std::vector<std::uint16_t> m_reported_groups;
    bool m_reported_silence = false;
    bool m_reported_replay_end = false;
    std::optional<double> m_shut_down_at;
};
