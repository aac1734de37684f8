#pragma once
// The positions received, kept for export: time, position, heading and speed. One position is
// kept per `spacing` seconds of arrival time at most; when the log is full, every second one goes
// and the spacing doubles, so that a flight of any length fits in a bounded log. Standard library
// only.

#include <cstddef>
#include <vector>

struct STrack_sample {
    double time = 0;      // arrival, seconds since 1970-01-01 UTC
    double latitude = 0;  // degrees
    double longitude = 0; // degrees
    double altitude = 0;  // metres
    double heading = 0;   // degrees; NaN when not known
    double speed = 0;     // metres a second; NaN when not known
};

class CTrack_log {
public:
    static constexpr double first_spacing = 0.2; // seconds
    static constexpr std::size_t capacity = 200000;

    // Keeps `sample` unless it came too soon after the last one kept, or its position is not a
    // finite number.
    void add(const STrack_sample &sample);
    void clear();
    const std::vector<STrack_sample> &samples() const { return m_samples; }
    double spacing() const { return m_spacing; }

private:
    std::vector<STrack_sample> m_samples;
    double m_spacing = first_spacing;
};
