#include "protocol/reassembler.h"

#include <algorithm>
#include <cstring>

CReassembler::CReassembler(std::size_t area_size)
    : m_area_size(std::max(area_size, smallest_area)),
      m_area(std::make_unique<std::byte[]>(m_area_size))
{}

void CReassembler::consume(std::size_t received, IFrame_sink &sink)
{
    const std::size_t total = m_carry + std::min(received, m_area_size - m_carry);
    m_carry = 0;
    CByte_cursor cursor(m_area.get(), total);
    while (cursor.remaining() > 0) {
        const std::size_t scanned_from = cursor.position();
        const CFind_header::EMarker marker = CFind_header::find_header(cursor);
        if (marker == CFind_header::none) {
            // Only the last three bytes can still become a marker with the next read.
            carry_from(total - std::min(frame::marker_length - 1, total - scanned_from), total);
            return;
        }
        CFrame_queue *queue = marker == CFind_header::group
                                  ? static_cast<CFrame_queue *>(m_groups)
                                  : static_cast<CFrame_queue *>(m_messages);
        if (queue == nullptr) {
            cursor.skip(1);
            continue;
        }
        const std::size_t frame_start = cursor.position();
        const std::optional<EFrame_status> read = queue->read(cursor);
        if (!read) {
            carry_from(frame_start, total);
            return;
        }
        const EFrame_status status = *read;
        if (status != EFrame_status::ok) {
            // A frame that fails its check may have a wrong byte count that swallowed good
            // frames behind it: scanning resumes just after its start marker.
            cursor.seek(frame_start + 1);
        }
        sink.frame_received(*queue, status);
    }
}

std::size_t CReassembler::finish(IFrame_sink &sink)
{
    std::size_t cut_off = 0;
    // Carried bytes of that length start with the start marker of a frame that did not complete.
    while (m_carry >= frame::marker_length) {
        ++cut_off;
        const std::size_t rest = m_carry - 1;
        std::memmove(m_area.get(), m_area.get() + 1, rest);
        m_carry = 0;
        consume(rest, sink);
    }
    m_carry = 0;
    return cut_off;
}

void CReassembler::carry_from(std::size_t position, std::size_t total)
{
    m_carry = total - position;
    std::memmove(m_area.get(), m_area.get() + position, m_carry);
}
