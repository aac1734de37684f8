// The peripheral groups: their layouts as built, korusim's frames of them byte for byte, Group
// 110's raw messages (NMEA text, binary bytes, the largest body) read back through the group
// queue, a byte count the frame does not hold, and the lines the log makes of a message's text.

#include "tools/korusim/computer.h"
#include "tools/korusim/group_encoders.h"

#include "views/peripheral_records.h"
#include "views/raw_text_lines.h"

#include "frame_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

using frame_bytes::Bytes;

template <class TGroup>
void expect_built_byte_count(std::uint16_t byte_count)
{
    std::array<std::byte, CFrame_queue::buffer_size> buffer{};
    TGroup record(buffer.data(), buffer.size());
    EXPECT_EQ(record.header().byte_count().get(), byte_count) << TGroup::number_of_record;
    EXPECT_EQ(record.size() - frame::prefix_length, byte_count) << TGroup::number_of_record;
}

TEST(PeripheralGroups, LayoutsHaveTheirByteCounts)
{
    expect_built_byte_count<CGroup20201>(72);
    expect_built_byte_count<CGroup20200>(104);
    expect_built_byte_count<CGroup201>(72);
    expect_built_byte_count<CGroup200>(56);
    expect_built_byte_count<CGroup202>(48);
    expect_built_byte_count<CGroup17>(40);
    expect_built_byte_count<CGroup204>(40);
    // No body: eight bytes of items and a pad of 2.
    expect_built_byte_count<CGroup110>(40);

    std::array<std::byte, CFrame_queue::buffer_size> buffer{};
    CGroup17 user_time(buffer.data(), buffer.size());
    EXPECT_EQ(user_time.resyncs().get(), 0u) << "built with 0";
    EXPECT_EQ(user_time.time_valid().get(), 0);
}

// A record of Group 110 over a copy of `frame`, laid out for what it holds.
struct SReceived_raw {
    explicit SReceived_raw(const Bytes &frame)
    {
        std::memcpy(buffer.data(), frame.data(), std::min(frame.size(), buffer.size()));
        laid_out = record.lay_out_received();
    }
    std::string body() const
    {
        return std::string(reinterpret_cast<const char *>(record.body().start()), laid_out);
    }
    std::array<std::byte, CFrame_queue::buffer_size> buffer{};
    CGroup110 record{buffer.data(), buffer.size()};
    std::size_t laid_out = 0;
};

Bytes raw_frame(std::uint16_t count, std::string_view text)
{
    Bytes body;
    frame_bytes::put_u8(body, 1);
    frame_bytes::put_u8(body, 0);
    frame_bytes::put_u32(body, 5);
    frame_bytes::put_u16(body, count);
    frame_bytes::put_text(body, text);
    return frame_bytes::group(110, body);
}

TEST(PeripheralGroups, ARawMessageIsLaidOutForWhatItsFrameHolds)
{
    for (const std::uint16_t count :
         {std::uint16_t{0}, std::uint16_t{6144}, std::uint16_t{65535}}) {
        SReceived_raw received(raw_frame(count, "12345"));
        // The frame's pad is one byte: it lies inside the frame, so a count above five reads it
        // too, and never more.
        EXPECT_EQ(received.laid_out, std::min<std::size_t>(count, 6)) << count;
        EXPECT_TRUE(received.record.holds(received.record.body())) << count;
    }
    EXPECT_EQ(SReceived_raw(raw_frame(3, "12345")).body(), "123");

    // A frame that ends inside the items before the body holds none.
    Bytes cut = raw_frame(6144, "");
    const std::size_t header = 8 + 26;
    Bytes short_frame(cut.begin(), cut.begin() + static_cast<std::ptrdiff_t>(header + 4));
    frame_bytes::append(short_frame, frame_bytes::filler(4, 1));
    short_frame[6] = std::byte{static_cast<std::uint8_t>(short_frame.size() - 8)};
    short_frame[7] = std::byte{0};
    EXPECT_EQ(SReceived_raw(short_frame).laid_out, 0u);

    // The largest body in a frame whose count says more: the body's room, no further.
    SReceived_raw largest(raw_frame(65535, std::string(7000, 'x')));
    EXPECT_EQ(largest.laid_out, CGroup110::largest_body);
}

class PeripheralEncoderTest : public ::testing::Test {
protected:
    std::span<const std::byte> encode(const Group_encoders &from, std::uint16_t number, double t)
    {
        const auto found = std::find_if(from.begin(), from.end(),
                                        [number](const auto &e) { return e->number() == number; });
        return (*found)->encode(computer.snapshot(t));
    }

    // Group 110 at `t` as the display receiver takes it: through the group queue.
    Bytes received_raw(const Group_encoders &from, double t)
    {
        const std::span<const std::byte> frame = encode(from, 110, t);
        CByte_cursor cursor(frame.data(), frame.size());
        EXPECT_EQ(queue.read(cursor), std::optional<EFrame_status>(EFrame_status::ok));
        return Bytes(queue.buffer(), queue.buffer() + queue.frame_length());
    }

    SOptions options;
    CComputer computer{options};
    Group_encoders encoders = make_group_encoders();
    CGroup_buffer queue;
};

