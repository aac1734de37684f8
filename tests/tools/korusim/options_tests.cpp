// korusim's command line: every option read into its setting, clear errors, a --help that
// explains every option.

#include "tools/korusim/group_encoders.h"
#include "tools/korusim/options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

const std::vector<SGroup_default> simulated = group_defaults(make_group_encoders());

SParsed_options parsed(std::vector<std::string_view> arguments)
{
    return parse_options(arguments, simulated);
}

TEST(OptionsTest, EveryOptionReachesItsSetting)
{
    const SParsed_options result = parsed({
        "--local=127.0.0.7",
        "--display-address",
        "127.255.255.255",
        "--display-port",
        "6600",
        "--control-port",
        "0",
        "--log-port",
        "6602",
        "--log-port-2=6603",
        "--groups",
        "1,101",
        "--rate",
        "1=50",
        "--rate",
        "101=0",
        "--log-groups",
        "1,2",
        "--log-groups-2",
        "101",
        "--echo-seconds",
        "2.5",
        "--iin-short",
        "--status-short",
        "--start",
        "-12.5,130.25,100,45",
        "--start-time",
        "2023-02-28T23:59:59",
        "--align-seconds",
        "6",
        "--speed",
        "80",
        "--line-seconds",
        "30",
        "--standby",
        "--password",
        "open sesame",
        "--watchdog",
        "0",
        "--replay",
        "run.raw",
        "--replay-speed",
        "4",
        "--replay-rate",
        "20",
        "--garbage",
        "3",
        "--split-frames",
        "--bad-checksum",
        "5",
        "--oversized",
        "7",
        "--silence",
        "10,4",
        "--drop-control",
        "9",
        "--refuse-connections",
        "--reject",
        "7=5",
        "--reject=109=11",
        "--duration",
        "60",
        "--imu-data-rate",
        "7",
        "--pc-card-full",
        "--hotlink-model",
        "--kalman-counts",
        "65535,21",
        "--twan-counts=0,31",
        "--week-end",
        "--sv-count",
        "255",
        "--gps-mode-0",
        "--receiver-status",
        "0xFFFFFFFF,7",
        "--fdir=1,0x2,3,4,0x0010",
        "--imu-type",
        "3",
        "--imu-status",
        "0x4481",
    });
    ASSERT_EQ(result.error, "");
    EXPECT_FALSE(result.help);
    const SOptions &o = result.options;
    EXPECT_EQ(o.local_address, 0x7F000007u);
    EXPECT_EQ(o.display_address, 0x7FFFFFFFu);
    EXPECT_EQ(o.display_port, 6600);
    EXPECT_EQ(o.control_port, 0);
    EXPECT_EQ(o.logging_ports[0], 6602);
    EXPECT_EQ(o.logging_ports[1], 6603);
    EXPECT_EQ(o.display_groups, (std::vector<std::uint16_t>{1, 101}));
    EXPECT_EQ(o.rates, (std::map<std::uint16_t, double>{{1, 50.0}, {101, 0.0}}));
    EXPECT_EQ(o.logging_groups[0], (std::vector<std::uint16_t>{1, 2}));
    EXPECT_EQ(o.logging_groups[1], (std::vector<std::uint16_t>{101}));
    EXPECT_EQ(o.echo_seconds, 2.5);
    EXPECT_EQ(o.iin_form, EIin_form::short_form);
    EXPECT_EQ(o.status_form, EStatus_form::short_form);
    EXPECT_EQ(o.start.latitude, -12.5);
    EXPECT_EQ(o.start.longitude, 130.25);
    EXPECT_EQ(o.start.altitude, 100);
    EXPECT_EQ(o.start.heading, 45);
    EXPECT_EQ(o.start_time.year, 2023);
    EXPECT_EQ(o.start_time.month, 2);
    EXPECT_EQ(o.start_time.day, 28);
    EXPECT_EQ(o.start_time.seconds_of_day, 86399);
    EXPECT_EQ(o.align_seconds, 6);
    EXPECT_EQ(o.profile.speed, 80);
    EXPECT_EQ(o.profile.line_seconds, 30);
    EXPECT_TRUE(o.start_in_standby);
    EXPECT_EQ(o.password, "open sesame");
    EXPECT_EQ(o.watchdog_seconds, 0);
    EXPECT_EQ(o.replay_file, "run.raw");
    EXPECT_EQ(o.replay_speed, 4);
    EXPECT_EQ(o.replay_rate, 20);
    EXPECT_EQ(o.faults.garbage_bytes, 3u);
    EXPECT_TRUE(o.faults.split_frames);
    EXPECT_EQ(o.faults.bad_checksum_every, 5u);
    EXPECT_EQ(o.faults.oversized_every, 7u);
    EXPECT_EQ(o.faults.silence_at, 10);
    EXPECT_EQ(o.faults.silence_seconds, 4);
    EXPECT_EQ(o.faults.drop_control_after, 9);
    EXPECT_TRUE(o.faults.refuse_connections);
    EXPECT_EQ(o.faults.responses, (std::map<std::uint16_t, std::uint16_t>{{7, 5}, {109, 11}}));
    EXPECT_EQ(o.duration_seconds, 60);
    EXPECT_EQ(o.imu_data_rate_code, 7);
    EXPECT_TRUE(o.pc_card_full);
    EXPECT_TRUE(o.hotlink_model);
    EXPECT_EQ(o.filter_counts.kalman_states, 65535);
    EXPECT_EQ(o.filter_counts.kalman_measurements, 21);
    EXPECT_EQ(o.filter_counts.twan_states, 0);
    EXPECT_EQ(o.filter_counts.twan_measurements, 31);
    EXPECT_TRUE(o.week_end);
    EXPECT_EQ(o.receivers.sv_count, 255);
    EXPECT_TRUE(o.receivers.no_data);
    EXPECT_EQ(o.receivers.receiver_status[0], 0xFFFFFFFFu);
    EXPECT_EQ(o.receivers.receiver_status[1], 7u);
    EXPECT_EQ(std::vector<std::uint32_t>(std::begin(o.receivers.fdir_levels),
                                         std::end(o.receivers.fdir_levels)),
              (std::vector<std::uint32_t>{1, 2, 3, 4, 16}));
    EXPECT_EQ(o.receivers.imu_type, 3);
    EXPECT_EQ(o.receivers.imu_status, 0x4481);
}

