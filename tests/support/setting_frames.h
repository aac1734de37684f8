#pragma once
// The port, PC card logging, yaw drift and OmniStar messages written byte by byte: what the
// computer's echoes hold, and the frames a controller sends. By default each holds what a
// computer set up from the factory holds.

#include "frame_bytes.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace setting_frames {

using frame_bytes::Bytes;

// A serial port: enabled, 9600 baud, no parity, eight data bits, one stop bit.
struct SSerial_port {
    std::uint8_t control = 1;
    std::uint8_t baud = 2;
    std::uint16_t parity = 1;
    std::uint16_t data_bits = 1;
    std::uint16_t stop_bits = 1;

    void put(Bytes &out) const
    {
        frame_bytes::put_u8(out, control);
        frame_bytes::put_u8(out, baud);
        frame_bytes::put_u16(out,
                             static_cast<std::uint16_t>(parity | data_bits << 3 | stop_bits << 5));
    }
};

struct SSenses {
    std::uint8_t roll = 0;
    std::uint8_t pitch = 0;
    std::uint8_t heave = 0;

    void put(Bytes &out) const
    {
        frame_bytes::put_u8(out, roll);
        frame_bytes::put_u8(out, pitch);
        frame_bytes::put_u8(out, heave);
    }
};

// Message 102: COM1's NMEA sentences.
struct SCom1 {
    SSenses senses;
    std::uint32_t sentences = 0;
    SSerial_port port;
    std::uint16_t rate = 1;

    Bytes message(std::uint16_t transaction) const
    {
        Bytes body;
        senses.put(body);
        frame_bytes::put_u32(body, sentences);
        port.put(body);
        frame_bytes::put_u16(body, rate);
        return frame_bytes::message(102, transaction, body);
    }
};

// Message 103: COM2's binary output.
struct SCom2 {
    SSenses senses;
    std::uint16_t format = 8;
    SSerial_port port;
    std::uint16_t rate = 25;
    std::uint8_t tm1b_delay = 0;

    Bytes message(std::uint16_t transaction) const
    {
        Bytes body;
        senses.put(body);
        frame_bytes::put_u16(body, format);
        port.put(body);
        frame_bytes::put_u16(body, rate);
        frame_bytes::put_u8(body, tm1b_delay);
        return frame_bytes::message(103, transaction, body);
    }
};

// Message 104: COM3's input and the auxiliary receivers' protocols.
struct SCom3 {
    std::uint16_t format = 0;
    SSerial_port port;
    std::uint16_t rate = 1;
    std::uint8_t aux_1 = 0;
    std::uint8_t aux_2 = 0;

    Bytes message(std::uint16_t transaction) const
    {
        Bytes body;
        frame_bytes::put_u16(body, format);
        port.put(body);
        frame_bytes::put_u16(body, rate);
        frame_bytes::put_u8(body, aux_1);
        frame_bytes::put_u8(body, aux_2);
        return frame_bytes::message(104, transaction, body);
    }
};

// Message 105: the analog output.
struct SAnalog {
    std::array<float, 3> scales = {1, 1, 1};
    SSenses senses;
    std::uint8_t format = 4;
    std::uint8_t enable = 1;

    Bytes message(std::uint16_t transaction) const
    {
        Bytes body;
        for (const float scale : scales) {
            frame_bytes::put_f32(body, scale);
        }
        senses.put(body);
        frame_bytes::put_u8(body, format);
        frame_bytes::put_u8(body, enable);
        return frame_bytes::message(105, transaction, body);
    }
};

// Messages 20102 and 20103: the diagnostics values.
inline Bytes floats_message(std::uint16_t number, std::uint16_t transaction,
                            const std::vector<float> &values)
{
    Bytes body;
    for (const float value : values) {
        frame_bytes::put_f32(body, value);
    }
    return frame_bytes::message(number, transaction, body);
}

// Message 4: PC card logging. `count` is what the count says when it is not the list's length;
// `cut` bytes are taken off the end of the body.
struct SPc_card {
    std::vector<std::uint16_t> groups = {1, 101};
    std::uint16_t rate = 1;
    std::uint8_t mode = 0;
    std::uint8_t control = 0;
    std::string file_name = "default";
    std::optional<std::uint16_t> count;
    std::size_t cut = 0;

    Bytes message(std::uint16_t transaction) const
    {
        Bytes body;
        frame_bytes::put_u16(body, count.value_or(static_cast<std::uint16_t>(groups.size())));
        for (const std::uint16_t group : groups) {
            frame_bytes::put_u16(body, group);
        }
        frame_bytes::put_u16(body, rate);
        frame_bytes::put_u8(body, mode);
        frame_bytes::put_u8(body, control);
        Bytes name(64, std::byte{0});
        std::memcpy(name.data(), file_name.data(), std::min<std::size_t>(file_name.size(), 64));
        frame_bytes::append(body, name);
        body.resize(body.size() - cut);
        return frame_bytes::message(4, transaction, body);
    }
};

// Message 20201: the yaw drift correction.
struct SYaw_drift {
    double heading = 0;
    double threshold = 0;
    double period = 0.01;
    double gain = 1;
    std::uint8_t method = 0;

    Bytes message(std::uint16_t transaction) const
    {
        Bytes body;
        for (const double value : {heading, threshold, period, gain}) {
            frame_bytes::put_f64(body, value);
        }
        frame_bytes::put_u8(body, method);
        return frame_bytes::message(20201, transaction, body);
    }
};

// Message 20205: gimbal stabilization.
inline Bytes gimbal_message(std::uint16_t transaction, std::uint8_t control)
{
    Bytes body;
    frame_bytes::put_u8(body, control);
    frame_bytes::put_u32(body, 0);
    frame_bytes::put_u32(body, 0);
    return frame_bytes::message(20205, transaction, body);
}

// Message 17: the OmniStar service.
struct SOmni_star {
    std::uint8_t mode = 0;
    std::uint8_t satellite = 0;
    double frequency = 0;
    std::uint16_t bit_rate = 0;

    Bytes message(std::uint16_t transaction) const
    {
        Bytes body;
        frame_bytes::put_u8(body, mode);
        frame_bytes::put_u8(body, satellite);
        frame_bytes::put_f64(body, frequency);
        frame_bytes::put_u16(body, bit_rate);
        for (int reserved = 0; reserved < 3; ++reserved) {
            frame_bytes::put_u16(body, 0);
        }
        frame_bytes::put_f64(body, 0);
        return frame_bytes::message(17, transaction, body);
    }
};

// Group 4 with the IMU's data-rate code `code`; no increments.
inline Bytes imu_group(std::uint8_t code)
{
    Bytes body(25, std::byte{0});  // the increments and the frame status
    frame_bytes::put_u8(body, 17); // IMU type
    frame_bytes::put_u8(body, code);
    frame_bytes::put_u16(body, 0);
    return frame_bytes::group(4, body);
}

// Group 8: the PC card's room and what was recorded, in KBytes, and the minutes of recording
// the room left holds.
inline Bytes disk_group(std::uint32_t kbytes_remaining, std::uint32_t kbytes_logged,
                        float minutes_remaining, std::uint32_t kbytes_total)
{
    Bytes body;
    frame_bytes::put_u32(body, kbytes_remaining);
    frame_bytes::put_u32(body, kbytes_logged);
    frame_bytes::put_f32(body, minutes_remaining);
    frame_bytes::put_u32(body, kbytes_total);
    return frame_bytes::group(8, body);
}

} // namespace setting_frames