TEST_F(PeripheralEncoderTest, TargetAndRangesAreEncodedByteForByte)
{
    const double t = options.align_seconds + 400;
    const SSnapshot snapshot = computer.snapshot(t);
    const std::span<const std::byte> frame = encode(encoders, 201, t);
    // Records write their defaults when built: the frames go in after.
    std::array<std::byte, CFrame_queue::buffer_size> buffer{};
    CGroup201 target(buffer.data(), buffer.size());
    std::memcpy(buffer.data(), frame.data(), frame.size());
    EXPECT_DOUBLE_EQ(target.latitude().get(), snapshot.nav.latitude);
    EXPECT_DOUBLE_EQ(target.range().get(), snapshot.nav.altitude);
    EXPECT_DOUBLE_EQ(target.bearing().get(), snapshot.nav.attitude[2]);
    EXPECT_EQ(target.status().get(), 0x0003) << "valid, from the laser";
    ASSERT_EQ(frame.size(), 72u + 8);
    // Status, pad, checksum and end marker close the frame.
    EXPECT_EQ(std::to_integer<int>(frame[34 + 40]), 0x03);
    EXPECT_EQ(std::to_integer<int>(frame[34 + 41]), 0x00);

    const std::span<const std::byte> status = encode(encoders, 20201, t);
    CGroup20201 range_status(buffer.data(), buffer.size());
    std::memcpy(buffer.data(), status.data(), status.size());
    EXPECT_EQ(range_status.raw_laser_range().get(),
              static_cast<std::uint32_t>(snapshot.nav.altitude * 100));
    EXPECT_EQ(range_status.lrf_status().get(), 0x0003);
    EXPECT_EQ(range_status.messages_received().get(), static_cast<std::uint32_t>(t * 10));
}

// NMEA sentences end in CR LF and carry their checksum.
void expect_nmea(const std::string &text)
{
    ASSERT_GE(text.size(), 5u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        const std::string sentence = text.substr(start, end - start);
        ASSERT_EQ(sentence[0], '$') << sentence;
        const std::size_t star = sentence.find('*');
        ASSERT_EQ(star, sentence.size() - 3) << sentence;
        unsigned checksum = 0;
        for (std::size_t i = 1; i < star; ++i) {
            checksum ^= static_cast<unsigned char>(sentence[i]);
        }
        EXPECT_EQ(std::stoul(sentence.substr(star + 1), nullptr, 16), checksum) << sentence;
        start = end + 2;
    }
}

TEST_F(PeripheralEncoderTest, RawMessagesAreNmeaBinaryAndTheLargestBody)
{
    std::vector<std::string> bodies;
    for (double t = 100.5; t < 104; t += 1) {
        SReceived_raw received(received_raw(encoders, t));
        EXPECT_EQ(received.record.message_byte_count().get(), received.laid_out);
        EXPECT_EQ(received.record.message_number().get(), static_cast<std::uint32_t>(t));
        bodies.push_back(received.body());
    }
    expect_nmea(bodies[0]);
    EXPECT_EQ(bodies[0].substr(0, 7), "$GPGGA,");
    EXPECT_NE(bodies[0].find("$GPVTG,"), std::string::npos);
    EXPECT_TRUE(std::any_of(bodies[1].begin(), bodies[1].end(), [](char c) {
        return c >= 0 && c < 0x20;
    })) << "binary bytes";
    expect_nmea(bodies[2]);
    ASSERT_EQ(bodies[3].size(), CGroup110::largest_body) << "came whole through the queue";
    EXPECT_EQ(bodies[3].substr(0, 7), "$GPGSV,");

    // With the switch the count says 65535; the frames are the same otherwise.
    const Group_encoders beyond =
        make_group_encoders(EIin_form::full, EStatus_form::full, EAux_count::beyond_frame);
    for (double t = 100.5; t < 104; t += 1) {
        SReceived_raw received(received_raw(beyond, t));
        EXPECT_EQ(received.record.message_byte_count().get(), 65535);
        // The body as sent, and the frame's pad behind it: all the frame holds.
        const std::string &sent = bodies[static_cast<std::size_t>(t - 100.5)];
        EXPECT_EQ(received.body().substr(0, sent.size()), sent);
        EXPECT_LT(received.body().size() - sent.size(), 4u);
    }
}

std::vector<std::string> lines_of(std::string_view text)
{
    std::vector<std::string> lines;
    CRaw_text_lines splitter;
    splitter.split({reinterpret_cast<const std::byte *>(text.data()), text.size()},
                   [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

TEST(RawTextLines, LineEndsEscapesAndTheLongestLine)
{
    using lines = std::vector<std::string>;
    EXPECT_EQ(lines_of("a\r\nb\n\rc\rd"), (lines{"a", "b", "", "c", "d"}))
        << "CR LF ends one line; LF CR two";
    EXPECT_EQ(lines_of("\r\n\r\n"), (lines{"", ""}));
    EXPECT_EQ(lines_of(std::string_view("\x07\x00\x1B\x7F\xFF", 5)),
              (lines{"\\07\\00\\1B\x7F\xFF"}));
    EXPECT_EQ(lines_of(""), lines{});

    const std::string full(CRaw_text_lines::line_length, 'q');
    EXPECT_EQ(lines_of(full + "\r\n"), (lines{full, ""}))
        << "a full line ends by itself; the line end after it ends an empty one";
    EXPECT_EQ(lines_of(full + "r"), (lines{full, "r"}));
    const std::string almost(CRaw_text_lines::line_length - 2, 'q');
    EXPECT_EQ(lines_of(almost + "\x01"), (lines{almost, "\\01"})) << "an escape is never cut";
}

} // namespace
