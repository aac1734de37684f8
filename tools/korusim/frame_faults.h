#pragma once
// The faults applied to every frame korusim sends when the command line asks for them: garbage
// before the frame, a wrong checksum or a byte count too large, every n-th frame.

#include "tools/korusim/options.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class CFrame_faults {
public:
    explicit CFrame_faults(const SFault_options &options);

    // The bytes to send for `frame`: the garbage first, then the frame, damaged when its turn
    // has come. Valid until the next call.
    std::span<const std::byte> apply(std::span<const std::byte> frame);
    // How many of the bytes `apply` returned last are garbage.
    std::size_t garbage_length() const { return m_garbage_bytes; }

    // The byte count written into an oversized frame: more than any receive buffer holds.
    static constexpr std::uint16_t oversized_byte_count = 0xFFF0;

private:
    bool turn_of(unsigned every) const { return every != 0 && m_frames % every == 0; }
    std::byte next_garbage_byte();

    std::size_t m_garbage_bytes;
    unsigned m_bad_checksum_every;
    unsigned m_oversized_every;
    std::uint64_t m_frames = 0;
    std::uint32_t m_seed = 1;
    std::vector<std::byte> m_output;
};
