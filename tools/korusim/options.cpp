#include "tools/korusim/options.h"

#include <arpa/inet.h>

#include <algorithm>
#include <charconv>
#include <limits>
#include <cstdio>
#include <map>

namespace {

// What an option's parser may consult besides its value.
struct SContext {
    std::span<const SGroup_default> simulated;
};

// One row of the option table: parsed by `apply`, explained by `help`. A row without a name is a
// heading of --help. In help texts "{rates}" stands for the default rates and "{groups}" for
// the simulated groups; " " continues the explanation on the next line.
struct SOption {
    std::string_view name;
    std::string_view argument; // empty for a switch
    std::string_view help;
    // Returns an error text, empty when the value was taken.
    std::string (*apply)(SOptions &options, std::string_view value, const SContext &context);
};

template <class T>
std::optional<T> parse_number(std::string_view text)
{
    T value{};
    const char *const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    while (true) {
        const std::size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at - from));
        if (at == std::string_view::npos) {
            return parts;
        }
        from = at + 1;
    }
}

std::string join(std::span<const std::uint16_t> numbers)
{
    std::string text;
    for (const std::uint16_t number : numbers) {
        text += (text.empty() ? "" : ", ") + std::to_string(number);
    }
    return text;
}

std::vector<std::uint16_t> numbers_of(std::span<const SGroup_default> simulated)
{
    std::vector<std::uint16_t> numbers;
    for (const SGroup_default &group : simulated) {
        numbers.push_back(group.number);
    }
    return numbers;
}

std::string not_simulated(std::uint16_t group, const SContext &context)
{
    const std::vector<std::uint16_t> numbers = numbers_of(context.simulated);
    if (std::find(numbers.begin(), numbers.end(), group) != numbers.end()) {
        return {};
    }
    return "group " + std::to_string(group) + " is not simulated (simulated: " + join(numbers) +
           ")";
}

