#pragma once
// What the simulated computer's tasks and ports report in their status groups 20110 to 20126:
// counts that grow with the computer's time since power-on, no failures, every port set up, and
// names that fill their text fields to the last byte, without a terminator, as the computer's do.

#include "tools/korusim/snapshot.h"

#include "views/subsystem_status_records.h"

// How often the tasks and ports act, per second.
namespace status_rate {
constexpr double scheduler = 10;       // every task is scheduled at 10 Hz
constexpr double receiver_log = 5;     // logs a GNSS receiver sends
constexpr double receiver_chars = 960; // characters a GNSS receiver's port carries
constexpr double output = 10;          // frames written to each output port
constexpr double imu = 200;            // IMU data frames
constexpr double twan = 1;             // TWAN solutions
} // namespace status_rate

// Counts of the distance measuring instrument per metre travelled.
constexpr double dmi_counts_per_metre = 100;

void fill_discrete_status(CGroup20110 &group, const SSnapshot &snapshot);
void fill_imu_status(CGroup20111 &group, const SSnapshot &snapshot);
// The primary receiver's correction service: subscribed, seeded.
void fill_primary_gps_status(CGroup20112 &group, const SSnapshot &snapshot);
void fill_secondary_gps_status(CGroup20113 &group, const SSnapshot &snapshot);
void fill_nmea_port_status(CGroup20114 &group, const SSnapshot &snapshot);
void fill_output_manager_status(CGroup20115 &group, const SSnapshot &snapshot);
void fill_input_manager_status(CGroup20116 &group, const SSnapshot &snapshot);
// Data: heading, pitch and their accuracies, then zeros.
void fill_twan_status(CGroup20117 &group, const SSnapshot &snapshot);
void fill_system_status(CGroup20118 &group, const SSnapshot &snapshot);
void fill_binary_port_status(CGroup20119 &group, const SSnapshot &snapshot);
void fill_logging_status(CGroup20120 &group, const SSnapshot &snapshot);
void fill_analog_port_status(CGroup20121 &group, const SSnapshot &snapshot);
// Auxiliary receiver `receiver` (1 or 2).
void fill_aux_gps_status(CAux_gps_status &group, const SSnapshot &snapshot, int receiver);
// Ethernet port `port`: 0 the display port, 1 and 2 the data ports.
void fill_ethernet_port_status(CEthernet_port_status &group, const SSnapshot &snapshot, int port);
