#pragma once
// What the four tasks of the simulated integrated navigator report in Groups 20106 to 20109:
// run and message counts that grow with the computer's time since power-on, no errors, and ten
// values each from the navigation.

#include "tools/korusim/snapshot.h"

#include "views/iin_status_records.h"

// How often the tasks run and pass messages, per second.
namespace iin_rate {
constexpr double imu = 200;          // the navigator runs once per IMU sample
constexpr double gnss = 10;          // primary receiver solutions, through the input manager
constexpr double update = 1;         // Kalman filter updates
constexpr double extrapolation = 50; // extrapolated solutions
constexpr double twan = 1;           // TWAN solutions, which reach the prefilter late
} // namespace iin_rate

// Data: latitude, longitude, altitude, velocity north, east, down, roll, pitch, heading, speed.
void fill_iin_status(CGroup20106 &group, const SSnapshot &snapshot);
// Data: RMS position, velocity (north, east, down) and attitude (roll, pitch, heading), distance.
void fill_update_status(CGroup20107 &group, const SSnapshot &snapshot);
// Data: specific force, angular rate and acceleration (body axes), track.
void fill_prefilter_status(CGroup20108 &group, const SSnapshot &snapshot);
// Data as Group 20106's; the time of the last update and the time extrapolated since.
void fill_extrapolation_status(CGroup20109 &group, const SSnapshot &snapshot);
