#include "recording/replay_schedule.h"

#include <algorithm>

namespace {

constexpr double microseconds = 1e-6;

} // namespace

double CReplay_schedule::wait_for(std::uint64_t arrival_us, double now)
{
    if (m_paused_at) {
        return paused_wait; // nothing is due while paused
    }
    const bool gap = m_anchored && (arrival_us < m_last_arrival ||
                                    static_cast<double>(arrival_us - m_last_arrival) *
                                            microseconds >
                                        longest_gap);
    if (!m_anchored || gap || m_speed == fastest) {
        // The first datagram and every one at full speed is due now; one after a gap is due
        // when the one before it was, or now when that is later.
        m_anchor_time = !m_anchored || m_speed == fastest ? now : std::max(m_last_due, now);
        m_anchor_arrival = arrival_us;
        m_anchored = true;
    }
    const double due =
        m_speed == fastest
            ? now
            : m_anchor_time +
                  static_cast<double>(arrival_us - m_anchor_arrival) * microseconds / m_speed;
    m_last_arrival = arrival_us;
    m_last_due = due;
    return due - now;
}

void CReplay_schedule::set_speed(double speed, double now)
{
    m_speed = speed;
    if (m_anchored) {
        // The latest datagram stays where it was due; the ones after it follow at the new pace.
        m_anchor_time = std::min(m_last_due, now);
        m_anchor_arrival = m_last_arrival;
    }
}

void CReplay_schedule::pause(double now)
{
    if (!m_paused_at) {
        m_paused_at = now;
    }
}

void CReplay_schedule::resume(double now)
{
    if (!m_paused_at) {
        return;
    }
    const double held = now - *m_paused_at;
    m_anchor_time += held;
    m_last_due += held;
    m_paused_at.reset();
}
