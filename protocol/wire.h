#pragma once
// Little-endian loads and stores at arbitrary byte positions of a frame.
//
// Every multi-byte value on the KORU wire is little-endian and unaligned. Values are moved with
// std::memcpy so that no alignment is assumed and no object is laid over raw bytes.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

// Wire widths of the computer's C types: a "long" is 4 bytes on the wire whatever the host says.
using wire_uchar = std::uint8_t;
using wire_char = std::int8_t;
using wire_short = std::int16_t;
using wire_ushort = std::uint16_t;
using wire_long = std::int32_t;
using wire_ulong = std::uint32_t;

namespace wire {

template <class T>
concept Value = std::is_arithmetic_v<T> &&
    (sizeof(T) == 1 || sizeof(T) == 2 || sizeof(T) == 4 || sizeof(T) == 8);

// The wire is little-endian and so are the machines this program is built for; loads and stores
// are plain copies. A big-endian port would swap bytes here and in frame::word_sum.
static_assert(std::endian::native == std::endian::little, "the KORU wire is little-endian");

template <Value T>
inline T load(const std::byte *position)
{
    T value;
    std::memcpy(&value, position, sizeof(T));
    return value;
}

template <Value T>
inline void store(std::byte *position, T value)
{
    std::memcpy(position, &value, sizeof(T));
}

} // namespace wire
