#pragma once
// The recording file: what the display port accepted, datagram by datagram, as received.
//
//   file    = magic (8 bytes) record*
//   record  = sync (4) arrival time (8) length (4) check (4) bytes (length)
//
// Numbers are little-endian. The arrival time is in microseconds since 1970-01-01 UTC. The check
// is the CRC-32 of the arrival time, the length and the bytes, so that a reader finds where a
// record was damaged and picks up again at the next good one by its sync word.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace recording {

inline constexpr std::array<std::byte, 8> magic = {
    std::byte{'T'}, std::byte{'V'}, std::byte{'R'}, std::byte{'1'},
    std::byte{'\r'}, std::byte{'\n'}, std::byte{0x1A}, std::byte{'\n'}};
inline constexpr std::uint32_t sync_word = 0x52445654; // "TVDR" as stored
inline constexpr std::size_t record_header_size = 20;
// A UDP datagram carries at most this many bytes.
inline constexpr std::size_t largest_datagram = 65535;

struct SRecord_header {
    std::uint64_t arrival_us;
    std::uint32_t length;
    std::uint32_t check;
};

// CRC-32 (the polynomial of Ethernet and zip) of `bytes`, continuing from `crc`.
std::uint32_t crc32(std::span<const std::byte> bytes, std::uint32_t crc = 0);

// The check a record of this arrival time and these bytes carries.
std::uint32_t record_check(std::uint64_t arrival_us, std::span<const std::byte> bytes);

// Writes a record's header into `out`.
void write_record_header(std::span<std::byte, record_header_size> out, std::uint64_t arrival_us,
                         std::span<const std::byte> bytes);

// Reads a record's header; false when it does not start with the sync word.
bool read_record_header(std::span<const std::byte, record_header_size> in, SRecord_header &out);

} // namespace recording
