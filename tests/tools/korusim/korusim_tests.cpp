// korusim on loopback, in-process: what goes out on the display port, the answers on the control
// port, the logging ports, replay and the fault switches.

#include "harness.h"
#include "sealed_messages.h"
#include "settings_frames.h"

#include "tools/korusim/group_encoders.h"

#include "protocol/acknowledgement.h"
#include "protocol/command_messages.h"
#include "protocol/navigation_groups.h"
#include "protocol/navigation_messages.h"
#include "recording/recording_writer.h"
#include "settings/ethernet_logging_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <set>

namespace {

using namespace korusim_test;

// "Time 2" of a group frame, read straight from its bytes.
double time_2_of(const Bytes &group)
{
    double time = 0;
    std::memcpy(&time, group.data() + 16, sizeof time);
    return time;
}

// The numbers of every simulated group, in the order they go out when due together.
std::vector<std::uint16_t> simulated_groups()
{
    std::vector<std::uint16_t> numbers;
    for (const SGroup_default &group : group_defaults(make_group_encoders())) {
        numbers.push_back(group.number);
    }
    return numbers;
}

struct SAcknowledged {
    std::uint16_t transaction;
    std::uint16_t message;
    std::uint16_t code;
    bool operator==(const SAcknowledged &) const = default;
};

std::vector<SAcknowledged> acknowledgements(const Bytes &stream)
{
    CFrame_collector collector;
    collector.feed(stream);
    std::vector<SAcknowledged> found;
    CMessage0 record;
    for (const SFound &frame : collector.found) {
        EXPECT_EQ(frame.number, 0);
        if (frame.status != EFrame_status::ok) {
            ADD_FAILURE() << "an acknowledgement failed its frame check";
            continue;
        }
        std::memcpy(record.buffer(), frame.bytes.data(), frame.bytes.size());
        found.push_back({record.header().transaction_number().get(),
                         record.message_id_received().get(), record.response_code().get()});
    }
    return found;
}

bool connected(CHarness &harness, std::string_view port_name)
{
    return harness.pump_until([&] {
        return harness.log().find(std::string(port_name) + ": 127.0.0.1:") != std::string::npos &&
               harness.log().find("connected\n") != std::string::npos;
    });
}

std::vector<SFound> groups_only(const std::vector<SFound> &frames)
{
    std::vector<SFound> groups;
    std::copy_if(frames.begin(), frames.end(), std::back_inserter(groups),
                 [](const SFound &f) { return f.kind == EFrame_kind::group; });
    return groups;
}

TEST(KorusimTest, BroadcastsCheckedGroupsFromItsOwnAddressAtTheirRates)
{
    SOptions options = test_options();
    options.local_address = 0x7F000003;
    CHarness harness(options);
    ASSERT_EQ(harness.open_result(), 0);
    harness.advance(1.0);

    const std::vector<SDatagram> datagrams = harness.display().take();
    for (const SDatagram &datagram : datagrams) {
        EXPECT_EQ(datagram.sender, 0x7F000003u);
    }
    const std::vector<SFound> frames = frames_in(datagrams);
    ASSERT_EQ(frames.size(), datagrams.size()) << "one frame per datagram";
    std::map<std::uint16_t, std::vector<double>> times;
    for (const SFound &frame : frames) {
        ASSERT_EQ(frame.status, EFrame_status::ok);
        if (frame.kind == EFrame_kind::group) {
            times[frame.number].push_back(time_2_of(frame.bytes));
        }
    }
    ASSERT_EQ(times[1].size(), 11u) << "10 Hz from 0 to 1 s";
    for (std::size_t i = 0; i < times[1].size(); ++i) {
        EXPECT_NEAR(times[1][i], 0.1 * static_cast<double>(i), 1e-9);
    }
    EXPECT_EQ(times[4].size(), 11u);
    for (const std::uint16_t slow : {2, 5, 6, 7, 8, 99, 101, 20106, 20107, 20108, 20109, 20202}) {
        EXPECT_EQ(times[slow].size(), 2u) << "1 Hz, group " << slow;
    }
    EXPECT_EQ(times[101], (std::vector<double>{0.0, 1.0}));
    EXPECT_EQ(times[7], (std::vector<double>{0.0, 1.0})) << "the PPS of 1 s";
    EXPECT_EQ(times[5], (std::vector<double>{0.0, 0.5})) << "the last event 1 came at 0.5 s";

    const auto data_port = std::find_if(frames.begin(), frames.end(),
                                        [](const SFound &f) { return f.number == 20202; });
    const Bytes address(data_port->bytes.begin() + 34, data_port->bytes.begin() + 38);
    EXPECT_EQ(address, (Bytes{std::byte{127}, std::byte{0}, std::byte{0}, std::byte{3}}));
}

TEST(KorusimTest, TheSameOptionsGiveTheSameFrames)
{
    CHarness first;
    CHarness second;
    first.advance(3.0);
    second.advance(3.0);
    const std::vector<SDatagram> a = first.display().take();
    const std::vector<SDatagram> b = second.display().take();
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].bytes, b[i].bytes) << "datagram " << i;
    }
}

