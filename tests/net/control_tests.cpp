// The control client against a fake computer on loopback: connecting, sending in order,
// acknowledgements handed to the windows, a peer that goes away.

#include "net/socket_control.h"
#include "protocol/command_messages.h"
#include "protocol/navigation_messages.h"

#include "frame_bytes.h"
#include "loopback_peers.h"
#include "test_windows.h"
#include "recording_feedback.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

Bytes acknowledgement(std::uint16_t answered, std::uint16_t transaction, std::uint16_t code)
{
    Bytes body;
    frame_bytes::put_u16(body, answered);
    frame_bytes::put_u16(body, code);
    frame_bytes::put_u8(body, 0);
    body.resize(body.size() + 32, std::byte{0});
    return frame_bytes::message(0, transaction, body);
}

class ControlClientTest : public ::testing::Test {
protected:
    ControlClientTest()
    {
        client.set_message_queue(&messages);
        client.set_connect_notice(window_message::connect_result);
        client.set_error_notice(window_message::control_lost);
        client.set_windows(&windows);
        windows.add(&window);
        Get(messages, acknowledgement_record);
    }

    void connect_to_computer()
    {
        ASSERT_EQ(client.connect(loopback(1), computer.port()), 0);
        EXPECT_TRUE(client.is_connecting());
        ASSERT_TRUE(
            WaitFor([&] { return main_window.count(window_message::connect_result) == 1; }));
        ASSERT_EQ(main_window.notices.back().wparam, 0u) << "connected";
        ASSERT_TRUE(WaitFor([&] { return computer.accept(); }));
        EXPECT_TRUE(client.is_connected());
    }

    CRecording_feedback feedback;
    CNotice_recorder main_window;
    CSocket_control client{&main_window};
    CMessage_buffer messages;
    CMessage0 *acknowledgement_record = nullptr;
    CData_windows windows;
    CRecording_window window;
    CTcp_peer computer;
};

TEST_F(ControlClientTest, RefusedConnectionIsReportedThroughTheConnectNotice)
{
    ASSERT_EQ(client.connect(loopback(1), UnusedTcpPort()), 0) << "the outcome comes later";
    ASSERT_TRUE(WaitFor([&] { return main_window.count(window_message::connect_result) == 1; }));
    EXPECT_EQ(main_window.notices.back().wparam, 10061u);
    EXPECT_FALSE(client.is_open());
    EXPECT_FALSE(client.is_connecting());
    EXPECT_TRUE(feedback.boxes.empty()) << "the main window decides what the user sees";
}

TEST_F(ControlClientTest, NothingIsSentWhileTheConnectionIsPending)
{
    CMessage14 keep_alive;
    ASSERT_EQ(client.connect(loopback(1), computer.port()), 0);
    EXPECT_EQ(client.send(keep_alive), 0);
    EXPECT_EQ(keep_alive.header().transaction_number().get(), 0) << "no number used up";
}

TEST_F(ControlClientTest, MessagesCarryTransactionNumbersInOrder)
{
    connect_to_computer();
    CMessage14 keep_alive;
    CMessage7 mode;
    mode.mode_type().set(CMessage7::navigate);
    EXPECT_EQ(client.send(keep_alive), 16);
    EXPECT_EQ(client.send(mode), 16);
    ASSERT_TRUE(WaitFor([&] {
        computer.read_available();
        return computer.received.size() == 32;
    }));
    const Bytes expected_first = frame_bytes::message(14, 1, {std::byte{0}, std::byte{0}});
    const Bytes expected_second = frame_bytes::message(7, 2, {std::byte{2}});
    EXPECT_TRUE(
        std::equal(expected_first.begin(), expected_first.end(), computer.received.begin()));
    EXPECT_TRUE(
        std::equal(expected_second.begin(), expected_second.end(), computer.received.begin() + 16));
}

