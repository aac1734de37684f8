#include "protocol/group_buffer.h"

#include "protocol/wire.h"

#include <algorithm>
#include <cstring>

std::size_t CByte_cursor::read(std::byte *dst, std::size_t count)
{
    const std::size_t available = std::min(count, remaining());
    std::memcpy(dst, here(), available);
    m_position += available;
    return available;
}

CFind_header::EMarker CFind_header::find_header(CByte_cursor &cursor)
{
    const std::byte *const first = cursor.here();
    const std::byte *const last = first + cursor.remaining();
    const std::byte *candidate = first;
    // A marker needs four bytes, so the scan for its '$' stops three bytes before the end.
    while (last - candidate >= static_cast<std::ptrdiff_t>(frame::marker_length)) {
        // In a clean stream the next frame starts right here: no search needed.
        if (*candidate != std::byte{'$'}) {
            const auto span =
                static_cast<std::size_t>(last - candidate) - (frame::marker_length - 1);
            candidate = static_cast<const std::byte *>(std::memchr(candidate, '$', span));
            if (candidate == nullptr) {
                break;
            }
        }
        if (std::memcmp(candidate, frame::group_start.data(), frame::marker_length) == 0) {
            cursor.skip(static_cast<std::size_t>(candidate - first));
            return group;
        }
        if (std::memcmp(candidate, frame::message_start.data(), frame::marker_length) == 0) {
            cursor.skip(static_cast<std::size_t>(candidate - first));
            return message;
        }
        ++candidate;
    }
    cursor.skip(cursor.remaining());
    return none;
}

CFrame_queue::CFrame_queue(const CFrame_id &checker)
    : m_buffer(std::make_unique<std::byte[]>(buffer_size)), m_checker(checker)
{}

// Records view the receive buffer; they go before it does.
CFrame_queue::~CFrame_queue()
{
    m_registry.clear();
}

std::optional<EFrame_status> CFrame_queue::read(CByte_cursor &cursor)
{
    std::byte *const frame = m_buffer.get();
    const std::byte *const source = cursor.here();
    if (cursor.remaining() < frame::prefix_length) {
        cursor.skip(cursor.remaining());
        return std::nullopt;
    }
    const std::size_t byte_count = wire::load<std::uint16_t>(source + frame::byte_count_offset);
    if (byte_count > largest_byte_count) {
        std::memcpy(frame, source, frame::prefix_length);
        wire::store<std::uint16_t>(frame + frame::byte_count_offset, 0);
        cursor.skip(frame::prefix_length);
        return m_checker.check({frame, frame::prefix_length});
    }
    const std::size_t length = frame::prefix_length + byte_count;
    if (cursor.remaining() < length) {
        cursor.skip(cursor.remaining());
        return std::nullopt;
    }
    const EFrame_status status = m_checker.check({source, length});
    frame::copy_frame_bytes(frame, source, length);
    cursor.skip(length);
    return status;
}

std::uint16_t CFrame_queue::number() const
{
    return wire::load<std::uint16_t>(m_buffer.get() + frame::number_offset);
}

std::size_t CFrame_queue::frame_length() const
{
    const std::size_t byte_count =
        wire::load<std::uint16_t>(m_buffer.get() + frame::byte_count_offset);
    return std::min(byte_count + frame::prefix_length, buffer_size);
}

CGroup_base *CFrame_queue::find_record(std::uint16_t number) const
{
    for (const SRecord_node &node : m_registry.all()) {
        if (node.number == number) {
            return node.record.get();
        }
    }
    return nullptr;
}

void CFrame_queue::add_record(std::unique_ptr<CGroup_base> record, std::uint16_t number)
{
    m_registry.append({std::move(record), number});
}

CGroup_buffer::CGroup_buffer() : CFrame_queue(CGroup_id()) {}

CGroup_buffer::CPreserved_frame::CPreserved_frame(const CGroup_buffer &queue)
    : m_queue(queue), m_saved(queue.buffer(), queue.buffer() + buffer_size)
{}

CGroup_buffer::CPreserved_frame::~CPreserved_frame()
{
    std::memcpy(m_queue.buffer(), m_saved.data(), m_saved.size());
}

CMessage_buffer::CMessage_buffer() : CFrame_queue(CMessage_id()) {}

void CMessage_buffer::invalidate_all()
{
    for (const SRecord_node &node : registry().all()) {
        node.record->set_frame_number(frame::no_number);
    }
}

CGroup_base *CMessage_buffer::copy_to_record()
{
    CGroup_base *record = find_record(number());
    if (record != nullptr) {
        std::memcpy(record->buffer(), buffer(), std::min(frame_length(), record->buffer_size()));
    }
    return record;
}

SStore_count CMessage_buffer::write_all(std::ostream &out) const
{
    SStore_count count;
    for (const SRecord_node &node : registry().all()) {
        if (!out.good()) {
            break;
        }
        const CGroup_base &record = *node.record;
        if (record.frame_number() == frame::no_number) {
            continue;
        }
        const std::span<const std::byte> room(record.buffer(), record.buffer_size());
        if (frame::check(room, EFrame_kind::message) != EFrame_status::ok) {
            ++count.skipped;
            continue;
        }
        out.write(reinterpret_cast<const char *>(record.buffer()),
                  static_cast<std::streamsize>(record.frame_length()));
        if (out.good()) {
            ++count.written;
        }
    }
    return count;
}
