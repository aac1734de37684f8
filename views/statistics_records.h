#pragma once
// The computer's identity and operating statistics (Group 108) and its processor load (Group
// 20105). Standard library and protocol only.

#include "protocol/group_base.h"

#include <cstdint>
#include <string_view>

// System identification and statistics.
class CGroup108 : public CGroup_record {
public:
    static constexpr std::uint16_t number_of_record = 108;
    static constexpr std::uint16_t byte_count = 236;

    CGroup108(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint32_t> &system_model() { return *m_system_model; }
    TScalar<float> &system_version() { return *m_system_version; }
    TScalar<float> &serial_number() { return *m_serial_number; }
    TScalar<float> &hardware_revision() { return *m_hardware_revision; }
    TScalar<float> &software_revision() { return *m_software_revision; }
    TScalar<float> &icd_revision() { return *m_icd_revision; }
    TScalar<char *> &primary_gps_version() { return *m_primary_gps_version; }
    TScalar<char *> &secondary_gps_version() { return *m_secondary_gps_version; }
    TScalar<float> &total_hours() { return *m_total_hours; }
    TScalar<std::uint32_t> &number_of_runs() { return *m_number_of_runs; }
    TScalar<float> &average_run() { return *m_average_run; }
    TScalar<float> &longest_run() { return *m_longest_run; }
    TScalar<float> &current_run() { return *m_current_run; }

private:
    TScalar<std::uint32_t> *m_system_model;
    TScalar<float> *m_system_version;
    TScalar<float> *m_serial_number;
    TScalar<float> *m_hardware_revision;
    TScalar<float> *m_software_revision;
    TScalar<float> *m_icd_revision;
    TScalar<char *> *m_primary_gps_version;
    TScalar<char *> *m_secondary_gps_version;
    TScalar<float> *m_total_hours;
    TScalar<std::uint32_t> *m_number_of_runs;
    TScalar<float> *m_average_run;
    TScalar<float> *m_longest_run;
    TScalar<float> *m_current_run;
};

// Processor load, in percent.
class CGroup20105 : public CGroup_record {
public:
    static constexpr std::uint16_t number_of_record = 20105;
    static constexpr std::uint16_t byte_count = 40;

    CGroup20105(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint16_t> &current_load() { return *m_current_load; }
    TScalar<std::uint16_t> &average_load() { return *m_average_load; }
    TScalar<std::uint16_t> &maximum_load() { return *m_maximum_load; }
    TScalar<std::uint16_t> &minimum_load() { return *m_minimum_load; }

private:
    TScalar<std::uint16_t> *m_current_load;
    TScalar<std::uint16_t> *m_average_load;
    TScalar<std::uint16_t> *m_maximum_load;
    TScalar<std::uint16_t> *m_minimum_load;
};

// The computer's model and sub-model codes as its version text gives them: the model before the
// first ",", the sub-model from there to the next "-" (or to the end). A text without "," is the
// model alone.
struct SModel_codes {
    std::string_view model;
    std::string_view sub_model;
};
SModel_codes ModelCodesOf(std::string_view version);