TEST(KorusimTest, AcknowledgesEveryMessageWithItsNumberAndTransaction)
{
    CHarness harness;
    CClient controller(harness, harness.korusim().control_port());
    ASSERT_TRUE(connected(harness, "control port"));
    harness.display().take();

    Bytes two_messages = mode_message(17, CMessage7::navigate);
    frame_bytes::append(two_messages, control_message(18, CMsg14_control::controller_alive));
    controller.send(two_messages);
    ASSERT_TRUE(controller.wait_for_bytes(2 * 52));
    EXPECT_EQ(acknowledgements(controller.received()),
              (std::vector<SAcknowledged>{{17, 7, 1}, {18, 14, 1}}));
    EXPECT_NE(harness.log().find("control port: received message 7, transaction 17, 16 bytes\n"),
              std::string::npos);
    EXPECT_NE(harness.log().find(
                  "control port: acknowledged message 7, transaction 17 with code 1 (accepted)\n"),
              std::string::npos);

    const std::vector<SFound> echoed = frames_in(harness.display().take());
    ASSERT_GE(echoed.size(), 2u);
    EXPECT_EQ(echoed[echoed.size() - 2].bytes, mode_message(0, CMessage7::navigate))
        << "the mode is echoed";
    EXPECT_EQ(echoed.back().bytes, installation_message(0));
}

TEST(KorusimTest, ConnectingControllerGetsTheSettingsEchoed)
{
    CHarness harness;
    harness.display().take();
    CClient controller(harness, harness.korusim().control_port());
    ASSERT_TRUE(connected(harness, "control port"));
    std::vector<std::uint16_t> numbers;
    for (const SFound &frame : frames_in(harness.display().take())) {
        numbers.push_back(frame.number);
    }
    EXPECT_EQ(numbers, echo_burst);
}

// A controller reads its copies of the settings again when Message 1 comes, so every burst of
// echoes ends with it: at power-on, when a controller connects, after a change and every period.
TEST(KorusimTest, EveryBurstOfEchoesEndsWithMessage1)
{
    SOptions options = test_options();
    options.echo_seconds = 2;
    options.display_groups = {101}; // few groups: four seconds of them fit the receive buffer
    CHarness harness(options);
    CClient controller(harness, harness.korusim().control_port());
    ASSERT_TRUE(connected(harness, "control port"));
    controller.send(mode_message(5, CMessage7::navigate));
    ASSERT_TRUE(controller.wait_for_bytes(52));
    harness.advance(4.0);

    std::vector<std::vector<std::uint16_t>> bursts(1);
    for (const SFound &frame : frames_in(harness.display().take())) {
        if (frame.kind != EFrame_kind::message) {
            continue;
        }
        bursts.back().push_back(frame.number);
        if (frame.number == 1) {
            EXPECT_EQ(frame.bytes, installation_message(0));
            bursts.emplace_back();
        }
    }
    const std::vector<std::uint16_t> &all = echo_burst;
    EXPECT_EQ(bursts, (std::vector<std::vector<std::uint16_t>>{all, all, {7, 1}, all, all, {}}))
        << "power-on, connection, the mode, at 2 s and at 4 s";
}

