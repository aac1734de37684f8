#pragma once
// What the DDE server publishes: the navigation solution, its accuracy, the pulses and the status
// of the computer from its groups, and the echoes of the control values the tracker may poke, in
// the published text; and when that text is to go out.

#include "dde/dde_text.h"
#include "protocol/group_copy.h"
#include "views/gps_data_records.h"

#include <cstdint>

class CGroup1;
class CGroup2;
class CGroup5;
class CGroup6;
class CGroup7;
class CGroup8;
class CGroup_fdir;
class CGroup20202;
class CMessage4;
class CMessage7;
class CMessage20201;
class CMessage20205;
class CMessage20206;
class CPulse_group;

// The computer's control values as last echoed, and the two counters the tracker last moved on:
// what a poke compares with.
struct SEchoed_states {
    bool pc_card_logging = false;
    std::uint8_t lidar_logging = 0;
    std::uint8_t gimbal_control = 0;
    // General Status A "Log Port Loging Enabled" in the last Group 101.
    bool log_port_logging = false;
    std::uint32_t gimbal_counter = 0;
    std::uint32_t com_init_counter = 0;
};

class CPublished_values {
public:
    explicit CPublished_values(SEchoed_states &states);

    // Takes in the group the group queue holds now; true when the text is to go out now: after
    // each Group 1 while the computer is not in Standby, else after a Group 101 in Standby or
    // when three have passed without a Group 1.
    bool take_group();
    // Takes in the echoes of the control values the computer has sent.
    void take_messages();
    // Empties the values.
    void clear() { m_text.clear_values(); }

    const CPublished_text &text() const { return m_text; }

private:
    void take_navigation();
    void take_accuracy();
    void take_gnss();
    void take_pulses(CPulse_group &group, QStringView time, QStringView count);
    void take_lidar();
    bool take_status();
    void take_pps_time();
    bool in_standby() const;

    void take_pc_card_logging();
    void take_yaw_drift();
    void take_lidar_control();
    void take_gimbal_control();

    SEchoed_states &m_states;
    CPublished_text m_text;

    CGroup1 *m_navigation = nullptr;
    CGroup2 *m_accuracy = nullptr;
    CGroup3 *m_gnss = nullptr;
    TGroup_copy<CGroup3> m_gnss_copy;
    CGroup5 *m_event1 = nullptr;
    CGroup6 *m_event2 = nullptr;
    CGroup7 *m_pps = nullptr;
    CGroup8 *m_disk = nullptr;
    CGroup_fdir *m_status = nullptr;
    CGroup20202 *m_lidar = nullptr;
    CMessage4 *m_pc_card = nullptr;
    CMessage7 *m_mode = nullptr;
    CMessage20201 *m_yaw_drift = nullptr;
    CMessage20205 *m_gimbal = nullptr;
    CMessage20206 *m_lidar_control = nullptr;

    // Header Time 1 of the last Group 1 and of the last pulse per second; -1 when not known.
    double m_navigation_time = -1.0;
    double m_pps_time = -1.0;
    // Group 101s since the text last went out after a Group 1.
    unsigned m_status_count = 0;
    // The PC card's status code as last published.
    QString m_pc_card_code;
};
