#include "views/statistics_records.h"

CGroup108::CGroup108(std::byte *buffer, std::size_t buffer_size)
    : CGroup_record(buffer, buffer_size, number_of_record, byte_count, "Group 108 Header"),
      m_system_model(new TScalar<std::uint32_t>(this, "System Model")),
      m_system_version(new TScalar<float>(this, "System Version")),
      m_serial_number(new TScalar<float>(this, "Serial Number")),
      m_hardware_revision(new TScalar<float>(this, "Hardware Revision")),
      m_software_revision(new TScalar<float>(this, "Software Revision")),
      m_icd_revision(new TScalar<float>(this, "ICD Revision")),
      m_primary_gps_version(new TScalar<char *>(this, "Primary GPS Version", 80)),
      m_secondary_gps_version(new TScalar<char *>(this, "Secondary GPS Version", 80)),
      m_total_hours(new TScalar<float>(this, "Total Hours")),
      m_number_of_runs(new TScalar<std::uint32_t>(this, "Number of Runs")),
      m_average_run(new TScalar<float>(this, "Average Length of Run")),
      m_longest_run(new TScalar<float>(this, "Longest Run")),
      m_current_run(new TScalar<float>(this, "Current Run"))
{
    close_layout("Group 108 Footer");
}

CGroup20105::CGroup20105(std::byte *buffer, std::size_t buffer_size)
    : CGroup_record(buffer, buffer_size, number_of_record, byte_count, "Group 20105 Header"),
      m_current_load(new TScalar<std::uint16_t>(this, "Current CPU Load")),
      m_average_load(new TScalar<std::uint16_t>(this, "Average CPU Load")),
      m_maximum_load(new TScalar<std::uint16_t>(this, "Maximum CPU Load")),
      m_minimum_load(new TScalar<std::uint16_t>(this, "Minimum CPU Load"))
{
    close_layout("Group 20105 Footer");
}

SModel_codes ModelCodesOf(std::string_view version)
{
    const std::size_t comma = version.find(',');
    if (comma == std::string_view::npos) {
        return {version, {}};
    }
    const std::string_view rest = version.substr(comma + 1);
    return {version.substr(0, comma), rest.substr(0, rest.find('-'))};
}