TEST(KorusimTest, TheInstallationIsGuardedAppliedAndEchoed)
{
    SOptions options = test_options();
    options.password = "secret";
    CHarness harness(options);
    CClient controller(harness, harness.korusim().control_port());
    ASSERT_TRUE(connected(harness, "control port"));
    harness.display().take();

    std::array<float, 21> mounting{};
    mounting[9] = 0.75f; // sensor 1 lever arm X
    controller.send(sensor_mounting_message(30, mounting));
    ASSERT_TRUE(controller.wait_for_bytes(52));
    CMessage111 log_in;
    log_in.password().set("secret");
    log_in.new_password().set("secret");
    controller.send(sealed(log_in, 31));
    controller.send(sensor_mounting_message(32, mounting));
    ASSERT_TRUE(controller.wait_for_bytes(3 * 52));
    EXPECT_EQ(acknowledgements(controller.received()),
              (std::vector<SAcknowledged>{{30, 101, 11}, {31, 111, 1}, {32, 101, 1}}));

    const std::vector<SFound> echoed = frames_in(harness.display().take());
    ASSERT_EQ(echoed.size(), 2u);
    EXPECT_EQ(echoed[0].bytes, sensor_mounting_message(0, mounting));
    EXPECT_EQ(echoed[1].bytes, installation_message(0));
}

TEST(KorusimTest, AChangedGroupListChangesWhatIsBroadcast)
{
    CHarness harness;
    CClient controller(harness, harness.korusim().control_port());
    CMessage2 selection;
    selection.set_group_count(2);
    selection.groups()[0].set(101);
    selection.groups()[1].set(1);
    controller.send(sealed(selection, 3));
    ASSERT_TRUE(controller.wait_for_bytes(52));
    EXPECT_EQ(acknowledgements(controller.received()), (std::vector<SAcknowledged>{{3, 2, 1}}));

    harness.display().take();
    harness.advance(1.0);
    const std::vector<std::uint16_t> sent = group_numbers(frames_in(harness.display().take()));
    EXPECT_EQ(std::set<std::uint16_t>(sent.begin(), sent.end()), (std::set<std::uint16_t>{1, 101}));
    EXPECT_EQ(sent.size(), 11u);
    EXPECT_NE(harness.log().find("display port: broadcasting groups 101, 1\n"), std::string::npos);
}

using Sent = std::vector<std::pair<std::uint16_t, std::uint16_t>>;

// The number and byte count of every group sent in korusim's first second with `options`.
Sent sent_in_first_second(SOptions options)
{
    CHarness harness(options);
    harness.advance(1.0);
    Sent sent;
    for (const SFound &frame : groups_only(frames_in(harness.display().take()))) {
        EXPECT_EQ(frame.status, EFrame_status::ok);
        sent.emplace_back(frame.number, frame::byte_count_of(frame.bytes));
    }
    return sent;
}

TEST(KorusimTest, TheNavigatorTaskGroupsGoOutAsListedAndShortOnRequest)
{
    const auto byte_counts = [](EIin_form form) {
        SOptions options = test_options();
        options.display_groups = {20109, 20106};
        options.iin_form = form;
        return sent_in_first_second(options);
    };
    EXPECT_EQ(byte_counts(EIin_form::full),
              (Sent{{20106, 184}, {20109, 172}, {20106, 184}, {20109, 172}}));
    EXPECT_EQ(byte_counts(EIin_form::short_form),
              (Sent{{20106, 104}, {20109, 92}, {20106, 104}, {20109, 92}}));
}