std::string number_text(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// A number within [low, high], or an error text.
std::string take_double(double &out, std::string_view text, double low, double high)
{
    const std::optional<double> value = parse_number<double>(text);
    if (!value || *value < low || *value > high) {
        return "'" + std::string(text) + "' is not a number from " + number_text(low) + " to " +
               number_text(high);
    }
    out = *value;
    return {};
}

template <class T>
std::string take_integer(T &out, std::string_view text, T low, T high)
{
    const std::optional<T> value = parse_number<T>(text);
    if (!value || *value < low || *value > high) {
        return "'" + std::string(text) + "' is not a whole number from " + std::to_string(low) +
               " to " + std::to_string(high);
    }
    out = *value;
    return {};
}

std::string take_address(std::uint32_t &out, std::string_view text)
{
    const std::optional<std::uint32_t> address = parse_address(text);
    if (!address) {
        return "'" + std::string(text) + "' is not an IPv4 address";
    }
    out = *address;
    return {};
}

std::string take_port(std::uint16_t &out, std::string_view text, std::uint16_t lowest)
{
    return take_integer<std::uint16_t>(out, text, lowest, 65535);
}

std::string take_group_list(std::vector<std::uint16_t> &out, std::string_view text,
                            const SContext &context)
{
    std::vector<std::uint16_t> groups;
    for (const std::string_view part : split(text, ',')) {
        const std::optional<std::uint16_t> group = parse_number<std::uint16_t>(part);
        if (!group) {
            return "'" + std::string(part) + "' is not a group number";
        }
        if (std::string error = not_simulated(*group, context); !error.empty()) {
            return error;
        }
        if (std::find(groups.begin(), groups.end(), *group) == groups.end()) {
            groups.push_back(*group);
        }
    }
    out = std::move(groups);
    return {};
}

// "A=B" as two parts, or nothing.
std::optional<std::array<std::string_view, 2>> pair_of(std::string_view text)
{
    const std::vector<std::string_view> parts = split(text, '=');
    if (parts.size() != 2) {
        return std::nullopt;
    }
    return std::array<std::string_view, 2>{parts[0], parts[1]};
}

std::string take_rate(SOptions &options, std::string_view text, const SContext &context)
{
    const auto pair = pair_of(text);
    std::uint16_t group = 0;
    double rate = 0;
    if (!pair) {
        return "'" + std::string(text) + "' is not GROUP=HZ";
    }
    if (std::string error = take_integer<std::uint16_t>(group, (*pair)[0], 0, 65535);
        !error.empty()) {
        return error;
    }
    if (std::string error = not_simulated(group, context); !error.empty()) {
        return error;
    }
    if (std::string error = take_double(rate, (*pair)[1], 0, 1000); !error.empty()) {
        return error;
    }
    options.rates[group] = rate;
    return {};
}

std::string take_response(SOptions &options, std::string_view text, const SContext &)
{
    const auto pair = pair_of(text);
    std::uint16_t message = 0;
    std::uint16_t code = 0;
    if (!pair) {
        return "'" + std::string(text) + "' is not MSG=CODE";
    }
    if (std::string error = take_integer<std::uint16_t>(message, (*pair)[0], 0, 65535);
        !error.empty()) {
        return error;
    }
    if (std::string error = take_integer<std::uint16_t>(code, (*pair)[1], 0, 65535);
        !error.empty()) {
        return error;
    }
    options.faults.responses[message] = code;
    return {};
}

std::string take_start(SOptions &options, std::string_view text, const SContext &)
{
    const std::vector<std::string_view> parts = split(text, ',');
    if (parts.size() != 3 && parts.size() != 4) {
        return "'" + std::string(text) + "' is not LAT,LON,ALT or LAT,LON,ALT,HEADING";
    }
    SFlight_start start = options.start;
    std::string error = take_double(start.latitude, parts[0], -89, 89);
    if (error.empty()) {
        error = take_double(start.longitude, parts[1], -180, 180);
    }
    if (error.empty()) {
        error = take_double(start.altitude, parts[2], -1000, 20000);
    }
    if (error.empty() && parts.size() == 4) {
        error = take_double(start.heading, parts[3], 0, 360);
    }
    if (error.empty()) {
        options.start = start;
    }
    return error;
}

// "N,M": states and measurements, each 0 to 65535.
std::string take_counts(std::uint16_t &states, std::uint16_t &measurements, std::string_view text)
{
    const std::vector<std::string_view> parts = split(text, ',');
    if (parts.size() != 2) {
        return "'" + std::string(text) + "' is not N,M";
    }
    std::uint16_t n = 0;
    std::uint16_t m = 0;
    std::string error = take_integer<std::uint16_t>(n, parts[0], 0, 65535);
    if (error.empty()) {
        error = take_integer<std::uint16_t>(m, parts[1], 0, 65535);
    }
    if (error.empty()) {
        states = n;
        measurements = m;
    }
    return error;
}

std::string take_lidar(SOptions &options, std::string_view text, const SContext &)
{
    const std::vector<std::string_view> parts = split(text, ',');
    if (parts.size() != 3) {
        return "'" + std::string(text) + "' is not M,S,R";
    }
    SLidar_options lidar;
    std::string error = take_integer<std::uint32_t>(lidar.interface_kind, parts[0], 0, 0xFFFFFFFE);
    if (error.empty()) {
        error = take_integer<std::uint16_t>(lidar.data_port_status, parts[1], 0, 0xFFFE);
    }
    if (error.empty()) {
        error = take_integer<std::uint8_t>(lidar.logging_request, parts[2], 0, 1);
    }
    if (error.empty()) {
        options.lidar = lidar;
    }
    return error;
}

// A switch of the simulated scanner.
template <bool SScanner_options::*Switch>
std::string scanner_switch(SOptions &options, std::string_view, const SContext &)
{
    options.scanner.*Switch = true;
    return {};
}

std::string take_receiver_types(SOptions &options, std::string_view text, const SContext &)
{
    const std::vector<std::string_view> parts = split(text, ',');
    if (parts.size() != 2) {
        return "'" + std::string(text) + "' is not PRIMARY,SECONDARY";
    }
    std::uint8_t types[2] = {};
    for (std::size_t i = 0; i < 2; ++i) {
        if (std::string error = take_integer<std::uint8_t>(types[i], parts[i], 0, 255);
            !error.empty()) {
            return error;
        }
    }
    options.receiver_types[0] = types[0];
    options.receiver_types[1] = types[1];
    return {};
}

// A whole number in decimal, or in hexadecimal after "0x".
template <class T>
std::string take_word(T &out, std::string_view text)
{
    if (text.starts_with("0x") || text.starts_with("0X")) {
        const std::string_view digits = text.substr(2);
        T value{};
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
            return "'" + std::string(text) + "' is not a hexadecimal word of " +
                   std::to_string(8 * sizeof(T)) + " bits";
        }
        out = value;
        return {};
    }
    return take_integer<T>(out, text, 0, std::numeric_limits<T>::max());
}

