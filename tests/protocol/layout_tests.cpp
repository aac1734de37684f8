// The computer's core layouts: lengths and names of every record, frames decoded field by field,
// commands encoded byte for byte, acknowledgement texts and transaction numbers.

#include "protocol/acknowledgement.h"
#include "protocol/command_messages.h"
#include "protocol/navigation_groups.h"
#include "protocol/navigation_messages.h"

#include "frame_bytes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

using frame_bytes::Bytes;

std::array<std::byte, 2048> shared_buffer{};

template <class TGroup>
std::unique_ptr<CGroup_base> make_group()
{
    return std::make_unique<TGroup>(shared_buffer.data(), shared_buffer.size());
}

template <class TMessage>
std::unique_ptr<CGroup_base> make_message()
{
    return std::make_unique<TMessage>();
}

struct SLayout {
    std::function<std::unique_ptr<CGroup_base>()> make;
    std::uint16_t byte_count;
    std::vector<std::string> top_level_names;
};

std::vector<std::string> top_level_names(const CGroup_base &record)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < record.child_count(); ++i) {
        names.push_back(record.child(i).name());
    }
    return names;
}

const std::vector<SLayout> &layouts()
{
    static const std::vector<SLayout> table = {
        {make_group<CGroup1>,
         132,
         {"Group 1 Header", "Position", "Velocity", "Attitude", "Wander Angle", "Track Angle",
          "Speed", "Angular Rate", "Angular Accel", "Solution Status", "Group 1 Footer"}},
        {make_group<CGroup2>,
         68,
         {"Group 2 header", "RMS Position", "RMS Velocity", "RMS Attitude", "Group 2 footer"}},
        {make_group<CGroup4>,
         60,
         {"Group 4 header", "Detla Velocity", "Detla Velocity", "Bad Raw IMU Frame Status",
          "IMU Type", "Data Rate", "IMU Status", "Group 4 footer"}},
        {make_group<CGroup5>, 36, {"Group 5 header", "PPS Pulse Number", "Group 5 footer"}},
        {make_group<CGroup6>, 36, {"Group 6 header", "PPS Pulse Number", "Group 6 footer"}},
        {make_group<CGroup7>, 36, {"Group 7 header", "PPS Pulse Number", "Group 7 Footer"}},
        {make_group<CGroup8>,
         48,
         {"Group 8 header", "Removable Disk:  KBytes Remaining", "Removable Disk:  KBytes Logged",
          "Removable Disk:  Time Remaining", "Removable Disk:  KBytes Total", "Group 8 footer"}},
        {make_group<CGroup99>,
         332,
         {"Group 99 header", "KORU Version", "Primary GPS Version", "Secondary GPS Version",
          "Total Hours", "Number of Runs", "Average Length of Run", "Longest Run", "Current Run",
          "Group 99 footer"}},
        {make_group<CGroup_fdir>,
         56,
         {"Group 101 Header", "General Status A", "General Status B", "General Status C",
          "FDIR Level 1 Status", "FIDR Level 1 IMU failures", "FDIR Level 2 Status",
          "FDIR Level 3 Status", "FDIR Level 4 Status", "FDIR Level 5 Status", "Group 101 Footer"}},
        {make_group<CGroup20202>,
         104,
         {"Group 20202 header",
          "Network Part1",
          "Network Part2",
          "Host Part1",
          "Host Part2",
          "Data Port Status",
          "Number of Received Char",
          "Number of Reads",
          "Last Port Error",
          "No of MPA Req Failures",
          "No. of MPA Post Failures",
          "No. of MPA Posts",
          "No. Sched Proxy Exception",
          "No. PPS Proxy Exception",
          "No. Msg20206 Proxy Exception",
          "No. Msg20206 Accepted",
          "No. Msg20206 Rejected",
          "Reserved Double 1",
          "Reserved Double 2",
          "Reserved Int 1",
          "Reserved Int 2",
          "Group 20202 footer"}},
        {make_message<CMessage0>,
         44,
         {"Message 0 header", "Message ID Received", "Message Response Code",
          "New Parameters Accepted", "Parameter Error Name", "Message 0 footer"}},
        {make_message<CMessage2>,
         20, // built with four groups
         {"Message 2 header", "Number of Groups for Display", "Display Port Group", "Reserved",
          "Message 2 footer"}},
        {make_message<CMessage7>, 8, {"Message 7 header", "Mode Type", "Message 7 footer"}},
        {make_message<CMessage8>, 8, {"Message 8 header", "Control", "Message 8 footer"}},
        {make_message<CMessage9>, 8, {"Message 9 header", "Control", "Message 9 footer"}},
        {make_message<CMessage10>,
         8,
         {"Message 10 header", "Control Command", "Message 10 footer"}},
        {make_message<CMessage13>,
         60,
         {"Message 13 header", "General Data Time of Day: Hours",
          "General Data Time of Day: Minutes", "General Data Time of Day: Seconds",
          "General Data Date: Month ", "General Data Date: Day Date ", "General Data Date: Year",
          "General Data Initial Latitude", "General Data Initial Longitude",
          "General Data Initial Altitude", "General Data Initial Heading", "RMS Position",
          "Message 13 footer"}},
        {make_message<CMessage14>, 8, {"Message 14 header", "Control", "Message 14 footer"}},
        {make_message<CMessage109>, 8, {"Message 109 header", "twanControl", "Message 109 footer"}},
        {make_message<CMessage20202>,
         12,
         {"Message 20202 header", "Mode Type", "Reserved", "Message 20202 footer"}},
    };
    return table;
}

