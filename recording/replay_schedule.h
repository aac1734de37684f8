#pragma once
// When each recorded datagram is due in a replay: as far apart as they arrived, divided by the
// speed, or at once when the replay runs as fast as it can. Pauses hold the schedule; a gap in
// the recording longer than `longest_gap` (or arrival times going back) is replayed as no gap.

#include <cstdint>
#include <optional>

class CReplay_schedule {
public:
    // The speed that means "as fast as the windows keep up".
    static constexpr double fastest = 0;
    static constexpr double longest_gap = 5; // seconds
    // What wait_for answers while paused: ask again after that long.
    static constexpr double paused_wait = 0.1;

    explicit CReplay_schedule(double speed = 1) : m_speed(speed) {}

    // Seconds from `now` until the datagram that arrived at `arrival_us` is due; 0 or less when
    // it is due now. Datagrams are asked for in file order, each as often as needed.
    double wait_for(std::uint64_t arrival_us, double now);
    // Changes the speed from `now` on, keeping the replay where it is.
    void set_speed(double speed, double now);
    double speed() const { return m_speed; }

    void pause(double now);
    void resume(double now);
    bool paused() const { return m_paused_at.has_value(); }

private:
    double m_speed;
    bool m_anchored = false;
    double m_anchor_time = 0;          // when the anchor datagram was due
    std::uint64_t m_anchor_arrival = 0; // and when it arrived
    std::uint64_t m_last_arrival = 0;
    double m_last_due = 0;
    std::optional<double> m_paused_at;
};