// The discrete and output manager groups with and without their tails; the others keep theirs.
TEST(KorusimTest, TheStatusGroupsGoOutAsListedAndWithoutTheirTailsOnRequest)
{
    const auto byte_counts = [](EStatus_form form) {
        SOptions options = test_options();
        options.display_groups = {20126, 20115, 20110};
        options.status_form = form;
        return sent_in_first_second(options);
    };
    EXPECT_EQ(
        byte_counts(EStatus_form::full),
        (Sent{{20110, 192}, {20115, 156}, {20126, 52}, {20110, 192}, {20115, 156}, {20126, 52}}));
    EXPECT_EQ(
        byte_counts(EStatus_form::short_form),
        (Sent{{20110, 160}, {20115, 136}, {20126, 52}, {20110, 160}, {20115, 136}, {20126, 52}}));
}

TEST(KorusimTest, OneControllerAtATime)
{
    CHarness harness;
    CClient first(harness, harness.korusim().control_port());
    ASSERT_TRUE(connected(harness, "control port"));
    CClient second(harness, harness.korusim().control_port());
    EXPECT_TRUE(second.wait_for_close()) << "the second is closed at once";
    EXPECT_NE(harness.log().find("closed at once"), std::string::npos);

    first.send(control_message(9, CMsg14_control::controller_alive));
    ASSERT_TRUE(first.wait_for_bytes(52));
    EXPECT_FALSE(first.closed());
    EXPECT_EQ(acknowledgements(first.received()), (std::vector<SAcknowledged>{{9, 14, 1}}));
}

TEST(KorusimTest, TheWatchdogDropsAControllerThatWentQuiet)
{
    CHarness harness;
    CClient controller(harness, harness.korusim().control_port());
    ASSERT_TRUE(connected(harness, "control port"));
    harness.advance(29, 0.25);
    controller.send(control_message(1, CMsg14_control::controller_alive));
    ASSERT_TRUE(controller.wait_for_bytes(52));
    harness.advance(29, 0.25);
    controller.read_waiting();
    EXPECT_FALSE(controller.closed()) << "the keep-alive restarted the watchdog";
    harness.advance(1.5, 0.25);
    EXPECT_TRUE(controller.wait_for_close());
    EXPECT_NE(harness.log().find("watchdog: no message for 30 s"), std::string::npos);
}

TEST(KorusimTest, TheControllerMayDisconnectOrShutTheComputerDown)
{
    CHarness harness;
    {
        CClient controller(harness, harness.korusim().control_port());
        controller.send(control_message(4, CMsg14_control::controller_disconnecting));
        EXPECT_TRUE(controller.wait_for_close());
        EXPECT_EQ(acknowledgements(controller.received()),
                  (std::vector<SAcknowledged>{{4, 14, 1}}));
        EXPECT_FALSE(harness.korusim().finished());
    }
    CClient controller(harness, harness.korusim().control_port());
    controller.send(control_message(5, CMsg14_control::shut_down_computer));
    EXPECT_TRUE(controller.wait_for_close());
    EXPECT_EQ(acknowledgements(controller.received()), (std::vector<SAcknowledged>{{5, 14, 1}}));
    EXPECT_TRUE(harness.korusim().finished());
}

TEST(KorusimTest, LoggingPortsStreamTheirGroupsAsTheyAreBroadcast)
{
    SOptions options = test_options();
    options.logging_groups[0] = {1, 101};
    CHarness harness(options);
    CClient logger(harness, harness.korusim().logging_port(0));
    ASSERT_TRUE(connected(harness, "primary logging port"));
    harness.display().take();
    harness.advance(1.0);

    std::vector<SFound> broadcast = groups_only(frames_in(harness.display().take()));
    std::erase_if(broadcast, [](const SFound &f) { return f.number != 1 && f.number != 101; });
    ASSERT_EQ(broadcast.size(), 11u);
    std::size_t length = 0;
    for (const SFound &frame : broadcast) {
        length += frame.bytes.size();
    }
    ASSERT_TRUE(logger.wait_for_bytes(length));
    CFrame_collector stream;
    stream.feed(logger.received());
    ASSERT_EQ(stream.found.size(), broadcast.size());
    for (std::size_t i = 0; i < broadcast.size(); ++i) {
        EXPECT_EQ(stream.found[i].bytes, broadcast[i].bytes) << "frame " << i;
    }
}