TEST(Layouts, EveryRecordHasItsLengthsAndNames)
{
    for (const SLayout &layout : layouts()) {
        const std::unique_ptr<CGroup_base> record = layout.make();
        const std::string &label = layout.top_level_names.front();
        EXPECT_EQ(record->size() % 4, 0u) << label;
        EXPECT_EQ(record->size(), std::size_t{layout.byte_count} + 8) << label;
        EXPECT_EQ(record->frame_length(), record->size()) << label << ": header byte count";
        EXPECT_EQ(top_level_names(*record), layout.top_level_names);
    }
}

TEST(Layouts, MessagesBuiltHerePassTheFrameCheck)
{
    for (const SLayout &layout : layouts()) {
        const std::unique_ptr<CGroup_base> record = layout.make();
        auto *message = dynamic_cast<CMessage_record *>(record.get());
        if (message == nullptr) {
            continue;
        }
        message->seal(1);
        EXPECT_EQ(frame::check(message->frame(), EFrame_kind::message), EFrame_status::ok)
            << message->name();
    }
}

Bytes group1_body()
{
    Bytes body;
    frame_bytes::put_f64(body, 45.5042);  // latitude
    frame_bytes::put_f64(body, -73.25);   // longitude
    frame_bytes::put_f64(body, 1234.5);   // altitude
    frame_bytes::put_f32(body, 10.5f);    // north
    frame_bytes::put_f32(body, -2.25f);   // east
    frame_bytes::put_f32(body, 0.125f);   // down
    frame_bytes::put_f64(body, 1.5);      // roll
    frame_bytes::put_f64(body, -0.75);    // pitch
    frame_bytes::put_f64(body, 359.9996); // heading
    frame_bytes::put_f64(body, 0.0);      // wander angle
    frame_bytes::put_f32(body, 92.0f);    // track angle
    frame_bytes::put_f32(body, 1e20f);    // speed: no data
    frame_bytes::put_f32(body, 0.5f);     // angular rate
    frame_bytes::put_f32(body, 0.25f);
    frame_bytes::put_f32(body, -0.5f);
    frame_bytes::put_f32(body, 1.0f); // angular acceleration
    frame_bytes::put_f32(body, 2.0f);
    frame_bytes::put_f32(body, 3.0f);
    frame_bytes::put_u8(body, 2); // solution status
    return body;
}

