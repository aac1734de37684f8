// Reassembly: frames found in any chunking, carried across reads, garbage skipped.

#include "protocol/reassembler.h"

#include "frame_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

namespace {

using frame_bytes::Bytes;

struct SReceived {
    EFrame_kind kind;
    EFrame_status status;
    Bytes bytes; // the whole frame when it passed, else its prefix

    bool operator==(const SReceived &) const = default;
};

class CRecording_sink : public IFrame_sink {
public:
    void frame_received(CFrame_queue &queue, EFrame_status status) override
    {
        const std::size_t length =
            status == EFrame_status::ok ? queue.frame_length() : frame::prefix_length;
        received.push_back({queue.kind(), status, Bytes(queue.buffer(), queue.buffer() + length)});
    }

    std::vector<SReceived> received;
};

SReceived good(EFrame_kind kind, const Bytes &frame)
{
    return {kind, EFrame_status::ok, frame};
}

class ReassemblyTest : public ::testing::Test {
protected:
    ReassemblyTest()
    {
        reassembler.set_group_queue(&groups);
        reassembler.set_message_queue(&messages);
    }

    // One read of `bytes` (a datagram, or what one TCP read returned).
    void feed(const Bytes &bytes)
    {
        const std::span<std::byte> area = reassembler.free_area();
        ASSERT_LE(bytes.size(), area.size());
        std::memcpy(area.data(), bytes.data(), bytes.size());
        reassembler.consume(bytes.size(), sink);
    }

    // `stream` in reads of random length; a read never brings more than there is room for.
    void feed_in_chunks(const Bytes &stream, unsigned seed)
    {
        std::mt19937 random(seed);
        std::size_t position = 0;
        while (position < stream.size()) {
            const std::span<std::byte> area = reassembler.free_area();
            std::uniform_int_distribution<std::size_t> length(
                1, std::min<std::size_t>(area.size(), 700));
            const std::size_t count = std::min(length(random), stream.size() - position);
            std::memcpy(area.data(), stream.data() + position, count);
            reassembler.consume(count, sink);
            position += count;
        }
    }

