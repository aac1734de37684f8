#pragma once
// Everything the simulated computer reports at one moment, from which every group is filled.

#include "tools/korusim/navigation.h"
#include "tools/korusim/options.h"

#include <array>
#include <cstdint>

// A discrete input: how many pulses came, and when the last one came (seconds since power-on).
struct SPulse_count {
    std::uint32_t count = 0;
    double last = 0;
};

// The removable disk the computer logs to.
struct SDisk_usage {
    std::uint32_t kbytes_total = 0;
    std::uint32_t kbytes_logged = 0;
    std::uint32_t kbytes_remaining = 0;
    float minutes_remaining = 0;
};

// Hours and runs of the computer's life, as its version group reports them.
struct SRun_statistics {
    float total_hours = 0;
    std::uint32_t runs = 0;
    float average_run = 0; // hours
    float longest_run = 0; // hours
    float current_run = 0; // hours
};

struct SSnapshot {
    double time = 0;            // seconds since power-on: the computer's own time
    double utc_at_power_on = 0; // UTC seconds of day at power-on
    SNav_phase phase;
    SNav_state nav;
    SNav_status status;
    SPulse_count pps;
    SPulse_count event_1;
    SPulse_count event_2;
    SDisk_usage disk;
    EPc_card pc_card = EPc_card::idle;   // recording on the disk
    std::uint8_t imu_data_rate_code = 2; // what Group 4 reports as the IMU's data rate
    SRun_statistics run;
    std::array<std::uint8_t, 4> address{}; // the computer's IPv4 address, in order
    std::uint32_t data_port_reads = 0;     // reads of the computer's data port so far
    // The lidar interface: its kind, the data port status and the logging asked for.
    std::uint32_t lidar_interface = 0;
    std::uint16_t lidar_port_status = 0;
    std::uint32_t lidar_logging_request = 0;
    bool hotlink_model = false;   // the version texts name the Hotlink model
    SFilter_counts filter_counts; // what the filter groups state
    bool week_end = false;        // Group 20105 in GPS time of week, near the week's end
    // The GNSS receivers and the fault words: as the command line set them.
    SReceiver_options receivers;
    std::array<std::uint8_t, 2> receiver_types{1, 1};

    // UTC time of day at `koru_time` seconds since power-on.
    double utc_of(double koru_time) const;
};

// How many times something happening `rate` times a second has happened by `seconds`.
std::uint32_t occurrences(double seconds, double rate);
