// The simulated computer without sockets: what it answers to each message, what it applies, what
// it echoes, and the password it checks.

#include "tools/korusim/computer.h"

#include "protocol/group_buffer.h"

#include "frame_bytes.h"
#include "sealed_messages.h"
#include "settings_frames.h"

#include <gtest/gtest.h>

#include <tuple>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string_view>
#include <vector>

namespace {

using frame_bytes::Bytes;
using namespace korusim_test;
using frame_bytes::put_u16;
using frame_bytes::put_u8;

Bytes message2(std::uint16_t transaction, const std::vector<std::uint16_t> &groups)
{
    CMessage2 message;
    message.set_group_count(groups.size());
    for (std::size_t i = 0; i < groups.size(); ++i) {
        message.groups()[i].set(groups[i]);
    }
    return sealed(message, transaction);
}

Bytes message111(std::uint16_t transaction, std::uint8_t control, std::string_view password,
                 std::string_view new_password)
{
    CMessage111 message;
    message.password_control().set(control);
    message.password().set(password);
    message.new_password().set(new_password);
    return sealed(message, transaction);
}

Bytes message_with(std::uint16_t number, std::uint16_t transaction, std::uint8_t value)
{
    Bytes body;
    put_u8(body, value);
    return frame_bytes::message(number, transaction, body);
}

// Message 0 written out byte by byte.
Bytes acknowledgement_bytes(std::uint16_t transaction, std::uint16_t number, std::uint16_t code,
                            bool new_parameters, std::string_view parameter = {})
{
    Bytes body;
    put_u16(body, number);
    put_u16(body, code);
    put_u8(body, new_parameters ? 1 : 0);
    Bytes name(32);
    std::transform(parameter.begin(), parameter.end(), name.begin(),
                   [](char c) { return std::byte(c); });
    frame_bytes::append(body, name);
    return frame_bytes::message(0, transaction, body);
}

// Every echo due, sealed, in the order they go out.
std::vector<Bytes> echoes_of(CComputer &computer)
{
    std::vector<Bytes> frames;
    computer.take_echoes(
        [&frames](std::span<const std::byte> frame) { frames.push_back(bytes_of(frame)); });
    return frames;
}

std::vector<std::uint16_t> numbers_of(const std::vector<Bytes> &frames)
{
    std::vector<std::uint16_t> numbers;
    for (const Bytes &frame : frames) {
        numbers.push_back(frame::number_of(frame));
    }
    return numbers;
}

// The frame of message `number` among `frames`; empty when there is none.
Bytes frame_numbered(const std::vector<Bytes> &frames, std::uint16_t number)
{
    for (const Bytes &frame : frames) {
        if (frame::number_of(frame) == number) {
            return frame;
        }
    }
    return {};
}

SOptions options_with(std::vector<std::uint16_t> display_groups)
{
    SOptions options;
    options.display_groups = std::move(display_groups);
    return options;
}

class ComputerTest : public ::testing::Test {
protected:
    SAnswer send(const Bytes &frame, double t = 1.0, EFrame_status status = EFrame_status::ok)
    {
        return computer.answer(frame, status, t);
    }
    Bytes acknowledged(const Bytes &frame, double t = 1.0)
    {
        return bytes_of(computer.acknowledgement(send(frame, t)));
    }
    std::vector<Bytes> echoes() { return echoes_of(computer); }