    CGroup_buffer groups;
    CMessage_buffer messages;
    CReassembler reassembler{4096};
    CRecording_sink sink;
};

Bytes pulse_group(std::uint32_t pulse)
{
    Bytes body;
    frame_bytes::put_u32(body, pulse);
    return frame_bytes::group(5, body);
}

Bytes with_byte_count(Bytes frame, std::uint16_t byte_count)
{
    frame[6] = std::byte{static_cast<std::uint8_t>(byte_count & 0xFF)};
    frame[7] = std::byte{static_cast<std::uint8_t>(byte_count >> 8)};
    return frame;
}

TEST_F(ReassemblyTest, TwoGroupsInOneDatagramArriveInOrder)
{
    Bytes datagram = pulse_group(1);
    frame_bytes::append(datagram, pulse_group(2));
    feed(datagram);
    ASSERT_EQ(sink.received.size(), 2u);
    EXPECT_EQ(sink.received[0], good(EFrame_kind::group, pulse_group(1)));
    EXPECT_EQ(sink.received[1], good(EFrame_kind::group, pulse_group(2)));
    EXPECT_EQ(reassembler.carry(), 0u);
}

TEST_F(ReassemblyTest, GroupSplitAcrossDatagramsIsCompletedByTheSecond)
{
    const Bytes frame = frame_bytes::group(1, frame_bytes::filler(102, 4));
    feed(Bytes(frame.begin(), frame.begin() + 100));
    EXPECT_TRUE(sink.received.empty());
    EXPECT_EQ(reassembler.carry(), 100u);
    feed(Bytes(frame.begin() + 100, frame.end()));
    ASSERT_EQ(sink.received.size(), 1u);
    EXPECT_EQ(sink.received[0], good(EFrame_kind::group, frame));
}

TEST_F(ReassemblyTest, MarkerSplitAfterEachOfItsBytes)
{
    const Bytes frame = frame_bytes::message(0, 17, frame_bytes::filler(34, 2));
    for (std::size_t cut = 1; cut < 8; ++cut) {
        sink.received.clear();
        Bytes first = {std::byte{'x'}, std::byte{'y'}};
        first.insert(first.end(), frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(cut));
        feed(first);
        feed(Bytes(frame.begin() + static_cast<std::ptrdiff_t>(cut), frame.end()));
        ASSERT_EQ(sink.received.size(), 1u) << "cut after byte " << cut;
        EXPECT_EQ(sink.received[0], good(EFrame_kind::message, frame));
    }
}

TEST_F(ReassemblyTest, GarbageBeforeAndBetweenFramesIsSkipped)
{
    Bytes datagram = {std::byte{0x00}, std::byte{'$'}};
    frame_bytes::append(datagram, pulse_group(7));
    frame_bytes::put_text(datagram, "$GR$MS$$G");
    frame_bytes::append(datagram, pulse_group(8));
    feed(datagram);
    ASSERT_EQ(sink.received.size(), 2u);
    EXPECT_EQ(sink.received[1], good(EFrame_kind::group, pulse_group(8)));
}

TEST_F(ReassemblyTest, LongGarbageIsDroppedNotCarried)
{
    feed(Bytes(3000, std::byte{'$'}));
    EXPECT_LE(reassembler.carry(), 3u) << "carried garbage would shorten the next read";
    feed(pulse_group(3));
    ASSERT_EQ(sink.received.size(), 1u);
    EXPECT_EQ(sink.received[0], good(EFrame_kind::group, pulse_group(3)));
}

// Byte counts of 0 and 1 put the end marker on the prefix itself; counts above what the receive
// buffer holds empty it. Either way the frame fails at its end marker and the next frame is found.
TEST_F(ReassemblyTest, ImpossibleByteCountsFailAndScanningGoesOn)
{
    for (const std::uint16_t byte_count :
         {std::uint16_t{0}, std::uint16_t{1},
          static_cast<std::uint16_t>(CFrame_queue::largest_byte_count + 1), std::uint16_t{65535}}) {
        sink.received.clear();
        Bytes datagram = with_byte_count(pulse_group(1), byte_count);
        frame_bytes::append(datagram, pulse_group(2));
        feed(datagram);
        ASSERT_EQ(sink.received.size(), 2u) << byte_count;
        EXPECT_EQ(sink.received[0].status, EFrame_status::bad_end);
        EXPECT_EQ(sink.received[1], good(EFrame_kind::group, pulse_group(2)));
    }
}

TEST_F(ReassemblyTest, TooLongByteCountDoesNotSwallowTheFramesBehindIt)
{
    Bytes stream = with_byte_count(pulse_group(0), 400);
    for (std::uint32_t pulse = 1; pulse <= 12; ++pulse) {
        frame_bytes::append(stream, pulse_group(pulse));
    }
    feed_in_chunks(stream, 11);
    ASSERT_EQ(sink.received.size(), 13u);
    EXPECT_NE(sink.received[0].status, EFrame_status::ok);
    for (std::uint32_t pulse = 1; pulse <= 12; ++pulse) {
        EXPECT_EQ(sink.received[pulse], good(EFrame_kind::group, pulse_group(pulse)));
    }
}

// A stream with an end: a frame whose byte count reaches past the end is cut off, and the good
// frames it seemed to contain are found all the same.
TEST_F(ReassemblyTest, FinishingAStreamDropsTheCutOffFrameAndRescansWhatFollowsIt)
{
    Bytes stream = with_byte_count(pulse_group(0), 1000);
    frame_bytes::append(stream, pulse_group(1));
    frame_bytes::append(stream, pulse_group(2));
    feed(stream);
    EXPECT_TRUE(sink.received.empty()) << "the first frame seems to go on";
    EXPECT_EQ(reassembler.finish(sink), 1u);
    ASSERT_EQ(sink.received.size(), 2u);
    EXPECT_EQ(sink.received[0], good(EFrame_kind::group, pulse_group(1)));
    EXPECT_EQ(sink.received[1], good(EFrame_kind::group, pulse_group(2)));
    EXPECT_EQ(reassembler.carry(), 0u);

    sink.received.clear();
    const Bytes whole = pulse_group(3);
    feed(Bytes(whole.begin(), whole.end() - 2));
    EXPECT_EQ(reassembler.finish(sink), 1u) << "a frame missing its last bytes";
    EXPECT_TRUE(sink.received.empty());
    feed({std::byte{'x'}, std::byte{'$'}});
    EXPECT_EQ(reassembler.finish(sink), 0u) << "a tail that never was a frame";
}

TEST_F(ReassemblyTest, ReceiverWithoutAQueueSkipsThatKind)
{
    reassembler.set_group_queue(nullptr);
    Bytes read = pulse_group(1);
    const Bytes ack = frame_bytes::message(0, 5, frame_bytes::filler(34, 9));
    frame_bytes::append(read, ack);
    feed(read);
    ASSERT_EQ(sink.received.size(), 1u);
    EXPECT_EQ(sink.received[0], good(EFrame_kind::message, ack));
}

TEST_F(ReassemblyTest, AnyChunkingYieldsTheSameFramesInTheSameOrder)
{
    std::vector<SReceived> expected;
    Bytes stream;
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> body_length(0, 300);
    for (std::uint16_t i = 0; i < 400; ++i) {
        const bool is_message = i % 3 == 0;
        const Bytes body = frame_bytes::filler(static_cast<std::size_t>(body_length(random)),
                                               static_cast<std::uint8_t>(i));
        const Bytes frame = is_message
                                ? frame_bytes::message(i, i, body)
                                : frame_bytes::group(static_cast<std::uint16_t>(i % 7 + 1), body);
        if (i % 5 == 0) {
            frame_bytes::put_text(stream, "$GR\x01$M");
        }
        frame_bytes::append(stream, frame);
        expected.push_back(good(is_message ? EFrame_kind::message : EFrame_kind::group, frame));
    }
    // The largest frame the queues accept, to exercise the area's limits.
    const Bytes largest =
        frame_bytes::group(9, frame_bytes::filler(CFrame_queue::buffer_size - 40, 1));
    frame_bytes::append(stream, largest);
    expected.push_back(good(EFrame_kind::group, largest));

    for (unsigned seed = 1; seed <= 20; ++seed) {
        sink.received.clear();
        reassembler.reset();
        feed_in_chunks(stream, seed);
        ASSERT_EQ(sink.received.size(), expected.size()) << "seed " << seed;
        EXPECT_TRUE(sink.received == expected) << "seed " << seed;
        EXPECT_EQ(reassembler.carry(), 0u);
    }
}

TEST_F(ReassemblyTest, SmallAreaIsRaisedToHoldACarriedFrameAndTheNextRead)
{
    CReassembler small(100);
    EXPECT_EQ(small.area_size(), CReassembler::smallest_area);
}

} // namespace
