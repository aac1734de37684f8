#pragma once
// Messages that list groups: a count, room for a fixed number of group numbers, and the items
// the message carries behind the list. The display port's selection and the logging ports'
// selections share this shape.

#include "protocol/group_base.h"

#include <cstdint>
#include <string_view>

class CGroup_list_message : public CMessage_record {
public:
    // Lays the message out for `count` groups (at most the room), keeps the values of the items
    // behind the list, and rewrites its header, pad and end marker for sending. Returns the count
    // applied.
    std::size_t set_group_count(std::size_t count);
    // Lays a received copy out for the count it carries, never for more groups than the record
    // has room for or the copy's byte count holds, so that a wrong count can neither overrun the
    // list nor move the items behind it outside the frame; of a frame cut short behind the list,
    // the items it cut are not held. The copy's bytes are left as received. Returns the count
    // applied.
    std::size_t lay_out_received();

    std::size_t group_capacity() const { return m_groups->capacity(); }
    TScalar<std::uint16_t> &group_count() { return *m_group_count; }
    CItem_array<TScalar<std::uint16_t>> &groups() { return *m_groups; }

protected:
    // Header, count and a list with room for `capacity` groups; the derived message then adds
    // the items behind the list and calls close_list_layout. `largest_byte_count` is the byte
    // count with the list full.
    CGroup_list_message(std::uint16_t number, std::uint16_t largest_byte_count,
                        std::size_t capacity, std::string_view count_name,
                        std::string_view list_name);
    // Closes the layout with the list full, then lays the message out for no groups.
    void close_list_layout(std::string_view footer_name);

private:
    TScalar<std::uint16_t> *m_group_count;
    CItem_array<TScalar<std::uint16_t>> *m_groups;
    // Bytes of a frame besides its list: prefix, transaction number, the count, the items behind
    // the list, checksum and end marker.
    std::size_t m_fixed_bytes = 0;
};
