#pragma once
// The messages of the installation dialog: installation settings (Message 1) and sensor mounting
// (Message 101). Standard library and protocol only, so that the simulator and the tests use them
// without a widget.

#include "protocol/group_base.h"

#include <cstdint>
#include <string_view>

// "Time Tag Type": the time kinds of the two time tags, "Time Type 1" in bits 0-3 and "Time Type
// 2" in bits 4-7, coded as the group headers code them.
class CTime_tag_type : public CTime_types {
public:
    enum ETime_type : std::uint8_t { koru_time = 0, gps_time = 1, utc_time = 2, user_time = 3 };

    using CTime_types::CTime_types;
};

// "Distance Tag Type": "Distance Select" in bits 0-2.
class CDistance_tag_type : public TBit_field<std::uint8_t> {
public:
    enum EDistance : std::uint8_t { koru_distance = 1, dmi_distance = 2 };

    CDistance_tag_type(CComposite_item *parent, std::string_view name, std::uint8_t initial);
    TBit_range_pointer<std::uint8_t> &distance_select() { return *m_distance_select; }

private:
    TBit_range_pointer<std::uint8_t> *m_distance_select;
};

// "autoStart Enable/Disable": bit 0 "Auto Start", set when auto start is enabled.
class CAuto_start_mode : public TBit_set<std::uint8_t> {
public:
    CAuto_start_mode(CComposite_item *parent, std::string_view name, std::uint8_t initial)
        : TBit_set(parent, name, initial, {{0, "Auto Start"}})
    {}
    TBit_pointer<std::uint8_t> &auto_start() { return *bit(0); }
};

// Installation settings: time and distance tags, auto start, lever arms and mounting angles of
// the IMU and the antennas, multipath.
class CMessage1 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 1;
    static constexpr std::uint16_t byte_count = 72;
    enum EMultipath : std::uint8_t { low = 0, medium = 1, high = 2 };

    CMessage1();

    CTime_tag_type &time_tag_type() { return *m_time_tag_type; }
    CDistance_tag_type &distance_tag_type() { return *m_distance_tag_type; }
    CAuto_start_mode &auto_start_mode() { return *m_auto_start_mode; }
    TXyz<float> &ref_to_imu_lever_arm() { return *m_ref_to_imu_lever_arm; }
    TXyz<float> &ref_to_primary_gps_lever_arm() { return *m_ref_to_primary_gps_lever_arm; }
    TXyz<float> &imu_to_ref_mount_angle() { return *m_imu_to_ref_mount_angle; }
    // The computer calls it the vessel lever arm; it is the secondary GNSS antenna's.
    TXyz<float> &ref_to_vessel_lever_arm() { return *m_ref_to_vessel_lever_arm; }
    // The reference frame with respect to the aircraft frame.
    TXyz<float> &vessel_to_ref_mount_angle() { return *m_vessel_to_ref_mount_angle; }
    TScalar<std::uint8_t> &multipath() { return *m_multipath; }

private:
    CTime_tag_type *m_time_tag_type;
    CDistance_tag_type *m_distance_tag_type;
    CAuto_start_mode *m_auto_start_mode;
    TXyz<float> *m_ref_to_imu_lever_arm;
    TXyz<float> *m_ref_to_primary_gps_lever_arm;
    TXyz<float> *m_imu_to_ref_mount_angle;
    TXyz<float> *m_ref_to_vessel_lever_arm;
    TXyz<float> *m_vessel_to_ref_mount_angle;
    TScalar<std::uint8_t> *m_multipath;
};

// Sensor mounting: mounting angles of two external sensors (degrees) and lever arms from the
// reference point to the auxiliary antennas, the sensors and the heave point (metres).
class CMessage101 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 101;
    static constexpr std::uint16_t byte_count = 92;

    CMessage101();

    TXyz<float> &sensor_1_mount_angles() { return *m_sensor_1_mount_angles; }
    TXyz<float> &sensor_2_mount_angles() { return *m_sensor_2_mount_angles; }
    TXyz<float> &ref_to_aux_gps_lever_arm() { return *m_ref_to_aux_gps_lever_arm; }
    TXyz<float> &ref_to_sensor_1_lever_arm() { return *m_ref_to_sensor_1_lever_arm; }
    TXyz<float> &ref_to_sensor_2_lever_arm() { return *m_ref_to_sensor_2_lever_arm; }
    TXyz<float> &ref_to_heave_lever_arm() { return *m_ref_to_heave_lever_arm; }
    TXyz<float> &ref_to_aux_2_gps_lever_arm() { return *m_ref_to_aux_2_gps_lever_arm; }

private:
    TXyz<float> *m_sensor_1_mount_angles;
    TXyz<float> *m_sensor_2_mount_angles;
    TXyz<float> *m_ref_to_aux_gps_lever_arm;
    TXyz<float> *m_ref_to_sensor_1_lever_arm;
    TXyz<float> *m_ref_to_sensor_2_lever_arm;
    TXyz<float> *m_ref_to_heave_lever_arm;
    TXyz<float> *m_ref_to_aux_2_gps_lever_arm;
};
