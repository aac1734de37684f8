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

std::uint16_t word_sum(std::span<const std::byte> bytes)
{
    std::uint32_t sum = 0;
    const std::size_t words = bytes.size() / 2;
    for (std::size_t i = 0; i < words; ++i) {
        sum += wire::load<std::uint16_t>(bytes.data() + 2 * i);
    }
    return static_cast<std::uint16_t>(sum);
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
    if (wire::load<std::uint16_t>(frame.data() + 6) == 0) {
        return false;
    }
    return word_sum(frame) == 0;
}

SFrame_check check(std::span<const std::byte> room, EFrame_kind kind)
{
    if (room.size() < prefix_length) {
        return {EFrame_status::bad_byte_count, 0, 0};
    }
    const std::byte *start = room.data();
    const auto byte_count = wire::load<std::uint16_t>(start + 6);
    const std::size_t length = std::size_t{byte_count} + prefix_length;

    EFrame_status status = EFrame_status::ok;
    if (!bytes_equal(start, start_marker(kind))) {
        status = EFrame_status::bad_start;
    } else if (length > room.size()) {
        status = EFrame_status::bad_byte_count;
    } else if (!bytes_equal(start + length - end_marker.size(), end_marker)) {
        status = EFrame_status::bad_end;
    } else if (!checksum_ok(room.first(length))) {
        status = EFrame_status::bad_checksum;
    }
    const std::uint16_t number =
        status == EFrame_status::ok ? wire::load<std::uint16_t>(start + 4) : std::uint16_t{0};
    return {status, number, byte_count};
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