TEST(GoldenFrames, Group1DecodesEveryField)
{
    const Bytes frame = frame_bytes::group(1, group1_body());
    ASSERT_EQ(frame.size(), 140u);
    std::array<std::byte, 2048> buffer{};
    CGroup1 group(buffer.data(), buffer.size());
    std::memcpy(buffer.data(), frame.data(), frame.size());

    EXPECT_TRUE(group.is_current());
    EXPECT_EQ(group.header().byte_count().get(), 132);
    EXPECT_DOUBLE_EQ(group.position().latitude().get(), 45.5042);
    EXPECT_DOUBLE_EQ(group.position().longitude().get(), -73.25);
    EXPECT_DOUBLE_EQ(group.position().altitude().get(), 1234.5);
    EXPECT_FLOAT_EQ(group.velocity().north().get(), 10.5f);
    EXPECT_FLOAT_EQ(group.velocity().east().get(), -2.25f);
    EXPECT_FLOAT_EQ(group.velocity().down().get(), 0.125f);
    EXPECT_DOUBLE_EQ(group.attitude().roll().get(), 1.5);
    EXPECT_DOUBLE_EQ(group.attitude().pitch().get(), -0.75);
    EXPECT_DOUBLE_EQ(group.attitude().heading().get(), 359.9996);
    EXPECT_DOUBLE_EQ(group.wander_angle().get(), 0.0);
    EXPECT_FLOAT_EQ(group.track_angle().get(), 92.0f);
    EXPECT_FALSE(group.has_value(group.speed())) << "1e20 is no data";
    EXPECT_TRUE(group.has_value(group.track_angle())) << "the other fields still show";
    EXPECT_FLOAT_EQ(group.angular_rate().transverse().get(), 0.25f);
    EXPECT_FLOAT_EQ(group.angular_rate().down().get(), -0.5f);
    EXPECT_FLOAT_EQ(group.angular_accel().longitudinal().get(), 1.0f);
    EXPECT_FLOAT_EQ(group.angular_accel().down().get(), 3.0f);
    EXPECT_EQ(group.solution_status().get(), 2);
}

TEST(GoldenFrames, ShorterGroup1HidesTheFieldsItDoesNotCarry)
{
    Bytes body = group1_body();
    body.resize(24 + 12 + 24); // position, velocity and attitude only
    const Bytes frame = frame_bytes::group(1, body);
    std::array<std::byte, 2048> buffer{};
    CGroup1 group(buffer.data(), buffer.size());
    std::memcpy(buffer.data(), frame.data(), frame.size());

    EXPECT_TRUE(group.has_value(group.attitude().heading()));
    EXPECT_FALSE(group.has_value(group.wander_angle()));
    EXPECT_FALSE(group.has_value(group.solution_status()));
}

