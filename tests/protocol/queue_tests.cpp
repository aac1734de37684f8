// Receive queues: shared records, message copies, invalidation and storing.

#include "protocol/group_buffer.h"
#include "test_records.h"

#include "frame_bytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

namespace {

using frame_bytes::Bytes;

// Puts `frame` into the queue's receive buffer the way reassembly does.
EFrame_status receive(CFrame_queue &queue, const Bytes &frame)
{
    CByte_cursor cursor(frame.data(), frame.size());
    const std::optional<EFrame_status> status = queue.read(cursor);
    EXPECT_TRUE(status.has_value()) << "the whole frame was there";
    return status.value_or(EFrame_status::bad_end);
}

// A second class for number 1, as a view-specific class for a shared number would be.
class CTest_group_variant : public CTest_group {
public:
    using CTest_group::CTest_group;
};

TEST(GroupQueue, GetSharesOneRecordPerClass)
{
    CGroup_buffer queue;
    CTest_group *first_slot = nullptr;
    CTest_group *second_slot = nullptr;
    CTest_group &first = Get(queue, first_slot);
    CTest_group &second = Get(queue, second_slot);
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(queue.find_record(1), &first);
    EXPECT_EQ(first.buffer(), queue.buffer());

    CTest_counter_group *counter_slot = nullptr;
    CTest_counter_group &counter = Get(queue, counter_slot);
    EXPECT_EQ(counter.buffer(), queue.buffer()) << "every group views the one receive buffer";

    CTest_group_variant *variant_slot = nullptr;
    CTest_group_variant &variant = Get(queue, variant_slot);
    EXPECT_NE(static_cast<CGroup_base *>(&variant), static_cast<CGroup_base *>(&first))
        << "a record of another class is not handed out as this one";
    EXPECT_EQ(queue.find_record(1), &first) << "lookups find the first registration";
}

TEST(GroupQueue, BuildingARecordLeavesTheCurrentFrameAlone)
{
    CGroup_buffer queue;
    Bytes body;
    frame_bytes::put_u32(body, 4242);
    const Bytes pulse = frame_bytes::group(5, body);
    ASSERT_EQ(receive(queue, pulse), EFrame_status::ok);

    CTest_group *slot = nullptr;
    Get(queue, slot);
    EXPECT_EQ(std::memcmp(queue.buffer(), pulse.data(), pulse.size()), 0);
    EXPECT_FALSE(slot->is_current());

    CTest_counter_group *counter_slot = nullptr;
    CTest_counter_group &counter = Get(queue, counter_slot);
    EXPECT_TRUE(counter.is_current());
    EXPECT_EQ(counter.pulses->get(), 4242u);
}

TEST(GroupQueue, TakesTheLongestRawReceiverMessageWholeAndEmptiesALongerFrame)
{
    CGroup_buffer queue;
    // A receiver's raw message: twelve bytes of items before a body of 6144 bytes.
    const Bytes longest = frame_bytes::group(110, frame_bytes::filler(12 + 6144, 9));
    ASSERT_GT(longest.size(), 6144u + 40);
    ASSERT_EQ(receive(queue, longest), EFrame_status::ok);
    EXPECT_EQ(queue.frame_length(), longest.size());
    EXPECT_EQ(std::memcmp(queue.buffer(), longest.data(), longest.size()), 0);

    // One byte count beyond the buffer: emptied after its prefix, never copied past the buffer.
    Bytes too_long = frame_bytes::group(110, frame_bytes::filler(CFrame_queue::buffer_size, 3));
    CByte_cursor cursor(too_long.data(), too_long.size());
    EXPECT_NE(queue.read(cursor), std::optional<EFrame_status>(EFrame_status::ok));
    EXPECT_EQ(cursor.position(), frame::prefix_length);
    EXPECT_EQ(queue.frame_length(), frame::prefix_length);
}

TEST(MessageQueue, RecordsHoldNoCopyUntilOneIsReceived)
{
    CMessage_buffer queue;
    CTest_command *slot = nullptr;
    CTest_command &command = Get(queue, slot);
    EXPECT_EQ(command.frame_number(), 0xFFFF);
    EXPECT_FALSE(command.is_current());

    ASSERT_EQ(receive(queue, frame_bytes::message(7, 3, {std::byte{2}})), EFrame_status::ok);
    EXPECT_EQ(queue.number(), 7);
    EXPECT_EQ(queue.copy_to_record(), &command);
    EXPECT_TRUE(command.is_current());
    EXPECT_EQ(command.mode->get(), 2);
    EXPECT_EQ(command.header().transaction_number().get(), 3);

    queue.invalidate_all();
    EXPECT_EQ(command.frame_number(), 0xFFFF);

    ASSERT_EQ(receive(queue, frame_bytes::message(8, 4, {std::byte{1}})), EFrame_status::ok);
    EXPECT_EQ(queue.copy_to_record(), nullptr) << "nothing registered for 8";
}

TEST(MessageQueue, ShortCopyLeavesLaterItemsUnheld)
{
    CMessage_buffer queue;
    CTest_list_message *slot = nullptr;
    CTest_list_message &list = Get(queue, slot);

    Bytes full_body;
    frame_bytes::put_u16(full_body, 8);
    for (std::uint16_t i = 0; i < 8; ++i) {
        frame_bytes::put_u16(full_body, static_cast<std::uint16_t>(100 + i));
    }
    frame_bytes::put_u16(full_body, 0);
    ASSERT_EQ(receive(queue, frame_bytes::message(50, 1, full_body)), EFrame_status::ok);
    queue.copy_to_record();
    EXPECT_TRUE(list.holds(*list.reserved));
    EXPECT_EQ((*list.entries)[7].get(), 107);

    Bytes short_body;
    frame_bytes::put_u16(short_body, 1);
    frame_bytes::put_u16(short_body, 55);
    ASSERT_EQ(receive(queue, frame_bytes::message(50, 2, short_body)), EFrame_status::ok);
    queue.copy_to_record();
    EXPECT_EQ((*list.entries)[0].get(), 55);
    EXPECT_TRUE(list.holds((*list.entries)[0]));
    EXPECT_FALSE(list.holds((*list.entries)[7])) << "still 107 from the last frame, but not held";
}

TEST(MessageQueue, WriteAllStoresOnlyGoodCopiesByTheirOwnLength)
{
    CMessage_buffer queue;
    CTest_command *command_slot = nullptr;
    CTest_list_message *list_slot = nullptr;
    CTest_command &command = Get(queue, command_slot);
    Get(queue, list_slot);

    std::ostringstream nothing;
    EXPECT_EQ(queue.write_all(nothing).written, 0u);
    EXPECT_TRUE(nothing.str().empty()) << "records without a copy are not stored";

    const Bytes command_copy = frame_bytes::message(7, 3, {std::byte{2}});
    Bytes list_body;
    frame_bytes::put_u16(list_body, 1);
    frame_bytes::put_u16(list_body, 5);
    frame_bytes::put_u16(list_body, 0);
    const Bytes list_copy = frame_bytes::message(50, 4, list_body);
    ASSERT_EQ(receive(queue, command_copy), EFrame_status::ok);
    queue.copy_to_record();
    ASSERT_EQ(receive(queue, list_copy), EFrame_status::ok);
    queue.copy_to_record();

    std::ostringstream stored;
    const SStore_count count = queue.write_all(stored);
    EXPECT_EQ(count.written, 2u);
    EXPECT_EQ(count.skipped, 0u);
    Bytes expected = command_copy;
    frame_bytes::append(expected, list_copy);
    ASSERT_EQ(stored.str().size(), expected.size()) << "the list copy is shorter than its layout";
    EXPECT_EQ(std::memcmp(stored.str().data(), expected.data(), expected.size()), 0);

    command.mode->set(3); // changed after the copy, never sealed
    std::ostringstream after_change;
    const SStore_count changed = queue.write_all(after_change);
    EXPECT_EQ(changed.written, 1u);
    EXPECT_EQ(changed.skipped, 1u);
}

} // namespace