// Message 3 changes what the primary port streams from the next frame on; the saved file holds
// every byte the port sent, to compare with what a logger wrote.
TEST(KorusimTest, Message3ChangesThePrimaryStreamAndTheSavedFileHoldsWhatWasSent)
{
    SOptions options = test_options();
    options.logging_groups[0] = {1};
    options.logging_saves[0] = ::testing::TempDir() + "korusim_log_save_" +
                               std::to_string(reinterpret_cast<std::uintptr_t>(&options)) + ".raw";
    CHarness harness(options);
    CClient logger(harness, harness.korusim().logging_port(0));
    ASSERT_TRUE(connected(harness, "primary logging port"));
    harness.advance(0.5);

    CClient controller(harness, harness.korusim().control_port());
    CMessage3 selection;
    selection.set_group_count(1);
    selection.groups()[0].set(101);
    controller.send(sealed(selection, 7));
    ASSERT_TRUE(controller.wait_for_bytes(52));
    EXPECT_EQ(acknowledgements(controller.received()), (std::vector<SAcknowledged>{{7, 3, 1}}));
    harness.advance(1.0);
    ASSERT_TRUE(harness.pump_until([&] {
        logger.read_waiting();
        CFrame_collector stream;
        stream.feed(logger.received());
        return !stream.found.empty() && stream.found.back().number == 101;
    }));

    // Group 1 until the change, group 101 after it.
    CFrame_collector stream;
    stream.feed(logger.received());
    std::vector<std::uint16_t> numbers;
    for (const SFound &frame : stream.found) {
        numbers.push_back(frame.number);
    }
    const auto first_101 = std::find(numbers.begin(), numbers.end(), 101);
    ASSERT_NE(first_101, numbers.begin());
    EXPECT_TRUE(std::all_of(numbers.begin(), first_101, [](auto n) { return n == 1; }));
    EXPECT_TRUE(std::all_of(first_101, numbers.end(), [](auto n) { return n == 101; }));

    logger.read_waiting();
    std::ifstream saved(options.logging_saves[0], std::ios::binary);
    const std::string kept((std::istreambuf_iterator<char>(saved)),
                           std::istreambuf_iterator<char>());
    ASSERT_EQ(kept.size(), logger.received().size());
    EXPECT_TRUE(std::equal(kept.begin(), kept.end(), logger.received().begin(),
                           [](char c, std::byte b) { return static_cast<std::byte>(c) == b; }));
}

// A port closed after N bytes cuts the frame that crosses N; a refused port takes no client.
TEST(KorusimTest, LoggingPortsCloseAfterABudgetOrRefuseOnRequest)
{
    SOptions options = test_options();
    options.logging_groups[1] = {1, 101};
    options.faults.logging_close_after = 1000;
    options.faults.refuse_logging[0] = true;
    CHarness harness(options);
    CClient refused(harness, harness.korusim().logging_port(0));
    CClient logger(harness, harness.korusim().logging_port(1));
    ASSERT_TRUE(connected(harness, "secondary logging port"));
    harness.advance(2.0);
    EXPECT_TRUE(logger.wait_for_close());
    EXPECT_EQ(logger.received().size(), 1000u);
    EXPECT_NE(harness.log().find("secondary logging port: closing after 1000 bytes"),
              std::string::npos);
    EXPECT_TRUE(refused.connect_error() != 0 || refused.wait_for_close())
        << "nothing listens on the refused port";
    EXPECT_NE(harness.log().find("primary logging port refuses connections"), std::string::npos);
}

