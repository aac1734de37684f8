#pragma once
// Records: a group or message laid out as an item tree over a frame buffer, with the header and
// footer items every frame shares.

#include "protocol/frame.h"
#include "protocol/item.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

// "Time Types": the kind of each of the two time tags of a group.
class CTime_types : public TBit_field<std::uint8_t> {
public:
    CTime_types(CComposite_item *parent, std::string_view name, std::uint8_t initial);
    TBit_range_pointer<std::uint8_t> &time_type_1() { return *m_time_type_1; }
    TBit_range_pointer<std::uint8_t> &time_type_2() { return *m_time_type_2; }

private:
    TBit_range_pointer<std::uint8_t> *m_time_type_1;
    TBit_range_pointer<std::uint8_t> *m_time_type_2;
};

// "Distance Types": the kind of the distance tag of a group.
class CDistance_types : public TBit_field<std::uint8_t> {
public:
    CDistance_types(CComposite_item *parent, std::string_view name, std::uint8_t initial);
    TBit_range_pointer<std::uint8_t> &distance_type() { return *m_distance_type; }

private:
    TBit_range_pointer<std::uint8_t> *m_distance_type;
};

// Start marker, number and byte count: the eight bytes every frame begins with.
class CFrame_prefix : public CComposite_item {
public:
    TScalar<char *> &start_marker() { return *m_start_marker; }
    TScalar<std::uint16_t> &id() { return *m_id; }
    const TScalar<std::uint16_t> &id() const { return *m_id; }
    TScalar<std::uint16_t> &byte_count() { return *m_byte_count; }

protected:
    CFrame_prefix(CComposite_item *parent, std::string_view name, EFrame_kind kind,
                  std::uint16_t number, std::uint16_t byte_count);

private:
    TScalar<char *> *m_start_marker;
    TScalar<std::uint16_t> *m_id;
    TScalar<std::uint16_t> *m_byte_count;
};

class CGroup_header : public CFrame_prefix {
public:
    CGroup_header(CComposite_item *parent, std::string_view name, std::uint16_t number,
                  std::uint16_t byte_count);
    TScalar<double> &time_1() { return *m_time_1; }
    TScalar<double> &time_2() { return *m_time_2; }
    TScalar<double> &distance_tag() { return *m_distance_tag; }
    CTime_types &time_types() { return *m_time_types; }
    CDistance_types &distance_types() { return *m_distance_types; }

private:
    TScalar<double> *m_time_1;
    TScalar<double> *m_time_2;
    TScalar<double> *m_distance_tag;
    CTime_types *m_time_types;
    CDistance_types *m_distance_types;
};

class CMessage_header : public CFrame_prefix {
public:
    CMessage_header(CComposite_item *parent, std::string_view name, std::uint16_t number,
                    std::uint16_t byte_count);
    TScalar<std::uint16_t> &transaction_number() { return *m_transaction_number; }
    const TScalar<std::uint16_t> &transaction_number() const { return *m_transaction_number; }

private:
    TScalar<std::uint16_t> *m_transaction_number;
};

// Pad, checksum and end marker. The pad makes the frame length a multiple of 4.
class CFrame_footer : public CComposite_item {
public:
    TScalar<std::uint16_t> &checksum() { return *m_checksum; }
    TScalar<char *> &end_marker() { return *m_end_marker; }
    // Computes the checksum over the frame from the record's start to this footer's end.
    void compute_checksum();

    // Pad bytes needed after `length` bytes so that length + pad + 4 is a multiple of 4.
    static std::size_t pad_for(std::size_t length);

protected:
    CFrame_footer(CComposite_item *parent, std::string_view name, std::string_view end_name);

private:
    TScalar<std::uint16_t> *m_checksum;
    TScalar<char *> *m_end_marker;
};

class CGroup_footer : public CFrame_footer {
public:
    CGroup_footer(CComposite_item *parent, std::string_view name);
};

class CMessage_footer : public CFrame_footer {
public:
    CMessage_footer(CComposite_item *parent, std::string_view name);
};

// The root of every record: the item tree and the frame buffer it views.
class CGroup_base : public CComposite_item {
public:
    ~CGroup_base() override;

    std::byte *buffer() const { return m_buffer; }
    std::size_t buffer_size() const { return m_buffer_size; }

