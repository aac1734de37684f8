#include "settings/ethernet_logging_records.h"

#include <string>

CLogging_port_message::CLogging_port_message(std::uint16_t number, std::string_view list_name,
                                             std::string_view rate_name)
    : CGroup_list_message(number, largest_byte_count, largest_group_count,
                          "Number of Groups for Data", list_name),
      m_output_rate(new TScalar<std::uint16_t>(this, rate_name, 1))
{
    close_list_layout("Message " + std::to_string(number) + " footer");
}

CMessage3::CMessage3()
    : CLogging_port_message(number_of_record, "Data Port Group", "Data Port Output Rate")
{}

CMessage16::CMessage16()
    : CLogging_port_message(number_of_record, "Sec Data Port Group", "Sec Data Port Output Rate")
{}