TEST(GoldenFrames, Group101ReadsItsStatusWords)
{
    Bytes body;
    frame_bytes::put_u32(body, (1u << 7) | (1u << 11) | (1u << 17)); // Full Nav, unnamed, NVM ok
    frame_bytes::put_u32(body, 1u << 31);                            // Pri GPS In PCode Mode
    frame_bytes::put_u32(body, 1u << 6);                             // User Not Logged In
    frame_bytes::put_u32(body, (1u << 3) | (1u << 27));              // unnamed, Gimbal gap
    frame_bytes::put_u16(body, 21);                                  // IMU failures
    frame_bytes::put_u16(body, 1u << 4);                             // Dmi speed
    frame_bytes::put_u16(body, 1u << 0);
    frame_bytes::put_u16(body, 1u << 2); // TWAN heading
    frame_bytes::put_u16(body, 1u << 7); // lever arm
    const Bytes frame = frame_bytes::group(101, body);
    ASSERT_EQ(frame.size(), 64u) << "no pad";

    std::array<std::byte, 2048> buffer{};
    CGroup_fdir group(buffer.data(), buffer.size());
    std::memcpy(buffer.data(), frame.data(), frame.size());

    CGen_status_a &a = group.general_status_a();
    EXPECT_TRUE(a.bit(7)->get());
    EXPECT_EQ(a.bit(7)->name(), "Full Nav Solution");
    EXPECT_EQ(a.bit(11), nullptr) << "bit 11 is set but has no name";
    EXPECT_TRUE(a.bit(17)->get());
    EXPECT_FALSE(a.bit(0)->get());
    EXPECT_EQ(a.bit(14)->name(), "Log Port Loging Enabled");
    EXPECT_TRUE(group.general_status_b().bit(31)->get());
    EXPECT_EQ(group.general_status_b().bit(31)->name(), "Pri GPS In PCode Mode");
    EXPECT_TRUE(group.general_status_c().bit(6)->get());
    EXPECT_EQ(group.fdir_level_1().bit(3), nullptr);
    EXPECT_TRUE(group.fdir_level_1().bit(27)->get());
    EXPECT_EQ(group.fdir_level_1_imu_failures().get(), 21);
    EXPECT_EQ(group.fdir_level_1_imu_failures().name(), "FIDR Level 1 IMU failures");
    EXPECT_TRUE(group.fdir_level_2().bit(4)->get());
    EXPECT_TRUE(group.fdir_level_3().bit(0)->get());
    EXPECT_EQ(group.fdir_level_3().bit(0)->name(), "Aux GPS Failure: |Pri - Aux Pos| > 1000m");
    EXPECT_TRUE(group.fdir_level_4().bit(2)->get());
    EXPECT_EQ(group.fdir_level_5().bit(7)->name(), "gps Lever Arm Failure");
    EXPECT_TRUE(group.fdir_level_5().bit(7)->get());
}

TEST(GoldenFrames, NamedBitsAreExactlyThoseOfTheComputer)
{
    std::array<std::byte, 2048> buffer{};
    CGroup_fdir group(buffer.data(), buffer.size());
    auto named = [](const auto &field) {
        std::vector<unsigned> bits;
        for (unsigned bit = 0; bit < field.bit_count; ++bit) {
            if (field.bit(bit) != nullptr) {
                bits.push_back(bit);
            }
        }
        return bits;
    };
    std::vector<unsigned> status_a = {0,  1,  2,  3,  4,  5,  6,  7,  8, 9,
                                      10, 12, 13, 14, 15, 16, 17, 18, 19};
    EXPECT_EQ(named(group.general_status_a()), status_a);
    EXPECT_EQ(named(group.general_status_b()).size(), 32u);
    EXPECT_EQ(named(group.general_status_c()).size(), 10u);
    std::vector<unsigned> level_1 = {0,  1,  2,  5,  6,  7,  8,  9,  10, 11,
                                     12, 13, 14, 15, 20, 21, 25, 26, 27};
    EXPECT_EQ(named(group.fdir_level_1()), level_1);
    EXPECT_EQ(named(group.fdir_level_2()).size(), 5u);
    EXPECT_EQ(named(group.fdir_level_4()).size(), 5u);
    EXPECT_EQ(named(group.fdir_level_5()).size(), 8u);

    CGroup4 imu(buffer.data(), buffer.size());
    EXPECT_EQ(imu.imu_status().bit(0)->name(), "IMU Status Bit 0");
    EXPECT_EQ(imu.imu_status().bit(15)->name(), "IMU Status Bit 15");
    EXPECT_EQ(imu.bad_frame_status().bit(2)->name(), "3 Bad Raw IMU Frames");
}

