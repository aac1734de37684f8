#pragma once
// The installation messages written out byte by byte, to check what korusim echoes and applies.

#include "frame_bytes.h"

#include <array>
#include <cstdint>

namespace korusim_test {

// The values of Message 1; the defaults are the computer's factory settings.
struct SInstallation {
    std::uint8_t time_types = 0x02; // time type 1 UTC, time type 2 the computer's own
    std::uint8_t distance_select = 1;
    std::uint8_t auto_start = 0;
    // IMU lever arm, primary GNSS lever arm, IMU mounting angles, secondary GNSS lever arm,
    // reference frame mounting angles: X, Y, Z each.
    std::array<float, 15> vectors{};
    std::uint8_t multipath = 2;
};

inline frame_bytes::Bytes installation_message(std::uint16_t transaction,
                                               const SInstallation &values = {})
{
    frame_bytes::Bytes body;
    frame_bytes::put_u8(body, values.time_types);
    frame_bytes::put_u8(body, values.distance_select);
    frame_bytes::put_u8(body, values.auto_start);
    for (const float value : values.vectors) {
        frame_bytes::put_f32(body, value);
    }
    frame_bytes::put_u8(body, values.multipath);
    return frame_bytes::message(1, transaction, body);
}

} // namespace korusim_test