TEST_F(ControlClientTest, TwoAcknowledgementsInOneReadAreEachHandedOn)
{
    connect_to_computer();
    std::vector<std::uint16_t> answered;
    window.on_message = [&] {
        EXPECT_EQ(acknowledgement_record->frame_number(), 0) << "fresh during the call";
        answered.push_back(acknowledgement_record->message_id_received().get());
    };
    Bytes both = acknowledgement(14, 1, 1);
    frame_bytes::append(both, acknowledgement(7, 2, 9));
    computer.write(both);
    ASSERT_TRUE(WaitFor([&] { return answered.size() == 2; }));
    EXPECT_EQ(answered, (std::vector<std::uint16_t>{14, 7}));
    EXPECT_EQ(acknowledgement_record->frame_number(), frame::no_number)
        << "marked as seen after the windows were told";
}

TEST_F(ControlClientTest, AcknowledgementSplitAcrossReadsIsHandedOnOnce)
{
    connect_to_computer();
    const Bytes ack = acknowledgement(2, 5, 1);
    computer.write(Bytes(ack.begin(), ack.begin() + 20));
    ASSERT_TRUE(WaitFor([&] { return client.carried() == 20; }));
    EXPECT_EQ(window.messages, 0);
    computer.write(Bytes(ack.begin() + 20, ack.end()));
    ASSERT_TRUE(WaitFor([&] { return window.messages == 1; }));
    EXPECT_EQ(acknowledgement_record->header().transaction_number().get(), 5);
}

TEST_F(ControlClientTest, PeerThatClosesLeavesTheClientClosedWithoutANotice)
{
    connect_to_computer();
    computer.close_connection();
    ASSERT_TRUE(WaitFor([&] { return !client.is_open(); }));
    EXPECT_EQ(main_window.count(window_message::control_lost), 0u);
    EXPECT_TRUE(feedback.boxes.empty());
}

TEST_F(ControlClientTest, WhatTheConnectionCannotTakeNowIsSentLaterInOrder)
{
    connect_to_computer();
    computer.shrink_receive_buffer();
    CMessage2 selection;
    selection.set_group_count(64);
    Bytes expected;
    for (int i = 0; i < 3000; ++i) {
        selection.groups()[0].set(static_cast<std::uint16_t>(i));
        ASSERT_EQ(client.send(selection), 148);
        frame_bytes::append(expected, Bytes(selection.frame().begin(), selection.frame().end()));
    }
    EXPECT_GT(client.unsent(), 0u) << "the peer reads nothing yet, so the sender must queue";
    ASSERT_TRUE(WaitFor([&] {
        computer.read_available();
        return computer.received.size() == expected.size();
    }));
    EXPECT_TRUE(computer.received == expected);
    EXPECT_EQ(client.unsent(), 0u);
}

} // namespace

namespace {

// While a replay holds the client, connecting fails at once, told through the connect notice
// like any failure, and the computer never sees a connection; released, it connects again.
TEST_F(ControlClientTest, AHeldClientRefusesToConnectAndSaysSoThroughTheNotice)
{
    client.set_held(true);
    EXPECT_EQ(client.connect(loopback(1), computer.port()), EPERM);
    EXPECT_FALSE(client.is_open());
    ASSERT_TRUE(WaitFor([&] { return main_window.count(window_message::connect_result) == 1; }));
    EXPECT_EQ(main_window.notices.back().wparam, static_cast<std::uintptr_t>(EPERM));
    EXPECT_FALSE(computer.accept());

    client.set_held(false);
    ASSERT_EQ(client.connect(loopback(1), computer.port()), 0);
    ASSERT_TRUE(WaitFor([&] { return main_window.count(window_message::connect_result) == 2; }));
    EXPECT_EQ(main_window.notices.back().wparam, 0u) << "connected";
    EXPECT_TRUE(WaitFor([&] { return computer.accept(); }));
}

// Holding a connected client closes it: a replay starts from no connection.
TEST_F(ControlClientTest, HoldingAConnectedClientClosesIt)
{
    connect_to_computer();
    client.set_held(true);
    EXPECT_FALSE(client.is_open());
    CMessage7 mode;
    EXPECT_EQ(client.send(mode), 0) << "nothing is sent";
}

} // namespace
