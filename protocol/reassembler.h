#pragma once
// Reassembly of frames from received bytes, for every receiver of the program.
//
// A receiver reads into `free_area()` (after the bytes carried over from its last read) and calls
// `consume` with the number of bytes that came. Every complete frame is copied into its queue's
// receive buffer, checked, and handed to the sink with the check's status. A frame cut off by
// the end of the read is carried over and completed by the next one.

#include "protocol/group_buffer.h"

#include <cstddef>
#include <memory>
#include <span>

class IFrame_sink {
public:
    // The frame is in `queue`'s receive buffer. Must not feed the reassembler that called it.
    virtual void frame_received(CFrame_queue &queue, EFrame_status status) = 0;

protected:
    ~IFrame_sink() = default;
};

class CReassembler {
public:
    // A frame carried over from one read must leave room for the next read to complete it, so
    // the area holds at least two frames of the largest size a queue accepts.
    static constexpr std::size_t smallest_area = 2 * CFrame_queue::buffer_size;

    explicit CReassembler(std::size_t area_size);

    // A receiver without a queue of one kind skips that kind's markers.
    void set_group_queue(CGroup_buffer *queue) { m_groups = queue; }
    void set_message_queue(CMessage_buffer *queue) { m_messages = queue; }

    // Where the next read goes, and how much it may bring.
    std::span<std::byte> free_area() { return {m_area.get() + m_carry, m_area_size - m_carry}; }
    // Runs reassembly over the carried bytes and the `received` bytes read into free_area().
    void consume(std::size_t received, IFrame_sink &sink);
    // Forgets carried bytes (a new connection starts a new stream).
    void reset() { m_carry = 0; }
    // The end of a stream that has an end (a file): a frame still incomplete never will be. Its
    // start marker is dropped and the bytes behind it are scanned again, so that a damaged byte
    // count does not swallow the good frames that follow. Returns how many frames were cut off.
    std::size_t finish(IFrame_sink &sink);
    std::size_t carry() const { return m_carry; }
    std::size_t area_size() const { return m_area_size; }

private:
    void carry_from(std::size_t position, std::size_t total);

    std::size_t m_area_size;
    std::unique_ptr<std::byte[]> m_area;
    std::size_t m_carry = 0;
    CGroup_buffer *m_groups = nullptr;
    CMessage_buffer *m_messages = nullptr;
};
