#pragma once
// The strip chart of the computer's processor load, without the chart: one point per load
// report at the report's time of day in days, the time axis that follows the newest point, a
// week added when the time goes back by more than half a day (a new GPS week), at most an hour of
// points at one report a second. Standard library only.

#include <cstddef>
#include <cstdint>
#include <deque>

class CLoad_strip {
public:
    static constexpr std::size_t capacity = 3600;
    static constexpr double seconds_per_day = 86400;
    // The axis of a chart that starts: 100 seconds, in days.
    static constexpr double initial_span = 100 / seconds_per_day;

    struct SPoint {
        double x; // days
        double load;
    };
    // What one report changed in the points.
    struct SChange {
        bool cleared = false;     // every point before the report is gone
        bool added = false;       // the report's point is the newest
        std::size_t dropped = 0;  // oldest points dropped after it
    };

    // A load report with the header's time type and time (seconds). `load_valid` false (the
    // computer's "no data") adds no point; a time that is not a finite number changes nothing but
    // the time type.
    SChange take(int time_type, double seconds, bool load_valid, double load);
    // Time type and day offset back to 0, every point gone.
    void reset();

    const std::deque<SPoint> &points() const { return m_points; }
    double axis_minimum() const { return m_axis_minimum; }
    double axis_maximum() const { return m_axis_maximum; }
    double day_offset() const { return m_day_offset; }

private:
    std::deque<SPoint> m_points;
    int m_time_type = 0;
    double m_day_offset = 0;
    double m_axis_minimum = 0;
    double m_axis_maximum = initial_span;
};
