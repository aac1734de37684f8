#pragma once
// GNSS receiver groups (3, 106, 107) written byte by byte: mode, satellite count, record size,
// the satellites, the solution's quality, and the receiver's own two items.

#include "frame_bytes.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace gnss_frames {

using frame_bytes::Bytes;

struct SSatellite {
    std::uint16_t prn;
    std::uint16_t status = 4;
    float azimuth = 45.0f;
    float elevation = 30.0f;
    float l1_snr = 44.5f;
    float l2_snr = 33.5f;
};

struct SReceiver {
    std::uint8_t mode = 4;
    std::optional<std::uint8_t> count; // "Number of SV Visible" when not the satellites' number
    std::vector<SSatellite> satellites;
    float hdop = 1.25f;
    float vdop = 2.5f;
    float correction_latency = 3.0f;
    std::uint16_t station = 123;
    std::uint32_t week = 2200;
    double time_offset = 18.0;
    float nav_latency = 0.25f;
    float geoidal_separation = -12.5f;
    // Groups 3 and 106.
    std::uint8_t type = 1;
    std::uint32_t status = 0x000B00FF;
    // Group 107.
    std::uint16_t nmea = 0;
    std::uint8_t aux_in_use = 1;
};

// `count` satellites with PRNs from `first_prn` on, at azimuths 10, 20, … degrees.
inline std::vector<SSatellite> satellites(std::size_t count, std::uint16_t first_prn = 1)
{
    std::vector<SSatellite> all;
    for (std::size_t k = 0; k < count; ++k) {
        SSatellite satellite{static_cast<std::uint16_t>(first_prn + k)};
        satellite.azimuth = 10.0f * static_cast<float>(k + 1);
        all.push_back(satellite);
    }
    return all;
}

inline Bytes body(std::uint16_t number, const SReceiver &receiver)
{
    using namespace frame_bytes;
    Bytes out;
    put_u8(out, receiver.mode);
    put_u8(out, receiver.count.value_or(static_cast<std::uint8_t>(receiver.satellites.size())));
    put_u16(out, 20);
    for (const SSatellite &sv : receiver.satellites) {
        put_u16(out, sv.prn);
        put_u16(out, sv.status);
        put_f32(out, sv.azimuth);
        put_f32(out, sv.elevation);
        put_f32(out, sv.l1_snr);
        put_f32(out, sv.l2_snr);
    }
    put_f32(out, receiver.hdop);
    put_f32(out, receiver.vdop);
    put_f32(out, receiver.correction_latency);
    put_u16(out, receiver.station);
    put_u32(out, receiver.week);
    put_f64(out, receiver.time_offset);
    put_f32(out, receiver.nav_latency);
    put_f32(out, receiver.geoidal_separation);
    if (number == 107) {
        put_u16(out, receiver.nmea);
        put_u8(out, receiver.aux_in_use);
    } else {
        put_u8(out, receiver.type);
        put_u32(out, receiver.status);
    }
    return out;
}

inline Bytes receiver_frame(std::uint16_t number, const SReceiver &receiver)
{
    return frame_bytes::group(number, body(number, receiver));
}

// The frame cut after `body_bytes` bytes of its body, closed again.
inline Bytes cut_frame(std::uint16_t number, const SReceiver &receiver, std::size_t body_bytes)
{
    Bytes cut = body(number, receiver);
    cut.resize(body_bytes);
    return frame_bytes::group(number, cut);
}

} // namespace gnss_frames
