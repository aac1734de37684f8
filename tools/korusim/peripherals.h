#pragma once
// What the simulated computer's optional peripherals report: a camera gimbal swinging gently
// about its axes, a laser range finder and radar altimeter measuring the height above a flat
// earth at sea level, the target position below the aircraft computed from them, a user time
// input in step, and an auxiliary GNSS receiver whose raw messages (NMEA sentences, binary
// messages and, now and then, a message of the largest size) the computer passes on.

#include "tools/korusim/snapshot.h"

#include "views/peripheral_records.h"

#include <cstdint>

void fill_gimbal_encoders(CGroup200 &group, const SSnapshot &snapshot);
void fill_target_position(CGroup201 &group, const SSnapshot &snapshot);
void fill_range_finder(CGroup202 &group, const SSnapshot &snapshot);
void fill_user_time(CUser_time_group &group, const SSnapshot &snapshot);
void fill_gimbal_status(CGroup20200 &group, const SSnapshot &snapshot);
void fill_range_finder_status(CGroup20201 &group, const SSnapshot &snapshot);
// The auxiliary receiver's message number `n` of the run: in turn an NMEA position and course,
// a binary message, NMEA satellites in view, and a body of the largest size (6144 bytes).
void fill_aux_raw_message(CGroup110 &group, const SSnapshot &snapshot);
// As fill_aux_raw_message, stating a byte count of 65535.
void fill_aux_raw_message_beyond_frame(CGroup110 &group, const SSnapshot &snapshot);

// How often the auxiliary receiver sends a message, per second.
constexpr double aux_message_rate = 1;