    // The number in the frame the buffer holds now.
    std::uint16_t frame_number() const;
    void set_frame_number(std::uint16_t number);
    // Length of the frame the buffer holds now, as its byte count says, but never more than the
    // buffer: a received frame may be shorter (or longer) than this record's layout.
    std::size_t frame_length() const;
    // True when `item` lies inside the body of the frame the buffer holds now. Items past a short
    // frame's body hold bytes of some earlier frame and must be shown as no data.
    bool holds(const CItem &item) const;
    // A value to show: inside the frame held now and not the computer's "no data" (items
    // without a "no data" value, such as bit ranges, only need to be inside the frame).
    template <class TItem>
    bool has_value(const TItem &item) const
    {
        if constexpr (requires { item.is_valid(); }) {
            return holds(item) && item.is_valid();
        } else {
            return holds(item);
        }
    }

    // Equal byte counts and equal body and pad (number, transaction number and checksum aside).
    bool same_content(const CGroup_base &other) const;

    // Lays the tree out again from the buffer start, after a variable part changed its count.
    void relayout() { place(m_buffer); }

protected:
    // Laid over a buffer somebody else owns (the shared group receive buffer).
    CGroup_base(std::string_view name, std::byte *buffer, std::size_t buffer_size);
    // Allocates and owns a zeroed buffer of `buffer_size` bytes.
    CGroup_base(std::string_view name, std::size_t buffer_size);

    const std::byte *limit() const override { return m_buffer + m_buffer_size; }

private:
    CGroup_base(std::string_view name, std::unique_ptr<std::byte[]> storage,
                std::size_t buffer_size);

    std::unique_ptr<std::byte[]> m_owned;
    std::byte *m_buffer;
    std::size_t m_buffer_size;
};

// A group: laid over the group queue's receive buffer, read through for every frame of its number.
class CGroup_record : public CGroup_base {
public:
    std::uint16_t number() const { return m_number; }
    CGroup_header &header() { return *m_header; }
    CGroup_footer &footer() { return *m_footer; }
    // True when the buffer holds a frame of this record's number.
    bool is_current() const { return m_header->id().get() == m_number; }

protected:
    // Writes the header; the concrete record then creates its body and calls close_layout.
    CGroup_record(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                  std::uint16_t byte_count, std::string_view header_name);
    void close_layout(std::string_view footer_name);
    // Frames the body as laid out now, for a record whose variable part changed its length: a
    // new footer right after the body, with the pad that needs, and the byte count to match.
    void refit_frame();

private:
    std::uint16_t m_number;
    CGroup_header *m_header;
    CGroup_footer *m_footer = nullptr;
};

// A message: owns a buffer of its frame length, is filled and sealed to be sent, and receives
// copies of the computer's echoes of the same number.
class CMessage_record : public CGroup_base {
public:
    std::uint16_t number() const { return m_number; }
    CMessage_header &header() { return *m_header; }
    CMessage_footer &footer() { return *m_footer; }
    // True when the record holds a frame of its own number (a received copy, or a frame built
    // here); false while it reads "no number".
    bool is_current() const { return m_header->id().get() == m_number; }

    // Makes the frame ready to send: transaction number, then the checksum over everything.
    void seal(std::uint16_t transaction_number);
    // The frame as laid out now.
    std::span<const std::byte> frame() const { return {buffer(), size()}; }
    // Frames the body as laid out now: a new footer right after it, with the pad that needs, and
    // the byte count to match. For a record whose variable part changed its count, or that took
    // the bytes of another frame.
    void refit_frame();

protected:
    // `byte_count` is the largest this record's frame gets; the buffer is that plus the prefix.
    CMessage_record(std::uint16_t number, std::uint16_t byte_count, std::string_view header_name);
    void close_layout(std::string_view footer_name);
    // Drops the footer so that the body can change length; close_layout adds a new one.
    void open_layout();

private:
    std::uint16_t m_number;
    CMessage_header *m_header;
    CMessage_footer *m_footer = nullptr;
};

// The checker every received frame passes before any record reads it. Keeps the number and
// byte count of the last frame it passed; both read 0 after a failure.
class CFrame_id {
public:
    EFrame_status check(std::span<const std::byte> room);

    std::uint16_t current_number() const { return m_current_number; }
    std::uint16_t current_byte_count() const { return m_current_byte_count; }
    EFrame_kind kind() const { return m_kind; }
    std::string_view failing_item_name(EFrame_status status) const
    {
        return frame::failing_item_name(m_kind, status);
    }

protected:
    explicit CFrame_id(EFrame_kind kind) : m_kind(kind) {}

private:
    EFrame_kind m_kind;
    std::uint16_t m_current_number = 0;
    std::uint16_t m_current_byte_count = 0;
};

class CGroup_id : public CFrame_id {
public:
    CGroup_id() : CFrame_id(EFrame_kind::group) {}
};

class CMessage_id : public CFrame_id {
public:
    CMessage_id() : CFrame_id(EFrame_kind::message) {}
};
