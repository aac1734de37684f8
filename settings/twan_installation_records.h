#pragma once
// The message of the TWAN installation dialog (Message 108): where the two antennas of the
// heading subsystem are. Standard library and protocol only, so that the simulator and the tests
// use it without a widget.

#include "protocol/group_base.h"

#include <cstdint>

// The antennas' separation and baseline vector (metres), the heading calibration threshold and a
// heading correction (degrees).
class CMessage108 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 108;
    static constexpr std::uint16_t byte_count = 32;

    CMessage108();

    TScalar<float> &antenna_separation() { return *m_antenna_separation; }
    TXyz<float> &baseline_vector() { return *m_baseline_vector; }
    TScalar<float> &calibration_threshold() { return *m_calibration_threshold; }
    TScalar<float> &heading_correction() { return *m_heading_correction; }

private:
    TScalar<float> *m_antenna_separation;
    TXyz<float> *m_baseline_vector;
    TScalar<float> *m_calibration_threshold;
    TScalar<float> *m_heading_correction;
};
