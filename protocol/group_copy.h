#pragma once
// A private copy of a group: a buffer of its own holding the last frame of the group taken, and a
// record of the group's class laid over it. A window that shows a group later than it came (at
// the screen's pace, or per receiver) reads the copy, never the shared receive buffer, which by
// then holds some other frame.

#include "protocol/group_buffer.h"

#include <cstring>
#include <memory>

// Records whose layout depends on a count they carry lay a received frame out for it; the copy
// does that before anything behind the variable part is read.
template <class TRecord>
concept Lays_out_received = requires(TRecord &record) { record.lay_out_received(); };

template <class TRecord>
class TGroup_copy {
public:
    TGroup_copy()
        : m_buffer(std::make_unique<std::byte[]>(CFrame_queue::buffer_size)),
          m_record(m_buffer.get(), CFrame_queue::buffer_size)
    {
        clear();
    }
    TGroup_copy(const TGroup_copy &) = delete;
    TGroup_copy &operator=(const TGroup_copy &) = delete;

    // Copies the frame `source` holds now, by the frame's own length: the copy's record then
    // holds what that frame held and nothing of any earlier, longer one.
    void take(const CGroup_base &source)
    {
        const std::size_t length = std::min(source.frame_length(), CFrame_queue::buffer_size);
        std::memcpy(m_buffer.get(), source.buffer(), length);
        if constexpr (Lays_out_received<TRecord>) {
            m_record.lay_out_received();
        }
    }

    // Holds no frame: every item reads as not held.
    void clear()
    {
        m_record.header().byte_count().set(0);
        m_record.set_frame_number(frame::no_number);
    }

    bool holds_frame() const { return m_record.frame_number() == TRecord::number_of_record; }
    TRecord &record() { return m_record; }
    const TRecord &record() const { return m_record; }

private:
    std::unique_ptr<std::byte[]> m_buffer;
    TRecord m_record;
};