TEST(KorusimTest, AStreamTheClientCannotTakeAtOnceArrivesWholeAndInOrder)
{
    SOptions options = test_options();
    options.rates[1] = 1000;
    options.logging_groups[0] = {1};
    CHarness harness(options);
    CClient logger(harness, harness.korusim().logging_port(0), 4096);
    ASSERT_TRUE(connected(harness, "primary logging port"));
    // Far more than the socket buffers hold: most of it waits in korusim's queue.
    harness.advance(3.0, 0.05);
    ASSERT_TRUE(logger.wait_for_bytes(2990 * 140));

    CFrame_collector stream;
    stream.feed(logger.received());
    ASSERT_GE(stream.found.size(), 2990u);
    const double first = time_2_of(stream.found.front().bytes);
    for (std::size_t i = 0; i < stream.found.size(); ++i) {
        ASSERT_EQ(stream.found[i].status, EFrame_status::ok) << "frame " << i;
        EXPECT_NEAR(time_2_of(stream.found[i].bytes), first + 0.001 * static_cast<double>(i), 1e-9);
    }
    EXPECT_EQ(harness.log().find("frames are being lost"), std::string::npos);
}

TEST(KorusimTest, ReplayReproducesARecordedFileByteForByteAtItsPace)
{
    SOptions recording = test_options();
    recording.display_groups = {1, 101};
    CHarness recorder(recording);
    recorder.advance(2.0);
    const std::vector<SFound> recorded = frames_in(recorder.display().take());

    // What the PC logger writes, with some garbage of a broken connection between frames.
    const std::string path = ::testing::TempDir() + "korusim_replay_" +
                             std::to_string(reinterpret_cast<std::uintptr_t>(&recorder)) + ".raw";
    {
        std::ofstream file(path, std::ios::binary);
        for (std::size_t i = 0; i < recorded.size(); ++i) {
            if (i == 3) {
                file.write("$GR#junk", 8);
            }
            file.write(reinterpret_cast<const char *>(recorded[i].bytes.data()),
                       static_cast<std::streamsize>(recorded[i].bytes.size()));
        }
    }

    SOptions fast = test_options();
    fast.replay_file = path;
    fast.replay_speed = 10;
    CHarness replaying(fast);
    replaying.advance(0.3);
    const std::vector<SDatagram> replayed = replaying.display().take();
    ASSERT_EQ(replayed.size(), recorded.size());
    for (std::size_t i = 0; i < recorded.size(); ++i) {
        EXPECT_EQ(replayed[i].bytes, recorded[i].bytes) << "frame " << i;
    }
    EXPECT_NE(replaying.log().find("replay: finished, " + std::to_string(recorded.size()) +
                                   " frames played"),
              std::string::npos);

    SOptions as_recorded = fast;
    as_recorded.replay_speed = 1;
    CHarness paced(as_recorded);
    const std::size_t at_start = groups_only(frames_in(paced.display().take())).size();
    paced.advance(0.1);
    const std::size_t a_tenth_later = groups_only(frames_in(paced.display().take())).size();
    EXPECT_EQ(at_start, 2u) << "groups 1 and 101 of time 0";
    EXPECT_EQ(a_tenth_later, 1u) << "group 1 of time 0.1";
    std::remove(path.c_str());
}

