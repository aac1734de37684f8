#pragma once
// The frame shared by groups and messages, and the checks applied to every received frame.
//
//   "$GRP" | number u16 | byte count u16 | body | pad 0..3 | checksum u16 | "$#"
//   "$MSG" | number u16 | byte count u16 | transaction u16 | body | pad | checksum | "$#"
//
// The byte count is the frame length minus 8. The checksum makes the 16-bit little-endian word
// sum of the whole frame zero.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

enum class EFrame_kind : std::uint8_t { group, message };

// Result of the frame check. The numbers are the ones the receivers count by.
enum class EFrame_status : std::uint8_t {
    ok = 0,
    bad_start = 1,      // the start marker is wrong
    bad_byte_count = 2, // the frame would not fit the room offered
    bad_end = 3,        // the end marker is not where the byte count puts it
    bad_checksum = 4,
};

namespace frame {

constexpr std::size_t prefix_length = 8;  // start marker, number, byte count
constexpr std::size_t trailer_length = 4; // checksum, end marker
constexpr std::size_t marker_length = 4;
constexpr std::size_t number_offset = 4;
constexpr std::size_t byte_count_offset = 6;
constexpr std::string_view group_start = "$GRP";
constexpr std::string_view message_start = "$MSG";
constexpr std::string_view end_marker = "$#";
constexpr std::uint16_t no_number = 0xFFFF; // a message record that holds no received copy

constexpr std::string_view start_marker(EFrame_kind kind)
{
    return kind == EFrame_kind::group ? group_start : message_start;
}

// std::memcpy kept out of line. Where the compiler can bound the length (every frame is at most
// a receive buffer long) it expands memcpy inline into a string instruction whose start-up cost
// exceeds the copy of a whole navigation frame; the library's routine is several times faster.
void copy_frame_bytes(std::byte *dst, const std::byte *source, std::size_t length);

// Sum of the little-endian 16-bit words of `bytes`, modulo 65536.
std::uint16_t word_sum(std::span<const std::byte> bytes);

// Writes the checksum field of a frame of `frame.size()` bytes (its last 4 bytes are the
// checksum and the end marker). Frames whose length is not a multiple of 4 are left as they are.
void write_checksum(std::span<std::byte> frame);

// True when `frame` has a non-zero byte count, a length that is a multiple of 4 and a zero word
// sum.
bool checksum_ok(std::span<const std::byte> frame);

// Checks the frame at the start of `room`, which is all the bytes that may belong to it. Fails
// with bad_byte_count whenever the frame the byte count announces would reach past `room`, so
// that neither the end marker nor the checksum is ever read outside it.
EFrame_status check(std::span<const std::byte> room, EFrame_kind kind);

// Number and byte count as a frame's prefix gives them (at least 8 bytes).
std::uint16_t number_of(std::span<const std::byte> frame);
std::uint16_t byte_count_of(std::span<const std::byte> frame);

// The name of the item whose test failed ("Group Start", "Byte Count", …); empty for ok.
std::string_view failing_item_name(EFrame_kind kind, EFrame_status status);

} // namespace frame
