#pragma once
// The lidar's group and messages written out byte by byte, for the tests of the lidar tools.

#include "frame_bytes.h"

#include <array>

namespace lidar_frames {

using frame_bytes::Bytes;

// Group 20202: interface kind `mode` ("Reserved Int 1"), data port status `status` and the
// logging asked for `request` ("Reserved Int 2"); the body cut after `body_bytes` when given.
inline Bytes lidar_group(std::uint32_t mode, std::uint16_t status, std::uint32_t request,
                         std::size_t body_bytes = 74)
{
    Bytes body;
    for (const std::uint8_t part : {10, 0, 0, 7}) {
        frame_bytes::put_u8(body, part);
    }
    frame_bytes::put_u16(body, status);
    for (int counter = 0; counter < 11; ++counter) {
        frame_bytes::put_u32(body, 0);
    }
    frame_bytes::put_f64(body, 0);
    frame_bytes::put_f64(body, 0);
    frame_bytes::put_u32(body, mode);
    frame_bytes::put_u32(body, request);
    body.resize(body_bytes);
    return frame_bytes::group(20202, body);
}

// Message 20206: the logging asked for and the flight line.
inline Bytes logging_request(std::uint16_t transaction, std::uint8_t logging,
                             std::uint32_t flight_line = 0)
{
    Bytes body;
    frame_bytes::put_u8(body, logging);
    frame_bytes::put_u32(body, flight_line);
    frame_bytes::put_u32(body, 0);
    return frame_bytes::message(20206, transaction, body);
}

struct SScanner_state {
    std::array<std::uint8_t, 4> address{};
    std::uint8_t connect_control = 0;
    std::uint8_t reserved0 = 0;
    std::uint8_t connected = 0;
    std::uint32_t logging = 0;
};

// Message 20207: the scanner's address, " Connect Control" and the PC tool's state.
inline Bytes scanner_state(std::uint16_t transaction, const SScanner_state &state)
{
    Bytes body;
    for (const std::uint8_t part : state.address) {
        frame_bytes::put_u8(body, part);
    }
    frame_bytes::put_u8(body, state.connect_control);
    frame_bytes::put_u8(body, state.reserved0);
    frame_bytes::put_u8(body, state.connected);
    frame_bytes::put_u32(body, state.logging);
    frame_bytes::put_u32(body, 0);
    return frame_bytes::message(20207, transaction, body);
}

} // namespace lidar_frames
