#include "protocol/group_list_message.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t group_number_size = sizeof(std::uint16_t);

} // namespace

CGroup_list_message::CGroup_list_message(std::uint16_t number, std::uint16_t largest_byte_count,
                                         std::size_t capacity, std::string_view count_name,
                                         std::string_view list_name)
    : CMessage_record(number, largest_byte_count, "Message " + std::to_string(number) + " header"),
      m_group_count(new TScalar<std::uint16_t>(this, count_name, 0)),
      m_groups(new CItem_array<TScalar<std::uint16_t>>(this, list_name, capacity, std::uint16_t{0}))
{}

void CGroup_list_message::close_list_layout(std::string_view footer_name)
{
    close_layout(footer_name);
    const auto body_end = static_cast<std::size_t>(footer().start() - buffer());
    m_fixed_bytes = body_end + frame::trailer_length - m_groups->capacity() * group_number_size;
    set_group_count(0);
}

std::size_t CGroup_list_message::set_group_count(std::size_t count)
{
    std::byte *const behind_list = m_groups->end();
    const auto behind_length = static_cast<std::size_t>(footer().start() - behind_list);
    const std::size_t applied = m_groups->set_count(count);
    relayout();
    std::memmove(m_groups->end(), behind_list, behind_length);
    refit_frame();
    m_group_count->set(static_cast<std::uint16_t>(applied));
    return applied;
}

// A frame long enough for the items behind the list is read as holding them all: a count that
// would push them out of it is wrong, and the list ends where they must begin. A frame too short
// for them was cut: it holds the groups it has room for, and the items it cut are not held.
std::size_t CGroup_list_message::lay_out_received()
{
    const std::size_t length = frame_length();
    const auto list_start = static_cast<std::size_t>(m_groups->start() - buffer());
    std::size_t held = 0;
    if (length >= m_fixed_bytes) {
        held = (length - m_fixed_bytes) / group_number_size;
    } else if (length > list_start + frame::trailer_length) {
        held = (length - list_start - frame::trailer_length) / group_number_size;
    }
    const std::size_t applied =
        m_groups->set_count(std::min<std::size_t>(m_group_count->get(), held));
    relayout();
    return applied;
}