    SOptions options = options_with({1, 2, 101});
    CComputer computer{options};
};

TEST_F(ComputerTest, AcknowledgesWithTheNumberAndTransactionReceived)
{
    EXPECT_EQ(acknowledged(control_message(4711, CMsg14_control::controller_alive)),
              acknowledgement_bytes(4711, 14, 1, false));
    EXPECT_EQ(acknowledged(message2(65534, {1, 101})), acknowledgement_bytes(65534, 2, 1, true));
}

TEST_F(ComputerTest, FramesFailingTheirCheckAreAnsweredWithTheFailure)
{
    Bytes corrupt = mode_message(12, CMessage7::standby);
    corrupt[10] = std::byte{2};
    EXPECT_EQ(bytes_of(computer.acknowledgement(send(corrupt, 1, EFrame_status::bad_checksum))),
              acknowledgement_bytes(12, 7, 10, false));
    EXPECT_EQ(computer.phase_at(1), ENav_phase::coarse_leveling) << "nothing applied";
    EXPECT_EQ(send(corrupt, 1, EFrame_status::bad_end).code, response::end_error);

    // A byte count too large leaves only the prefix: there is no transaction number to return.
    const Bytes prefix(corrupt.begin(), corrupt.begin() + 8);
    EXPECT_EQ(bytes_of(computer.acknowledgement(send(prefix, 1, EFrame_status::bad_byte_count))),
              acknowledgement_bytes(0, 7, 9, false));
}

TEST_F(ComputerTest, ModeStartsAndStopsNavigationAndIsEchoed)
{
    EXPECT_EQ(computer.phase_at(0.5), ENav_phase::coarse_leveling);
    EXPECT_EQ(send(mode_message(1, CMessage7::standby), 2).code, 1);
    EXPECT_EQ(computer.phase_at(2), ENav_phase::standby);
    EXPECT_EQ(echoes(),
              (std::vector<Bytes>{mode_message(0, CMessage7::standby), installation_message(0)}))
        << "a burst of echoes ends with Message 1";
    EXPECT_TRUE(echoes().empty()) << "an echo goes out once";

    EXPECT_EQ(send(mode_message(2, CMessage7::navigate), 100).code, 1);
    EXPECT_EQ(computer.phase_at(100), ENav_phase::coarse_leveling) << "alignment starts again";
    EXPECT_EQ(computer.phase_at(100 + options.align_seconds), ENav_phase::full_navigation);
    EXPECT_EQ(echoes(),
              (std::vector<Bytes>{mode_message(0, CMessage7::navigate), installation_message(0)}));

    const SAnswer wrong = send(mode_message(3, 9), 200);
    EXPECT_EQ(wrong.code, response::parameter_error);
    EXPECT_EQ(wrong.parameter_name, "Mode Type");
    EXPECT_EQ(bytes_of(computer.acknowledgement(wrong)),
              acknowledgement_bytes(3, 7, 4, false, "Mode Type"));
    EXPECT_TRUE(echoes().empty());
}

TEST_F(ComputerTest, DisplayGroupListChangesWhatIsBroadcast)
{
    EXPECT_TRUE(computer.displays_group(2));
    EXPECT_EQ(send(message2(5, {1, 4, 3})).code, 1);
    EXPECT_EQ(computer.display_groups(), (std::vector<std::uint16_t>{1, 4, 3}));
    EXPECT_FALSE(computer.displays_group(2));
    EXPECT_TRUE(computer.displays_group(4));
    EXPECT_EQ(echoes(), (std::vector<Bytes>{message2(0, {1, 4, 3}), installation_message(0)}));

    // A count larger than the frame holds is refused and changes nothing.
    Bytes overcounted = message2(6, {1, 2});
    overcounted[10] = std::byte{40};
    frame::write_checksum(overcounted);
    const SAnswer refused = send(overcounted);
    EXPECT_EQ(refused.code, response::parameter_error);
    EXPECT_EQ(refused.parameter_name, "Number of Groups for Display");
    EXPECT_EQ(computer.display_groups(), (std::vector<std::uint16_t>{1, 4, 3}));
}

TEST_F(ComputerTest, FramesShorterOrLongerThanTheirLayout)
{
    // General data cut after the date: the position would be read from nothing.
    CMessage13 general;
    general.initial_latitude().set(10.0);
    const Bytes whole = sealed(general, 8);
    const Bytes cut = frame_bytes::message(13, 8, Bytes(whole.begin() + 10, whole.begin() + 20));
    EXPECT_EQ(send(cut).code, response::byte_count_error);
    EXPECT_TRUE(echoes().empty());

    Bytes body = {std::byte{CMessage7::standby},
                  std::byte{0},
                  std::byte{0},
                  std::byte{0},
                  std::byte{0},
                  std::byte{0}};
    EXPECT_EQ(send(frame_bytes::message(7, 9, body), 3).code, response::accepted_too_long);
    EXPECT_EQ(computer.phase_at(3), ENav_phase::standby) << "applied";
}

TEST_F(ComputerTest, GeneralDataOutOfRangeIsRefusedByName)
{
    CMessage13 general;
    general.initial_latitude().set(45.0);
    general.initial_longitude().set(200.0);
    general.initial_altitude().set(10.0);
    general.initial_heading().set(0.0);
    const SAnswer answer = send(sealed(general, 2));
    EXPECT_EQ(answer.code, response::parameter_error);
    EXPECT_EQ(answer.parameter_name, "General Data Initial Longitude");

    general.initial_longitude().set(20.0);
    EXPECT_EQ(send(sealed(general, 3)).code, 1);
    general.seal(0);
    EXPECT_EQ(echoes(), (std::vector<Bytes>{bytes_of(general.frame()), installation_message(0)}));
}

TEST_F(ComputerTest, MessagesWithoutALayoutAreAcceptedWithoutEffect)
{
    const SAnswer answer = send(message_with(30000, 77, 0));
    EXPECT_EQ(answer.code, 1);
    EXPECT_FALSE(answer.known);
    EXPECT_TRUE(echoes().empty());
}

TEST_F(ComputerTest, ControlCommandsSayWhatFollowsTheAnswer)
{
    EXPECT_EQ(send(control_message(1, CMsg14_control::controller_alive)).after, EAfter::nothing);
    EXPECT_EQ(send(control_message(2, CMsg14_control::controller_disconnecting)).after,
              EAfter::disconnect);
    EXPECT_EQ(send(control_message(3, CMsg14_control::reset_computer)).after, EAfter::restart);
    EXPECT_EQ(send(control_message(4, CMsg14_control::shut_down_computer)).after,
              EAfter::shut_down);
    EXPECT_EQ(send(control_message(5, 55)).code, response::parameter_error);
}

TEST_F(ComputerTest, RestartPowersOnAgainWithTheSavedSettings)
{
    const std::uint32_t runs = computer.snapshot(1).run.runs;
    send(message2(1, {1}));
    computer.restart(50);
    const SSnapshot snapshot = computer.snapshot(52);
    EXPECT_DOUBLE_EQ(snapshot.time, 2.0);
    EXPECT_EQ(snapshot.phase.phase, ENav_phase::coarse_leveling);
    EXPECT_EQ(snapshot.run.runs, runs + 1);
    EXPECT_EQ(computer.display_groups(), (std::vector<std::uint16_t>{1, 2, 101}));
}

TEST_F(ComputerTest, SaveAndRestoreSettings)
{
    constexpr std::uint32_t config_differs = 1u << 16;
    constexpr std::uint32_t saved = 1u << 17;
    const auto status_a = [this](double t) { return computer.snapshot(t).status.general_status_a; };
    EXPECT_EQ(status_a(1) & (config_differs | saved), 0u);

    send(message2(1, {1, 101}), 2);
    EXPECT_EQ(status_a(2) & (config_differs | saved), config_differs);
    EXPECT_EQ(send(message_with(8, 2, 1), 3).code, 1);
    EXPECT_EQ(status_a(3) & (config_differs | saved), saved);

    send(message2(3, {4}), 4);
    EXPECT_EQ(send(message_with(9, 4, 1), 5).code, 1);
    EXPECT_EQ(computer.display_groups(), (std::vector<std::uint16_t>{1, 101}));
    EXPECT_EQ(send(message_with(9, 5, 0), 6).code, 1);
    EXPECT_EQ(computer.display_groups(), (std::vector<std::uint16_t>{1, 2, 101}));
    const std::vector<Bytes> burst = echoes();
    EXPECT_EQ(numbers_of(burst), settings_echo_burst) << "every setting once, Message 1 last";
    EXPECT_EQ(burst.front(), display_groups_message(0, {1, 2, 101}));
    EXPECT_EQ(frame_numbered(burst, 101), sensor_mounting_message(0));
    EXPECT_EQ(burst.back(), installation_message(0));
}

TEST_F(ComputerTest, AnAcceptedSettingIsEchoedAloneAndEndsItsBurst)
{
    SInstallation values;
    values.time_types = 0x31; // time type 2 user time, time type 1 GPS time
    values.distance_select = 2;
    values.auto_start = 1;
    values.vectors = {1.5f, -2.0f, 0.25f, 0, 0, 0, 0, 0, 179.0f, 3.0f, 0, 0, 0, -45.0f, 0};
    values.multipath = 0;
    EXPECT_EQ(acknowledged(installation_message(7, values)), acknowledgement_bytes(7, 1, 1, true));
    EXPECT_EQ(echoes(), std::vector<Bytes>{installation_message(0, values)});

    std::array<float, 21> mounting{};
    mounting[0] = 90.0f;    // sensor 1 roll
    mounting[17] = -1.25f;  // heave lever arm Z
    mounting[18] = 9999.0f; // second auxiliary antenna X
    EXPECT_EQ(acknowledged(sensor_mounting_message(8, mounting)),
              acknowledgement_bytes(8, 101, 1, true));
    EXPECT_EQ(echoes(), (std::vector<Bytes>{sensor_mounting_message(0, mounting),
                                            installation_message(0, values)}));
}

TEST_F(ComputerTest, SettingsOutOfRangeAreRefusedByName)
{
    const auto installation_with = [](const std::function<void(SInstallation &)> &change) {
        SInstallation values;
        change(values);
        return installation_message(3, values);
    };
    const auto mounting_with = [](std::size_t index, float value) {
        std::array<float, 21> vectors{};
        vectors[index] = value;
        return sensor_mounting_message(3, vectors);
    };
    const std::vector<std::pair<Bytes, std::string_view>> cases = {
        {installation_with([](SInstallation &v) { v.time_types = 0x03; }), "Time Type 1"},
        {installation_with([](SInstallation &v) { v.time_types = 0x42; }), "Time Type 2"},
        {installation_with([](SInstallation &v) { v.distance_select = 0; }), "Distance Select"},
        {installation_with([](SInstallation &v) { v.distance_select = 3; }), "Distance Select"},
        {installation_with([](SInstallation &v) { v.vectors[1] = 10000.5f; }),
         "Reference to IMU Lever Arm"},
        {installation_with([](SInstallation &v) { v.vectors[8] = std::nanf(""); }),
         "IMU to Reference Mounting Angle"},
        {installation_with([](SInstallation &v) { v.vectors[13] = -180.5f; }),
         "Vessel to Reference Mounting Angle"},
        {installation_with([](SInstallation &v) { v.multipath = 3; }), "Multipath"},
        {mounting_with(2, 181.0f), "Sensor 1 to frame Mount Angles"},
        {mounting_with(17, -10001.0f), "Reference to Heave lever arms"},
    };
    for (const auto &[frame, parameter] : cases) {
        const SAnswer answer = send(frame);
        EXPECT_EQ(answer.code, response::parameter_error) << parameter;
        EXPECT_EQ(answer.parameter_name, parameter);
    }
    // The name field holds 32 characters: a longer name goes out cut.
    EXPECT_EQ(acknowledged(installation_with([](SInstallation &v) { v.vectors[13] = 200.0f; })),
              acknowledgement_bytes(3, 1, 4, false, "Vessel to Reference Mounting Ang"));
    EXPECT_TRUE(echoes().empty()) << "nothing refused is applied";
    computer.request_echoes();
    const std::vector<Bytes> burst = echoes();
    EXPECT_EQ(frame_numbered(burst, 101), sensor_mounting_message(0));
    EXPECT_EQ(burst.back(), installation_message(0));
}

// A controller sends back what the computer echoed (a settings file holds the echoes): every
// factory setting passes the computer's own check.
TEST_F(ComputerTest, EveryEchoIsTakenBackWhenSent)
{
    computer.request_echoes();
    const std::vector<Bytes> burst = echoes();
    ASSERT_EQ(numbers_of(burst), echo_burst);
    for (const Bytes &echo : burst) {
        EXPECT_EQ(send(echo).code, response::accepted) << frame::number_of(echo);
    }
}

// The echo of message `number` with `bytes` written at message offset `at`.
Bytes echo_changed(CComputer &computer, std::uint16_t number, std::size_t at, const Bytes &bytes)
{
    computer.request_echoes();
    Bytes frame = frame_numbered(echoes_of(computer), number);
    std::copy(bytes.begin(), bytes.end(), frame.begin() + static_cast<std::ptrdiff_t>(at));
    return frame;
}

TEST_F(ComputerTest, PortAndPeripheralSettingsOutOfRangeAreRefusedByName)
{
    Bytes heading;
    frame_bytes::put_f32(heading, 360.5F);
    Bytes gain;
    frame_bytes::put_f64(gain, 0.0);
    const std::vector<std::tuple<std::uint16_t, std::size_t, Bytes, std::string>> cases = {
        {102, 19, {std::byte{0x2B}, std::byte{0}}, "Parity"}, // parity 3
        {102, 21, {std::byte{3}, std::byte{0}}, "COM Port Update Rate"},
        {103, 13, {std::byte{21}, std::byte{0}}, "Formula Select"},
        {103, 21, {std::byte{251}}, "TM1B Additional Delay"},
        {104, 18, {std::byte{2}}, " AUX 1 Protocol"},
        {105, 25, {std::byte{7}}, "Formula Select"},
        {4, 20, {std::byte{0}, std::byte{0}}, "Logging Port Output Rate"}, // four groups, rate 0
        {17, 10, {std::byte{5}}, "Mode Control"},
        {20201, 34, gain, "Gain"},
        {20205, 10, {std::byte{2}}, "Gimbal Control"},
        {20102, 18, heading, "Heading Input"},
    };
    for (const auto &[number, at, bytes, parameter] : cases) {
        const SAnswer answer = send(echo_changed(computer, number, at, bytes));
        EXPECT_EQ(answer.code, response::parameter_error) << number << " " << parameter;
        EXPECT_EQ(answer.parameter_name, parameter) << number;
    }
    EXPECT_TRUE(echoes().empty()) << "nothing refused is applied";
}

TEST_F(ComputerTest, SaveThenChangeThenRestoreBringsTheSavedSettingsBack)
{
    SInstallation saved_values;
    saved_values.vectors[0] = 1.0f;
    std::array<float, 21> saved_mounting{};
    saved_mounting[5] = 5.0f;
    send(installation_message(1, saved_values));
    send(sensor_mounting_message(2, saved_mounting));
    EXPECT_EQ(send(message_with(8, 3, 1), 2).code, 1);

    SInstallation changed;
    changed.vectors[0] = 2.0f;
    changed.multipath = 1;
    send(installation_message(4, changed), 3);
    send(sensor_mounting_message(5), 3);
    send(display_groups_message(6, {1, 4}), 3);
    echoes();

    EXPECT_EQ(send(message_with(9, 7, 1), 4).code, 1) << "the user's saved settings";
    std::vector<Bytes> burst = echoes();
    EXPECT_EQ(numbers_of(burst), settings_echo_burst);
    EXPECT_EQ(burst.front(), display_groups_message(0, {1, 2, 101}));
    EXPECT_EQ(frame_numbered(burst, 101), sensor_mounting_message(0, saved_mounting));
    EXPECT_EQ(burst.back(), installation_message(0, saved_values));

    EXPECT_EQ(send(message_with(9, 8, 0), 5).code, 1) << "the factory settings";
    burst = echoes();
    EXPECT_EQ(numbers_of(burst), settings_echo_burst);
    EXPECT_EQ(frame_numbered(burst, 101), sensor_mounting_message(0));
    EXPECT_EQ(burst.back(), installation_message(0));

    computer.restart(10);
    burst = echoes();
    EXPECT_EQ(numbers_of(burst), echo_burst) << "every setting, the mode and the test values";
    EXPECT_EQ(frame_numbered(burst, 101), sensor_mounting_message(0, saved_mounting))
        << "power-on loads the saved";
    EXPECT_EQ(burst.back(), installation_message(0, saved_values));
}

// The echo is framed by the record's own layout, whatever the received frame's length or count.
TEST_F(ComputerTest, EchoesAreWholeFramesOfTheirLayout)
{
    SInstallation values;
    values.vectors[14] = 0.5f;
    Bytes longer_body = installation_body(values);
    longer_body.insert(longer_body.end(), 6, std::byte{0xAA});
    EXPECT_EQ(send(frame_bytes::message(1, 9, longer_body)).code, response::accepted_too_long);
    EXPECT_EQ(echoes(), std::vector<Bytes>{installation_message(0, values)});

    for (const std::vector<std::uint16_t> &groups :
         {std::vector<std::uint16_t>{1, 101}, {1, 2, 4, 5, 101}, {7}}) {
        EXPECT_EQ(send(display_groups_message(10, groups)).code, 1);
        EXPECT_EQ(echoes().front(), display_groups_message(0, groups));
    }
    send(message_with(9, 11, 0));
    EXPECT_EQ(echoes().front(), display_groups_message(0, {1, 2, 101}));
}

TEST_F(ComputerTest, ConfiguredResponsesOverrideTheAnswer)
{
    options.faults.responses = {{7, 5}, {109, 2}};
    CComputer configured(options);
    EXPECT_EQ(configured.answer(mode_message(1, CMessage7::standby), EFrame_status::ok, 1).code, 5);
    EXPECT_EQ(configured.phase_at(1), ENav_phase::coarse_leveling) << "a rejection applies nothing";
    EXPECT_EQ(configured.answer(message_with(109, 2, 1), EFrame_status::ok, 1).code, 2);
}

class PasswordTest : public ::testing::Test {
protected:
    static SOptions with_password()
    {
        SOptions options = options_with({1, 2, 101});
        options.password = "secret";
        return options;
    }
    SAnswer as_guarded(double t)
    {
        return guarded.answer(message_with(109, 1, 1), EFrame_status::ok, t);
    }
    SAnswer log_in(std::string_view password, double t)
    {
        return guarded.answer(message111(2, CMessage111::log_in, password, password),
                              EFrame_status::ok, t);
    }
    bool shows_logged_out(double t)
    {
        return (guarded.snapshot(t).status.general_status_c & (1u << 6)) != 0;
    }

