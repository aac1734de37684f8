#pragma once
// The messages of the yaw drift correction dialog: the correction the computer applies to a
// stabilised camera platform (Message 20201) and the platform's gimbal stabilization (Message
// 20205). Standard library and protocol only, so that the simulator and the tests use them
// without a widget.

#include "protocol/group_base.h"

#include <cstdint>

// Yaw drift correction: the heading to hold, when to act, how fast, and what to follow.
class CMessage20201 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 20201;
    static constexpr std::uint16_t byte_count = 40;
    enum EMethod : std::uint8_t { follow_mean_track = 0, follow_desired_heading = 1 };

    CMessage20201();

    TScalar<double> &desired_heading() { return *m_desired_heading; }           // degrees
    TScalar<double> &activation_threshold() { return *m_activation_threshold; } // degrees
    TScalar<double> &cutoff_period() { return *m_cutoff_period; }               // seconds
    TScalar<double> &gain() { return *m_gain; }
    TScalar<std::uint8_t> &correction_method() { return *m_correction_method; }

private:
    TScalar<double> *m_desired_heading;
    TScalar<double> *m_activation_threshold;
    TScalar<double> *m_cutoff_period;
    TScalar<double> *m_gain;
    TScalar<std::uint8_t> *m_correction_method;
};

// Gimbal stabilization: off (the gimbal frozen) or on.
class CMessage20205 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 20205;
    static constexpr std::uint16_t byte_count = 16;
    enum EGimbal_control : std::uint8_t { stabilization_off = 0, stabilization_on = 1 };

    CMessage20205();

    TScalar<std::uint8_t> &gimbal_control() { return *m_gimbal_control; }
    TScalar<std::uint32_t> &reserved_1() { return *m_reserved_1; }
    TScalar<std::uint32_t> &reserved_2() { return *m_reserved_2; }

private:
    TScalar<std::uint8_t> *m_gimbal_control;
    TScalar<std::uint32_t> *m_reserved_1;
    TScalar<std::uint32_t> *m_reserved_2;
};