TEST(GoldenFrames, Message0DecodesEveryField)
{
    Bytes body;
    frame_bytes::put_u16(body, 7); // message answered
    frame_bytes::put_u16(body, 9); // Byte Count Error
    frame_bytes::put_u8(body, 1);  // new parameters accepted
    Bytes name(32, std::byte{0});
    std::memcpy(name.data(), "Lever Arm X", 11);
    frame_bytes::append(body, name);
    const Bytes frame = frame_bytes::message(0, 4711, body);
    ASSERT_EQ(frame.size(), 52u);

    CMessage0 ack;
    std::memcpy(ack.buffer(), frame.data(), frame.size());
    EXPECT_TRUE(ack.is_current());
    EXPECT_EQ(ack.header().transaction_number().get(), 4711);
    EXPECT_EQ(ack.message_id_received().get(), 7);
    EXPECT_EQ(ack.response_code().get(), 9);
    EXPECT_FALSE(ack.response_code().is_accepted());
    EXPECT_TRUE(ack.new_parameters().accepted());
    EXPECT_EQ(ack.parameter_error_name().text(), "Lever Arm X");

    ack.response_code().set_invalid();
    EXPECT_EQ(ack.response_code().get(), 9) << "a response code is never replaced by no data";
}

TEST(GoldenFrames, Message14WithResetIsEncodedByteForByte)
{
    CMessage14 control;
    control.control().set(CMsg14_control::reset_computer);
    control.seal(1);
    // "$MSG", 14, byte count 8, transaction 1, control 101, checksum 0x47E9, "$#".
    const std::array<std::uint8_t, 16> expected = {0x24, 0x4D, 0x53, 0x47, 0x0E, 0x00, 0x08, 0x00,
                                                   0x01, 0x00, 0x65, 0x00, 0xE9, 0x47, 0x24, 0x23};
    ASSERT_EQ(control.frame().size(), expected.size());
    EXPECT_EQ(std::memcmp(control.frame().data(), expected.data(), expected.size()), 0);
}

TEST(GoldenFrames, Message2WithTwoGroupsIsEncodedByteForByte)
{
    CMessage2 selection;
    EXPECT_EQ(selection.set_group_count(2), 2u);
    selection.seal(5);
    // "$MSG", 2, byte count 16, transaction 5, count 2, groups 1 and 2, reserved 0, two pad
    // bytes, checksum 0x4849, "$#".
    const std::array<std::uint8_t, 24> expected = {0x24, 0x4D, 0x53, 0x47, 0x02, 0x00, 0x10, 0x00,
                                                   0x05, 0x00, 0x02, 0x00, 0x01, 0x00, 0x02, 0x00,
                                                   0x00, 0x00, 0x00, 0x00, 0x49, 0x48, 0x24, 0x23};
    ASSERT_EQ(selection.frame().size(), expected.size());
    EXPECT_EQ(std::memcmp(selection.frame().data(), expected.data(), expected.size()), 0);
}

TEST(Message2, BuiltWithFourGroupsAndNeverMoreThanSixtyFour)
{
    CMessage2 selection;
    EXPECT_EQ(selection.group_count().get(), 4);
    EXPECT_EQ(selection.groups()[3].get(), 101);
    EXPECT_EQ(selection.groups()[3].name(), "Display Port Group 3");
    EXPECT_EQ(selection.set_group_count(64), 64u);
    EXPECT_EQ(selection.header().byte_count().get(), 140);
    EXPECT_EQ(selection.set_group_count(65), 64u);
    EXPECT_EQ(selection.group_count().get(), 64);
    EXPECT_EQ(selection.size(), 148u);
}