    CComputer guarded{with_password()};
};

TEST_F(PasswordTest, GuardedMessagesWaitForTheRightPassword)
{
    EXPECT_TRUE(shows_logged_out(1));
    EXPECT_EQ(as_guarded(1).code, response::not_logged_in);
    EXPECT_EQ(log_in("wrong", 2).code, response::password_incorrect);
    EXPECT_EQ(as_guarded(2).code, response::not_logged_in);
    EXPECT_EQ(log_in("secret", 3).code, 1);
    EXPECT_FALSE(shows_logged_out(3));
    EXPECT_EQ(as_guarded(4).code, 1);
    EXPECT_EQ(as_guarded(3 + 599).code, 1);
    EXPECT_EQ(as_guarded(3 + 600).code, response::not_logged_in) << "the login lasts 10 minutes";

    log_in("secret", 700);
    guarded.controller_disconnected();
    EXPECT_EQ(as_guarded(701).code, response::not_logged_in) << "or until the controller goes";
}

// The installation is guarded by the settings password; the display groups are not.
TEST_F(PasswordTest, GuardedSettingsWaitForTheLogin)
{
    SInstallation values;
    values.vectors[2] = 1.5f;
    const auto acknowledged = [this](const Bytes &frame, double t) {
        return bytes_of(guarded.acknowledgement(guarded.answer(frame, EFrame_status::ok, t)));
    };
    EXPECT_EQ(acknowledged(installation_message(4, values), 1),
              acknowledgement_bytes(4, 1, 11, false));
    EXPECT_EQ(acknowledged(sensor_mounting_message(5), 1),
              acknowledgement_bytes(5, 101, 11, false));
    EXPECT_EQ(acknowledged(display_groups_message(6, {1}), 1),
              acknowledgement_bytes(6, 2, 1, true));
    EXPECT_EQ(echoes_of(guarded),
              (std::vector<Bytes>{display_groups_message(0, {1}), installation_message(0)}))
        << "the refused installation is not applied";

    EXPECT_EQ(log_in("secret", 2).code, 1);
    EXPECT_EQ(acknowledged(installation_message(7, values), 3),
              acknowledgement_bytes(7, 1, 1, true));
    EXPECT_EQ(echoes_of(guarded), std::vector<Bytes>{installation_message(0, values)});
}

// The address and the TWAN installation wait for the login too; the receivers do not.
TEST_F(PasswordTest, AddressAndTwanInstallationWaitForTheLogin)
{
    Bytes address{std::byte{10}, std::byte{0}, std::byte{0}, std::byte{254}};
    address.insert(address.end(), {std::byte{255}, std::byte{255}, std::byte{0}, std::byte{0}});
    Bytes twan;
    for (const float value : {1.0f, 0.5f, 0.0f, 0.0f, 3.0f, 0.0f}) {
        frame_bytes::put_f32(twan, value);
    }
    const Bytes receiver = {std::byte{1}, std::byte{14}, std::byte{5}, std::byte{1},
                            std::byte{7}, std::byte{1 | 1 << 3 | 1 << 5}, std::byte{0},
                            std::byte{0}, std::byte{1}};
    for (const std::uint16_t guarded_number : {6, 108}) {
        const Bytes &body = guarded_number == 6 ? address : twan;
        EXPECT_EQ(guarded.answer(frame_bytes::message(guarded_number, 3, body), EFrame_status::ok, 1)
                      .code,
                  response::not_logged_in)
            << guarded_number;
    }
    EXPECT_EQ(guarded.answer(frame_bytes::message(110, 4, receiver), EFrame_status::ok, 1).code, 1);
    EXPECT_EQ(log_in("secret", 2).code, 1);
    EXPECT_EQ(guarded.answer(frame_bytes::message(6, 5, address), EFrame_status::ok, 3).code, 1);
    address[3] = std::byte{255}; // the broadcast address is no host's
    const SAnswer broadcast = guarded.answer(frame_bytes::message(6, 6, address), EFrame_status::ok, 3);
    EXPECT_EQ(broadcast.code, response::parameter_error);
}

// An older computer echoes Message 6 without its mask and Message 11 without its guard times.
TEST(OlderComputerTest, EchoesTheAddressAndTheEventsCutShort)
{
    SOptions options = options_with({1, 101});
    options.address_without_mask = true;
    options.events_without_guard_times = true;
    options.receiver_types[1] = 16;
    CComputer older(options);
    older.request_echoes();
    const std::vector<Bytes> burst = echoes_of(older);
    const auto echo_of = [&burst](std::uint16_t number) {
        const auto found = std::find_if(burst.begin(), burst.end(), [number](const Bytes &frame) {
            return std::to_integer<int>(frame[4]) + (std::to_integer<int>(frame[5]) << 8) ==
                   number;
        });
        return found != burst.end() ? *found : Bytes();
    };
    EXPECT_EQ(echo_of(6), frame_bytes::message(6, 0, {std::byte{192}, std::byte{168},
                                                       std::byte{0}, std::byte{100}}));
    EXPECT_EQ(echo_of(11), frame_bytes::message(11, 0, {std::byte{0}, std::byte{0}}));
    const Bytes secondary = echo_of(110);
    ASSERT_EQ(secondary.size(), 24u);
    EXPECT_EQ(std::to_integer<int>(secondary[11]), 16) << "the receiver type given";
}

TEST_F(PasswordTest, ChangingThePasswordNeedsTheOldOne)
{
    const auto change = [this](std::string_view old_password, std::string_view new_password) {
        return guarded.answer(
            message111(3, CMessage111::change_password, old_password, new_password),
            EFrame_status::ok, 1);
    };
    EXPECT_EQ(change("guess", "mine").code, response::password_incorrect);
    EXPECT_EQ(log_in("mine", 1).code, response::password_incorrect);
    const SAnswer changed = change("secret", "mine");
    EXPECT_EQ(changed.code, 1);
    EXPECT_TRUE(changed.new_parameters);
    EXPECT_EQ(log_in("secret", 2).code, response::password_incorrect);
    EXPECT_EQ(log_in("mine", 2).code, 1);
}

TEST(PasswordRecordTest, Message111IsLaidOutByteForByte)
{
    Bytes body;
    put_u8(body, CMessage111::change_password);
    Bytes password(20);
    std::memcpy(password.data(), "old", 3);
    Bytes new_password(20);
    std::memcpy(new_password.data(), "twenty characters!!!", 20);
    frame_bytes::append(body, password);
    frame_bytes::append(body, new_password);

    const Bytes frame =
        message111(300, CMessage111::change_password, "old", "twenty characters!!! and more");
    EXPECT_EQ(frame.size(), 56u);
    EXPECT_EQ(frame, frame_bytes::message(111, 300, body));
}

} // namespace