TEST(OptionsTest, NothingGivenMeansTheComputersDefaults)
{
    const SParsed_options result = parsed({});
    ASSERT_EQ(result.error, "");
    const SOptions &o = result.options;
    EXPECT_EQ(o.local_address, 0x7F000001u);
    EXPECT_EQ(o.display_port, 5600);
    EXPECT_EQ(o.control_port, 5601);
    EXPECT_EQ(o.logging_ports[0], 5602);
    EXPECT_EQ(o.logging_ports[1], 5603);
    EXPECT_TRUE(o.display_groups.empty()) << "every simulated group";
    EXPECT_EQ(o.iin_form, EIin_form::full);
    EXPECT_EQ(o.status_form, EStatus_form::full);
    EXPECT_EQ(o.watchdog_seconds, 30);
    EXPECT_TRUE(o.faults.responses.empty());
    EXPECT_EQ(o.imu_data_rate_code, 2) << "200 Hz";
    EXPECT_FALSE(o.pc_card_full);
    EXPECT_TRUE(parsed({"--help"}).help);
    EXPECT_TRUE(parsed({"-h"}).help);
    EXPECT_FALSE(parsed({"--help"}).version);
    EXPECT_TRUE(parsed({"--version"}).version);
    EXPECT_FALSE(parsed({"--version"}).help);
    EXPECT_EQ(parsed({"--version=1"}).error, "--version takes no value");
}

TEST(OptionsTest, LoggingPortsAreSavedClosedOrRefusedOnRequest)
{
    const SParsed_options result = parsed({"--log-save", "a.raw", "--log-save-2", "b.raw",
                                           "--log-close-after", "4096", "--log-refuse", "2"});
    ASSERT_EQ(result.error, "");
    const SOptions &o = result.options;
    EXPECT_EQ(o.logging_saves[0], "a.raw");
    EXPECT_EQ(o.logging_saves[1], "b.raw");
    EXPECT_EQ(o.faults.logging_close_after, 4096u);
    EXPECT_FALSE(o.faults.refuse_logging[0]);
    EXPECT_TRUE(o.faults.refuse_logging[1]);
}