// A recording of the display port: the datagrams as received, one frame split over two of them,
// 50 ms apart, with damage in the middle, replayed at its pace and told.
TEST(KorusimTest, ReplayOfADisplayPortRecordingSendsItsFramesAtTheirArrivalPace)
{
    SOptions live = test_options();
    live.display_groups = {1};
    CHarness recorder(live);
    recorder.advance(0.5);
    const std::vector<SFound> recorded = frames_in(recorder.display().take());
    ASSERT_GE(recorded.size(), 6u);

    const std::string path = ::testing::TempDir() + "korusim_recording_" +
                             std::to_string(reinterpret_cast<std::uintptr_t>(&recorder)) + ".tvr";
    constexpr std::uint64_t start_us = 1'700'000'000'000'000;
    {
        CRecording_writer writer;
        ASSERT_EQ(writer.open(path), 0);
        for (std::size_t i = 0; i < 6; ++i) {
            const std::vector<std::byte> &frame = recorded[i].bytes;
            const std::uint64_t arrival = start_us + i * 50'000;
            if (i == 1) {
                const std::size_t half = frame.size() / 2;
                ASSERT_EQ(writer.write(arrival, {frame.data(), half}), 0);
                ASSERT_EQ(writer.write(arrival, {frame.data() + half, frame.size() - half}), 0);
            } else {
                ASSERT_EQ(writer.write(arrival, frame), 0);
            }
        }
        ASSERT_EQ(writer.close(), 0);
    }
    {
        std::ofstream cut(path, std::ios::binary | std::ios::app);
        cut.write("TVDR\x01\x02", 6); // a record cut short by the end of the file
    }

    SOptions replay = test_options();
    replay.replay_file = path;
    CHarness replaying(replay);
    std::size_t frames_sent = frames_in(replaying.display().take()).size();
    EXPECT_EQ(frames_sent, 1u) << "the first frame at once";
    replaying.advance(0.12);
    frames_sent += frames_in(replaying.display().take()).size();
    EXPECT_EQ(frames_sent, 3u) << "two more 50 ms apart, the split one whole";
    replaying.advance(1.0);
    const std::vector<SFound> rest = frames_in(replaying.display().take());
    ASSERT_EQ(frames_sent + rest.size(), 6u);
    EXPECT_EQ(rest.back().bytes, recorded[5].bytes);
    EXPECT_NE(replaying.log().find("replay: damaged recording: cut short at byte"),
              std::string::npos)
        << replaying.log();
    std::remove(path.c_str());
}

// The first turn of the loop sends every simulated group once, then the settings echoes.
const std::size_t first_turn_frames = simulated_groups().size() + echo_burst.size();

class FaultTest : public ::testing::Test {
protected:
    // The frames of the first turn of the loop (every group and the settings echoes).
    std::vector<SDatagram> first_datagrams(const std::function<void(SFault_options &)> &set)
    {
        SOptions options = test_options();
        set(options.faults);
        CHarness harness(options);
        return harness.display().take();
    }
};

TEST_F(FaultTest, BadChecksumsFailTheCheck)
{
    const std::vector<SFound> frames =
        frames_in(first_datagrams([](SFault_options &f) { f.bad_checksum_every = 2; }));
    ASSERT_EQ(frames.size(), first_turn_frames);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i].status, i % 2 == 1 ? EFrame_status::bad_checksum : EFrame_status::ok);
    }
}

TEST_F(FaultTest, OversizedByteCountsAreRefused)
{
    const std::vector<SDatagram> datagrams =
        first_datagrams([](SFault_options &f) { f.oversized_every = 1; });
    for (const SDatagram &datagram : datagrams) {
        EXPECT_EQ(frame::byte_count_of(datagram.bytes), 0xFFF0);
    }
    for (const SFound &frame : frames_in(datagrams)) {
        EXPECT_NE(frame.status, EFrame_status::ok);
    }
}

TEST_F(FaultTest, SplitFramesReassemble)
{
    const std::vector<SDatagram> datagrams =
        first_datagrams([](SFault_options &f) { f.split_frames = true; });
    ASSERT_EQ(datagrams.size(), 2 * first_turn_frames);
    for (const SDatagram &datagram : datagrams) {
        EXPECT_TRUE(frames_in({datagram}).empty()) << "no datagram holds a whole frame";
    }
    const std::vector<SFound> frames = frames_in(datagrams);
    ASSERT_EQ(frames.size(), first_turn_frames);
    for (const SFound &frame : frames) {
        EXPECT_EQ(frame.status, EFrame_status::ok);
    }
}