// An echo whose count is wrong must neither overrun the list nor move "Reserved" out of the frame.
TEST(Message2, ReceivedCountIsClampedToRoomAndToTheFrame)
{
    CMessage2 echo;
    Bytes body;
    frame_bytes::put_u16(body, 65535);
    frame_bytes::put_u16(body, 1);
    frame_bytes::put_u16(body, 2);
    frame_bytes::put_u16(body, 0);
    const Bytes two_groups = frame_bytes::message(2, 9, body);
    std::memcpy(echo.buffer(), two_groups.data(), two_groups.size());
    // A 24-byte frame holds two groups and two pad bytes, or three groups and none: three is the
    // most this byte count can hold.
    EXPECT_EQ(echo.lay_out_received(), 3u);
    EXPECT_TRUE(echo.holds(echo.reserved()));
    EXPECT_EQ(echo.groups()[1].get(), 2);
    EXPECT_LE(echo.end(), echo.buffer() + echo.buffer_size());

    Bytes full;
    frame_bytes::put_u16(full, 65535);
    for (std::uint16_t i = 0; i < 64; ++i) {
        frame_bytes::put_u16(full, i);
    }
    frame_bytes::put_u16(full, 0);
    const Bytes all_groups = frame_bytes::message(2, 10, full);
    ASSERT_EQ(all_groups.size(), 148u);
    std::memcpy(echo.buffer(), all_groups.data(), all_groups.size());
    EXPECT_EQ(echo.lay_out_received(), 64u) << "never more than the room for 64";
    EXPECT_EQ(echo.groups()[63].get(), 63);
    EXPECT_TRUE(echo.holds(echo.reserved()));

    Bytes honest;
    frame_bytes::put_u16(honest, 1);
    frame_bytes::put_u16(honest, 101);
    frame_bytes::put_u16(honest, 0);
    const Bytes one_group = frame_bytes::message(2, 11, honest);
    std::memcpy(echo.buffer(), one_group.data(), one_group.size());
    EXPECT_EQ(echo.lay_out_received(), 1u);
    EXPECT_EQ(echo.groups()[0].get(), 101);
    EXPECT_EQ(echo.reserved().start(), echo.buffer() + 14);
}

TEST(Commands, DefaultsAsTheComputerExpectsThem)
{
    CMessage7 mode;
    EXPECT_EQ(mode.mode_type().get(), CMessage7::standby);
    CMessage8 save;
    EXPECT_FALSE(save.control().save_parameters().get());
    CMessage9 restore;
    EXPECT_TRUE(restore.control().load_parameters().get());
    EXPECT_EQ(std::to_integer<int>(restore.buffer()[10]), 1);
    CMessage13 general;
    EXPECT_FLOAT_EQ(general.rms_position().north().get(), 1000.0f);
    EXPECT_FLOAT_EQ(general.rms_position().east().get(), 1000.0f);
    EXPECT_FLOAT_EQ(general.rms_position().down().get(), 1000.0f);
    EXPECT_EQ(general.year().get(), 0);
    CMessage20202 free_inertial;
    EXPECT_EQ(free_inertial.mode_type().get(), 0);

    save.control().save_parameters().set(true);
    save.seal(3);
    EXPECT_EQ(std::to_integer<int>(save.buffer()[10]), 1);
}

TEST(Acknowledgement, RejectionTexts)
{
    EXPECT_EQ(rejection_text(7, 9, "Byte Count Error"), "Message 7 rejected! Byte Count Error.");
    EXPECT_EQ(rejection_text(7, 20, ""), "Message 7 rejected! Error code 20.");
    EXPECT_EQ(rejection_text(7, 3, "Message Accepted, but too Short"), std::nullopt);
    EXPECT_EQ(rejection_text(7, 0, "N/A"), std::nullopt);
    EXPECT_EQ(rejection_text(65535, 4, "Message Parameter Error"),
              "Message 65535 rejected! Message Parameter Error.");

    EXPECT_EQ(CMsg0_response_code::text_number(0), 12403);
    EXPECT_EQ(CMsg0_response_code::text_number(12), 12415);
    EXPECT_EQ(CMsg0_response_code::text_number(13), std::nullopt);
}

TEST(Acknowledgement, TransactionNumbersRunOneTo65534AndWrap)
{
    CTransaction_counter counter;
    EXPECT_EQ(counter.next(), 1);
    EXPECT_EQ(counter.next(), 2);
    std::uint16_t last = 2;
    for (int i = 3; i <= 65534; ++i) {
        last = counter.next();
        ASSERT_NE(last, 0);
    }
    EXPECT_EQ(last, 65534);
    EXPECT_EQ(counter.next(), 1) << "0 and 65535 are never used";
}

} // namespace
