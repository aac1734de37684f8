// Frames: pad, checksum, the frame check and its failing items, records over frames.

#include "protocol/frame.h"
#include "protocol/group_base.h"
#include "test_records.h"

#include "frame_bytes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

namespace {

using frame_bytes::Bytes;

Bytes group_of_byte_count_132()
{
    // The byte count counts everything after the prefix: 26 header bytes, 102 body bytes, no pad,
    // 4 trailer bytes.
    return frame_bytes::group(1, frame_bytes::filler(102, 1));
}

EFrame_status check(const Bytes &bytes, EFrame_kind kind = EFrame_kind::group)
{
    return frame::check(bytes, kind);
}

TEST(FrameCheck, GoodGroupPasses)
{
    const Bytes frame = group_of_byte_count_132();
    ASSERT_EQ(frame.size(), 140u);
    EXPECT_EQ(check(frame), EFrame_status::ok);
    EXPECT_EQ(frame::number_of(frame), 1);
    EXPECT_EQ(frame::byte_count_of(frame), 132);
}

TEST(FrameCheck, EachTestFailsWithItsStatusAndItem)
{
    Bytes changed_body = group_of_byte_count_132();
    changed_body[60] ^= std::byte{0x01};
    EXPECT_EQ(check(changed_body), EFrame_status::bad_checksum);

    Bytes swapped_end = group_of_byte_count_132();
    swapped_end[138] = std::byte{'#'};
    swapped_end[139] = std::byte{'$'};
    EXPECT_EQ(check(swapped_end), EFrame_status::bad_end);

    Bytes wrong_start = group_of_byte_count_132();
    wrong_start[3] = std::byte{'X'};
    EXPECT_EQ(check(wrong_start), EFrame_status::bad_start);
    EXPECT_EQ(check(group_of_byte_count_132(), EFrame_kind::message), EFrame_status::bad_start);

    EXPECT_EQ(frame::failing_item_name(EFrame_kind::group, EFrame_status::bad_start),
              "Group Start");
    EXPECT_EQ(frame::failing_item_name(EFrame_kind::message, EFrame_status::bad_start),
              "Message Start");
    EXPECT_EQ(frame::failing_item_name(EFrame_kind::group, EFrame_status::bad_byte_count),
              "Byte Count");
    EXPECT_EQ(frame::failing_item_name(EFrame_kind::group, EFrame_status::bad_end), "GroupEnd");
    EXPECT_EQ(frame::failing_item_name(EFrame_kind::message, EFrame_status::bad_end),
              "Message End");
    EXPECT_EQ(frame::failing_item_name(EFrame_kind::group, EFrame_status::bad_checksum),
              "Checksum");
}

TEST(FrameCheck, ByteCountBeyondTheRoomFailsWithoutReadingPastIt)
{
    // Each buffer is exactly the room offered, so a read past it is caught by the sanitizers.
    for (const std::uint16_t byte_count :
         {std::uint16_t{2050}, std::uint16_t{2041}, std::uint16_t{2044}, std::uint16_t{65535}}) {
        Bytes room(2048, std::byte{0});
        std::memcpy(room.data(), "$GRP", 4);
        room[6] = std::byte{static_cast<std::uint8_t>(byte_count & 0xFF)};
        room[7] = std::byte{static_cast<std::uint8_t>(byte_count >> 8)};
        CGroup_id checker;
        EXPECT_EQ(checker.check(room), EFrame_status::bad_byte_count) << byte_count;
        EXPECT_EQ(checker.current_byte_count(), 0);
    }
    Bytes exact = frame_bytes::group(1, frame_bytes::filler(2048 - 40, 3));
    ASSERT_EQ(exact.size(), 2048u);
    EXPECT_EQ(check(exact), EFrame_status::ok) << "a frame filling the room exactly fits";
}

TEST(FrameCheck, TinyByteCountsFailAtTheEndMarker)
{
    for (const std::uint8_t byte_count : {0, 1}) {
        Bytes frame(16, std::byte{0});
        std::memcpy(frame.data(), "$MSG", 4);
        frame[6] = std::byte{byte_count};
        EXPECT_EQ(check(frame, EFrame_kind::message), EFrame_status::bad_end);
    }
    EXPECT_EQ(check(Bytes(5, std::byte{'$'})), EFrame_status::bad_byte_count)
        << "fewer bytes than a prefix";
}

TEST(FrameCheck, ChecksumRules)
{
    // A hand-made 12-byte message: "$MSG" 7, byte count 4, checksum, "$#".
    // Words: 0x4D24 + 0x4753 + 0x0007 + 0x0004 + 0x2324 = 0xB7A6 -> checksum 0x485A.
    const Bytes golden = {std::byte{'$'},  std::byte{'M'},  std::byte{'S'}, std::byte{'G'},
                          std::byte{7},    std::byte{0},    std::byte{4},   std::byte{0},
                          std::byte{0x5A}, std::byte{0x48}, std::byte{'$'}, std::byte{'#'}};
    EXPECT_TRUE(frame::checksum_ok(golden));
    Bytes computed = golden;
    computed[8] = computed[9] = std::byte{0};
    frame::write_checksum(computed);
    EXPECT_EQ(computed, golden);

    Bytes odd_length = golden;
    odd_length.pop_back();
    EXPECT_FALSE(frame::checksum_ok(odd_length));
    Bytes zero_count(12, std::byte{0});
    EXPECT_FALSE(frame::checksum_ok(zero_count)) << "all zero words sum to 0 but say nothing";
}

TEST(FrameFooter, PadMakesTheFrameAMultipleOfFour)
{
    EXPECT_EQ(CFrame_footer::pad_for(47), 1u);
    EXPECT_EQ(CFrame_footer::pad_for(48), 0u);
    EXPECT_EQ(CFrame_footer::pad_for(46), 2u);
    EXPECT_EQ(CFrame_footer::pad_for(45), 3u);
}

TEST(Records, GroupRecordLaysItsFrameOverTheBuffer)
{
    std::array<std::byte, 2048> buffer{};
    CTest_group group(buffer.data(), buffer.size());
    EXPECT_EQ(group.size(), std::size_t{CTest_group::byte_count} + 8);
    EXPECT_EQ(group.header().byte_count().get(), CTest_group::byte_count);
    EXPECT_EQ(group.header().distance_tag().get(), 1.0);
    EXPECT_EQ(group.position->start(), buffer.data() + 34);
    EXPECT_EQ(group.footer().checksum().start(), buffer.data() + 64);
    EXPECT_TRUE(group.footer().end_marker().holds("$#"));
    EXPECT_EQ(group.footer().end_marker().name(), "GroupEnd");
    EXPECT_TRUE(group.is_current());
    EXPECT_EQ(group.name(), "Group 1");

    group.footer().compute_checksum();
    EXPECT_EQ(frame::check({buffer.data(), buffer.size()}, EFrame_kind::group), EFrame_status::ok);
}

TEST(Records, ReceivedGroupIsReadThroughTheRecord)
{
    Bytes body;
    frame_bytes::put_f64(body, 45.5042);
    frame_bytes::put_f64(body, -75.25);
    frame_bytes::put_f64(body, 120.0);
    frame_bytes::put_f32(body, 1e20f);
    frame_bytes::put_u8(body, 3);
    const Bytes received = frame_bytes::group(1, body);

    std::array<std::byte, 2048> buffer{};
    CTest_group group(buffer.data(), buffer.size());
    std::memcpy(buffer.data(), received.data(), received.size());
    EXPECT_DOUBLE_EQ(group.position->latitude().get(), 45.5042);
    EXPECT_DOUBLE_EQ(group.position->longitude().get(), -75.25);
    EXPECT_FALSE(group.speed->is_valid());
    EXPECT_EQ(group.status->get(), 3);
    EXPECT_TRUE(group.holds(*group.status));
}

TEST(Records, ItemsPastAShortFrameAreNotHeld)
{
    std::array<std::byte, 2048> buffer{};
    CTest_group group(buffer.data(), buffer.size());
    // An older computer's Group 1 that ends after the position.
    Bytes body;
    frame_bytes::put_f64(body, 1.0);
    frame_bytes::put_f64(body, 2.0);
    frame_bytes::put_f64(body, 3.0);
    const Bytes short_frame = frame_bytes::group(1, body);
    std::memcpy(buffer.data(), short_frame.data(), short_frame.size());

    EXPECT_EQ(group.frame_length(), short_frame.size());
    EXPECT_TRUE(group.holds(*group.position));
    EXPECT_FALSE(group.holds(*group.speed));
    EXPECT_FALSE(group.holds(*group.status));
}

TEST(Records, MessageRecordOwnsAndSealsItsFrame)
{
    CTest_command command;
    EXPECT_EQ(command.buffer_size(), 16u);
    EXPECT_EQ(command.size(), 16u);
    EXPECT_EQ(command.header().start_marker().name(), "Message Start");
    EXPECT_EQ(command.footer().end_marker().name(), "Message End");
    command.mode->set(2);
    command.seal(0x1234);

    const Bytes expected = frame_bytes::message(7, 0x1234, {std::byte{2}});
    ASSERT_EQ(expected.size(), 16u);
    EXPECT_EQ(std::memcmp(command.buffer(), expected.data(), expected.size()), 0);
}

TEST(Records, VariableListReLaysAndMovesTheFooter)
{
    CTest_list_message list;
    EXPECT_EQ(list.size(), 36u);
    list.set_entry_count(2);
    (*list.entries)[0].set(1);
    (*list.entries)[1].set(101);
    list.seal(9);

    Bytes body;
    frame_bytes::put_u16(body, 2);
    frame_bytes::put_u16(body, 1);
    frame_bytes::put_u16(body, 101);
    frame_bytes::put_u16(body, 0);
    const Bytes expected = frame_bytes::message(50, 9, body);
    ASSERT_EQ(expected.size(), 24u);
    ASSERT_EQ(list.size(), 24u);
    EXPECT_EQ(std::memcmp(list.buffer(), expected.data(), expected.size()), 0);

    list.set_entry_count(100);
    EXPECT_EQ(list.count->get(), 8) << "never more entries than the record has room for";
    EXPECT_EQ(list.size(), 36u);
}

TEST(Records, SameContentIgnoresNumberTransactionAndChecksum)
{
    CTest_command a;
    CTest_command b;
    a.seal(1);
    b.seal(2);
    EXPECT_TRUE(a.same_content(b));
    b.mode->set(3);
    EXPECT_FALSE(a.same_content(b));
    CTest_list_message list;
    EXPECT_FALSE(a.same_content(list)) << "different byte counts";
}

TEST(Checker, KeepsTheNumberAndCountOfAGoodFrameOnly)
{
    Bytes frame = group_of_byte_count_132();
    CGroup_id checker;
    EXPECT_EQ(checker.check(frame), EFrame_status::ok);
    EXPECT_EQ(checker.current_number(), 1);
    EXPECT_EQ(checker.current_byte_count(), 132);

    frame[0] = std::byte{'#'};
    EXPECT_EQ(checker.check(frame), EFrame_status::bad_start);
    EXPECT_EQ(checker.current_number(), 0);
    EXPECT_EQ(checker.current_byte_count(), 0);
    EXPECT_EQ(checker.failing_item_name(EFrame_status::bad_start), "Group Start");

    CMessage_id message_checker;
    EXPECT_EQ(message_checker.check(group_of_byte_count_132()), EFrame_status::bad_start);
    EXPECT_EQ(message_checker.failing_item_name(EFrame_status::bad_end), "Message End");
}

} // namespace