TEST_F(FaultTest, GarbageComesBeforeEveryFrame)
{
    const std::vector<SDatagram> datagrams =
        first_datagrams([](SFault_options &f) { f.garbage_bytes = 7; });
    for (const SDatagram &datagram : datagrams) {
        const Bytes garbage(datagram.bytes.begin(), datagram.bytes.begin() + 7);
        EXPECT_EQ(std::count(garbage.begin(), garbage.end(), std::byte{'$'}), 0);
        EXPECT_EQ(datagram.bytes[7], std::byte{'$'});
    }
    const std::vector<SFound> frames = frames_in(datagrams);
    EXPECT_EQ(frames.size(), first_turn_frames);
    EXPECT_TRUE(std::all_of(frames.begin(), frames.end(),
                            [](const SFound &f) { return f.status == EFrame_status::ok; }));
}

TEST_F(FaultTest, SilenceStopsBroadcastsAndAnswers)
{
    SOptions options = test_options();
    options.faults.silence_at = 1;
    options.faults.silence_seconds = 2;
    CHarness harness(options);
    CClient controller(harness, harness.korusim().control_port());
    ASSERT_TRUE(connected(harness, "control port"));
    harness.advance(0.9);
    harness.display().take();

    harness.advance(1.0);
    controller.send(control_message(1, CMsg14_control::controller_alive));
    harness.pump_until(
        [&] { return harness.log().find("ignored: the computer is silent") != std::string::npos; });
    harness.advance(1.0);
    EXPECT_TRUE(harness.display().take().empty());
    controller.read_waiting();
    EXPECT_TRUE(controller.received().empty()) << "nothing answered while silent";

    harness.advance(0.2);
    std::vector<std::uint16_t> due = simulated_groups();
    due.insert(due.end(), {1, 4});
    EXPECT_EQ(group_numbers(frames_in(harness.display().take())), due)
        << "what is due at 3 s and 3.1 s";
    EXPECT_NE(harness.log().find("fault: silence over"), std::string::npos);
}

TEST_F(FaultTest, TheControlConnectionIsDropped)
{
    SOptions options = test_options();
    options.faults.drop_control_after = 5;
    CHarness harness(options);
    CClient controller(harness, harness.korusim().control_port());
    ASSERT_TRUE(connected(harness, "control port"));
    harness.advance(4.5, 0.5);
    controller.read_waiting();
    EXPECT_FALSE(controller.closed());
    harness.advance(1.0, 0.5);
    EXPECT_TRUE(controller.wait_for_close());
}

TEST_F(FaultTest, ConnectionsAreRefused)
{
    // A port held by a socket that does not listen: nobody else takes it meanwhile.
    CSocket holder(SOCK_STREAM);
    const sockaddr_in any = loopback(0x7F000001, 0);
    ASSERT_EQ(bind(holder.fd(), reinterpret_cast<const sockaddr *>(&any), sizeof any), 0);
    const std::uint16_t port = bound_port(holder.fd());

    SOptions options = test_options();
    options.control_port = port;
    options.faults.refuse_connections = true;
    CHarness harness(options);
    ASSERT_EQ(harness.open_result(), 0);
    CClient controller(harness, port);
    EXPECT_EQ(controller.connect_error(), ECONNREFUSED);
}

TEST_F(FaultTest, AGivenMessageIsRejectedWithTheGivenCode)
{
    SOptions options = test_options();
    options.faults.responses = {{7, 5}};
    CHarness harness(options);
    CClient controller(harness, harness.korusim().control_port());
    controller.send(mode_message(40, CMessage7::standby));
    ASSERT_TRUE(controller.wait_for_bytes(52));
    EXPECT_EQ(acknowledgements(controller.received()), (std::vector<SAcknowledged>{{40, 7, 5}}));
    EXPECT_NE(harness.log().find("with code 5 (rejected)"), std::string::npos);
}

} // namespace