// `count` words separated by commas.
template <class T, std::size_t count>
std::string take_words(T (&out)[count], std::string_view text)
{
    const std::vector<std::string_view> parts = split(text, ',');
    if (parts.size() != count) {
        return "'" + std::string(text) + "' is not " + std::to_string(count) +
               " words separated by commas";
    }
    T words[count] = {};
    for (std::size_t i = 0; i < count; ++i) {
        if (std::string error = take_word<T>(words[i], parts[i]); !error.empty()) {
            return error;
        }
    }
    std::copy_n(words, count, out);
    return {};
}

bool is_leap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && is_leap(year) ? 29 : days[month - 1];
}

std::string take_start_time(SOptions &options, std::string_view text, const SContext &)
{
    const std::string value(text);
    int year = 0;
    int month = 0;
    int day = 0;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int consumed = 0;
    const int fields = std::sscanf(value.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%n", &year, &month, &day,
                                   &hours, &minutes, &seconds, &consumed);
    if (fields != 6 || consumed != static_cast<int>(value.size()) || year < 1980 || year > 2099 ||
        month < 1 || month > 12 || day < 1 || day > days_in_month(year, month) || hours > 23 ||
        minutes > 59 || seconds > 59 || hours < 0 || minutes < 0 || seconds < 0) {
        return "'" + value + "' is not a date and time YYYY-MM-DDTHH:MM:SS";
    }
    options.start_time = {static_cast<std::uint16_t>(year), static_cast<std::uint8_t>(month),
                          static_cast<std::uint8_t>(day),
                          hours * 3600.0 + minutes * 60.0 + seconds};
    return {};
}

std::string take_silence(SOptions &options, std::string_view text, const SContext &)
{
    const std::vector<std::string_view> parts = split(text, ',');
    if (parts.size() != 2) {
        return "'" + std::string(text) + "' is not AT,SECONDS";
    }
    std::string error = take_double(options.faults.silence_at, parts[0], 0, 1e6);
    if (error.empty()) {
        error = take_double(options.faults.silence_seconds, parts[1], 0, 1e6);
    }
    return error;
}

std::string take_password(SOptions &options, std::string_view text, const SContext &)
{
    if (text.empty() || text.size() > 20) {
        return "a password has 1 to 20 characters";
    }
    options.password = text;
    return {};
}

std::string take_file(SOptions &options, std::string_view text, const SContext &)
{
    if (text.empty()) {
        return "no file named";
    }
    options.replay_file = text;
    return {};
}

