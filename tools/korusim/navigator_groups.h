#pragma once
// What the simulated navigator reports beyond its solution: the solution in the two user sensor
// frames and their accuracy (Groups 102 to 105), its identity (Groups 99 and 108), the TWAN
// heading solution (109), the two Kalman filters' internals (20101 to 20104) and its processor
// load (20105).

#include "tools/korusim/snapshot.h"

#include "protocol/navigation_groups.h"
#include "views/filter_records.h"
#include "views/sensor_records.h"
#include "views/statistics_records.h"

// Sensor 1 sits 1 m ahead of the IMU, sensor 2 1 m below it; both share the IMU's attitude.
void fill_sensor_solution(CSensor_solution_group &group, const SSnapshot &snapshot, int sensor);
void fill_sensor_performance(CSensor_performance_group &group, const SSnapshot &snapshot);
// "510,5-korusim 0.1, ..." (the Hotlink model: "7,2-korusim 0.1, ...") and the run statistics.
void fill_versions(CGroup99 &group, const SSnapshot &snapshot);
void fill_identification(CGroup108 &group, const SSnapshot &snapshot);
// Eight satellites, the first the base; a slip on the last one every tenth second.
void fill_twan_solution(CGroup109 &group, const SSnapshot &snapshot);
// The counts the snapshot says, values that change with time; measurement 3 is rejected and
// measurement 5 not constructed.
void fill_kalman_update(CGroup20101 &group, const SSnapshot &snapshot);
void fill_kalman_measurements(CGroup20102 &group, const SSnapshot &snapshot);
void fill_twan_update(CGroup20103 &group, const SSnapshot &snapshot);
void fill_twan_measurements(CGroup20104 &group, const SSnapshot &snapshot);
// A load that moves between 20 and 60 %; with the week-end switch tagged with GPS time of week
// from 10 s before the week's end.
void fill_load(CGroup20105 &group, const SSnapshot &snapshot);

namespace simulated_model {
constexpr std::uint32_t model = 510;
constexpr std::uint32_t hotlink_model = 7;
} // namespace simulated_model
