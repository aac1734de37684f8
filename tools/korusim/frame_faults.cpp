#include "tools/korusim/frame_faults.h"

#include "protocol/frame.h"
#include "protocol/group_buffer.h"
#include "protocol/wire.h"

CFrame_faults::CFrame_faults(const SFault_options &options)
    : m_garbage_bytes(options.garbage_bytes),
      m_bad_checksum_every(options.bad_checksum_every),
      m_oversized_every(options.oversized_every)
{
    m_output.reserve(m_garbage_bytes + CFrame_queue::buffer_size);
}

// Garbage holds no '$', so it can never start a frame of its own.
std::byte CFrame_faults::next_garbage_byte()
{
    m_seed = m_seed * 1103515245u + 12345u;
    const auto value = static_cast<std::uint8_t>(m_seed >> 16);
    return std::byte{value == '$' ? std::uint8_t{'#'} : value};
}

std::span<const std::byte> CFrame_faults::apply(std::span<const std::byte> frame)
{
    ++m_frames;
    m_output.clear();
    for (std::size_t i = 0; i < m_garbage_bytes; ++i) {
        m_output.push_back(next_garbage_byte());
    }
    m_output.insert(m_output.end(), frame.begin(), frame.end());
    std::byte *const start = m_output.data() + m_garbage_bytes;
    if (turn_of(m_bad_checksum_every) && frame.size() >= frame::trailer_length) {
        std::byte *const checksum = start + frame.size() - frame::trailer_length;
        wire::store<std::uint16_t>(
            checksum, static_cast<std::uint16_t>(~wire::load<std::uint16_t>(checksum)));
    }
    if (turn_of(m_oversized_every) && frame.size() >= frame::prefix_length) {
        wire::store<std::uint16_t>(start + frame::byte_count_offset, oversized_byte_count);
    }
    return m_output;
}