const std::vector<SOption> &option_table()
{
    static const std::vector<SOption> table = {
        {"", "", "Network:", nullptr},
        {"--local", "ADDRESS",
         "address the simulated computer sends from and listens on (default 127.0.0.1); give each "
         "of several simulated computers its own 127.0.0.x",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_address(o.local_address, v);
         }},
        {"--display-address", "ADDRESS",
         "where the display port's datagrams go (default 127.0.0.1; a broadcast address works too)",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_address(o.display_address, v);
         }},
        {"--display-port", "PORT", "UDP display port (default 5600)",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_port(o.display_port, v, 1);
         }},
        {"--control-port", "PORT",
         "TCP control port, one controller at a time (default 5601); a second controller is "
         "accepted and closed at once; 0 picks a free port",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_port(o.control_port, v, 0);
         }},
        {"--log-port", "PORT", "primary TCP logging port (default 5602; 0 picks a free port)",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_port(o.logging_ports[0], v, 0);
         }},
        {"--log-port-2", "PORT", "secondary TCP logging port (default 5603; 0 picks a free port)",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_port(o.logging_ports[1], v, 0);
         }},

        {"", "", "Broadcast and logging:", nullptr},
        {"--groups", "LIST",
         "groups broadcast on the display port at power-on, e.g. 1,2,101 (default: every "
         "simulated group: {groups}); a Message 2 from the controller changes the list",
         [](SOptions &o, std::string_view v, const SContext &c) {
             return take_group_list(o.display_groups, v, c);
         }},
        {"--rate", "GROUP=HZ",
         "rate of one group, on every port; repeatable; 0 stops the group. Defaults: {rates}",
         take_rate},
        {"--log-groups", "LIST",
         "groups streamed on the primary logging port at power-on (default 1,2,4,5,6,101); a "
         "Message 3 from the controller changes the list",
         [](SOptions &o, std::string_view v, const SContext &c) {
             return take_group_list(o.logging_groups[0], v, c);
         }},
        {"--log-groups-2", "LIST",
         "groups streamed on the secondary logging port at power-on (default 1,2,4,5,6,101); a "
         "Message 16 from the controller changes the list",
         [](SOptions &o, std::string_view v, const SContext &c) {
             return take_group_list(o.logging_groups[1], v, c);
         }},
        {"--log-save", "FILE",
         "write every byte the primary logging port sends to FILE (emptied at start), to "
         "compare with what a logger recorded",
         [](SOptions &o, std::string_view v, const SContext &) {
             o.logging_saves[0] = std::string(v);
             return std::string();
         }},
        {"--log-save-2", "FILE", "the same for the secondary logging port",
         [](SOptions &o, std::string_view v, const SContext &) {
             o.logging_saves[1] = std::string(v);
             return std::string();
         }},
        {"--echo-seconds", "S",
         "period of the settings echoes on the display port: every setting the computer keeps "
         "(Messages 1 to 6, 11, 12, 13, 16, 17, 101 to 105, 107, 108, 110, 20201, 20205, "
         "20206, 20207 and 20211), the mode (Message 7) and the diagnostics values (Messages "
         "20102 and 20103) (default 5); a setting is also echoed when it changes, all of them "
         "when a controller connects; 0: only then. Every burst of echoes ends with Message 1",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_double(o.echo_seconds, v, 0, 3600);
         }},

        {"--iin-short", "",
         "send the integrated navigator's status groups 20106 to 20109 without their ten "
         "\"Data\" values (byte counts 104, 76, 84 and 92 instead of 184, 156, 164 and 172)",
         [](SOptions &o, std::string_view, const SContext &) {
             o.iin_form = EIin_form::short_form;
             return std::string();
         }},
        {"--status-short", "",
         "send the discrete and output manager status groups 20110 and 20115 without their "
         "user-time and socket tails (byte counts 160 and 136 instead of 192 and 156)",
         [](SOptions &o, std::string_view, const SContext &) {
             o.status_form = EStatus_form::short_form;
             return std::string();
         }},
        {"--aux-count-beyond-frame", "",
         "Group 110 (raw auxiliary GNSS messages) states a message byte count of 65535, more "
         "than its frame carries",
         [](SOptions &o, std::string_view, const SContext &) {
             o.aux_count = EAux_count::beyond_frame;
             return std::string();
         }},

        {"", "", "Devices:", nullptr},
        {"--imu-data-rate", "CODE",
         "the IMU's data-rate code Group 4 reports, 0 to 255 (default 2: 200 Hz; 0 50 Hz, 1 100, "
         "3 400, 4 125, 5 500, 6 250, 7 300, 8 180); the increments stay those of 200 Hz",
         [](SOptions &o, std::string_view v, const SContext &) {
             unsigned code = 0;
             std::string error = take_integer<unsigned>(code, v, 0, 255);
             o.imu_data_rate_code = static_cast<std::uint8_t>(code);
             return error;
         }},
        {"--hotlink-model", "",
         "the computer is the model with the Hotlink interface: Group 99's version text starts "
         "\"7,2-\" and Group 108 reports model 7 (otherwise \"510,5-\" and 510)",
         [](SOptions &o, std::string_view, const SContext &) {
             o.hotlink_model = true;
             return std::string();
         }},
        {"--kalman-counts", "N,M",
         "states and measurements Groups 20101 and 20102 state (default 15,17; the arrays hold "
         "40 and 20: larger counts are sent as given with the values that fit)",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_counts(o.filter_counts.kalman_states, o.filter_counts.kalman_measurements,
                                v);
         }},
        {"--twan-counts", "N,M",
         "states and measurements Groups 20103 and 20104 state (default 8,10; the arrays hold 20 "
         "and 30: larger counts are sent as given with the values that fit)",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_counts(o.filter_counts.twan_states, o.filter_counts.twan_measurements, v);
         }},
        {"--week-end", "",
         "Group 20105 carries GPS time of week starting 10 s before the week's end, so that its "
         "time goes back to 0 (UTC time of day otherwise)",
         [](SOptions &o, std::string_view, const SContext &) {
             o.week_end = true;
             return std::string();
         }},
        {"--pc-card-full", "",
         "the removable disk (PC card) has no room: recording, once Message 4 starts it, reports "
         "the device full. Without it the disk has room for hours; recording starts and stops "
         "with Message 4's \"Start Logging\", and at power-on with its \"Automatic Logging\"",
         [](SOptions &o, std::string_view, const SContext &) {
             o.pc_card_full = true;
             return std::string();
         }},

        {"", "", "Flight:", nullptr},
        {"--start", "LAT,LON,ALT[,HEADING]",
         "start position in degrees, degrees, metres and the heading in degrees (default "
         "60.3172,24.9633,50,90); Message 13 sets it for the next alignment",
         take_start},
        {"--start-time", "YYYY-MM-DDTHH:MM:SS",
         "UTC date and time at power-on (default 2024-06-01T08:00:00); Time 1 of every group is "
         "UTC time of day, Time 2 seconds since power-on",
         take_start_time},
        {"--align-seconds", "S",
         "alignment time: a quarter coarse levelling, the rest fine alignment, then full "
         "navigation (default 60)",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_double(o.align_seconds, v, 0, 3600);
         }},
        {"--speed", "M/S", "cruise ground speed (default 60)",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_double(o.profile.speed, v, 1, 300);
         }},
        {"--line-seconds", "S", "length of each survey line (default 120)",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_double(o.profile.line_seconds, v, 0, 36000);
         }},
        {"--standby", "", "power on in Standby and wait for Navigate (Message 7) before aligning",
         [](SOptions &o, std::string_view, const SContext &) {
             o.start_in_standby = true;
             return std::string();
         }},

        {"", "", "Lidar:", nullptr},
        {"--lidar", "M,S,R",
         "Group 20202's lidar interface: its kind M (\"Reserved Int 1\"; 1: the PC's Q560 tool "
         "drives the scanner), the data port status S (1 on and logging, 2 on, 3 failure, 4 off) "
         "and the logging asked for R (\"Reserved Int 2\", 0 or 1) at power-on, which Message "
         "20206 sets from then on (default 0,2,0); with M = 1, S follows the Q560 tool's state "
         "reports (Message 20207) once one came",
         take_lidar},
        {"--scanner-port", "PORT",
         "TCP port of the simulated scanner's data logger, on the --local address (default "
         "20002; 0 picks a free port). It echoes every text command ended by CR and answers DLE "
         "with \"*\", CAN with \"mSCANNING\", \".LOG_MODE\" with \"=LOG_MODE n\" (the mode "
         "last set with \"LOG_MODEn\", 2 at first) and \".GPS_STATUS\" with \"GPS_STATUS0\"",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_port(o.scanner.port, v, 0);
         }},
        {"--scanner-split", "", "the scanner sends every answer in two parts, 50 ms apart",
         scanner_switch<&SScanner_options::split_answers>},
        {"--scanner-silent", "", "the scanner reads commands and answers nothing",
         scanner_switch<&SScanner_options::silent>},
        {"--scanner-fatal", "", "the scanner answers CAN with \"mFATAL\"",
         scanner_switch<&SScanner_options::fatal>},
        {"--scanner-logger-problem", "",
         "the scanner answers \"HDLOG_OPEN\" with \"?HDLOG_OPEN\" (no logging file)",
         scanner_switch<&SScanner_options::logger_problem>},
        {"--scanner-short-log-mode", "",
         "the scanner answers \".LOG_MODE\" with \"=LOG_MODE\" and no mode",
         scanner_switch<&SScanner_options::short_log_mode>},

        {"", "", "Control port:", nullptr},
        {"--address-without-mask", "",
         "echo Message 6 without the subnet mask (byte count 12), as an older computer does",
         [](SOptions &o, std::string_view, const SContext &) {
             o.address_without_mask = true;
             return std::string();
         }},
        {"--events-without-guard-times", "",
         "echo Message 11 without the guard times (byte count 8), as an older computer does",
         [](SOptions &o, std::string_view, const SContext &) {
             o.events_without_guard_times = true;
             return std::string();
         }},
        {"--receiver-types", "P,S",
         "receiver type codes the primary and secondary GNSS receivers report in Messages 5 and "
         "110 (default 1,1; 0 to 16 name a receiver, 11 GRAM, 13, 14 and 16 have augmentation; "
         "any other code up to 255 tests a controller)",
         take_receiver_types},
        {"--sv-count", "N",
         "the number of satellites every GNSS receiver reports in Groups 3, 106 and 107, 0 to 255 "
         "(default 12); the frames carry at most 30 satellite records whatever the count says",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_integer<std::uint8_t>(o.receivers.sv_count, v, 0, 255);
         }},
        {"--gps-mode-0", "", "every GNSS receiver reports \"GPS Mode\" 0: no data",
         [](SOptions &o, std::string_view, const SContext &) {
             o.receivers.no_data = true;
             return std::string();
         }},
        {"--receiver-status", "P,S",
         "the primary and secondary receivers' status words in Groups 3 and 106 (default "
         "0x000B00FF,0x000B00FF: all good)",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_words(o.receivers.receiver_status, v);
         }},
        {"--fdir", "L1,L2,L3,L4,L5", "the five FDIR level status words of Group 101 (default 0)",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_words(o.receivers.fdir_levels, v);
         }},
        {"--imu-type", "T", "the IMU type Group 4 reports, 0 to 255 (default 17: no status table)",
         [](SOptions &o, std::string_view v, const SContext &) {
             std::uint8_t type = 0;
             std::string error = take_integer<std::uint8_t>(type, v, 0, 255);
             o.receivers.imu_type = type;
             return error;
         }},
        {"--imu-status", "WORD", "the IMU status word Group 4 reports (default 0)",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_word(o.receivers.imu_status, v);
         }},
        {"--password", "TEXT",
         "the settings password (1 to 20 characters): Message 111 is checked, and the guarded "
         "messages (installation 1 and 101, IP address 6, TWAN installation 108, navigator "
         "configuration 20001 and 20101, restore 9, TWAN calibration 109) are refused with code 11 "
         "until the controller has logged in (for 10 minutes or until it disconnects)",
         take_password},
        {"--watchdog", "S",
         "drop the controller when no message came for S seconds (default 30: three periods of "
         "the controller's keep-alive); 0: never",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_double(o.watchdog_seconds, v, 0, 3600);
         }},

        {"", "", "Replay:", nullptr},
        {"--replay", "FILE",
         "send the frames of a recorded file on the display port instead of the simulated "
         "groups: a recording of Tarvo's display port (paced as the datagrams arrived) or a "
         "file of raw frames (what the PC logger writes)",
         take_file},
        {"--replay-speed", "X", "replay speed factor (default 1: as recorded, by the time tags)",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_double(o.replay_speed, v, 0.01, 10000);
         }},
        {"--replay-rate", "HZ", "frames per second for frames without a time tag (default 10)",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_double(o.replay_rate, v, 0.01, 100000);
         }},

        {"", "", "Faults:", nullptr},
        {"--garbage", "N", "N bytes of garbage before every frame sent",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_integer<std::size_t>(o.faults.garbage_bytes, v, 0, 1024);
         }},
        {"--split-frames", "", "send every display-port frame in two datagrams",
         [](SOptions &o, std::string_view, const SContext &) {
             o.faults.split_frames = true;
             return std::string();
         }},
        {"--bad-checksum", "N", "send every N-th frame with a wrong checksum",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_integer<unsigned>(o.faults.bad_checksum_every, v, 1, 1000000);
         }},
        {"--oversized", "N",
         "send every N-th frame with a byte count too large for any receive buffer",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_integer<unsigned>(o.faults.oversized_every, v, 1, 1000000);
         }},
        {"--silence", "AT,S",
         "fall silent AT seconds after start for S seconds: nothing broadcast or streamed, "
         "messages neither answered nor applied",
         take_silence},
        {"--drop-control", "S", "drop the controller S seconds after it connected",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_double(o.faults.drop_control_after, v, 0.001, 1e6);
         }},
        {"--refuse-connections", "",
         "do not listen on the control and logging ports: connections are refused",
         [](SOptions &o, std::string_view, const SContext &) {
             o.faults.refuse_connections = true;
             return std::string();
         }},
        {"--log-close-after", "BYTES",
         "close a logging port's connection once BYTES bytes went out on it (the last frame "
         "cut at that count)",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_integer<std::size_t>(o.faults.logging_close_after, v, 1, SIZE_MAX);
         }},
        {"--log-refuse", "PORT",
         "do not listen on logging port PORT (1 primary, 2 secondary): its connections are "
         "refused",
         [](SOptions &o, std::string_view v, const SContext &) {
             unsigned port = 0;
             std::string problem = take_integer<unsigned>(port, v, 1, 2);
             if (problem.empty()) {
                 o.faults.refuse_logging[port - 1] = true;
             }
             return problem;
         }},
        {"--reject", "MSG=CODE",
         "answer message MSG with response code CODE instead of 1 (Message Accepted); "
         "repeatable; codes above 3 reject the message and nothing of it is applied",
         take_response},

        {"", "", "Other:", nullptr},
        {"--duration", "S", "exit after S seconds",
         [](SOptions &o, std::string_view v, const SContext &) {
             return take_double(o.duration_seconds, v, 0.001, 1e9);
         }},
        {"--help", "", "show this text (-h does too)", nullptr},
        {"--version", "", "show the version", nullptr},
    };
    return table;
}

