#pragma once
// The navigation solution transferred to the two user sensor frames (Groups 102 and 103) and its
// accuracy (Groups 104 and 105). Standard library and protocol only.

#include "protocol/composite.h"
#include "protocol/group_base.h"

#include <cstdint>

// A sensor's navigation solution; Groups 102 (sensor 1) and 103 (sensor 2) share it.
class CSensor_solution_group : public CGroup_record {
public:
    static constexpr std::uint16_t byte_count = 128;

    TLat_lon_alt<double> &position() { return *m_position; }
    TLt_xt_dn<float> &velocity() { return *m_velocity; }
    TRph<double> &attitude() { return *m_attitude; }
    TScalar<double> &wander_angle() { return *m_wander_angle; }
    TScalar<float> &heave() { return *m_heave; }
    TLon_tra_dwn<float> &angular_rate() { return *m_angular_rate; }
    TLon_tra_dwn<float> &angular_accel() { return *m_angular_accel; }

protected:
    CSensor_solution_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number);

private:
    TLat_lon_alt<double> *m_position;
    TLt_xt_dn<float> *m_velocity;
    TRph<double> *m_attitude;
    TScalar<double> *m_wander_angle;
    TScalar<float> *m_heave;
    TLon_tra_dwn<float> *m_angular_rate;
    TLon_tra_dwn<float> *m_angular_accel;
};

class CGroup102 : public CSensor_solution_group {
public:
    static constexpr std::uint16_t number_of_record = 102;
    CGroup102(std::byte *buffer, std::size_t buffer_size)
        : CSensor_solution_group(buffer, buffer_size, number_of_record)
    {}
};

class CGroup103 : public CSensor_solution_group {
public:
    static constexpr std::uint16_t number_of_record = 103;
    CGroup103(std::byte *buffer, std::size_t buffer_size)
        : CSensor_solution_group(buffer, buffer_size, number_of_record)
    {}
};

// A sensor's performance; Groups 104 (sensor 1) and 105 (sensor 2) share it.
class CSensor_performance_group : public CGroup_record {
public:
    static constexpr std::uint16_t byte_count = 68;

    TNed<float> &rms_position() { return *m_rms_position; }
    TLt_xt_dn<float> &rms_velocity() { return *m_rms_velocity; }
    TRph<float> &rms_attitude() { return *m_rms_attitude; }

protected:
    CSensor_performance_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number);

private:
    TNed<float> *m_rms_position;
    TLt_xt_dn<float> *m_rms_velocity;
    TRph<float> *m_rms_attitude;
};

class CGroup104 : public CSensor_performance_group {
public:
    static constexpr std::uint16_t number_of_record = 104;
    CGroup104(std::byte *buffer, std::size_t buffer_size)
        : CSensor_performance_group(buffer, buffer_size, number_of_record)
    {}
};

class CGroup105 : public CSensor_performance_group {
public:
    static constexpr std::uint16_t number_of_record = 105;
    CGroup105(std::byte *buffer, std::size_t buffer_size)
        : CSensor_performance_group(buffer, buffer_size, number_of_record)
    {}
};
