#pragma once
// Frames of the filter groups (20101 to 20104) assembled byte by byte, with counts stated apart
// from the values sent, so that tests may state more than they send.

#include "frame_bytes.h"

#include <cstdint>
#include <vector>

namespace filter_frames {

using frame_bytes::Bytes;

// `count` doubles first + 0, first + 1, ...
inline void put_values(Bytes &body, std::size_t count, double first)
{
    for (std::size_t i = 0; i < count; ++i) {
        frame_bytes::put_f64(body, first + static_cast<double>(i));
    }
}

// What a filter group states and what it carries.
struct SCounts {
    std::uint16_t states;
    std::uint16_t measurements;
    std::size_t sent_states;
    std::size_t sent_measurements;
};

// Group 20101 (or, with `plus_states`, 20103): state i is 100 + i, its RMS 300 + i; the state
// after the update 500 + i and its RMS 700 + i; residual j is 200 + j and its RMS 400 + j.
inline Bytes filter_update(std::uint16_t number, const SCounts &counts, std::uint32_t reject,
                           double update_time, bool plus_states)
{
    Bytes body;
    frame_bytes::put_f64(body, update_time);
    frame_bytes::put_u16(body, counts.states);
    frame_bytes::put_u16(body, counts.measurements);
    put_values(body, counts.sent_states, 100);
    put_values(body, counts.sent_states, 300);
    if (plus_states) {
        put_values(body, counts.sent_states, 500);
        put_values(body, counts.sent_states, 700);
    }
    put_values(body, counts.sent_measurements, 200);
    put_values(body, counts.sent_measurements, 400);
    frame_bytes::put_u32(body, reject);
    return frame_bytes::group(number, body);
}

inline Bytes kalman_update(const SCounts &counts, std::uint32_t reject, double update_time = 12.5)
{
    return filter_update(20101, counts, reject, update_time, false);
}

inline Bytes twan_update(const SCounts &counts, std::uint32_t reject, double update_time = 12.5)
{
    return filter_update(20103, counts, reject, update_time, true);
}

// Group 20102: measurement j is 10 + j, its noise 30 + j.
inline Bytes kalman_measurements(std::uint16_t stated, std::size_t sent, std::uint32_t construct,
                                 double time = 11.25)
{
    Bytes body;
    frame_bytes::put_f64(body, time);
    frame_bytes::put_f64(body, time + 1);
    frame_bytes::put_u16(body, stated);
    frame_bytes::put_u32(body, construct);
    put_values(body, sent, 10);
    put_values(body, sent, 30);
    return frame_bytes::group(20102, body);
}

// Group 20104: measurement j is 10 + j, its noise 30 + j.
inline Bytes twan_measurements(std::uint16_t stated, std::size_t sent, double time = 11.25)
{
    Bytes body;
    frame_bytes::put_f64(body, time);
    frame_bytes::put_u16(body, stated);
    put_values(body, sent, 10);
    put_values(body, sent, 30);
    return frame_bytes::group(20104, body);
}

} // namespace filter_frames
