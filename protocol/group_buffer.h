#pragma once
// The two receive queues: the current group or message frame, and the records read through it.

#include "protocol/group_base.h"
#include "protocol/simple_list.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <vector>

// A reading position over received bytes. Reads never go past the bytes it was given.
class CByte_cursor {
public:
    CByte_cursor(const std::byte *data, std::size_t size) : m_data(data), m_size(size) {}

    std::size_t position() const { return m_position; }
    std::size_t remaining() const { return m_size - m_position; }
    const std::byte *here() const { return m_data + m_position; }

    // Copies up to `count` bytes and moves past them; returns how many there were.
    std::size_t read(std::byte *dst, std::size_t count);
    // Moves to `position`, at most to the end.
    void seek(std::size_t position) { m_position = position < m_size ? position : m_size; }
    void skip(std::size_t count) { seek(m_position + count); }

private:
    const std::byte *m_data;
    std::size_t m_size;
    std::size_t m_position = 0;
};

class CFind_header {
public:
    enum EMarker : std::uint8_t { none = 0, group = 1, message = 2 };

    virtual ~CFind_header() = default;

    // Moves `cursor` to the first "$GRP" or "$MSG" at or after it and says which it is. When
    // there is none the cursor ends at the end of its bytes.
    static EMarker find_header(CByte_cursor &cursor);
};

// What the group and message queues share: a receive buffer holding the current frame, the
// checker over it, and the records registered by number.
class CFrame_queue : public CFind_header {
public:
    // Room for the longest frame the computer sends: a receiver's raw message of up to 6144 bytes
    // with its header and footer.
    static constexpr std::size_t buffer_size = 8192;
    // The largest byte count a frame may have and still fit the receive buffer.
    static constexpr std::size_t largest_byte_count = buffer_size - frame::prefix_length;

    CFrame_queue(const CFrame_queue &) = delete;
    CFrame_queue &operator=(const CFrame_queue &) = delete;
    ~CFrame_queue() override;

    EFrame_kind kind() const { return m_checker.kind(); }
    std::byte *buffer() const { return m_buffer.get(); }

    // Takes the frame that starts at `cursor` (which stands on this queue's start marker) into
    // the receive buffer and returns the frame check's status. The frame is checked where it lies,
    // before the copy: reading back bytes just copied waits for the copy's stores to land. Returns
    // nothing, having consumed what there was, when the bytes end before the frame does.
    // A byte count too large for the receive buffer empties it (byte count 0) after the eight
    // bytes of the prefix; its check then fails at the end marker.
    std::optional<EFrame_status> read(CByte_cursor &cursor);
    std::string_view failing_item_name(EFrame_status status) const
    {
        return m_checker.failing_item_name(status);
    }
    // Number and length of the frame in the receive buffer.
    std::uint16_t number() const;
    std::size_t frame_length() const;

    // The first record registered for `number`, or null.
    CGroup_base *find_record(std::uint16_t number) const;
    // Registers and takes ownership of `record`.
    void add_record(std::unique_ptr<CGroup_base> record, std::uint16_t number);

protected:
    // The checker decides the kind of frame the queue takes.
    explicit CFrame_queue(const CFrame_id &checker);

    struct SRecord_node {
        std::unique_ptr<CGroup_base> record;
        std::uint16_t number;
    };
    const TA_simple_list<SRecord_node> &registry() const { return m_registry; }

private:
    std::unique_ptr<std::byte[]> m_buffer;
    CFrame_id m_checker;
    TA_simple_list<SRecord_node> m_registry;
};

class CGroup_buffer : public CFrame_queue {
public:
    CGroup_buffer();

    // Saves the current frame and puts it back when destroyed: building a group record writes
    // its defaults into the shared receive buffer, which must not disturb a frame being handed
    // to the views at that moment.
    class CPreserved_frame {
    public:
        explicit CPreserved_frame(const CGroup_buffer &queue);
        ~CPreserved_frame();
        CPreserved_frame(const CPreserved_frame &) = delete;
        CPreserved_frame &operator=(const CPreserved_frame &) = delete;

    private:
        const CGroup_buffer &m_queue;
        std::vector<std::byte> m_saved;
    };
};

// Counts of a store of the message records.
struct SStore_count {
    std::size_t written = 0;
    std::size_t skipped = 0; // held a copy whose frame did not pass the frame check
};

class CMessage_buffer : public CFrame_queue {
public:
    CMessage_buffer();

    // Marks every registered record as holding no received copy.
    void invalidate_all();
    // Copies the message in the receive buffer into the record registered for its number and
    // returns that record, or null when none is registered. Copies the frame's own length, at
    // most the record's buffer; the record's byte count then tells which of its items the frame
    // held.
    CGroup_base *copy_to_record();
    // Writes, in registration order, the frame of every record that holds a copy and whose frame
    // passes the frame check, each by its own length. Stops when the stream fails.
    SStore_count write_all(std::ostream &out) const;
};

// The shared record of class TRecord: found in the queue's registry, or built and registered on
// first use. `slot` caches it for the caller.
template <class TRecord>
TRecord &Get(CGroup_buffer &queue, TRecord *&slot)
{
    if (slot == nullptr) {
        slot = dynamic_cast<TRecord *>(queue.find_record(TRecord::number_of_record));
    }
    if (slot == nullptr) {
        const CGroup_buffer::CPreserved_frame preserved(queue);
        auto record = std::make_unique<TRecord>(queue.buffer(), CFrame_queue::buffer_size);
        slot = record.get();
        queue.add_record(std::move(record), TRecord::number_of_record);
    }
    return *slot;
}

// Message records start out holding no copy: their number reads "no number" until the computer's
// frame of that number has been copied in.
template <class TRecord>
TRecord &Get(CMessage_buffer &queue, TRecord *&slot)
{
    if (slot == nullptr) {
        slot = dynamic_cast<TRecord *>(queue.find_record(TRecord::number_of_record));
    }
    if (slot == nullptr) {
        auto record = std::make_unique<TRecord>();
        record->set_frame_number(frame::no_number);
        slot = record.get();
        queue.add_record(std::move(record), TRecord::number_of_record);
    }
    return *slot;
}