TEST(OptionsTest, MistakesAreNamed)
{
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> cases = {
        {{"--colour"}, "unknown option '--colour' (see --help)"},
        {{"-v"}, "unknown option '-v' (see --help)"},
        {{"--rate"}, "--rate needs GROUP=HZ"},
        {{"--standby=yes"}, "--standby takes no value"},
        {{"--local", "127.0.0"}, "--local: '127.0.0' is not an IPv4 address"},
        {{"--display-port", "0"}, "--display-port: '0' is not a whole number from 1 to 65535"},
        {{"--groups", "1,9"},
         "--groups: group 9 is not simulated (simulated: 1, 2, 3, 4, 5, 6, 7, 8, 99, 17, 101, "
         "106, 107, 102, 103, 104, 105, 108, 109, 20101, 20102, 20103, 20104, 20105, 110, 200, "
         "201, 202, 204, 20106, 20107, 20108, 20109, 20110, 20111, 20112, 20113, 20114, 20115, "
         "20116, 20117, 20118, 20119, 20120, 20121, 20122, 20123, 20124, 20125, 20126, 20200, "
         "20201, 20202)"},
        {{"--kalman-counts", "5"}, "--kalman-counts: '5' is not N,M"},
        {{"--twan-counts", "5,65536"},
         "--twan-counts: '65536' is not a whole number from 0 to 65535"},
        {{"--sv-count", "256"}, "--sv-count: '256' is not a whole number from 0 to 255"},
        {{"--fdir", "1,2,3"}, "--fdir: '1,2,3' is not 5 words separated by commas"},
        {{"--receiver-status", "0xG,1"},
         "--receiver-status: '0xG' is not a hexadecimal word of 32 bits"},
        {{"--imu-status", "0x10000"}, "--imu-status: '0x10000' is not a hexadecimal word of 16 bits"},
        {{"--groups", "1,,2"}, "--groups: '' is not a group number"},
        {{"--rate", "1:10"}, "--rate: '1:10' is not GROUP=HZ"},
        {{"--rate", "7=fast"}, "--rate: 'fast' is not a number from 0 to 1000"},
        {{"--start", "60,25"}, "--start: '60,25' is not LAT,LON,ALT or LAT,LON,ALT,HEADING"},
        {{"--start", "95,25,0"}, "--start: '95' is not a number from -89 to 89"},
        {{"--start-time", "2023-02-29T00:00:00"},
         "--start-time: '2023-02-29T00:00:00' is not a date and time YYYY-MM-DDTHH:MM:SS"},
        {{"--password", "twenty-one characters"}, "--password: a password has 1 to 20 characters"},
        {{"--reject", "7"}, "--reject: '7' is not MSG=CODE"},
        {{"--silence", "5"}, "--silence: '5' is not AT,SECONDS"},
        {{"--imu-data-rate", "256"}, "--imu-data-rate: '256' is not a whole number from 0 to 255"},
        {{"--log-refuse", "3"}, "--log-refuse: '3' is not a whole number from 1 to 2"},
        {{"--log-close-after", "0"},
         "--log-close-after: '0' is not a whole number from 1 to 18446744073709551615"},
    };
    for (const auto &[arguments, error] : cases) {
        EXPECT_EQ(parsed(arguments).error, error);
    }
}

TEST(OptionsTest, HelpExplainsEveryOptionWithinEightyColumns)
{
    const std::string help = help_text(simulated);
    for (const std::string_view option : {"--local ADDRESS",
                                          "--display-address ADDRESS",
                                          "--display-port PORT",
                                          "--control-port PORT",
                                          "--log-port PORT",
                                          "--log-port-2 PORT",
                                          "--groups LIST",
                                          "--rate GROUP=HZ",
                                          "--log-groups LIST",
                                          "--log-groups-2 LIST",
                                          "--echo-seconds S",
                                          "--iin-short",
                                          "--status-short",
                                          "--imu-data-rate CODE",
                                          "--pc-card-full",
                                          "--start LAT,LON,ALT[,HEADING]",
                                          "--start-time YYYY-MM-DDTHH:MM:SS",
                                          "--align-seconds S",
                                          "--speed M/S",
                                          "--line-seconds S",
                                          "--standby",
                                          "--password TEXT",
                                          "--watchdog S",
                                          "--replay FILE",
                                          "--replay-speed X",
                                          "--replay-rate HZ",
                                          "--garbage N",
                                          "--split-frames",
                                          "--bad-checksum N",
                                          "--oversized N",
                                          "--silence AT,S",
                                          "--drop-control S",
                                          "--refuse-connections",
                                          "--log-save FILE",
                                          "--log-save-2 FILE",
                                          "--log-close-after BYTES",
                                          "--log-refuse PORT",
                                          "--reject MSG=CODE",
                                          "--duration S",
                                          "--sv-count N",
                                          "--gps-mode-0",
                                          "--receiver-status P,S",
                                          "--fdir L1,L2,L3,L4,L5",
                                          "--imu-type T",
                                          "--imu-status WORD",
                                          "--help"}) {
        const std::size_t at = help.find("\n  " + std::string(option));
        ASSERT_NE(at, std::string::npos) << option;
        const char after = help[at + 3 + option.size()];
        EXPECT_TRUE(after == ' ' || after == '\n') << option << " is followed by its explanation";
    }
    std::string flowing; // the explanations without their line breaks
    std::istringstream words(help);
    for (std::string word; words >> word;) {
        flowing += word + " ";
    }
    EXPECT_NE(flowing.find("Defaults: 10 Hz: 1, 4; 1 Hz: 2, 3, 5, 6, 7, 8, 99, 17, 101, 106, "
                           "107, 102, 103, 104, 105, 108, 109, 20101, 20102, 20103, 20104, 20105, "
                           "110, 200, 201, 202, 204, 20106, 20107, 20108, 20109, 20110, 20111, "
                           "20112, 20113, 20114, 20115, 20116, "
                           "20117, 20118, 20119, 20120, 20121, 20122, 20123, 20124, 20125, "
                           "20126, 20200, 20201, 20202"),
              std::string::npos);
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(line.size(), 79u) << line;
    }
}

} // namespace
