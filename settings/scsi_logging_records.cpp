#include "settings/scsi_logging_records.h"

CMessage4::CMessage4()
    : CGroup_list_message(number_of_record, largest_byte_count, largest_group_count,
                          "Number of Groups for Display", "Logging Port Group"),
      m_output_rate(new TScalar<std::uint16_t>(this, "Logging Port Output Rate", 1)),
      m_logging_mode(new CLogging_mode(this, "Logging Mode")),
      m_disk_logging_control(new CDisk_logging_control(this, "Disk Logging Control")),
      m_file_name(new TScalar<char *>(this, "autoLog Filename", file_name_length))
{
    close_list_layout("Message 4 footer");
    m_file_name->set("default");
    set_group_count(4);
    const std::uint16_t initial_groups[] = {4, 101, 10001, 10101};
    for (std::size_t i = 0; i < std::size(initial_groups); ++i) {
        groups()[i].set(initial_groups[i]);
    }
}
