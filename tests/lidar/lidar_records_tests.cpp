// What Group 20202 says of the lidar's logging, and a stored Message 20206 brought in step with it.

#include "lidar/lidar_records.h"
#include "protocol/group_buffer.h"

#include "lidar_frames.h"

#include <gtest/gtest.h>

namespace {

using frame_bytes::Bytes;
using lidar_frames::lidar_group;

std::optional<std::uint8_t> reported(const Bytes &frame)
{
    CGroup_buffer queue;
    CGroup20202 *group = nullptr;
    Get(queue, group);
    CByte_cursor cursor(frame.data(), frame.size());
    EXPECT_EQ(queue.read(cursor), EFrame_status::ok);
    return ReportedLoggingControl(*group);
}

TEST(LidarRecords, Group20202ReportsTheLoggingAsMessage20206SetsIt)
{
    // The Q560 interface: what the computer asks the PC for.
    EXPECT_EQ(reported(lidar_group(1, 2, 1)), 1);
    EXPECT_EQ(reported(lidar_group(1, 1, 0)), 0);
    EXPECT_EQ(reported(lidar_group(1, 1, 5)), std::nullopt);
    // Any other: whether the data port logs.
    EXPECT_EQ(reported(lidar_group(0, 1, 0)), 1);
    EXPECT_EQ(reported(lidar_group(2, 2, 1)), 0);
    EXPECT_EQ(reported(lidar_group(0, 3, 0)), std::nullopt) << "a failed port says nothing";
    EXPECT_EQ(reported(lidar_group(1, 2, 1, 66)), std::nullopt) << "a frame without the kind";
}

TEST(LidarRecords, AStoredLoggingRequestTakesTheReportedLogging)
{
    const Bytes stored = lidar_frames::logging_request(3, 0, 17);
    Bytes frame = stored;
    SetStoredLoggingControl(frame, 1);
    Bytes expected = stored;
    expected[10] = std::byte{1};
    EXPECT_EQ(frame, expected) << "only the logging changes; the sender seals the frame";

    const Bytes other = frame_bytes::message(20202, 3, {std::byte{0}, std::byte{0}});
    frame = other;
    SetStoredLoggingControl(frame, 1);
    EXPECT_EQ(frame, other);
}

TEST(LidarRecords, TheStateTextsOfTheDataPort)
{
    EXPECT_EQ(LidarStateTexts(1).connection, "On");
    EXPECT_EQ(LidarStateTexts(1).logging, "On");
    EXPECT_EQ(LidarStateTexts(2).logging, "Off");
    EXPECT_EQ(LidarStateTexts(3).connection, "Failure");
    EXPECT_EQ(LidarStateTexts(3).logging, "N/A");
    EXPECT_EQ(LidarStateTexts(4).connection, "Off");
    EXPECT_EQ(LidarStateTexts(0).connection, "N/A");
    EXPECT_EQ(LidarStateTexts(5).logging, "N/A");
}

} // namespace
