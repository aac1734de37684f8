// The display receiver on loopback: datagrams in, frames counted and handed to the windows.

#include "net/socket_display.h"
#include "protocol/acknowledgement.h"
#include "protocol/navigation_groups.h"

#include "frame_bytes.h"
#include "loopback_peers.h"
#include "test_windows.h"
#include "recording_feedback.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

namespace {

Bytes pulse_group(std::uint16_t number, std::uint32_t pulse)
{
    Bytes body;
    frame_bytes::put_u32(body, pulse);
    return frame_bytes::group(number, body);
}

class DisplayReceiverTest : public ::testing::Test {
protected:
    DisplayReceiverTest()
    {
        receiver.set_notice(window_message::datagram_sender);
        receiver.set_message_queue(&messages);
        receiver.set_group_queue(&groups);
        receiver.set_windows(&windows);
        windows.add(&window);
        EXPECT_EQ(receiver.open(loopback(1), 0), 0);
        port = receiver.local_port();
    }

    CRecording_feedback feedback;
    CNotice_recorder main_window;
    CSocket_display receiver{&main_window};
    CGroup_buffer groups;
    CMessage_buffer messages;
    CData_windows windows;
    CRecording_window window;
    std::uint16_t port = 0;
    CUdp_sender computer{2};
};

TEST_F(DisplayReceiverTest, TwoGroupsInOneDatagramReachTheWindowsInOrder)
{
    CGroup5 *pps = nullptr;
    std::vector<std::uint32_t> pulses_seen;
    window.on_group = [&] {
        CGroup5 &record = Get(groups, pps);
        if (record.is_current()) {
            pulses_seen.push_back(record.pulse_number().get());
        }
    };
    Bytes datagram = pulse_group(5, 41);
    frame_bytes::append(datagram, pulse_group(5, 42));
    computer.send_to(port, datagram);

    ASSERT_TRUE(WaitFor([&] { return receiver.counters().groups == 2; }));
    EXPECT_EQ(pulses_seen, (std::vector<std::uint32_t>{41, 42}));
    EXPECT_EQ(receiver.counters().packets, 1u);
    EXPECT_EQ(window.groups, 2);
}

TEST_F(DisplayReceiverTest, GroupSplitAcrossDatagramsIsCountedOnceComplete)
{
    const Bytes frame = frame_bytes::group(1, frame_bytes::filler(102, 3));
    computer.send_to(port, Bytes(frame.begin(), frame.begin() + 100));
    ASSERT_TRUE(WaitFor([&] { return receiver.counters().packets == 1; }));
    EXPECT_EQ(receiver.counters().groups, 0u);
    computer.send_to(port, Bytes(frame.begin() + 100, frame.end()));
    ASSERT_TRUE(WaitFor([&] { return receiver.counters().groups == 1; }));
    EXPECT_EQ(receiver.counters().packets, 2u);
}

TEST_F(DisplayReceiverTest, EveryDatagramNamesItsSenderWhileNoComputerIsSelected)
{
    computer.send_to(port, pulse_group(5, 1));
    computer.send_to(port, pulse_group(5, 2));
    ASSERT_TRUE(WaitFor([&] { return main_window.count(window_message::datagram_sender) == 2; }));
    EXPECT_EQ(main_window.notices[0].lparam, static_cast<std::intptr_t>(computer.address()));
}

TEST_F(DisplayReceiverTest, ForeignSenderIsReportedAndDropped)
{
    CUdp_sender other{3};
    receiver.set_filter(computer.address());
    other.send_to(port, pulse_group(5, 1));
    ASSERT_TRUE(WaitFor([&] { return main_window.count(window_message::datagram_sender) == 1; }));
    EXPECT_EQ(main_window.notices[0].lparam, static_cast<std::intptr_t>(other.address()));
    EXPECT_EQ(receiver.counters().packets, 0u);
    EXPECT_EQ(receiver.counters().groups, 0u);

    computer.send_to(port, pulse_group(5, 2));
    ASSERT_TRUE(WaitFor([&] { return receiver.counters().groups == 1; }));
    EXPECT_EQ(main_window.count(window_message::datagram_sender), 1u)
        << "the selected computer is not announced again";
}

TEST_F(DisplayReceiverTest, BadChecksumIsCountedOnceAndToldToNoWindow)
{
    Bytes corrupt = pulse_group(5, 7);
    corrupt[36] ^= std::byte{0x10};
    computer.send_to(port, corrupt);
    computer.send_to(port, pulse_group(6, 8)); // a good one behind it, to know when to look
    ASSERT_TRUE(WaitFor([&] { return receiver.counters().groups == 1; }));
    EXPECT_EQ(receiver.counters().checksum_errors, 1u);
    EXPECT_EQ(receiver.counters().bad_footers + receiver.counters().bad_headers +
                  receiver.counters().bad_byte_counts + receiver.counters().invalid,
              0u);
    EXPECT_EQ(window.groups, 1);
}

TEST_F(DisplayReceiverTest, MessageCopiesAreStoredAndOnlyMessageOneIsTold)
{
    CGroup_base *message1 = nullptr;
    CGroup_base *message7 = nullptr;
    // Records of the numbers the computer echoes: any layout will do to see the copy.
    struct CEcho : CMessage_record {
        CEcho(std::uint16_t number) : CMessage_record(number, 8, "echo header")
        {
            new TScalar<std::uint16_t>(this, "Value", 0);
            close_layout("echo footer");
        }
    };
    auto one = std::make_unique<CEcho>(1);
    auto seven = std::make_unique<CEcho>(7);
    one->set_frame_number(frame::no_number);
    seven->set_frame_number(frame::no_number);
    message1 = one.get();
    message7 = seven.get();
    messages.add_record(std::move(one), 1);
    messages.add_record(std::move(seven), 7);

    computer.send_to(port, frame_bytes::message(7, 0, {std::byte{2}, std::byte{0}}));
    ASSERT_TRUE(WaitFor([&] { return receiver.counters().messages == 1; }));
    EXPECT_EQ(message7->frame_number(), 7) << "stored";
    EXPECT_EQ(window.messages, 0) << "but no window is told";

    computer.send_to(port, frame_bytes::message(1, 0, {std::byte{5}, std::byte{0}}));
    ASSERT_TRUE(WaitFor([&] { return receiver.counters().messages == 2; }));
    EXPECT_EQ(message1->frame_number(), 1);
    EXPECT_EQ(window.messages, 1);
}

// An acknowledgement belongs to the control connection: one broadcast on the display port must
// not sit in the record where it would pass for the answer to the controller's next message.
TEST_F(DisplayReceiverTest, AcknowledgementOnTheDisplayPortIsNotStored)
{
    CMessage0 *slot = nullptr;
    CMessage0 &acknowledgement = Get(messages, slot);
    computer.send_to(port, frame_bytes::message(0, 3, frame_bytes::filler(34, 1)));
    ASSERT_TRUE(WaitFor([&] { return receiver.counters().messages == 1; }));
    EXPECT_EQ(acknowledgement.frame_number(), frame::no_number);
    EXPECT_EQ(window.messages, 0);
}

TEST_F(DisplayReceiverTest, KernelReceiveBufferIsRaisedFarAboveFourKilobytes)
{
    EXPECT_GT(receiver.granted_receive_buffer(), 64 * 1024);
    std::printf("display port receive buffer granted by the kernel: %d bytes\n",
                receiver.granted_receive_buffer());
}

TEST_F(DisplayReceiverTest, LargestDatagramIsNotCutShortBehindACarriedFrame)
{
    // The largest frame the group queue takes, all but its last 48 bytes carried over.
    const Bytes frame = frame_bytes::group(1, frame_bytes::filler(CFrame_queue::buffer_size - 40, 5));
    const auto carried = static_cast<std::ptrdiff_t>(frame.size() - 48);
    computer.send_to(port, Bytes(frame.begin(), frame.begin() + carried));
    Bytes big(frame.begin() + carried, frame.end());
    while (big.size() + 44 <= 60000) {
        frame_bytes::append(big, pulse_group(5, 9));
    }
    computer.send_to(port, big);
    const std::uint32_t expected = 1 + static_cast<std::uint32_t>((big.size() - 48) / 44);
    ASSERT_TRUE(WaitFor([&] { return receiver.counters().groups == expected; }));
    EXPECT_EQ(receiver.counters().bad_footers + receiver.counters().checksum_errors, 0u);
}

} // namespace

