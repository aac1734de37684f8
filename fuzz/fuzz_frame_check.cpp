// The frame check on arbitrary bytes, offered exactly the room the bytes take: it must never read
// outside them, and whatever it passes must have a zero word sum and its end marker in place.

#include "protocol/group_buffer.h"

#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *input, std::size_t size)
{
    // A heap copy of exactly `size` bytes, so that any read past it is caught.
    auto room = std::make_unique<std::byte[]>(size);
    std::memcpy(room.get(), input, size);
    const std::span<const std::byte> bytes(room.get(), size);

    for (const EFrame_kind kind : {EFrame_kind::group, EFrame_kind::message}) {
        if (frame::check(bytes, kind) == EFrame_status::ok) {
            const std::size_t length =
                std::size_t{frame::byte_count_of(bytes)} + frame::prefix_length;
            if (length > size || frame::word_sum(bytes.first(length)) != 0 ||
                std::memcmp(room.get() + length - 2, "$#", 2) != 0) {
                std::abort();
            }
        }
    }

    // Sealing any frame-sized run makes it pass the checksum test.
    if (size >= frame::prefix_length + frame::trailer_length && size % 4 == 0 &&
        (input[6] != 0 || input[7] != 0)) {
        frame::write_checksum({room.get(), size});
        if (!frame::checksum_ok(bytes)) {
            std::abort();
        }
    }

    // A message queue reading the bytes as a frame and copying it into whatever is registered.
    if (size >= frame::marker_length && std::memcmp(input, "$MSG", 4) == 0) {
        CMessage_buffer queue;
        CByte_cursor cursor(room.get(), size);
        if (queue.read(cursor) == EFrame_status::ok) {
            queue.copy_to_record();
        }
    }
    return 0;
}