const SOption *find_option(std::string_view name)
{
    for (const SOption &option : option_table()) {
        if (!option.name.empty() && option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

std::string default_rates(std::span<const SGroup_default> simulated)
{
    std::map<double, std::vector<std::uint16_t>, std::greater<>> by_rate;
    for (const SGroup_default &group : simulated) {
        by_rate[group.rate].push_back(group.number);
    }
    std::string text;
    for (const auto &[rate, groups] : by_rate) {
        text += (text.empty() ? "" : "; ") + number_text(rate) + " Hz: " + join(groups);
    }
    return text;
}

std::string expanded(std::string_view help, std::span<const SGroup_default> simulated)
{
    std::string text(help);
    const auto replace = [&text](std::string_view key, const std::string &value) {
        if (const std::size_t at = text.find(key); at != std::string::npos) {
            text.replace(at, key.size(), value);
        }
    };
    replace("{rates}", default_rates(simulated));
    replace("{groups}", join(numbers_of(simulated)));
    return text;
}

} // namespace

std::string format_address(std::uint32_t address)
{
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
           std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

std::optional<std::uint32_t> parse_address(std::string_view text)
{
    in_addr address{};
    if (inet_pton(AF_INET, std::string(text).c_str(), &address) != 1) {
        return std::nullopt;
    }
    return ntohl(address.s_addr);
}

SParsed_options parse_options(std::span<const std::string_view> arguments,
                              std::span<const SGroup_default> simulated)
{
    SParsed_options parsed;
    const SContext context{simulated};
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument == "-h" ? "--help" : argument.substr(0, equals);
        const SOption *option = find_option(name);
        if (option == nullptr) {
            parsed.error = "unknown option '" + std::string(argument) + "' (see --help)";
            return parsed;
        }
        if (option->apply == nullptr) {
            if (equals != std::string_view::npos) {
                parsed.error = std::string(name) + " takes no value";
                return parsed;
            }
            (name == "--version" ? parsed.version : parsed.help) = true;
            continue;
        }
        std::string_view value;
        if (option->argument.empty()) {
            if (equals != std::string_view::npos) {
                parsed.error = std::string(name) + " takes no value";
                return parsed;
            }
        } else if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            parsed.error = std::string(name) + " needs " + std::string(option->argument);
            return parsed;
        }
        if (std::string error = option->apply(parsed.options, value, context); !error.empty()) {
            parsed.error = std::string(name) + ": " + error;
            return parsed;
        }
    }
    return parsed;
}

namespace {

// `text` broken into lines of at most `width` characters, at blanks.
std::vector<std::string> wrapped(const std::string &text, std::size_t width)
{
    std::vector<std::string> lines(1);
    for (const std::string_view word : split(text, ' ')) {
        if (!lines.back().empty() && lines.back().size() + 1 + word.size() > width) {
            lines.emplace_back();
        }
        lines.back() += (lines.back().empty() ? "" : " ") + std::string(word);
    }
    return lines;
}

} // namespace

std::string help_text(std::span<const SGroup_default> simulated)
{
    constexpr std::size_t column = 30;
    constexpr std::size_t width = 79;
    std::string text =
        "Usage: korusim [OPTION]...\n"
        "A simulated KORU computer on the wire: broadcasts navigation groups on the UDP\n"
        "display port, answers every message on the TCP control port with Message 0,\n"
        "streams groups on the two TCP logging ports, and shows faults on request.\n"
        "One line per notable event goes to standard output. Ctrl-C stops it.\n";
    for (const SOption &option : option_table()) {
        if (option.name.empty()) {
            text += "\n" + std::string(option.help) + "\n";
            continue;
        }
        std::string line = "  " + std::string(option.name);
        if (!option.argument.empty()) {
            line += " " + std::string(option.argument);
        }
        line += line.size() + 2 <= column ? std::string(column - line.size(), ' ')
                                          : "\n" + std::string(column, ' ');
        for (const std::string &part : wrapped(expanded(option.help, simulated), width - column)) {
            text += line + part + "\n";
            line = std::string(column, ' ');
        }
    }
    return text;
}