namespace {

// Keeps what the display receiver's tap was shown.
class CTap_record final : public IDatagram_tap {
public:
    void datagram_accepted(std::span<const std::byte> datagram, std::uint64_t arrival_us) override
    {
        datagrams.emplace_back(datagram.begin(), datagram.end());
        arrivals.push_back(arrival_us);
    }
    std::vector<Bytes> datagrams;
    std::vector<std::uint64_t> arrivals;
};

// The tap sees each accepted datagram whole, before it is taken apart, stamped with the time of
// arrival; not those of a foreign sender.
TEST_F(DisplayReceiverTest, TheTapSeesEveryAcceptedDatagramAsReceivedWithItsArrival)
{
    CTap_record tap;
    receiver.set_tap(&tap);
    receiver.set_filter(loopback(2));
    const Bytes frame = frame_bytes::group(1, frame_bytes::filler(102, 3));
    const Bytes first(frame.begin(), frame.begin() + 100);
    const Bytes second(frame.begin() + 100, frame.end());
    const std::uint64_t before = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::system_clock::now().time_since_epoch())
            .count());
    computer.send_to(port, first);
    CUdp_sender(3).send_to(port, pulse_group(5, 1));
    computer.send_to(port, second);
    ASSERT_TRUE(WaitFor([&] { return receiver.counters().groups == 1; }));
    EXPECT_EQ(tap.datagrams, (std::vector<Bytes>{first, second}));
    ASSERT_EQ(tap.arrivals.size(), 2u);
    EXPECT_GE(tap.arrivals[0], before);
    EXPECT_LE(tap.arrivals[0], tap.arrivals[1]);
    EXPECT_EQ(receiver.counters().arrival_us, tap.arrivals[1]);
}

