#pragma once
// korusim's command line: what it simulates, where it sends and listens, and its fault switches.

#include "tools/korusim/flight.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Date and time of day (UTC) when the simulated computer powers on.
struct SStart_time {
    std::uint16_t year = 2024;
    std::uint8_t month = 6;
    std::uint8_t day = 1;
    double seconds_of_day = 8 * 3600.0;
};

// Faults the simulated computer can be told to show, each off by default.
struct SFault_options {
    std::size_t garbage_bytes = 0;   // bytes of garbage before every frame sent
    bool split_frames = false;       // every display-port frame in two datagrams
    unsigned bad_checksum_every = 0; // every n-th frame sent with a wrong checksum
    unsigned oversized_every = 0;    // every n-th frame sent with a byte count too large
    double silence_at = 0;           // seconds after start when the computer falls silent
    double silence_seconds = 0;      // how long it stays silent; 0 = never
    double drop_control_after = 0;   // seconds a controller stays connected; 0 = no limit
    bool refuse_connections = false; // no listening on the control and logging ports
    bool refuse_logging[2] = {false, false}; // no listening on that logging port
    std::size_t logging_close_after = 0; // bytes a logging client is sent; 0 = no limit
    std::map<std::uint16_t, std::uint16_t> responses; // message number → response code
};

// The lidar interface Group 20202 reports: the kind of interface ("Reserved Int 1", 1: the PC's
// Q560 tool talks to the scanner), the data port status ("Data Port Status") and, at power-on,
// the logging asked for ("Reserved Int 2", which Message 20206 sets from then on).
struct SLidar_options {
    std::uint32_t interface_kind = 0;
    std::uint16_t data_port_status = 2; // on, not logging
    std::uint8_t logging_request = 0;
};

// The simulated lidar scanner's data logger and its faults, each off by default.
struct SScanner_options {
    std::uint16_t port = 20002;
    bool split_answers = false;  // every answer in two parts, some milliseconds apart
    bool silent = false;         // reads commands, answers nothing
    bool fatal = false;          // "mFATAL" instead of "mSCANNING"
    bool logger_problem = false; // "?HDLOG_OPEN" instead of the echo of "HDLOG_OPEN"
    bool short_log_mode = false; // "=LOG_MODE" without a mode
};

// Whether Group 110's "Variable Message Byte Count" states the body it carries, or more bytes
// than the frame holds (65535).
enum class EAux_count : std::uint8_t { body, beyond_frame };

// The counts the filter groups state: states and measurements of the navigation filter (Groups
// 20101 and 20102) and of the TWAN filter (20103 and 20104). A count beyond an array's room is
// sent as given, with as many values as the room holds, as a faulty computer would.
struct SFilter_counts {
    std::uint16_t kalman_states = 15;
    std::uint16_t kalman_measurements = 17;
    std::uint16_t twan_states = 8;
    std::uint16_t twan_measurements = 10;
};

// What the GNSS receivers (Groups 3, 106, 107) and the fault words (Groups 4, 101) report.
struct SReceiver_options {
    // "Number of SV Visible" of every receiver; the frames carry at most 30 satellite records
    // whatever the count says.
    std::uint8_t sv_count = 12;
    bool no_data = false; // every receiver reports "GPS Mode" 0
    // The primary and secondary receivers' status words; the default has every "good" bit set.
    std::uint32_t receiver_status[2] = {0x000B00FF, 0x000B00FF};
    std::uint32_t fdir_levels[5] = {0, 0, 0, 0, 0}; // "FDIR Level 1 Status" … "Level 5"
    std::optional<std::uint8_t> imu_type;           // Group 4's "IMU Type" over the default
    std::uint16_t imu_status = 0;
};

// The form of the integrated navigator's task groups 20106 to 20109: with their ten "Data"
// values, or without them.
enum class EIin_form : std::uint8_t { full, short_form };
// The form of the discrete and output manager status groups 20110 and 20115: with their optional
// tails (user time, socket), or without them.
enum class EStatus_form : std::uint8_t { full, short_form };

struct SOptions {
    // Network. Addresses are IPv4 in host order.
    std::uint32_t local_address = 0x7F000001;   // sends from and listens on it
    std::uint32_t display_address = 0x7F000001; // where the display port's datagrams go
    std::uint16_t display_port = 5600;
    std::uint16_t control_port = 5601;
    std::uint16_t logging_ports[2] = {5602, 5603};

    // What is broadcast and logged. Empty display groups: every simulated group.
    std::vector<std::uint16_t> display_groups;
    std::map<std::uint16_t, double> rates; // group → Hz, over the defaults
    // The logging ports' factory selections (Messages 3 and 16 change them).
    std::vector<std::uint16_t> logging_groups[2] = {{1, 2, 4, 5, 6, 101}, {1, 2, 4, 5, 6, 101}};
    std::string logging_saves[2]; // files that keep every byte each logging port sent
    double echo_seconds = 5; // period of the settings echoes; 0 = on change only
    EIin_form iin_form = EIin_form::full;
    EStatus_form status_form = EStatus_form::full;
    EAux_count aux_count = EAux_count::body;

    // The computer's devices.
    std::uint8_t imu_data_rate_code = 2; // Group 4's "Data Rate"; 2 stands for 200 Hz
    // The model with the Hotlink interface: its model and sub-model codes in the version texts.
    bool hotlink_model = false;
    SFilter_counts filter_counts;
    // Group 20105 tagged with GPS time of week from 10 s before the week's end, so that the load
    // chart sees a week rollover; UTC time of day otherwise.
    bool week_end = false;
    bool pc_card_full = false;           // the removable disk has no room left

    // The flight.
    SFlight_start start;
    SStart_time start_time;
    SFlight_profile profile;
    double align_seconds = 60;
    bool start_in_standby = false;
    // The types the primary and secondary GNSS receivers report (Messages 5 and 110).
    std::uint8_t receiver_types[2] = {1, 1};
    SReceiver_options receivers;
    // An older computer: Message 6 echoed without the mask (12 bytes), Message 11 without the
    // guard times (8 bytes).
    bool address_without_mask = false;
    bool events_without_guard_times = false;

    // The control port.
    std::string password; // empty: no password, Message 111 always accepted
    double watchdog_seconds = 30;

    // Replay of a recorded file instead of the simulated groups.
    std::string replay_file;
    double replay_speed = 1;
    double replay_rate = 10; // frames per second for frames without a time tag

    // The lidar.
    SLidar_options lidar;
    SScanner_options scanner;

    SFault_options faults;
    double duration_seconds = 0; // 0 = run until stopped
};

// A group the simulator can send and its rate unless told otherwise.
struct SGroup_default {
    std::uint16_t number;
    double rate; // Hz
};

struct SParsed_options {
    SOptions options;
    bool help = false;
    bool version = false;
    std::string error; // empty when the command line was understood
};

// Reads the command line (without the program name). Group lists and rates that name a group
// the simulator cannot send are refused.
SParsed_options parse_options(std::span<const std::string_view> arguments,
                              std::span<const SGroup_default> simulated);

// The text of --help: every option with its argument, default and meaning.
std::string help_text(std::span<const SGroup_default> simulated);

// "127.0.0.2"
std::string format_address(std::uint32_t address);
std::optional<std::uint32_t> parse_address(std::string_view text);
