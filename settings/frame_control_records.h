#pragma once
// The messages of the navigator configuration dialog: the reference frame of the navigation output
// (Message 20001) and the use of the aiding sensors (Message 20101). Standard library and protocol
// only.

#include "protocol/bit_field.h"
#include "protocol/group_base.h"

#include <cstdint>

// Frame control: 0 the user frame, 1 the IMU frame.
class CMessage20001 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 20001;
    static constexpr std::uint16_t byte_count = 8;

    CMessage20001();
    TScalar<std::uint8_t> &imu_dcm_frame_control() { return *m_imu_dcm_frame_control; }

private:
    TScalar<std::uint8_t> *m_imu_dcm_frame_control;
};

// Which aiding measurements the navigator constructs: per sensor an enable and a disable bit
// (neither: as the navigator decides), and whether the TWAN solution aids the heading.
class CFdir_control : public TBit_set<std::uint32_t> {
public:
    struct bits {
        static constexpr unsigned enable_primary_gps = 0;
        static constexpr unsigned disable_primary_gps = 1;
        static constexpr unsigned enable_aux_gps = 2;
        static constexpr unsigned disable_aux_gps = 3;
        static constexpr unsigned use_twan = 4;
        static constexpr unsigned do_not_use_twan = 5;
        static constexpr unsigned enable_dmi = 6;
        static constexpr unsigned disable_dmi = 7;
    };

    CFdir_control(CComposite_item *parent, std::string_view name);
    bool is_set(unsigned bit) const { return ((get() >> bit) & 1U) != 0; }
};

class CMessage20101 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 20101;
    static constexpr std::uint16_t byte_count = 12;

    CMessage20101();
    CFdir_control &fdir_control() { return *m_fdir_control; }

private:
    CFdir_control *m_fdir_control;
};
