#include "views/load_strip.h"

#include <cmath>

namespace {

constexpr double days_per_week = 7;
constexpr double half_a_day = 0.5;

} // namespace

CLoad_strip::SChange CLoad_strip::take(int time_type, double seconds, bool load_valid, double load)
{
    SChange change;
    if (time_type != m_time_type) {
        change.cleared = !m_points.empty();
        m_points.clear();
        m_time_type = time_type;
    }
    if (!std::isfinite(seconds)) {
        return change;
    }
    double x = seconds / seconds_per_day;
    // Compared with the offset the points already carry, so that the week is added once, at the
    // rollover, and not again for every point after it.
    if (!m_points.empty() && m_points.back().x - half_a_day > x + m_day_offset) {
        m_day_offset += days_per_week;
    }
    x += m_day_offset;
    if (m_points.empty()) {
        m_axis_minimum = x;
        m_axis_maximum = x + initial_span;
    } else if (x > m_axis_maximum) {
        m_axis_minimum += x - m_axis_maximum;
        m_axis_maximum = x;
    }
    if (load_valid && std::isfinite(load)) {
        m_points.push_back({x, load});
        change.added = true;
    }
    while (m_points.size() > capacity) {
        m_points.pop_front();
        ++change.dropped;
    }
    return change;
}

void CLoad_strip::reset()
{
    m_points.clear();
    m_time_type = 0;
    m_day_offset = 0;
    m_axis_minimum = 0;
    m_axis_maximum = initial_span;
}
