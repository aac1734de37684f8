#pragma once
// Settings messages written out byte by byte, to check what korusim echoes and applies.

#include "frame_bytes.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace korusim_test {

// What a burst of echoes holds, in order: every setting the computer keeps, the mode and the
// diagnostics values, and Message 1 last. When only the settings changed, without the mode and
// the diagnostics values.
inline const std::vector<std::uint16_t> echo_burst = {
    2, 3, 4, 13, 16, 17, 101, 102, 103, 104, 105, 20201, 20205, 20206, 20207, 107, 6, 12, 11,
    20211, 5, 110, 108, 20001, 20101, 7, 20102, 20103, 1};
inline const std::vector<std::uint16_t> settings_echo_burst = {
    2, 3, 4, 13, 16, 17, 101, 102, 103, 104, 105, 20201, 20205, 20206, 20207, 107, 6, 12, 11,
    20211, 5, 110, 108, 20001, 20101, 1};

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

inline frame_bytes::Bytes installation_body(const SInstallation &values)
{
    frame_bytes::Bytes body;
    frame_bytes::put_u8(body, values.time_types);
    frame_bytes::put_u8(body, values.distance_select);
    frame_bytes::put_u8(body, values.auto_start);
    for (const float value : values.vectors) {
        frame_bytes::put_f32(body, value);
    }
    frame_bytes::put_u8(body, values.multipath);
    return body;
}

inline frame_bytes::Bytes installation_message(std::uint16_t transaction,
                                               const SInstallation &values = {})
{
    return frame_bytes::message(1, transaction, installation_body(values));
}

// Message 2: the count, the groups, a reserved word.
inline frame_bytes::Bytes display_groups_message(std::uint16_t transaction,
                                                 const std::vector<std::uint16_t> &groups)
{
    frame_bytes::Bytes body;
    frame_bytes::put_u16(body, static_cast<std::uint16_t>(groups.size()));
    for (const std::uint16_t group : groups) {
        frame_bytes::put_u16(body, group);
    }
    frame_bytes::put_u16(body, 0);
    return frame_bytes::message(2, transaction, body);
}

// Message 4: PC card logging of groups 1 and 101 at 50 Hz, "Start Logging" and "Automatic
// Logging" as given, file name "flight".
inline frame_bytes::Bytes pc_card_logging_message(std::uint16_t transaction, bool start,
                                                  bool automatic = false)
{
    frame_bytes::Bytes body;
    frame_bytes::put_u16(body, 2);
    frame_bytes::put_u16(body, 1);
    frame_bytes::put_u16(body, 101);
    frame_bytes::put_u16(body, 50);
    frame_bytes::put_u8(body, automatic ? 1 : 0);
    frame_bytes::put_u8(body, start ? 1 : 0);
    frame_bytes::Bytes name(64, std::byte{0});
    std::memcpy(name.data(), "flight", 6);
    frame_bytes::append(body, name);
    return frame_bytes::message(4, transaction, body);
}

// Message 101: sensor mounting angles and lever arms, seven vectors of X, Y, Z.
inline frame_bytes::Bytes sensor_mounting_message(std::uint16_t transaction,
                                                  const std::array<float, 21> &vectors = {})
{
    frame_bytes::Bytes body;
    for (const float value : vectors) {
        frame_bytes::put_f32(body, value);
    }
    return frame_bytes::message(101, transaction, body);
}

} // namespace korusim_test
