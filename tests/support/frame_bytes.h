#pragma once
// Frames assembled byte by byte for tests, seeds and benchmarks. Deliberately shares no code with
// the protocol library, so that what it builds can be used to check that library.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace frame_bytes {

using Bytes = std::vector<std::byte>;

inline void put_u8(Bytes &out, std::uint8_t value)
{
    out.push_back(std::byte{value});
}

inline void put_u16(Bytes &out, std::uint16_t value)
{
    put_u8(out, static_cast<std::uint8_t>(value & 0xFF));
    put_u8(out, static_cast<std::uint8_t>(value >> 8));
}

inline void put_u32(Bytes &out, std::uint32_t value)
{
    put_u16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put_u16(out, static_cast<std::uint16_t>(value >> 16));
}

inline void put_u64(Bytes &out, std::uint64_t value)
{
    put_u32(out, static_cast<std::uint32_t>(value & 0xFFFFFFFFu));
    put_u32(out, static_cast<std::uint32_t>(value >> 32));
}

inline void put_f32(Bytes &out, float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    put_u32(out, bits);
}

inline void put_f64(Bytes &out, double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    put_u64(out, bits);
}

inline void put_text(Bytes &out, std::string_view text)
{
    for (char c : text) {
        put_u8(out, static_cast<std::uint8_t>(c));
    }
}

inline void append(Bytes &out, const Bytes &more)
{
    out.insert(out.end(), more.begin(), more.end());
}

// marker | number | byte count | body | zero pad to a multiple of 4 | checksum | "$#"
inline Bytes make_frame(std::string_view marker, std::uint16_t number, const Bytes &body)
{
    const std::size_t unpadded = 8 + body.size() + 4;
    const std::size_t pad = (4 - unpadded % 4) % 4;
    Bytes out;
    put_text(out, marker);
    put_u16(out, number);
    put_u16(out, static_cast<std::uint16_t>(unpadded + pad - 8));
    append(out, body);
    out.insert(out.end(), pad, std::byte{0});
    const std::size_t checksum_at = out.size();
    put_u16(out, 0);
    put_text(out, "$#");
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < out.size(); i += 2) {
        sum += std::to_integer<std::uint32_t>(out[i]) |
               (std::to_integer<std::uint32_t>(out[i + 1]) << 8);
    }
    const auto checksum = static_cast<std::uint16_t>((0x10000u - (sum & 0xFFFFu)) & 0xFFFFu);
    out[checksum_at] = std::byte{static_cast<std::uint8_t>(checksum & 0xFF)};
    out[checksum_at + 1] = std::byte{static_cast<std::uint8_t>(checksum >> 8)};
    return out;
}

// A group whose body is the 26-byte group header tail (Time 1 `time`, Time 2 0, distance 1,
// types 0) plus `body`.
inline Bytes group_at(std::uint16_t number, double time, const Bytes &body)
{
    Bytes full;
    put_f64(full, time);
    put_f64(full, 0.0);
    put_f64(full, 1.0);
    put_u8(full, 0);
    put_u8(full, 0);
    append(full, body);
    return make_frame("$GRP", number, full);
}

// A group at Time 1 0.
inline Bytes group(std::uint16_t number, const Bytes &body)
{
    return group_at(number, 0.0, body);
}

inline Bytes message(std::uint16_t number, std::uint16_t transaction, const Bytes &body)
{
    Bytes full;
    put_u16(full, transaction);
    append(full, body);
    return make_frame("$MSG", number, full);
}

// A body of `length` bytes that differ from frame to frame and contain no '$'.
inline Bytes filler(std::size_t length, std::uint8_t seed)
{
    Bytes out;
    for (std::size_t i = 0; i < length; ++i) {
        out.push_back(std::byte{static_cast<std::uint8_t>((seed + 7 * i) % 31 + 64)});
    }
    return out;
}

} // namespace frame_bytes