// While not live (a replay runs) the network's datagrams are dropped unseen and uncounted; what
// is fed is taken as if it had come, with the arrival it was fed with.
TEST_F(DisplayReceiverTest, FedDatagramsAreTakenWhileTheNetworkIsNot)
{
    CTap_record tap;
    receiver.set_tap(&tap);
    receiver.set_live(false);
    computer.send_to(port, pulse_group(5, 7));
    const Bytes frame = pulse_group(5, 8);
    receiver.feed({frame.data(), 10}, 1234);
    receiver.feed({frame.data() + 10, frame.size() - 10}, 5678);
    EXPECT_EQ(receiver.counters().packets, 2u);
    EXPECT_EQ(receiver.counters().groups, 1u);
    EXPECT_EQ(receiver.counters().arrival_us, 5678u);
    EXPECT_EQ(window.groups, 1);
    // Time for the live datagram to have come, were it taken.
    QTest::qWait(100);
    EXPECT_EQ(receiver.counters().packets, 2u);
    EXPECT_TRUE(main_window.notices.empty()) << "no sender is told of";
    EXPECT_TRUE(tap.datagrams.empty()) << "fed datagrams are not recorded again";

    receiver.set_live(true);
    computer.send_to(port, pulse_group(5, 9));
    ASSERT_TRUE(WaitFor([&] { return receiver.counters().groups == 2; }));
}

} // namespace
