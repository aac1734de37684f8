#include "protocol/navigation_messages.h"

#include <algorithm>

namespace {

// Bytes of a Message 2 frame besides its group list: prefix, transaction number, count,
// reserved word, checksum and end marker.
constexpr std::size_t message2_fixed_bytes = 18;

} // namespace

CMessage2::CMessage2()
    : CMessage_record(number_of_record, largest_byte_count, "Message 2 header"),
      m_group_count(new TScalar<std::uint16_t>(this, "Number of Groups for Display", 0)),
      m_groups(new CItem_array<TScalar<std::uint16_t>>(this, "Display Port Group", group_capacity,
                                                       std::uint16_t{0})),
      m_reserved(new TScalar<std::uint16_t>(this, "Reserved", 0))
{
    close_layout("Message 2 footer");
    set_group_count(4);
    const std::uint16_t initial_groups[] = {1, 2, 3, 101};
    for (std::size_t i = 0; i < std::size(initial_groups); ++i) {
        (*m_groups)[i].set(initial_groups[i]);
    }
}

std::size_t CMessage2::set_group_count(std::size_t count)
{
    const std::size_t applied = m_groups->set_count(count);
    refit_frame();
    m_group_count->set(static_cast<std::uint16_t>(applied));
    m_reserved->set(0);
    return applied;
}

std::size_t CMessage2::lay_out_received()
{
    const std::size_t length = frame_length();
    const std::size_t room =
        length > message2_fixed_bytes ? (length - message2_fixed_bytes) / 2 : 0;
    const std::size_t applied =
        m_groups->set_count(std::min<std::size_t>(m_group_count->get(), room));
    relayout();
    return applied;
}

CMessage20202::CMessage20202()
    : CMessage_record(number_of_record, byte_count, "Message 20202 header"),
      m_mode_type(new TScalar<std::uint8_t>(this, "Mode Type", 0)),
      m_reserved(new TScalar<std::uint16_t>(this, "Reserved", 0))
{
    close_layout("Message 20202 footer");
}
