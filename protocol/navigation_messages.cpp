#include "protocol/navigation_messages.h"

CMessage2::CMessage2()
    : CGroup_list_message(number_of_record, largest_byte_count, largest_group_count,
                          "Number of Groups for Display", "Display Port Group"),
      m_reserved(new TScalar<std::uint16_t>(this, "Reserved", 0))
{
    close_list_layout("Message 2 footer");
    set_group_count(4);
    const std::uint16_t initial_groups[] = {1, 2, 3, 101};
    for (std::size_t i = 0; i < std::size(initial_groups); ++i) {
        groups()[i].set(initial_groups[i]);
    }
}

std::size_t CMessage2::set_group_count(std::size_t count)
{
    const std::size_t applied = CGroup_list_message::set_group_count(count);
    m_reserved->set(0);
    return applied;
}

CMessage20202::CMessage20202()
    : CMessage_record(number_of_record, byte_count, "Message 20202 header"),
      m_mode_type(new TScalar<std::uint8_t>(this, "Mode Type", 0)),
      m_reserved(new TScalar<std::uint16_t>(this, "Reserved", 0))
{
    close_layout("Message 20202 footer");
}
