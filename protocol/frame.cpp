#include "protocol/frame.h"

#include "protocol/wire.h"

#include <cstring>

namespace frame {

namespace {

bool bytes_equal(const std::byte *position, std::string_view expected)
{
    return std::memcmp(position, expected.data(), expected.size()) == 0;
}

} // namespace

void copy_frame_bytes(std::byte *dst, const std::byte *source, std::size_t length)
{
    std::memcpy(dst, source, length);
}

std::uint16_t word_sum(std::span<const std::byte> bytes)
{
    // Sums modulo 65536 add the same in any grouping, so eight words are added at a time in
    // wrapping 16-bit lanes and the lanes are added at the end.
    using Lanes = std::uint16_t __attribute__((vector_size(16)));
    Lanes lanes{};
    const std::byte *position = bytes.data();
    const std::byte *const blocks_end = position + (bytes.size() - bytes.size() % sizeof(Lanes));
    for (; position != blocks_end; position += sizeof(Lanes)) {
        Lanes block;
        std::memcpy(&block, position, sizeof block);
        lanes += block;
    }
    // The rest: up to seven words, one 8-byte block and single words.
    std::uint64_t rest = 0;
    if (bytes.data() + bytes.size() - position >= 8) {
        const auto block = wire::load<std::uint64_t>(position);
        rest =
            (block & 0xFFFF) + ((block >> 16) & 0xFFFF) + ((block >> 32) & 0xFFFF) + (block >> 48);
        position += 8;
    }
    const std::byte *const words_end = bytes.data() + (bytes.size() - bytes.size() % 2);
    for (; position != words_end; position += 2) {
        rest += wire::load<std::uint16_t>(position);
    }
    for (std::size_t lane = 0; lane < sizeof(Lanes) / 2; ++lane) {
        rest += lanes[lane];
    }
    return static_cast<std::uint16_t>(rest);
}

void write_checksum(std::span<std::byte> frame)
{
    if (frame.size() % 4 != 0 || frame.size() < prefix_length + trailer_length) {
        return;
    }
    std::byte *checksum = frame.data() + frame.size() - trailer_length;
    wire::store<std::uint16_t>(checksum, 0);
    wire::store<std::uint16_t>(checksum, static_cast<std::uint16_t>(0x10000u - word_sum(frame)));
}

bool checksum_ok(std::span<const std::byte> frame)
{
    if (frame.size() < prefix_length || frame.size() % 4 != 0) {
        return false;
    }
    if (byte_count_of(frame) == 0) {
        return false;
    }
    return word_sum(frame) == 0;
}

EFrame_status check(std::span<const std::byte> room, EFrame_kind kind)
{
    if (room.size() < prefix_length) {
        return EFrame_status::bad_byte_count;
    }
    const std::byte *start = room.data();
    const std::size_t length = std::size_t{byte_count_of(room)} + prefix_length;
    if (!bytes_equal(start, start_marker(kind))) {
        return EFrame_status::bad_start;
    }
    if (length > room.size()) {
        return EFrame_status::bad_byte_count;
    }
    if (!bytes_equal(start + length - end_marker.size(), end_marker)) {
        return EFrame_status::bad_end;
    }
    if (!checksum_ok(room.first(length))) {
        return EFrame_status::bad_checksum;
    }
    return EFrame_status::ok;
}

std::uint16_t number_of(std::span<const std::byte> frame)
{
    return wire::load<std::uint16_t>(frame.data() + number_offset);
}

std::uint16_t byte_count_of(std::span<const std::byte> frame)
{
    return wire::load<std::uint16_t>(frame.data() + byte_count_offset);
}

std::string_view failing_item_name(EFrame_kind kind, EFrame_status status)
{
    const bool group = kind == EFrame_kind::group;
    switch (status) {
    case EFrame_status::ok:
        return {};
    case EFrame_status::bad_start:
        return group ? "Group Start" : "Message Start";
    case EFrame_status::bad_byte_count:
        return "Byte Count";
    case EFrame_status::bad_end:
        return group ? "GroupEnd" : "Message End";
    case EFrame_status::bad_checksum:
        return "Checksum";
    }
    return {};
}

} // namespace frame
